// The window itself, the grid area, the editors placed over the grid, the
// grid's popup menu, the timers and the dialogs; the creation helpers.
#include "app/form2_controls.h"

namespace hl {

Form2Controls::Form2Controls(Application& app) : TForm(app, "Form2") {
  setCaption("Hueloom_v2.6_pro");
  // The window is sized before anything is put on it, so that no anchored
  // control is moved by its own window growing to the designed size.
  setBounds(754, 231, 1053 + kFrameWidth, 704 + kFrameHeight);
  setColor(clBtnFace);

  createToolPanel();
  createDefaultTimes();
  createToolPanelTail();
  createZoneBar();
  createGridArea();
  createCustomFill();
  createRunningBar();
  createGradient();
  createCustomCopy();
  createTriggerSettings();
  createSpreadsheetImport();
  createZoneModeSettings();
  createPixelChip();
  createTextImport();
  createDimmingBox();
  createGridEditors();
  createPopupMenu();
  createTimersAndDialogs();
}

// The preview panel and the read-out come after the grid so that they lie
// above it when shown.
void Form2Controls::createGridArea() {
  StringGrid1 = place<TStringGrid>(this, "StringGrid1", {7, 208, 1037, 487});
  StringGrid1->setAnchors(akAll);
  StringGrid1->setColor(clAqua);
  StringGrid1->setFixedCols(2);

  Panel1 = hidden(place<TPanel>(this, "Panel1", {9, 133, 1037, 18}));
  Panel1->setAnchors(akAll);
  Panel1->setColor(clBackground);
  Shape73 = shape(Panel1, "Shape73", TShapeType::stRectangle, {0, 0, 1037, 2});
  Shape73->setAnchors(akLeft | akTop | akRight);
  Shape2 = shape(Panel1, "Shape2", TShapeType::stRectangle, {0, 2, 2, 16});
  Shape2->setAnchors(akLeft | akTop | akBottom);
  Shape3 = shape(Panel1, "Shape3", TShapeType::stRectangle, {1035, 2, 2, 16});
  Shape3->setAnchors(akTop | akRight | akBottom);

  cxLabel3 = redText(label(this, "cxLabel3", "111", {9, 138, 290, 25}));
  IMG = place<TImage>(this, "IMG", {958, 109, 22, 20});
  Label6 = label(this, "Label6", "", {8, 84, 240, 13});
}

void Form2Controls::createGridEditors() {
  TimeComb = hidden(comboBox(this, "TimeComb", "  -", {70, 238, 40, 21}));
  TimeComb->setColor(clGrayText);
  TimeComb2 = hidden(comboBox(this, "TimeComb2", "  -", {70, 223, 40, 21}));
  TimeComb2->setColor(clGrayText);
  HYEdit = hidden(edit(this, "HYEdit", "255", {70, 253, 24, 21}));
  HYEdit->setAlignment(TAlignment::taCenter);
  HYEdit->setNumbersOnly(true);
  HYEdit->setColor(clRed);
  // Selection markers of an older grid; nothing shows them.
  cxLabel1 = hidden(place<TPanel>(this, "cxLabel1", {7, 208, 8, 8}));
  cxLabel1->setColor(clRed);
  cxLabel2 = hidden(place<TPanel>(this, "cxLabel2", {17, 208, 8, 8}));
  cxLabel2->setColor(clRed);
}

void Form2Controls::createPopupMenu() {
  RightMenu = create<TPopupMenu>("RightMenu");
  N1 = rightMenuItem("N1", "添加一列");
  N2 = rightMenuItem("N2", "删除一列");
  N3 = rightMenuItem("N3", "复制");
  N5 = rightMenuItem("N5", "粘贴");
  N10 = rightMenuItem("N10", "自定义填充");
  N4 = rightMenuItem("N4", "填充选中");
  N6 = rightMenuItem("N6", "删除选中");
  N7 = rightMenuItem("N7", "选择颜色");
  N8 = rightMenuItem("N8", "一行变化");
  N9 = disabled(rightMenuItem("N9", "复制一路"));
  Window1 = rightMenuItem("Window1", "&W模板生成");
  NewWindow1 = create<TMenuItem>("NewWindow1");
  NewWindow1->setCaption("流水叠加");
  Window1->add(NewWindow1);
  N11 = rightMenuItem("N11", "自定义复制");
  EXCEL1 = rightMenuItem("EXCEL1", "从当前位置导入EXCEL");
  N12 = rightMenuItem("N12", "一列变化");
}

void Form2Controls::createTimersAndDialogs() {
  Timer1 = timer("Timer1", 500, false);
  Timer2 = timer("Timer2", 2000, false);
  Timer3 = timer("Timer3", 500, false);
  Timer4 = timer("Timer4", 1000, false);
  Timer5 = timer("Timer5", 1000, false);
  Timer6 = timer("Timer6", 500, true);
  TRG_Timer = timer("TRG_Timer", 500, false);
  ColorDialog1 = create<TColorDialog>("ColorDialog1");
  ColorDialog1->setFullOpen(true);
  ColorDialog1->setSolidColorOnly(true);
  OpenDialog1 = create<TOpenDialog>("OpenDialog1");
  SaveDialog1 = create<TSaveDialog>("SaveDialog1");
}

// --- Creation helpers ---------------------------------------------------------

TLabel* Form2Controls::label(TWinControl* parent, const char* name, const std::string& caption, Bounds at) {
  TLabel* control = place<TLabel>(parent, name, at);
  control->setCaption(caption);
  return control;
}

TEdit* Form2Controls::edit(TWinControl* parent, const char* name, const std::string& text, Bounds at) {
  TEdit* control = place<TEdit>(parent, name, at);
  control->setText(text);
  return control;
}

TComboBox* Form2Controls::comboBox(TWinControl* parent, const char* name, const std::string& text, Bounds at,
                                   const Items& items) {
  TComboBox* control = place<TComboBox>(parent, name, at);
  control->setItems(items);
  control->setText(text);
  return control;
}

TButton* Form2Controls::button(TWinControl* parent, const char* name, const std::string& caption, Bounds at) {
  TButton* control = place<TButton>(parent, name, at);
  control->setCaption(caption);
  return control;
}

TBitBtn* Form2Controls::bitBtn(TWinControl* parent, const char* name, const std::string& caption, Bounds at) {
  TBitBtn* control = place<TBitBtn>(parent, name, at);
  control->setCaption(caption);
  return control;
}

TCheckBox* Form2Controls::checkBox(TWinControl* parent, const char* name, const std::string& caption, Bounds at) {
  TCheckBox* control = place<TCheckBox>(parent, name, at);
  control->setCaption(caption);
  return control;
}

TRadioButton* Form2Controls::radioButton(TWinControl* parent, const char* name, const std::string& caption, Bounds at) {
  TRadioButton* control = place<TRadioButton>(parent, name, at);
  control->setCaption(caption);
  return control;
}

TGroupBox* Form2Controls::groupBox(TWinControl* parent, const char* name, const std::string& caption, Bounds at) {
  TGroupBox* control = place<TGroupBox>(parent, name, at);
  control->setCaption(caption);
  return control;
}

TShape* Form2Controls::shape(TWinControl* parent, const char* name, TShapeType kind, Bounds at) {
  TShape* control = place<TShape>(parent, name, at);
  control->setShape(kind);
  return control;
}

TMenuItem* Form2Controls::rightMenuItem(const char* name, const std::string& caption) {
  TMenuItem* item = create<TMenuItem>(name);
  item->setCaption(caption);
  RightMenu->add(item);
  return item;
}

TTimer* Form2Controls::timer(const char* name, int intervalMs, bool enabled) {
  TTimer* t = create<TTimer>(name);
  t->setEnabled(enabled);
  t->setInterval(intervalMs);
  return t;
}

}  // namespace hl
