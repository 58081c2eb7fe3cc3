// Which property changes raise which events: handlers rely on these rules.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>

#include "toolkit_fixture.h"

namespace hl::test {
namespace {

struct Controls : ToolkitFixture {
  TEdit* edit = add<TEdit>("edit");
  TComboBox* combo = add<TComboBox>("combo");
  TCheckBox* check = add<TCheckBox>("check");
  TGroupBox* group = add<TGroupBox>("group");
  TRadioButton* radio1 = add<TRadioButton>("radio1", group);
  TRadioButton* radio2 = add<TRadioButton>("radio2", group);
  TRadioButton* elsewhere = add<TRadioButton>("elsewhere");
  TMemo* memo = add<TMemo>("memo");
  TTabControl* tabs = add<TTabControl>("tabs");
  TButton* button = add<TButton>("button");
  std::multiset<std::string> events;

  Controls() {
    auto record = [this](const char* what) { return [this, what](TObject*) { events.insert(what); }; };
    edit->OnChange = record("edit.change");
    combo->OnChange = record("combo.change");
    check->OnClick = record("check.click");
    radio1->OnClick = record("radio1.click");
    radio2->OnClick = record("radio2.click");
    elsewhere->OnClick = record("elsewhere.click");
    memo->OnChange = record("memo.change");
    tabs->OnChange = record("tabs.change");
    button->OnClick = record("button.click");
    combo->setItems({"1", "2", "3"});
    tabs->setTabs({"a", "b"});
    edit->setText("5");
    radio2->setChecked(true);
    elsewhere->setChecked(true);
    events.clear();
  }
};

struct EventCase {
  const char* name;
  std::function<void(Controls&)> act;
  std::multiset<std::string> expected;
};

class EventSemantics : public ::testing::TestWithParam<EventCase> {};

TEST_P(EventSemantics, RaisesExactlyTheExpectedEvents) {
  Controls c;
  GetParam().act(c);
  EXPECT_EQ(c.events, GetParam().expected);
}

const EventCase kCases[] = {
    {"EditTextNew", [](Controls& c) { c.edit->setText("6"); }, {"edit.change"}},
    {"EditTextSame", [](Controls& c) { c.edit->setText("5"); }, {}},
    {"EditUserPaste", [](Controls& c) { c.edit->userSetText("77"); }, {"edit.change"}},
    {"EditKeyTyped", [](Controls& c) { c.edit->userKeyPress('1'); }, {"edit.change"}},
    {"EditKeySwallowed",
     [](Controls& c) {
       c.edit->OnKeyPress = [](TObject*, char& k) { k = 0; };
       c.edit->userKeyPress('x');
     },
     {}},
    {"ComboItemIndexSet", [](Controls& c) { c.combo->setItemIndex(2); }, {}},
    {"ComboTextSet", [](Controls& c) { c.combo->setText("2"); }, {}},
    {"ComboUserSelect", [](Controls& c) { c.combo->userSelect(1); }, {"combo.change"}},
    {"ComboUserTypes", [](Controls& c) { c.combo->userKeyPress('4'); }, {"combo.change"}},
    {"CheckBoxChecked", [](Controls& c) { c.check->setChecked(true); }, {"check.click"}},
    {"CheckBoxAlreadyUnchecked", [](Controls& c) { c.check->setChecked(false); }, {}},
    {"CheckBoxUserToggles", [](Controls& c) { c.check->userClick(); }, {"check.click"}},
    {"RadioChecked", [](Controls& c) { c.radio1->setChecked(true); }, {"radio1.click"}},
    {"RadioUnchecked", [](Controls& c) { c.radio2->setChecked(false); }, {}},
    {"RadioAlreadyChecked", [](Controls& c) { c.radio2->setChecked(true); }, {}},
    {"EnabledVisibleCaption",
     [](Controls& c) {
       c.button->setEnabled(false);
       c.edit->setVisible(false);
       c.button->setCaption("x");
       c.check->setCaption("y");
     },
     {}},
    {"MemoLineAdded", [](Controls& c) { c.memo->addLine("hello"); }, {"memo.change"}},
    {"MemoCleared", [](Controls& c) { c.memo->clearLines(); }, {"memo.change"}},
    {"TabIndexSet", [](Controls& c) { c.tabs->setTabIndex(1); }, {}},
    {"TabUserSelect", [](Controls& c) { c.tabs->userSelectTab(1); }, {"tabs.change"}},
    {"TabUserSelectSame", [](Controls& c) { c.tabs->userSelectTab(0); }, {}},
    {"ButtonUserClick", [](Controls& c) { c.button->userClick(); }, {"button.click"}},
    {"DisabledButtonUserClick",
     [](Controls& c) {
       c.button->setEnabled(false);
       c.button->userClick();
     },
     {}},
};

INSTANTIATE_TEST_SUITE_P(Toolkit, EventSemantics, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(RadioButtons, CheckingOneUnchecksOnlyItsSiblings) {
  Controls c;
  c.radio1->setChecked(true);
  EXPECT_TRUE(c.radio1->checked());
  EXPECT_FALSE(c.radio2->checked());
  EXPECT_TRUE(c.elsewhere->checked()) << "a radio button in another parent is not a sibling";
}

TEST(ComboBox, TextSelectsTheMatchingItemAndSelectingShowsItsText) {
  Controls c;
  c.combo->setText("3");
  EXPECT_EQ(c.combo->itemIndex(), 2);
  c.combo->setText("nine");
  EXPECT_EQ(c.combo->itemIndex(), -1);
  c.combo->setItemIndex(0);
  EXPECT_EQ(c.combo->text(), "1");
  c.combo->clearItems();
  EXPECT_EQ(c.combo->text(), "1") << "clearing the list keeps the text";
}

TEST(KeyPress, BackspaceRemovesAWholeCharacterAndEnterChangesNothing) {
  Controls c;
  c.edit->setText("分区7");
  c.edit->userKeyPress(VK_BACK);
  EXPECT_EQ(c.edit->text(), "分区");
  c.edit->userKeyPress(VK_BACK);
  EXPECT_EQ(c.edit->text(), "分");
  c.events.clear();
  c.edit->userKeyPress(VK_RETURN);
  EXPECT_EQ(c.edit->text(), "分");
  EXPECT_TRUE(c.events.empty());
}

TEST(UserActions, AnExceptionInAHandlerReachesTheErrorBoxAndTheProgramGoesOn) {
  Controls c;
  c.button->OnClick = [](TObject*) { StrToInt("abc"); };
  c.button->userClick();
  ASSERT_EQ(c.errorBoxes(), 1u);
  EXPECT_EQ(c.dialogs.shown().back().text, "'abc' is not a valid integer value");
  c.edit->OnChange = [](TObject*) { throw 42; };
  c.edit->userSetText("9");
  EXPECT_EQ(c.errorBoxes(), 2u) << "objects that are not exceptions are shown too";
  EXPECT_EQ(c.edit->text(), "9") << "what was stored before the error stays";
}

}  // namespace
}  // namespace hl::test

namespace hl::test {
namespace {

TEST(KeyPress, ANumbersOnlyEditRefusesTypedLettersButNotPaste) {
  Controls c;
  c.edit->setNumbersOnly(true);
  c.edit->setText("");
  c.edit->userType("1a2");
  EXPECT_EQ(c.edit->text(), "12");
  c.edit->userSetText("x9");
  EXPECT_EQ(c.edit->text(), "x9");
}

}  // namespace
}  // namespace hl::test
