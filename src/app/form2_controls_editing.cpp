// The floating boxes of the pattern editor: custom fill, running bar,
// gradient, custom copy, spreadsheet import and text import, and the
// dimming box that nothing opens. All start hidden; their commands show them.
#include "app/form2_controls.h"

namespace hl {
namespace {

const std::vector<std::string> kTimeUnits = {"ms", "s", "min"};

}  // namespace

void Form2Controls::createCustomFill() {
  GroupBox6 = hidden(groupBox(this, "GroupBox6", "", {265, 324, 253, 129}));
  TWinControl* p = GroupBox6;
  Label15 = label(p, "Label15", "起始列", {10, 45, 40, 13});
  Label16 = label(p, "Label16", "结束列", {128, 45, 40, 13});
  Label17 = label(p, "Label17", "起始行", {10, 19, 40, 13});
  Label18 = label(p, "Label18", "结束行", {128, 19, 40, 13});
  Label19 = label(p, "Label19", "GRB", {90, 72, 140, 13});
  Button8 = button(p, "Button8", "OK", {90, 98, 70, 23});
  Button9 = button(p, "Button9", "Cancel", {166, 98, 70, 23});
  Edit1 = edit(p, "Edit1", "0", {52, 16, 60, 21});   // start row
  Edit2 = edit(p, "Edit2", "0", {170, 16, 60, 21});  // end row
  Edit3 = edit(p, "Edit3", "0", {52, 42, 60, 21});   // start column
  Edit4 = edit(p, "Edit4", "0", {170, 42, 60, 21});  // end column
  Button6 = button(p, "Button6", "换色", {10, 67, 50, 23});
  Edit5 = edit(p, "Edit5", "", {64, 68, 21, 21});
  Edit5->setColor(clBlack);
}

void Form2Controls::createRunningBar() {
  GroupBox7 = hidden(groupBox(this, "GroupBox7", "", {293, 215, 333, 160}));
  TWinControl* p = GroupBox7;
  Label20 = label(p, "Label20", "起始路", {12, 49, 40, 13});
  Label21 = label(p, "Label21", "结束路", {170, 49, 40, 13});
  Label22 = label(p, "Label22", "起始帧", {12, 21, 40, 13});
  Label23 = label(p, "Label23", "结束帧", {170, 21, 40, 13});
  Label24 = label(p, "Label24", "GRB", {94, 106, 150, 13});
  Button7 = button(p, "Button7", "OK", {170, 130, 70, 23});
  Button10 = button(p, "Button10", "Cancel", {246, 130, 70, 23});
  Edit7 = edit(p, "Edit7", "0", {56, 18, 70, 21});     // start frame
  Edit8 = edit(p, "Edit8", "0", {214, 18, 70, 21});    // end frame
  Edit9 = edit(p, "Edit9", "0", {56, 46, 70, 21});     // start channel
  Edit10 = edit(p, "Edit10", "0", {214, 46, 70, 21});  // end channel
  Button11 = button(p, "Button11", "换色", {12, 101, 50, 23});
  Edit11 = edit(p, "Edit11", "", {66, 102, 21, 21});
  Edit11->setColor(clBlack);
  RadioButton5 = radioButton(p, "RadioButton5", "从右到左", {100, 78, 80, 17});
  RadioButton6 = radioButton(p, "RadioButton6", "从左到右", {12, 78, 80, 17});
  CheckBox3 = hidden(checkBox(p, "CheckBox3", "反向", {190, 78, 60, 17}));
  RadioButton6->setChecked(true);
}

void Form2Controls::createGradient() {
  GroupBox8 = hidden(groupBox(this, "GroupBox8", "", {217, 445, 333, 153}));
  TWinControl* p = GroupBox8;
  Label29 = label(p, "Label29", "起始帧", {12, 29, 50, 13});
  Label30 = label(p, "Label30", "渐变数帧", {150, 29, 50, 13});
  Label31 = label(p, "Label31", "初始色值", {12, 79, 50, 13});
  Label28 = label(p, "Label28", "渐变设置", {12, 8, 80, 13});
  Label32 = label(p, "Label32", "结束色值", {12, 105, 50, 13});
  Label33 = label(p, "Label33", "RGB", {146, 79, 150, 13});
  Label34 = label(p, "Label34", "RGB", {146, 105, 150, 13});
  Label27 = label(p, "Label27", "变化路：", {12, 55, 50, 13});
  Label35 = label(p, "Label35", "变化路：", {66, 55, 60, 13});  // the channel the gradient starts on
  Button12 = button(p, "Button12", "OK", {172, 126, 70, 23});
  Button13 = button(p, "Button13", "Cancel", {248, 126, 70, 23});
  Edit12 = edit(p, "Edit12", "0", {66, 26, 60, 21});
  Edit13 = edit(p, "Edit13", "10", {204, 26, 60, 21});
  Button14 = button(p, "Button14", "换色", {66, 74, 50, 23});
  Edit16 = edit(p, "Edit16", "", {120, 75, 21, 21});
  Edit15 = edit(p, "Edit15", "", {120, 101, 21, 21});
  Button15 = button(p, "Button15", "换色", {66, 100, 50, 23});
  Edit16->setColor(clBlack);
  Edit15->setColor(clBlack);
}

void Form2Controls::createCustomCopy() {
  GroupBox9 = hidden(groupBox(this, "GroupBox9", "", {406, 348, 270, 157}));
  TWinControl* p = GroupBox9;
  Label36 = label(p, "Label36", "操作路", {10, 15, 40, 13});
  Label38 = label(p, "Label38", "起始帧", {10, 41, 40, 13});
  Label39 = label(p, "Label39", "结束帧", {136, 41, 40, 13});
  Label37 = label(p, "Label37", "粘贴到路数：", {10, 67, 70, 13});
  Label40 = label(p, "Label40", "粘贴到帧数：", {136, 67, 70, 13});
  Label41 = label(p, "Label41", "112", {82, 67, 40, 13});   // target row
  Label42 = label(p, "Label42", "112", {208, 67, 40, 13});  // target column
  Label43 = label(p, "Label43", "帧步进：", {10, 111, 50, 13});
  Label44 = label(p, "Label44", "路步进：", {136, 111, 50, 13});
  Button16 = button(p, "Button16", "复制", {10, 130, 76, 23});
  Button17 = button(p, "Button17", "Cancel", {182, 130, 76, 23});
  Edit14 = edit(p, "Edit14", "0", {52, 38, 50, 21});   // start frame
  Edit17 = edit(p, "Edit17", "0", {178, 38, 50, 21});  // end frame
  Edit18 = edit(p, "Edit18", "0", {52, 12, 50, 21});   // source channel
  Button18 = disabled(button(p, "Button18", "粘贴", {96, 130, 76, 23}));
  CheckBox5 = checkBox(p, "CheckBox5", "循环粘贴", {10, 88, 76, 17});
  Edit19 = disabled(edit(p, "Edit19", "0", {62, 108, 50, 21}));   // frame step
  Edit20 = disabled(edit(p, "Edit20", "0", {188, 108, 50, 21}));  // channel step
  CheckBox6 = checkBox(p, "CheckBox6", "重置", {136, 88, 60, 17});
}

void Form2Controls::createSpreadsheetImport() {
  GroupBox11 = hidden(groupBox(this, "GroupBox11", "", {698, 250, 270, 195}));
  TWinControl* p = GroupBox11;
  Label54 = label(p, "Label54", "起始帧", {10, 89, 60, 13});
  Label55 = label(p, "Label55", "起始路", {138, 89, 50, 13});
  Label56 = label(p, "Label56", "Excel文件为97或2003兼容格式从A1开始导入", {10, 12, 250, 13});
  Label60 = label(p, "Label60", "导入帧数：", {10, 117, 60, 13});
  Label61 = label(p, "Label61", "导入路数：", {138, 117, 50, 13});
  Label53 = label(p, "Label53", "一次导入最大帧数250 路数无限制", {10, 48, 250, 13});
  Label57 = label(p, "Label57", "导入数据从下列起始帧和路开始递增", {10, 66, 250, 13});
  Label58 = label(p, "Label58", "导入数据为EXCEL单元格填充色", {10, 30, 250, 13});
  Button22 = button(p, "Button22", "Cancel", {182, 150, 76, 25});
  Edit21 = edit(p, "Edit21", "0", {72, 86, 56, 21});     // start frame
  Edit22 = edit(p, "Edit22", "0", {190, 86, 56, 21});    // start channel
  Edit24 = edit(p, "Edit24", "50", {72, 114, 56, 21});   // frames to read
  Edit25 = edit(p, "Edit25", "50", {190, 114, 56, 21});  // channels to read
  BitBtn13 = bitBtn(p, "BitBtn13", "导入Excel", {100, 150, 76, 25});
}

void Form2Controls::createTextImport() {
  GroupBox1 = hidden(groupBox(this, "GroupBox1", "GroupBox1", {817, 215, 205, 405}));
  TWinControl* p = GroupBox1;
  Memo1 = place<TMemo>(p, "Memo1", {8, 18, 189, 340});
  Memo1->setLines({"Memo1"});
  BitBtn15 = bitBtn(p, "BitBtn15", "TXT", {8, 368, 60, 25});
  CheckBox8 = checkBox(p, "CheckBox8", "是否叠加效果", {76, 372, 120, 17});
}

void Form2Controls::createDimmingBox() {
  cxGroupBox1 = hidden(groupBox(this, "cxGroupBox1", "", {58, 392, 144, 168}));
  TWinControl* p = cxGroupBox1;
  Label7 = label(p, "Label7", "调光", {8, 8, 30, 13});
  cxTrackBar1 = place<TProgressBar>(p, "cxTrackBar1", {8, 24, 24, 72});
  cxComboBox5 = comboBox(p, "cxComboBox5", "255", {40, 24, 60, 21});
  cxButton8 = button(p, "cxButton8", "Copy", {40, 50, 46, 21});
  cxButton9 = button(p, "cxButton9", "Paste", {90, 50, 46, 21});
  cxButton6 = button(p, "cxButton6", "Add", {40, 74, 46, 21});
  cxButton7 = button(p, "cxButton7", "Del", {90, 74, 46, 21});
  GroupBox2 = groupBox(p, "GroupBox2", "", {4, 100, 136, 62});
  ComboBox2 = comboBox(GroupBox2, "ComboBox2", "1000", {6, 14, 60, 21});
  CheckBox1 = checkBox(GroupBox2, "CheckBox1", "使用默认时间", {6, 40, 124, 17});
  cxComboBox3 = comboBox(GroupBox2, "cxComboBox3", "ms", {70, 14, 60, 21}, kTimeUnits);
  cxTrackBar1->setRange(0, 255);
  cxTrackBar1->setPosition(255);
}

}  // namespace hl
