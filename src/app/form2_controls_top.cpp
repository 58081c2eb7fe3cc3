// The upper tool panel with its default times, and the zone bar.
//
// GroupBox4 holds three rows (settings and status; file and send buttons;
// preview, generator and colour settings) above the default times. The zone
// bar holds the zone tabs with their buttons at the right end, and the loop
// settings below them.
#include "app/form2_controls.h"

namespace hl {
namespace {

const std::vector<std::string> kModelNames = {
    "ZK-A",       "ZK-B",         "ZK-J",        "ZK-Jn",       "ZK-Q1",          "ZK-Q2",  "ZK-J2",     "ZK-J-Plus",
    "ZK-Jn-Plus", "ZK-Jn-Plus-4", "ZK-QD-50-单", "ZK-QD-50-全", "ZK-Jn-Plus_2ch", "ZK-N30", "ZK-Jn-DMX", "ZK-Jn-RGBW"};
const std::vector<std::string> kBrightnessSteps = {"1", "8", "16", "32", "64"};
const std::vector<std::string> kDirections = {"+", "-"};
const std::vector<std::string> kColourOrders = {"RGB", "RBG", "GRB(WS2812)", "GBR", "BGR", "BRG"};
const std::vector<std::string> kTimeUnits = {"ms", "s", "min"};
const std::vector<std::string> kFirstZoneTabs = {"第1分区启动", "第2分区", "第3分区", "第4分区", "第5分区", "第6分区"};
const std::vector<std::string> kZonePairs = {"1", "2", "3", "4", "5"};
const std::vector<std::string> kEndActions = {"跳下一区", "保持尾帧", "全灯熄灭"};

// Tops of the tool panel's rows of 21-pixel boxes. Buttons, 23 high, rise one
// pixel and labels drop three, so that the texts of a row line up.
constexpr int kRow1 = 16, kRow2 = 40, kRow3 = 64;
constexpr int kLabelDrop = 3;
constexpr int kButtonRise = 1;

}  // namespace

void Form2Controls::createToolPanel() {
  GroupBox4 = groupBox(this, "GroupBox4", "", {9, 0, 1035, 140});
  GroupBox4->setColor(clMenu);
  GroupBox4->setAnchors(akLeft | akTop | akRight);
  TWinControl* p = GroupBox4;
  constexpr int r1 = kRow1 + kLabelDrop, r2 = kRow2 - kButtonRise, r3 = kRow3 + kLabelDrop;

  Label2 = label(p, "Label2", "灯数", {186, r1, 26, 13});
  Shape1 = shape(p, "Shape1", TShapeType::stCircle, {506, kRow1 + 2, 16, 16});
  Label13 = redText(label(p, "Label13", "欢迎使用可编程控制器", {602, r1, 250, 13}));
  Label13->setAlignment(TAlignment::taCenter);
  Label91 = label(p, "Label91", "控制器型号:", {8, r1, 66, 13});
  Label80 = label(p, "Label80", "分区：", {528, r1, 70, 13});
  Label10 = label(p, "Label10", "串口号刷新--->", {280, r1, 84, 13});
  Label11 = hidden(label(p, "Label11", "无线地址：", {815, r3, 52, 13}));
  Label92 = label(p, "Label92", "label92", {242, r3, 110, 13});
  Label93 = label(p, "Label93", "变化设置", {364, r3, 48, 13});
  Label1 = label(p, "Label1", "预览宽：", {68, r3, 44, 13});
  Label3 = label(p, "Label3", "预览长：", {178, r3, 60, 13});
  Label12 = label(p, "Label12", "导出:", {516, r3, 26, 13});
  Label14 = label(p, "Label14", "GRB", {709, r3, 100, 13});
  Shape4 = shape(p, "Shape4", TShapeType::stRectangle, {684, kRow3, 21, 21});
  cxProgressBar1 = place<TProgressBar>(p, "cxProgressBar1", {856, kRow1 + 1, 74, 17});
  ComboBox4 = comboBox(p, "ComboBox4", "1", {214, kRow1, 60, 21});
  ComboBox5 = comboBox(p, "ComboBox5", "COM1", {392, kRow1, 110, 21});
  BitBtn3 = bitBtn(p, "BitBtn3", "清除全部", {8, r2, 74, 23});
  BitBtn4 = bitBtn(p, "BitBtn4", "导全区花样", {162, r2, 74, 23});
  BitBtn5 = bitBtn(p, "BitBtn5", "全区发送", {547, r2, 74, 23});
  BitBtn6 = bitBtn(p, "BitBtn6", "全区保存", {393, r2, 74, 23});
  BitBtn1 = bitBtn(p, "BitBtn1", "预览", {8, kRow3 - kButtonRise, 56, 23});
  BitBtn2 = bitBtn(p, "BitBtn2", "", {366, kRow1 - kButtonRise, 23, 23});
  BitBtn2->setGlyph("refresh");
  ComboBox6 = comboBox(p, "ComboBox6", "", {76, kRow1, 104, 21}, kModelNames);
  ComboBox7 = hidden(comboBox(p, "ComboBox7", "1", {792, kRow2, 50, 21}));
  BitBtn8 = bitBtn(p, "BitBtn8", "当前区保存", {470, r2, 74, 23});
  BitBtn9 = bitBtn(p, "BitBtn9", "导单区花样", {239, r2, 74, 23});
  BitBtn10 = bitBtn(p, "BitBtn10", "清除当前", {85, r2, 74, 23});

  Shape1->setBrushColor(clWhite);
  Shape4->setBrushColor(clWhite);
  cxProgressBar1->setRange(0, 100);
}

// Five columns of label, value and unit.
void Form2Controls::createDefaultTimes() {
  GroupBox3 = groupBox(GroupBox4, "GroupBox3", "默认时间设置", {-5, 88, 1036, 48});
  GroupBox3->setColor(clGray);
  TWinControl* p = GroupBox3;
  auto at = [](int column, int offset, int width) { return Bounds{12 + 174 * column + offset, 18, width, 21}; };
  auto labelAt = [](int column) { return Bounds{12 + 174 * column, 22, 32, 13}; };

  Label5 = label(p, "Label5", "时间1", labelAt(0));
  Label90 = label(p, "Label90", "时间2", labelAt(1));
  Label9 = label(p, "Label9", "时间3", labelAt(2));
  Label4 = label(p, "Label4", "时间4", labelAt(3));
  Label8 = label(p, "Label8", "时间5", labelAt(4));
  time1 = comboBox(p, "time1", "1000", at(0, 34, 60));
  time2 = comboBox(p, "time2", "800", at(1, 34, 60));
  time3 = comboBox(p, "time3", "600", at(2, 34, 60));
  time4 = comboBox(p, "time4", "400", at(3, 34, 60));
  time5 = comboBox(p, "time5", "200", at(4, 34, 60));
  timeT1 = comboBox(p, "timeT1", "ms", at(0, 98, 60), kTimeUnits);
  timeT2 = comboBox(p, "timeT2", "ms", at(1, 98, 60), kTimeUnits);
  timeT3 = comboBox(p, "timeT3", "ms", at(2, 98, 60), kTimeUnits);
  timeT4 = comboBox(p, "timeT4", "ms", at(3, 98, 60), kTimeUnits);
  timeT5 = comboBox(p, "timeT5", "ms", at(4, 98, 60), kTimeUnits);
}

// The members of GroupBox4 created after the default times.
void Form2Controls::createToolPanelTail() {
  TWinControl* p = GroupBox4;
  constexpr int r2 = kRow2 - kButtonRise, r3 = kRow3 - kButtonRise;
  // The wireless address is never offered; its five narrow lists end the third row.
  auto addressAt = [](int i) { return Bounds{869 + 32 * i, kRow3, 30, 21}; };

  BitBtn7 = bitBtn(p, "BitBtn7", "当前区发送", {624, r2, 86, 23});
  Button1 = hidden(button(p, "Button1", "读取无线地址", {846, r2, 88, 23}));
  Button2 = hidden(button(p, "Button2", "烧入无线地址", {937, r2, 88, 23}));
  add1 = hidden(comboBox(p, "add1", "1", addressAt(0)));
  add2 = hidden(comboBox(p, "add2", "1", addressAt(1)));
  add3 = hidden(comboBox(p, "add3", "1", addressAt(2)));
  add4 = hidden(comboBox(p, "add4", "1", addressAt(3)));
  add5 = hidden(comboBox(p, "add5", "1", addressAt(4)));
  BitBtn11 = bitBtn(p, "BitBtn11", "Plore", {316, r2, 74, 23});
  ComboBox1 = comboBox(p, "ComboBox1", "1", {414, kRow3, 48, 21}, kBrightnessSteps);
  ComboBox3 = comboBox(p, "ComboBox3", "+", {466, kRow3, 46, 21}, kDirections);
  ComboBox8 = comboBox(p, "ComboBox8", "BRG", {544, kRow3, 90, 21}, kColourOrders);
  ComboBox9 = comboBox(p, "ComboBox9", "1", {114, kRow3, 60, 21});
  Button3 = button(p, "Button3", "换色", {640, r3, 40, 23});
  Button4 = button(p, "Button4", "中", {934, kRow1 - kButtonRise, 30, 23});
  Button5 = button(p, "Button5", "ENG", {998, kRow1 - kButtonRise, 30, 23});
  Button21 = button(p, "Button21", "繁", {966, kRow1 - kButtonRise, 30, 23});
  BitBtn16 = bitBtn(p, "BitBtn16", "IC设置", {713, r2, 74, 23});
}

void Form2Controls::createZoneBar() {
  GroupBox5 = groupBox(this, "GroupBox5", "", {9, 151, 1035, 56});
  GroupBox5->setColor(clOlive);
  GroupBox5->setAnchors(akLeft | akTop | akRight);
  TWinControl* p = GroupBox5;

  Label26 = label(p, "Label26", "单次和多次完成后", {336, 33, 100, 13});
  TabControl1 = place<TTabControl>(p, "TabControl1", {0, 0, 1035, 23});
  TabControl1->setAnchors(akLeft | akTop | akRight);
  TabControl1->setTabs(kFirstZoneTabs);
  TabControl1->setTabIndex(0);
  createZoneTabButtons();
  CheckBox2 = hidden(checkBox(p, "CheckBox2", "启用", {568, 31, 50, 17}));
  RadioButton1 = radioButton(p, "RadioButton1", "单次循环", {8, 31, 76, 17});
  RadioButton2 = radioButton(p, "RadioButton2", "多次循环 次数：", {88, 31, 108, 17});
  Edit6 = edit(p, "Edit6", "0", {198, 29, 44, 21});
  RadioButton3 = radioButton(p, "RadioButton3", "无限循环", {252, 31, 76, 17});
  ComboBox11 = comboBox(p, "ComboBox11", "跳下一区", {438, 29, 120, 21}, kEndActions);
  CheckBox4 = checkBox(p, "CheckBox4", "", {684, 31, 17, 17});
  CheckBox9 = checkBox(p, "CheckBox9", "RGBW", {622, 31, 56, 17});
}

// The zone tabs' own controls sit at the right end of the strip and stay
// there when the window widens.
void Form2Controls::createZoneTabButtons() {
  TWinControl* p = TabControl1;
  Label25 = label(p, "Label25", "分区:", {562, 5, 30, 13});
  ComboBox10 = disabled(comboBox(p, "ComboBox10", "1", {594, 1, 60, 21}, kZonePairs));
  BitBtn17 = bitBtn(p, "BitBtn17", "导出花样文件", {726, 1, 86, 21});
  BitBtn12 = bitBtn(p, "BitBtn12", "触发设置", {815, 1, 70, 21});
  BitBtn14 = bitBtn(p, "BitBtn14", "导出Excel", {888, 1, 70, 21});
  CheckBox7 = hidden(checkBox(p, "CheckBox7", "关拖选", {658, 3, 64, 17}));
  BitBtnfeiqu = bitBtn(p, "BitBtnfeiqu", "分区设置", {961, 1, 70, 21});
  for (TControl* control : TabControl1->controls()) control->setAnchors(akTop | akRight);
}

}  // namespace hl
