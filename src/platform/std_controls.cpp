#include "platform/std_controls.h"

#include <algorithm>

namespace hl {
namespace {

bool validIndex(int index, std::size_t size) { return index >= 0 && static_cast<std::size_t>(index) < size; }

// The text after one typed character: backspace removes the last character
// (a whole UTF-8 sequence), a printable character is appended, others do nothing.
bool applyKey(std::string& text, char key) {
  if (key == VK_BACK) {
    if (text.empty()) return false;
    std::size_t cut = text.size() - 1;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    text.erase(cut);
    return true;
  }
  if (static_cast<unsigned char>(key) < 0x20) return false;
  text.push_back(key);
  return true;
}

}  // namespace

TLabel::TLabel(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {}

void TCustomEdit::setText(const std::string& t) {
  if (t == text_) return;
  assignText(t);
  if (OnChange) OnChange(this);
}

void TCustomEdit::assignText(const std::string& t) {
  text_ = t;
  changed(Change::Text);
}

void TCustomEdit::userSetText(const std::string& t) {
  if (!enabled()) return;
  asUser([&] { setText(t); });
}

void TCustomEdit::acceptKey(char key) {
  std::string t = text_;
  if (applyKey(t, key)) setText(t);
}

TEdit::TEdit(TComponent* owner, std::string name) : TCustomEdit(owner, std::move(name)) { setColor(clWindow); }

void TEdit::acceptKey(char key) {
  const bool digit = key >= '0' && key <= '9';
  if (numbersOnly_ && !digit && key != VK_BACK) return;  // pasting stays unfiltered, as in the toolkit
  TCustomEdit::acceptKey(key);
}

TMemo::TMemo(TComponent* owner, std::string name) : TCustomEdit(owner, std::move(name)) { setColor(clWindow); }

void TMemo::syncText() {
  std::string joined;
  for (std::size_t i = 0; i < lines_.size(); ++i) {
    if (i) joined += "\n";
    joined += lines_[i];
  }
  assignText(joined);
  changed(Change::Items);
  if (OnChange) OnChange(this);
}

void TMemo::addLine(const std::string& line) {
  lines_.push_back(line);
  syncText();
}

void TMemo::clearLines() {
  lines_.clear();
  syncText();
}

void TMemo::setLines(const std::vector<std::string>& lines) {
  lines_ = lines;
  syncText();
}

TComboBox::TComboBox(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) { setColor(clWindow); }

void TComboBox::addItem(const std::string& item) {
  items_.push_back(item);
  changed(Change::Items);
}

void TComboBox::setItems(const std::vector<std::string>& items) {
  items_ = items;
  itemIndex_ = -1;
  changed(Change::Items);
}

void TComboBox::clearItems() {
  items_.clear();
  itemIndex_ = -1;
  changed(Change::Items);
}

void TComboBox::setItemIndex(int index) {
  itemIndex_ = validIndex(index, items_.size()) ? index : -1;
  if (itemIndex_ >= 0) text_ = items_[itemIndex_];
  changed(Change::ItemIndex);
  changed(Change::Text);
}

void TComboBox::setText(const std::string& t) {
  text_ = t;
  auto it = std::find(items_.begin(), items_.end(), t);
  itemIndex_ = it == items_.end() ? -1 : static_cast<int>(it - items_.begin());
  changed(Change::ItemIndex);
  changed(Change::Text);
}

void TComboBox::userSelect(int index) {
  if (!enabled() || !validIndex(index, items_.size())) return;
  asUser([&] {
    setItemIndex(index);
    if (OnSelect) OnSelect(this);
    if (OnChange) OnChange(this);
  });
}

void TComboBox::userSetText(const std::string& t) {
  if (!enabled()) return;
  asUser([&] {
    setText(t);
    if (OnChange) OnChange(this);
  });
}

void TComboBox::acceptKey(char key) {
  std::string t = text_;
  if (!applyKey(t, key)) return;
  setText(t);
  if (OnChange) OnChange(this);
}

TButton::TButton(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {}

TCheckBox::TCheckBox(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {}

void TCheckBox::setChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  changed(Change::ItemIndex);
  click();
}

void TCheckBox::userClick() {
  if (!enabled()) return;
  asUser([this] { setChecked(!checked_); });
}

TRadioButton::TRadioButton(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {}

void TRadioButton::setChecked(bool v) {
  if (v == checked_) return;
  checked_ = v;
  changed(Change::ItemIndex);
  if (!v) return;
  if (parent())
    for (TControl* sibling : parent()->controls())
      if (auto* radio = dynamic_cast<TRadioButton*>(sibling); radio && radio != this) radio->setChecked(false);
  click();
}

void TRadioButton::userClick() {
  if (!enabled()) return;
  asUser([this] { setChecked(true); });
}

TGroupBox::TGroupBox(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {}

TPanel::TPanel(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {}

TTabControl::TTabControl(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {}

void TTabControl::addTab(const std::string& caption) {
  tabs_.push_back(caption);
  if (tabIndex_ < 0) tabIndex_ = 0;
  changed(Change::Items);
}

void TTabControl::clearTabs() {
  tabs_.clear();
  tabIndex_ = -1;
  changed(Change::Items);
}

void TTabControl::setTabs(const std::vector<std::string>& tabs) {
  tabs_ = tabs;
  tabIndex_ = tabs_.empty() ? -1 : 0;
  changed(Change::Items);
}

void TTabControl::setTabIndex(int index) {
  if (!validIndex(index, tabs_.size())) return;
  tabIndex_ = index;
  changed(Change::ItemIndex);
}

void TTabControl::userSelectTab(int index) {
  if (!enabled() || !validIndex(index, tabs_.size()) || index == tabIndex_) return;
  asUser([&] {
    setTabIndex(index);
    if (OnChange) OnChange(this);
  });
}

TShape::TShape(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {}

void TShape::setShape(TShapeType s) {
  shape_ = s;
  changed(Change::Repaint);
}

void TShape::setBrushColor(TColor c) {
  if (c == brushColor_) return;
  brushColor_ = c;
  changed(Change::Colour);
}

void TShape::setPenColor(TColor c) {
  if (c == penColor_) return;
  penColor_ = c;
  changed(Change::Colour);
}

TProgressBar::TProgressBar(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) {}

void TProgressBar::setRange(int min, int max) {
  min_ = min;
  max_ = std::max(min, max);
  setPosition(position_);
  changed(Change::ItemIndex);
}

void TProgressBar::setPosition(int p) {
  const int clamped = std::clamp(p, min_, max_);
  if (clamped == position_) return;
  position_ = clamped;
  changed(Change::ItemIndex);
}

TImage::TImage(TComponent* owner, std::string name) : TControl(owner, std::move(name)) {}

void TImage::ensureSize() {
  const std::size_t need = static_cast<std::size_t>(std::max(0, width())) * static_cast<std::size_t>(std::max(0, height()));
  if (pixels_.size() != need) pixels_.assign(need, clWhite);
}

TColor TImage::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return clWhite;
  const std::size_t i = static_cast<std::size_t>(y) * width() + x;
  return i < pixels_.size() ? pixels_[i] : clWhite;
}

void TImage::setPixel(int x, int y, TColor c) {
  if (x < 0 || y < 0 || x >= width() || y >= height()) return;
  ensureSize();
  pixels_[static_cast<std::size_t>(y) * width() + x] = c;
  changed(Change::Repaint);
}

void TImage::clearPixels(TColor c) {
  ensureSize();
  std::fill(pixels_.begin(), pixels_.end(), c);
  changed(Change::Repaint);
}

TListBox::TListBox(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) { setColor(clWindow); }

void TListBox::setItems(const std::vector<std::string>& items) {
  items_ = items;
  itemIndex_ = -1;
  changed(Change::Items);
}

void TListBox::setItemIndex(int index) {
  itemIndex_ = validIndex(index, items_.size()) ? index : -1;
  changed(Change::ItemIndex);
}

void TListBox::userSelect(int index) {
  if (!enabled() || !validIndex(index, items_.size())) return;
  asUser([&] {
    setItemIndex(index);
    click();
  });
}

}  // namespace hl
