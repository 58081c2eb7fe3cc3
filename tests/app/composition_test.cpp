// The main window's composition: which controls exist where, with which
// texts and states; their order; timers and the grid's popup menu; the
// layout inside the boxes; anchoring; and the shared event bindings.
#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "window_fixture.h"

namespace hl::test {
namespace {

using Controls = std::initializer_list<const TControl*>;
using Boxes = std::initializer_list<const TWinControl*>;

class Composition : public ::testing::Test, protected WindowFixture {
 protected:
  void SetUp() override { start(); }
  TForm2& f() { return *form; }

  std::vector<std::string> childNames(const TWinControl* parent) const {
    std::vector<std::string> names;
    for (const TControl* c : parent->controls()) names.push_back(c->name());
    return names;
  }
};

// What a control shows: the text of edit-like controls and lists, else the caption.
std::string shownText(const TControl* c) {
  if (auto* e = dynamic_cast<const TCustomEdit*>(c)) return e->text();
  if (auto* box = dynamic_cast<const TComboBox*>(c)) return box->text();
  return c->caption();
}

struct ControlCase {
  const TControl* control;
  const char* name;
  const char* className;
  const char* parent;
  const char* text;
  bool visible;
  bool enabled;
};

TEST_F(Composition, RepresentativeControlsHaveTheirDesignedClassPlaceTextAndState) {
  const bool shown = true, hidden = false, enabled = true, disabled = false;
  const ControlCase cases[] = {
      {f().Label2, "Label2", "TLabel", "GroupBox4", "灯数", shown, enabled},
      {f().Label13, "Label13", "TLabel", "GroupBox4", "欢迎使用可编程控制器", shown, enabled},
      {f().Label11, "Label11", "TLabel", "GroupBox4", "无线地址：", hidden, enabled},
      {f().Button1, "Button1", "TButton", "GroupBox4", "读取无线地址", hidden, enabled},
      {f().Button2, "Button2", "TButton", "GroupBox4", "烧入无线地址", hidden, enabled},
      {f().BitBtn3, "BitBtn3", "TBitBtn", "GroupBox4", "清除全部", shown, enabled},
      {f().BitBtn11, "BitBtn11", "TBitBtn", "GroupBox4", "Plore", shown, enabled},
      {f().Button21, "Button21", "TButton", "GroupBox4", "繁", shown, enabled},
      {f().cxProgressBar1, "cxProgressBar1", "TProgressBar", "GroupBox4", "", shown, enabled},
      {f().GroupBox3, "GroupBox3", "TGroupBox", "GroupBox4", "默认时间设置", shown, enabled},
      {f().Label90, "Label90", "TLabel", "GroupBox3", "时间2", shown, enabled},
      {f().timeT4, "timeT4", "TComboBox", "GroupBox3", "ms", shown, enabled},
      {f().Label26, "Label26", "TLabel", "GroupBox5", "单次和多次完成后", shown, enabled},
      {f().RadioButton2, "RadioButton2", "TRadioButton", "GroupBox5", "多次循环 次数：", shown, enabled},
      {f().BitBtn17, "BitBtn17", "TBitBtn", "TabControl1", "导出花样文件", shown, enabled},
      {f().BitBtn14, "BitBtn14", "TBitBtn", "TabControl1", "导出Excel", shown, enabled},
      {f().CheckBox7, "CheckBox7", "TCheckBox", "TabControl1", "关拖选", hidden, enabled},
      {f().StringGrid1, "StringGrid1", "TStringGrid", "Form2", "", shown, enabled},
      {f().IMG, "IMG", "TImage", "Form2", "", shown, enabled},
      {f().Label6, "Label6", "TLabel", "Form2", "", shown, enabled},
      {f().cxLabel3, "cxLabel3", "TLabel", "Form2", "111", shown, enabled},
      {f().HYEdit, "HYEdit", "TEdit", "Form2", "255", hidden, enabled},
      {f().TimeComb2, "TimeComb2", "TComboBox", "Form2", "  -", hidden, enabled},
      {f().cxLabel2, "cxLabel2", "TPanel", "Form2", "", hidden, enabled},
      {f().Shape3, "Shape3", "TShape", "Panel1", "", shown, enabled},
      {f().Edit1, "Edit1", "TEdit", "GroupBox6", "0", shown, enabled},
      {f().Button9, "Button9", "TButton", "GroupBox6", "Cancel", shown, enabled},
      {f().CheckBox3, "CheckBox3", "TCheckBox", "GroupBox7", "反向", hidden, enabled},
      {f().Edit13, "Edit13", "TEdit", "GroupBox8", "10", shown, enabled},
      {f().Label35, "Label35", "TLabel", "GroupBox8", "变化路：", shown, enabled},
      {f().Label41, "Label41", "TLabel", "GroupBox9", "112", shown, enabled},
      {f().Button18, "Button18", "TButton", "GroupBox9", "粘贴", shown, disabled},
      {f().Edit20, "Edit20", "TEdit", "GroupBox9", "0", shown, disabled},
      {f().Label52, "Label52", "TLabel", "GroupBox10", "触发优先级：触发1 > 触发2 > 触发3   即：1触发时忽略2，3的触发",
       shown, enabled},
      {f().Button19, "Button19", "TButton", "GroupBox10", "Send", shown, enabled},
      {f().Edit25, "Edit25", "TEdit", "GroupBox11", "50", shown, enabled},
      {f().BitBtn13, "BitBtn13", "TBitBtn", "GroupBox11", "导入Excel", shown, enabled},
      {f().Button24, "Button24", "TButton", "GroupBox12", "取消", shown, enabled},
      {f().Label79, "Label79", "TLabel", "GroupBox14", "---", shown, enabled},
      {f().ListBox1, "ListBox1", "TListBox", "GroupBox15", "", shown, enabled},
      {f().Memo1, "Memo1", "TMemo", "GroupBox1", "Memo1", shown, enabled},
      {f().CheckBox8, "CheckBox8", "TCheckBox", "GroupBox1", "是否叠加效果", shown, enabled},
      {f().cxTrackBar1, "cxTrackBar1", "TProgressBar", "cxGroupBox1", "", shown, enabled},
      {f().cxComboBox3, "cxComboBox3", "TComboBox", "GroupBox2", "ms", shown, enabled},
  };
  for (const ControlCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NE(c.control, nullptr);
    EXPECT_EQ(f().findComponent(c.name), c.control) << "member and component name differ";
    EXPECT_EQ(c.control->owner(), &f());
    EXPECT_STREQ(c.control->className(), c.className);
    ASSERT_NE(c.control->parent(), nullptr);
    EXPECT_EQ(c.control->parent()->name(), c.parent);
    EXPECT_EQ(shownText(c.control), c.text);
    EXPECT_EQ(c.control->visible(), c.visible);
    EXPECT_EQ(c.control->enabled(), c.enabled);
  }
}

TEST_F(Composition, TheWindowHasItsDesignedCaptionSizeAndFace) {
  EXPECT_EQ(f().name(), "Form2");
  EXPECT_EQ(f().clientWidth(), 1053);
  EXPECT_EQ(f().clientHeight(), 704);
  EXPECT_EQ(f().color(), clBtnFace);
  EXPECT_EQ(f().StringGrid1->boundsRect(), (TRect{7, 208, 7 + 1037, 208 + 487}));
  EXPECT_EQ(f().StringGrid1->color(), clAqua);
  EXPECT_EQ(f().StringGrid1->fixedCols(), 2);
  EXPECT_EQ(f().Panel1->color(), clBackground);
  EXPECT_EQ(f().GroupBox5->boundsRect(), (TRect{9, 151, 9 + 1035, 151 + 56}));
  EXPECT_EQ(f().TabControl1->boundsRect(), (TRect{0, 0, 1035, 23}));
}

// The settings file chooses most selections at start-up; the items are the
// window's own.
TEST_F(Composition, ListsStartWithTheirDesignedItems) {
  struct ListCase {
    TComboBox* list;
    std::vector<std::string> items;
  };
  const std::vector<std::string> conditions = {"不启用", "闭合", "断开", "按键模式(先合再开)"};
  const ListCase cases[] = {
      {f().ComboBox8, {"RGB", "RBG", "GRB(WS2812)", "GBR", "BGR", "BRG"}},
      {f().ComboBox1, {"1", "8", "16", "32", "64"}},
      {f().ComboBox3, {"+", "-"}},
      {f().timeT3, {"ms", "s", "min"}},
      {f().ComboBox11, {"跳下一区", "保持尾帧", "全灯熄灭"}},
      {f().ComboBox10, {"1", "2", "3", "4", "5"}},
      {f().ComboTrigger2, conditions},
      {f().ComboTriggerOpen3, {"启动1区", "启动2区", "启动下一区", "停止运行", "启动3区", "启动4区"}},
      {f().ComboTriggerClose1, {"继续并忽略", "停止并灭灯", "当前运行完后停止"}},
      {f().ComboTriggerClose3, {"继续并忽略", "停止并灭灯"}},
      {f().ComboBoot, {"按键参数运行(关闭触发)", "启动1区", "启动2区", "停止运行", "启动3区", "启动4区"}},
      {f().ComboBox35, {"1", "2", "3", "4", "5"}},
      {f().ComboBox29, {"1", "2", "3", "4"}},
  };
  for (const ListCase& c : cases) EXPECT_EQ(c.list->items(), c.items) << c.list->name();
  EXPECT_EQ(f().ComboBox8->text(), "BRG");
  EXPECT_EQ(f().ComboBox6->itemCount(), 16);
  EXPECT_EQ(f().ComboBox6->items()[10], "ZK-QD-50-单");
  EXPECT_EQ(f().ListBox1->items(), (std::vector<std::string>{"UCS2904", "WS2814", "TM1814"}));
  EXPECT_TRUE(f().RadioButton6->checked());
  EXPECT_FALSE(f().RadioButton5->checked());
}

// The language switch visits components in creation order, so the tool
// panel keeps the designed order, with the default times nested in place.
TEST_F(Composition, ToolPanelMembersAreCreatedInTheDesignedOrder) {
  const std::vector<std::string> toolPanel = {
      "Label2",    "Shape1",    "Label13", "Label91",  "Label80",   "Label10",  "Label11",        "Label92",
      "Label93",   "Label1",    "Label3",  "Label12",  "Label14",   "Shape4",   "cxProgressBar1", "ComboBox4",
      "ComboBox5", "BitBtn3",   "BitBtn4", "BitBtn5",  "BitBtn6",   "BitBtn1",  "BitBtn2",        "ComboBox6",
      "ComboBox7", "BitBtn8",   "BitBtn9", "BitBtn10", "GroupBox3", "BitBtn7",  "Button1",        "Button2",
      "add1",      "add2",      "add3",    "add4",     "add5",      "BitBtn11", "ComboBox1",      "ComboBox3",
      "ComboBox8", "ComboBox9", "Button3", "Button4",  "Button5",   "Button21", "BitBtn16"};
  const std::vector<std::string> defaultTimes = {"Label5", "Label90", "Label9", "Label4", "Label8",
                                                 "time1",  "time2",   "time3",  "time4",  "time5",
                                                 "timeT1", "timeT2",  "timeT3", "timeT4", "timeT5"};
  EXPECT_EQ(childNames(f().GroupBox4), toolPanel);
  EXPECT_EQ(childNames(f().GroupBox3), defaultTimes);

  std::vector<std::string> creation;  // the panel's members, depth first
  for (const std::string& name : toolPanel) {
    creation.push_back(name);
    if (name == "GroupBox3") creation.insert(creation.end(), defaultTimes.begin(), defaultTimes.end());
  }
  int previous = f().GroupBox4->creationIndex();
  for (const std::string& name : creation) {
    const TComponent* c = f().findComponent(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->creationIndex(), previous + 1) << name << " is not created right after the one before it";
    previous = c->creationIndex();
  }
}

TEST_F(Composition, BoxesHoldTheirMembersInTheDesignedOrder) {
  struct BoxCase {
    const TWinControl* box;
    std::vector<std::string> members;
  };
  const BoxCase cases[] = {
      {f().GroupBox5,
       {"Label26", "TabControl1", "CheckBox2", "RadioButton1", "RadioButton2", "Edit6", "RadioButton3", "ComboBox11",
        "CheckBox4", "CheckBox9"}},
      {f().TabControl1, {"Label25", "ComboBox10", "BitBtn17", "BitBtn12", "BitBtn14", "CheckBox7", "BitBtnfeiqu"}},
      {f().GroupBox6,
       {"Label15", "Label16", "Label17", "Label18", "Label19", "Button8", "Button9", "Edit1", "Edit2", "Edit3", "Edit4",
        "Button6", "Edit5"}},
      {f().GroupBox7,
       {"Label20", "Label21", "Label22", "Label23", "Label24", "Button7", "Button10", "Edit7", "Edit8", "Edit9",
        "Edit10", "Button11", "Edit11", "RadioButton5", "RadioButton6", "CheckBox3"}},
      {f().GroupBox9,
       {"Label36", "Label38", "Label39", "Label37", "Label40", "Label41", "Label42", "Label43", "Label44", "Button16",
        "Button17", "Edit14", "Edit17", "Edit18", "Button18", "CheckBox5", "Edit19", "Edit20", "CheckBox6"}},
      {f().GroupBox10,
       {"Label45",
        "Label46",
        "Label47",
        "Label48",
        "Label49",
        "Label50",
        "Label51",
        "Label52",
        "Button20",
        "ComboTriggerOpen1",
        "ComboTrigger1",
        "ComboTrigger2",
        "ComboTriggerOpen2",
        "ComboTrigger3",
        "ComboTriggerOpen3",
        "ComboTriggerClose1",
        "ComboTriggerClose2",
        "ComboTriggerClose3",
        "ComboBoot",
        "Button19"}},
      {f().GroupBox13, {"GroupBox14", "GroupBox15", "Button25"}},
      {f().cxGroupBox1,
       {"Label7", "cxTrackBar1", "cxComboBox5", "cxButton8", "cxButton9", "cxButton6", "cxButton7", "GroupBox2"}},
      {f().GroupBox2, {"ComboBox2", "CheckBox1", "cxComboBox3"}},
  };
  for (const BoxCase& c : cases) EXPECT_EQ(childNames(c.box), c.members) << c.box->name();
  // The preview lamps follow the three frame lines on the preview panel.
  const std::vector<std::string> preview = childNames(f().Panel1);
  ASSERT_GE(preview.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(preview.begin(), preview.begin() + 3),
            (std::vector<std::string>{"Shape73", "Shape2", "Shape3"}));
}

TEST_F(Composition, ZoneModePanelHoldsEveryZoneAndProgramList) {
  int lists = 0;
  for (const TControl* c : f().GroupBox12->controls())
    if (dynamic_cast<const TComboBox*>(c)) ++lists;
  EXPECT_EQ(lists, 24);
  for (int n = 12; n <= 35; ++n) {
    const std::string name = "ComboBox" + std::to_string(n);
    const auto* list = dynamic_cast<const TControl*>(f().findComponent(name));
    ASSERT_NE(list, nullptr) << name;
    EXPECT_EQ(list->parent(), f().GroupBox12) << name;
  }
}

TEST_F(Composition, TimersHaveTheirDesignedIntervalStateAndHandler) {
  struct TimerCase {
    const char* name;
    int interval;
    bool enabled;
    bool handled;
  };
  const TimerCase cases[] = {
      {"Timer1", 500, false, true},    {"Timer2", 2000, false, true}, {"Timer3", 500, false, true},
      {"Timer4", 1000, false, true},   {"Timer5", 1000, false, true}, {"Timer6", 500, true, false},
      {"TRG_Timer", 500, false, true},
  };
  for (const TimerCase& c : cases) {
    SCOPED_TRACE(c.name);
    const auto* timer = dynamic_cast<const TTimer*>(f().findComponent(c.name));
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), c.interval);
    EXPECT_EQ(timer->enabled(), c.enabled);
    EXPECT_EQ(static_cast<bool>(timer->onTimer()), c.handled);
  }
}

TEST_F(Composition, DialogsAreComponentsOfTheWindow) {
  EXPECT_TRUE(f().ColorDialog1->fullOpen());
  EXPECT_TRUE(f().ColorDialog1->solidColorOnly());
  EXPECT_EQ(f().findComponent("OpenDialog1"), f().OpenDialog1);
  EXPECT_EQ(f().findComponent("SaveDialog1"), f().SaveDialog1);
}

TEST_F(Composition, RightMenuListsItsItemsInMenuOrder) {
  struct ItemCase {
    const char* name;
    const char* caption;
    bool enabled;
  };
  const ItemCase items[] = {
      {"N1", "添加一列", true},
      {"N2", "删除一列", true},
      {"N3", "复制", true},
      {"N5", "粘贴", true},
      {"N10", "自定义填充", true},
      {"N4", "填充选中", true},
      {"N6", "删除选中", true},
      {"N7", "选择颜色", true},
      {"N8", "一行变化", true},
      {"N9", "复制一路", false},
      {"Window1", "&W模板生成", true},
      {"N11", "自定义复制", true},
      {"EXCEL1", "从当前位置导入EXCEL", true},
      {"N12", "一列变化", true},
  };
  const auto& menu = f().RightMenu->items();
  ASSERT_EQ(menu.size(), std::size(items));
  for (std::size_t i = 0; i < menu.size(); ++i) {
    SCOPED_TRACE(items[i].name);
    EXPECT_EQ(menu[i]->name(), items[i].name);
    EXPECT_EQ(menu[i]->caption(), items[i].caption);
    EXPECT_EQ(menu[i]->enabled(), items[i].enabled);
    const bool opensSomething = menu[i] != f().N9 && menu[i] != f().Window1;
    EXPECT_EQ(static_cast<bool>(menu[i]->OnClick), opensSomething);
  }
  ASSERT_EQ(f().Window1->items().size(), 1u);
  EXPECT_EQ(f().Window1->items()[0], f().NewWindow1);
  EXPECT_EQ(f().NewWindow1->caption(), "流水叠加");
  EXPECT_TRUE(static_cast<bool>(f().NewWindow1->OnClick));
}

TEST_F(Composition, TheNumberEditorAndTheSwatchesOpenTheGridMenu) {
  for (const TControl* c : Controls{f().HYEdit, f().Edit5, f().Edit11, f().Edit15, f().Edit16})
    EXPECT_EQ(c->popupMenu(), f().RightMenu) << c->name();
  EXPECT_EQ(f().StringGrid1->popupMenu(), nullptr) << "the grid opens its menu itself, on mouse-up";
}

TEST_F(Composition, PanelsAndUnofferedControlsAreHiddenAfterStartUp) {
  const TControl* hiddenControls[] = {
      f().GroupBox1,  f().GroupBox6,  f().GroupBox7,   f().GroupBox8, f().GroupBox9, f().GroupBox10, f().GroupBox11,
      f().GroupBox12, f().GroupBox13, f().cxGroupBox1, f().Panel1,    f().cxLabel1,  f().cxLabel2,   f().CheckBox2,
      f().CheckBox3,  f().CheckBox7,  f().ComboBox7,   f().Label11,   f().Button1,   f().Button2,    f().add1,
      f().add2,       f().add3,       f().add4,        f().add5,      f().TimeComb,  f().TimeComb2,  f().HYEdit};
  for (const TControl* c : hiddenControls) EXPECT_FALSE(c->showing()) << c->name();
  for (const TControl* c : Controls{f().GroupBox4, f().GroupBox5, f().StringGrid1})
    EXPECT_TRUE(c->showing()) << c->name();
}

// --- Layout -------------------------------------------------------------------

bool overlap(const TRect& a, const TRect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST_F(Composition, MembersOfEveryBoxFitInsideItAndDoNotOverlap) {
  const TWinControl* boxes[] = {f().GroupBox4,   f().GroupBox3,  f().GroupBox5,  f().TabControl1, f().GroupBox6,
                                f().GroupBox7,   f().GroupBox8,  f().GroupBox9,  f().GroupBox10,  f().GroupBox11,
                                f().GroupBox12,  f().GroupBox13, f().GroupBox14, f().GroupBox15,  f().GroupBox1,
                                f().cxGroupBox1, f().GroupBox2};
  for (const TWinControl* box : boxes) {
    SCOPED_TRACE(box->name());
    const auto& members = box->controls();
    for (std::size_t i = 0; i < members.size(); ++i) {
      const TRect r = members[i]->boundsRect();
      if (members[i] != f().GroupBox3) {  // designed to sit 5 pixels left of the tool panel's edge
        EXPECT_GE(r.left, 0) << members[i]->name();
        EXPECT_GE(r.top, 0) << members[i]->name();
        EXPECT_LE(r.right, box->width()) << members[i]->name();
        EXPECT_LE(r.bottom, box->height()) << members[i]->name();
      }
      EXPECT_GT(r.width(), 0) << members[i]->name();
      EXPECT_GT(r.height(), 0) << members[i]->name();
      for (std::size_t j = i + 1; j < members.size(); ++j)
        EXPECT_FALSE(overlap(r, members[j]->boundsRect())) << members[i]->name() << " and " << members[j]->name();
    }
  }
}

TEST_F(Composition, ResizingTheWindowStretchesTheGridAndTheBarsAlongItsWidth) {
  const TRect grid = f().StringGrid1->boundsRect();
  const int toolWidth = f().GroupBox4->width();
  const TRect zoneBar = f().GroupBox5->boundsRect();
  const int tabsWidth = f().TabControl1->width();
  const int zoneModeButton = f().BitBtnfeiqu->left();
  const TRect picture = f().IMG->boundsRect();

  ASSERT_TRUE(f().userResize(1153, 754));

  EXPECT_EQ(f().StringGrid1->boundsRect(), (TRect{grid.left, grid.top, grid.right + 100, grid.bottom + 50}));
  EXPECT_EQ(f().GroupBox4->width(), toolWidth + 100);
  EXPECT_EQ(f().GroupBox5->boundsRect(), (TRect{zoneBar.left, zoneBar.top, zoneBar.right + 100, zoneBar.bottom}));
  EXPECT_EQ(f().TabControl1->width(), tabsWidth + 100);
  EXPECT_EQ(f().BitBtnfeiqu->left(), zoneModeButton + 100) << "the tab strip's buttons stay at its right end";
  EXPECT_EQ(f().IMG->boundsRect(), picture);
  EXPECT_EQ(f().Panel1->width(), 1037 + 100);
  EXPECT_EQ(f().Panel1->height(), 18 + 50);
}

// --- Shared bindings --------------------------------------------------------

TEST_F(Composition, EveryNumberBoxSharesTheDigitFilter) {
  TWinControl* boxes[] = {f().ComboBox4, f().time1,  f().time2,     f().time3,     f().time4,
                          f().time5,     f().timeT1, f().ComboBox1, f().ComboBox3, f().cxComboBox5,
                          f().ComboBox2, f().Edit6,  f().Edit1,     f().Edit2,     f().Edit3,
                          f().Edit4,     f().Edit7,  f().Edit8,     f().Edit9,     f().Edit10};
  for (TWinControl* box : boxes) {
    const std::string before = shownText(box);
    box->userKeyPress('x');
    EXPECT_EQ(shownText(box), before) << box->name() << " let a letter through";
  }
}

TEST_F(Composition, TheSwatchesDoNotCommitTheNumberEditor) {
  for (const TWinControl* swatch : Boxes{f().Edit5, f().Edit11, f().Edit15, f().Edit16}) {
    EXPECT_FALSE(static_cast<bool>(swatch->OnKeyPress)) << swatch->name();
    EXPECT_FALSE(static_cast<bool>(swatch->OnMouseLeave)) << swatch->name();
  }
  EXPECT_TRUE(static_cast<bool>(f().HYEdit->OnKeyPress));
  EXPECT_TRUE(static_cast<bool>(f().HYEdit->OnMouseLeave));
}

TEST_F(Composition, MovingOverTheWindowThePanelOrThePreviewHidesTheGridsFloatingParts) {
  for (TControl* surface : std::initializer_list<TControl*>{&f(), f().GroupBox4, f().Panel1}) {
    f().cxLabel3->show();
    f().TimeComb->show();
    f().TimeComb2->show();
    surface->userMouseMove(0, 5, 5);
    EXPECT_FALSE(f().cxLabel3->visible()) << surface->name();
    EXPECT_FALSE(f().TimeComb->visible()) << surface->name();
    EXPECT_FALSE(f().TimeComb2->visible()) << surface->name();
  }
}

TEST_F(Composition, LeavingAnEmptiedDefaultTimeBoxTakesItsOwnExitHandler) {
  // time2 .. time5 turn an empty box into "10"; time1 stores all five times
  // instead, which fails on the empty box.
  const std::size_t before = errorBoxes();
  for (TComboBox* box : {f().time2, f().time3, f().time4, f().time5}) {
    box->setText("");
    box->userExit();
    EXPECT_EQ(box->text(), "10") << box->name();
  }
  EXPECT_EQ(errorBoxes(), before);
  f().time1->setText("");
  f().time1->userExit();
  EXPECT_EQ(f().time1->text(), "");
  EXPECT_EQ(errorBoxes(), before + 1);
}

TEST_F(Composition, SharedClickAndMouseHandlersReachEveryControlThatNeedsThem) {
  const TControl* clicks[] = {f().Button6,   f().Button11,     f().Edit11,       f().Edit15,
                              f().Edit16,    f().RadioButton3, f().RadioButton5, f().RadioButton6,
                              f().CheckBox2, f().CheckBox3,    f().ListBox1,     f().StringGrid1};
  for (const TControl* c : clicks) EXPECT_TRUE(static_cast<bool>(c->OnClick)) << c->name();
  for (const TControl* box : Controls{f().GroupBox9, f().GroupBox11}) {
    EXPECT_TRUE(static_cast<bool>(box->OnMouseDown)) << box->name();
    EXPECT_TRUE(static_cast<bool>(box->OnMouseMove)) << box->name();
    EXPECT_TRUE(static_cast<bool>(box->OnMouseUp)) << box->name();
  }
  EXPECT_TRUE(static_cast<bool>(f().Shape4->OnMouseDown));
  EXPECT_TRUE(static_cast<bool>(f().StringGrid1->OnDrawCell));
  for (int n = 12; n <= 35; ++n) {
    const auto* list = dynamic_cast<const TComboBox*>(f().findComponent("ComboBox" + std::to_string(n)));
    ASSERT_NE(list, nullptr);
    EXPECT_TRUE(static_cast<bool>(list->OnChange)) << list->name();
  }
}

}  // namespace
}  // namespace hl::test
