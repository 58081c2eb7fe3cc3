// The floating boxes of the controller link: trigger settings, zone-mode
// settings and the pixel chip.
#include "app/form2_controls.h"

namespace hl {
namespace {

const std::vector<std::string> kTriggerConditions = {"不启用", "闭合", "断开", "按键模式(先合再开)"};
const std::vector<std::string> kTriggerFunctions = {"启动1区",  "启动2区", "启动下一区",
                                                    "停止运行", "启动3区", "启动4区"};
const std::vector<std::string> kAfterTriggerFull = {"继续并忽略", "停止并灭灯", "当前运行完后停止"};
const std::vector<std::string> kAfterTriggerShort = {"继续并忽略", "停止并灭灯"};
const std::vector<std::string> kPowerOnActions = {
    "按键参数运行(关闭触发)", "启动1区", "启动2区", "停止运行", "启动3区", "启动4区"};
const std::vector<std::string> kSingleColourPrograms = {"1", "2", "3", "4", "5"};
const std::vector<std::string> kFullColourPrograms = {"1", "2", "3", "4"};
const std::vector<std::string> kPixelChips = {"UCS2904", "WS2814", "TM1814"};
const char* const kTriggerPriorityNote = "触发优先级：触发1 > 触发2 > 触发3   即：1触发时忽略2，3的触发";

}  // namespace

// One row per trigger input under the column captions, then the power-on action.
void Form2Controls::createTriggerSettings() {
  GroupBox10 = hidden(groupBox(this, "GroupBox10", "", {202, 235, 492, 169}));
  TWinControl* p = GroupBox10;
  auto condition = [](int input) { return Bounds{56, 32 + 26 * input, 150, 21}; };
  auto function = [](int input) { return Bounds{212, 32 + 26 * input, 130, 21}; };
  auto afterwards = [](int input) { return Bounds{348, 32 + 26 * input, 134, 21}; };
  auto rowCaption = [](int input) { return Bounds{10, 35 + 26 * input, 40, 13}; };

  Label45 = label(p, "Label45", "触发1：", rowCaption(0));
  Label46 = label(p, "Label46", "触发条件", {56, 16, 60, 13});
  Label47 = label(p, "Label47", "触发功能", {212, 16, 60, 13});
  Label48 = label(p, "Label48", "触发2：", rowCaption(1));
  Label49 = label(p, "Label49", "触发3：", rowCaption(2));
  Label50 = label(p, "Label50", "触发失效后", {348, 16, 70, 13});
  Label51 = label(p, "Label51", "控制器上电初始动作：", {10, 115, 110, 13});
  Label52 = redText(label(p, "Label52", kTriggerPriorityNote, {10, 144, 314, 13}));
  Button20 = button(p, "Button20", "Close", {408, 140, 70, 23});
  ComboTriggerOpen1 = comboBox(p, "ComboTriggerOpen1", "", function(0), kTriggerFunctions);
  ComboTrigger1 = comboBox(p, "ComboTrigger1", "", condition(0), kTriggerConditions);
  ComboTrigger2 = comboBox(p, "ComboTrigger2", "", condition(1), kTriggerConditions);
  ComboTriggerOpen2 = comboBox(p, "ComboTriggerOpen2", "", function(1), kTriggerFunctions);
  ComboTrigger3 = comboBox(p, "ComboTrigger3", "", condition(2), kTriggerConditions);
  ComboTriggerOpen3 = comboBox(p, "ComboTriggerOpen3", "", function(2), kTriggerFunctions);
  ComboTriggerClose1 = comboBox(p, "ComboTriggerClose1", "", afterwards(0), kAfterTriggerFull);
  ComboTriggerClose2 = comboBox(p, "ComboTriggerClose2", "", afterwards(1), kAfterTriggerShort);
  ComboTriggerClose3 = comboBox(p, "ComboTriggerClose3", "", afterwards(2), kAfterTriggerShort);
  ComboBoot = comboBox(p, "ComboBoot", "", {124, 112, 218, 21}, kPowerOnActions);
  Button19 = button(p, "Button19", "Send", {330, 140, 70, 23});
}

// Left half: eight single-colour rows; right half: four full-colour rows;
// each row a zone list and a program list. Start-up fills the zone lists.
void Form2Controls::createZoneModeSettings() {
  GroupBox12 = groupBox(this, "GroupBox12", "分区设置", {234, 181, 494, 302});
  TWinControl* p = GroupBox12;
  auto singleZone = [](int row) { return Bounds{56, 52 + 26 * row, 80, 21}; };
  auto singleProgram = [](int row) { return Bounds{144, 52 + 26 * row, 80, 21}; };
  auto fullZone = [](int row) { return Bounds{300, 52 + 26 * row, 80, 21}; };
  auto fullProgram = [](int row) { return Bounds{388, 52 + 26 * row, 80, 21}; };
  auto singleRowCaption = [](int row) { return Bounds{10, 55 + 26 * row, 44, 13}; };
  auto fullRowCaption = [](int row) { return Bounds{254, 55 + 26 * row, 44, 13}; };

  Label62 = label(p, "Label62", "单色分区设置", {10, 18, 100, 13});
  Label63 = label(p, "Label63", "全彩分区设置", {254, 18, 100, 13});
  Label64 = label(p, "Label64", "分区", {56, 36, 40, 13});
  Label65 = label(p, "Label65", "分区", {300, 36, 40, 13});
  Label66 = label(p, "Label66", "节目", {144, 36, 40, 13});
  Label67 = label(p, "Label67", "节目", {388, 36, 40, 13});
  Label68 = label(p, "Label68", "分区1：", singleRowCaption(0));
  Label69 = label(p, "Label69", "分区2：", singleRowCaption(1));
  Label70 = label(p, "Label70", "分区3：", singleRowCaption(2));
  Label71 = label(p, "Label71", "分区4：", singleRowCaption(3));
  Label72 = label(p, "Label72", "分区5：", singleRowCaption(4));
  Label73 = label(p, "Label73", "分区6：", singleRowCaption(5));
  Label74 = label(p, "Label74", "分区7：", singleRowCaption(6));
  Label75 = label(p, "Label75", "分区8：", singleRowCaption(7));
  Label76 = label(p, "Label76", "分区1：", fullRowCaption(0));
  Label77 = label(p, "Label77", "分区2：", fullRowCaption(1));
  Label78 = label(p, "Label78", "分区3：", fullRowCaption(2));
  Label81 = label(p, "Label81", "分区4：", fullRowCaption(3));
  ComboBox12 = comboBox(p, "ComboBox12", "", singleZone(0));
  ComboBox13 = comboBox(p, "ComboBox13", "", singleZone(1));
  ComboBox14 = comboBox(p, "ComboBox14", "", singleZone(2));
  ComboBox15 = comboBox(p, "ComboBox15", "", singleZone(3));
  ComboBox16 = comboBox(p, "ComboBox16", "", singleZone(4));
  ComboBox17 = comboBox(p, "ComboBox17", "", fullZone(0));
  ComboBox18 = comboBox(p, "ComboBox18", "", fullZone(1));
  ComboBox19 = comboBox(p, "ComboBox19", "", fullZone(2));
  ComboBox20 = comboBox(p, "ComboBox20", "", fullZone(3));
  ComboBox21 = comboBox(p, "ComboBox21", "", singleProgram(0), kSingleColourPrograms);
  ComboBox22 = comboBox(p, "ComboBox22", "", fullProgram(0), kFullColourPrograms);
  ComboBox23 = comboBox(p, "ComboBox23", "", singleProgram(1), kSingleColourPrograms);
  ComboBox24 = comboBox(p, "ComboBox24", "", singleProgram(2), kSingleColourPrograms);
  ComboBox25 = comboBox(p, "ComboBox25", "", singleProgram(3), kSingleColourPrograms);
  ComboBox26 = comboBox(p, "ComboBox26", "", singleProgram(4), kSingleColourPrograms);
  ComboBox27 = comboBox(p, "ComboBox27", "", fullProgram(1), kFullColourPrograms);
  ComboBox28 = comboBox(p, "ComboBox28", "", fullProgram(2), kFullColourPrograms);
  ComboBox29 = comboBox(p, "ComboBox29", "", fullProgram(3), kFullColourPrograms);
  ComboBox30 = comboBox(p, "ComboBox30", "", singleZone(5));
  ComboBox31 = comboBox(p, "ComboBox31", "", singleProgram(5), kSingleColourPrograms);
  ComboBox32 = comboBox(p, "ComboBox32", "", singleZone(6));
  ComboBox33 = comboBox(p, "ComboBox33", "", singleProgram(6), kSingleColourPrograms);
  ComboBox34 = comboBox(p, "ComboBox34", "", singleZone(7));
  ComboBox35 = comboBox(p, "ComboBox35", "", singleProgram(7), kSingleColourPrograms);
  Button23 = button(p, "Button23", "发送", {318, 268, 76, 23});
  Button24 = button(p, "Button24", "取消", {400, 268, 76, 23});
}

void Form2Controls::createPixelChip() {
  GroupBox13 = hidden(groupBox(this, "GroupBox13", "IC设置", {322, 197, 417, 263}));
  GroupBox14 = groupBox(GroupBox13, "GroupBox14", "芯片描述", {170, 20, 237, 200});
  Label79 = label(GroupBox14, "Label79", "---", {8, 20, 220, 60});
  GroupBox15 = groupBox(GroupBox13, "GroupBox15", "芯片列表", {10, 20, 150, 200});
  ListBox1 = place<TListBox>(GroupBox15, "ListBox1", {8, 18, 134, 172});
  ListBox1->setItems(kPixelChips);
  Button25 = button(GroupBox13, "Button25", "确认", {330, 230, 76, 23});
}

}  // namespace hl
