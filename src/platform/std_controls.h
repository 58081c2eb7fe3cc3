#pragma once
// The standard controls: labels, edit boxes, combo boxes, buttons, check
// boxes, radio buttons, group boxes, panels, tab strips, shapes, progress
// bars, pictures, list boxes and memos.
//
// Events follow the toolkit's rules, which handlers rely on:
//  - setting an edit box's or memo's text to a new value raises OnChange;
//  - setting a combo box's item index or text raises nothing, a user's
//    choice or typing does;
//  - checking a radio button raises OnClick and unchecks its siblings in
//    the same parent; a check box raises OnClick whenever its state changes;
//  - enabling, showing or captioning raises nothing;
//  - adding a line to a memo raises OnChange.
#include <string>
#include <vector>

#include "platform/controls.h"

namespace hl {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TLabel : public TControl {
 public:
  TLabel(TComponent* owner, std::string name);
  const char* className() const override { return "TLabel"; }
  TAlignment alignment() const { return alignment_; }
  void setAlignment(TAlignment a) { alignment_ = a; }

 private:
  TAlignment alignment_ = TAlignment::taLeftJustify;
};

// Edit-like controls keep a text whose change raises OnChange.
class TCustomEdit : public TWinControl {
 public:
  using TWinControl::TWinControl;
  const std::string& text() const { return text_; }
  // Raises OnChange when the text differs from before.
  void setText(const std::string& t);
  TNotifyEvent OnChange;
  // The user pastes or otherwise replaces the whole text (no key filter).
  void userSetText(const std::string& t);

 protected:
  void acceptKey(char key) override;
  // Replaces the text without raising OnChange.
  void assignText(const std::string& t);

 private:
  std::string text_;
};

class TEdit : public TCustomEdit {
 public:
  TEdit(TComponent* owner, std::string name);
  const char* className() const override { return "TEdit"; }
  TAlignment alignment() const { return alignment_; }
  void setAlignment(TAlignment a) { alignment_ = a; }
  bool numbersOnly() const { return numbersOnly_; }
  // Typed keys other than digits and backspace are refused.
  void setNumbersOnly(bool v) { numbersOnly_ = v; }

 protected:
  void acceptKey(char key) override;

 private:
  TAlignment alignment_ = TAlignment::taLeftJustify;
  bool numbersOnly_ = false;
};

class TMemo : public TCustomEdit {
 public:
  TMemo(TComponent* owner, std::string name);
  const char* className() const override { return "TMemo"; }
  const std::vector<std::string>& lines() const { return lines_; }
  // Each raises OnChange.
  void addLine(const std::string& line);
  void clearLines();
  void setLines(const std::vector<std::string>& lines);

 private:
  void syncText();
  std::vector<std::string> lines_;
};

class TComboBox : public TWinControl {
 public:
  TComboBox(TComponent* owner, std::string name);
  const char* className() const override { return "TComboBox"; }

  const std::vector<std::string>& items() const { return items_; }
  int itemCount() const { return static_cast<int>(items_.size()); }
  void addItem(const std::string& item);
  void setItems(const std::vector<std::string>& items);
  // Removes every item; the text stays.
  void clearItems();

  int itemIndex() const { return itemIndex_; }
  // Selects an item (-1 for none) and shows its text. Raises nothing.
  void setItemIndex(int index);
  const std::string& text() const { return text_; }
  // Shows a text; the item with exactly that text becomes selected (-1 if
  // none). Raises nothing.
  void setText(const std::string& t);

  TNotifyEvent OnChange;
  TNotifyEvent OnSelect;

  // The user picks item index from the list: raises OnChange.
  void userSelect(int index);
  // The user replaces the text (paste): raises OnChange.
  void userSetText(const std::string& t);

 protected:
  void acceptKey(char key) override;

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
  std::string text_;
};

class TButton : public TWinControl {
 public:
  TButton(TComponent* owner, std::string name);
  const char* className() const override { return "TButton"; }
};

class TBitBtn : public TButton {
 public:
  using TButton::TButton;
  const char* className() const override { return "TBitBtn"; }
  // Name of the glyph the front-end draws beside the caption ("" for none).
  const std::string& glyph() const { return glyph_; }
  void setGlyph(const std::string& g) { glyph_ = g; }

 private:
  std::string glyph_;
};

class TCheckBox : public TWinControl {
 public:
  TCheckBox(TComponent* owner, std::string name);
  const char* className() const override { return "TCheckBox"; }
  bool checked() const { return checked_; }
  // Raises OnClick when the state changes.
  void setChecked(bool v);
  // Toggles the box.
  void userClick() override;

 private:
  bool checked_ = false;
};

class TRadioButton : public TWinControl {
 public:
  TRadioButton(TComponent* owner, std::string name);
  const char* className() const override { return "TRadioButton"; }
  bool checked() const { return checked_; }
  // Checking unchecks the radio buttons of the same parent, then raises
  // OnClick; unchecking raises nothing.
  void setChecked(bool v);
  void userClick() override;

 private:
  bool checked_ = false;
};

class TGroupBox : public TWinControl {
 public:
  TGroupBox(TComponent* owner, std::string name);
  const char* className() const override { return "TGroupBox"; }
};

class TPanel : public TWinControl {
 public:
  TPanel(TComponent* owner, std::string name);
  const char* className() const override { return "TPanel"; }
};

class TTabControl : public TWinControl {
 public:
  TTabControl(TComponent* owner, std::string name);
  const char* className() const override { return "TTabControl"; }
  const std::vector<std::string>& tabs() const { return tabs_; }
  void addTab(const std::string& caption);
  void clearTabs();
  void setTabs(const std::vector<std::string>& tabs);
  int tabIndex() const { return tabIndex_; }
  // Raises nothing.
  void setTabIndex(int index);
  TNotifyEvent OnChange;
  // The user clicks a tab: raises OnChange when the tab changes.
  void userSelectTab(int index);

 private:
  std::vector<std::string> tabs_;
  int tabIndex_ = -1;
};

enum class TShapeType { stRectangle, stSquare, stRoundRect, stRoundSquare, stEllipse, stCircle };

class TShape : public TControl {
 public:
  TShape(TComponent* owner, std::string name);
  const char* className() const override { return "TShape"; }
  TShapeType shape() const { return shape_; }
  void setShape(TShapeType s);
  TColor brushColor() const { return brushColor_; }
  void setBrushColor(TColor c);
  TColor penColor() const { return penColor_; }
  void setPenColor(TColor c);

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  TColor brushColor_ = clWhite;
  TColor penColor_ = clBlack;
};

class TProgressBar : public TWinControl {
 public:
  TProgressBar(TComponent* owner, std::string name);
  const char* className() const override { return "TProgressBar"; }
  int min() const { return min_; }
  int max() const { return max_; }
  int position() const { return position_; }
  void setRange(int min, int max);
  // Kept inside the range.
  void setPosition(int p);

 private:
  int min_ = 0, max_ = 100, position_ = 0;
};

// A picture: a grid of pixels the program draws into.
class TImage : public TControl {
 public:
  TImage(TComponent* owner, std::string name);
  const char* className() const override { return "TImage"; }
  TColor pixel(int x, int y) const;
  // Pixels outside the picture are ignored.
  void setPixel(int x, int y, TColor c);
  void clearPixels(TColor c);

 private:
  std::vector<TColor> pixels_;
  void ensureSize();
};

class TListBox : public TWinControl {
 public:
  TListBox(TComponent* owner, std::string name);
  const char* className() const override { return "TListBox"; }
  const std::vector<std::string>& items() const { return items_; }
  void setItems(const std::vector<std::string>& items);
  int itemIndex() const { return itemIndex_; }
  void setItemIndex(int index);
  // The user clicks an item: selects it and raises OnClick.
  void userSelect(int index);

 private:
  std::vector<std::string> items_;
  int itemIndex_ = -1;
};

}  // namespace hl
