// Widget to model: clicks, choices, typing, pasting, leaving a box and the
// mouse reach the controls' user-action entry points; the model decides
// and the widgets show its decision.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "qt/tab_control_widget.h"
#include "qt_fixture.h"

namespace hl::test {
namespace {

using QtUserInputTest = QtFormTest;

void digitsOnly(TObject*, char& key) {
  if (!(key >= '0' && key <= '9') && key != VK_BACK) key = 0;
}

TEST_F(QtUserInputTest, ButtonClickRunsOnClickUnlessDisabled) {
  auto* button = add<TButton>("Button", 10, 10, 75, 25);
  int clicks = 0;
  button->OnClick = [&](TObject*) { ++clicks; };
  start();

  QTest::mouseClick(widget(button), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);

  button->setEnabled(false);
  QTest::mouseClick(widget(button), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(QtUserInputTest, TypingPassesTheKeyFilterAndShowsTheModelsText) {
  auto* edit = add<TEdit>("Edit", 10, 10, 80, 21);
  std::string keysSeen;
  edit->OnKeyPress = [&](TObject* sender, char& key) {
    keysSeen += key;
    digitsOnly(sender, key);
  };
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  start();
  QLineEdit* line = widget<QLineEdit>(edit);

  QTest::keyClicks(line, "a1b2");
  EXPECT_EQ(edit->text(), "12");
  EXPECT_EQ(line->text(), "12");
  EXPECT_EQ(changes, 2);

  QTest::keyClick(line, Qt::Key_Backspace);
  QTest::keyClick(line, Qt::Key_Return);
  EXPECT_EQ(edit->text(), "1");
  EXPECT_EQ(line->text(), "1");
  EXPECT_EQ(keysSeen, std::string("a1b2\b\r"));
}

TEST_F(QtUserInputTest, KeysThatAreNotTextChangeNothing) {
  auto* edit = add<TEdit>("Edit", 10, 10, 80, 21);
  edit->setText("12");
  int keys = 0;
  edit->OnKeyPress = [&](TObject*, char&) { ++keys; };
  start();
  QLineEdit* line = widget<QLineEdit>(edit);

  const struct {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
  } cases[] = {
      {Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f")},
      {Qt::Key_Insert, Qt::NoModifier, {}},
      {Qt::Key_F5, Qt::NoModifier, {}},
      {Qt::Key_Z, Qt::ControlModifier, QStringLiteral("\x1a")},
      {Qt::Key_Backspace, Qt::ControlModifier, {}},
      {Qt::Key_Left, Qt::NoModifier, {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.key);
    QKeyEvent press(QEvent::KeyPress, c.key, c.modifiers, c.text);
    QApplication::sendEvent(line, &press);
    EXPECT_EQ(edit->text(), "12");
    EXPECT_EQ(line->text(), "12");
  }
  EXPECT_EQ(keys, 0);
}

TEST_F(QtUserInputTest, TextBeyondAsciiIsTypedAsUtf8) {
  auto* edit = add<TEdit>("Edit", 10, 10, 80, 21);
  start();

  QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QStringLiteral("中文"));
  QApplication::sendEvent(widget(edit), &press);

  EXPECT_EQ(edit->text(), "中文");
  EXPECT_EQ(widget<QLineEdit>(edit)->text(), "中文");
}

TEST_F(QtUserInputTest, PasteReplacesTheTextWithoutTheKeyFilter) {
  auto* edit = add<TEdit>("Edit", 10, 10, 80, 21);
  edit->setText("12");
  edit->OnKeyPress = digitsOnly;
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  start();
  QLineEdit* line = widget<QLineEdit>(edit);
  QApplication::clipboard()->setText("3x");

  line->end(false);
  QTest::keySequence(line, QKeySequence::Paste);

  EXPECT_EQ(edit->text(), "123x");
  EXPECT_EQ(line->text(), "123x");
  EXPECT_EQ(changes, 1);
}

TEST_F(QtUserInputTest, LeavingABoxRunsOnExit) {
  auto* first = add<TEdit>("First", 10, 10, 80, 21);
  auto* second = add<TEdit>("Second", 10, 40, 80, 21);
  int exits = 0;
  first->OnExit = [&](TObject*) { ++exits; };
  start();
  window().activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));

  widget(first)->setFocus(Qt::MouseFocusReason);
  widget(second)->setFocus(Qt::TabFocusReason);

  EXPECT_EQ(exits, 1);
  (void)second;
}

TEST_F(QtUserInputTest, ComboBoxChoiceAndTypingRaiseOnChange) {
  auto* combo = add<TComboBox>("Combo", 10, 10, 80, 21);
  combo->setItems({"ms", "s", "min"});
  combo->setItemIndex(0);
  int changes = 0;
  combo->OnChange = [&](TObject*) { ++changes; };
  start();
  QComboBox* shown = widget<QComboBox>(combo);

  QTest::keyClick(shown, Qt::Key_Down);
  EXPECT_EQ(combo->itemIndex(), 1);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(shown->currentText(), "s");

  QTest::keyClicks(shown, "ec");
  EXPECT_EQ(combo->text(), "sec");
  EXPECT_EQ(shown->currentText(), "sec");
  EXPECT_EQ(changes, 3);
}

TEST_F(QtUserInputTest, RadioButtonsAreExclusiveThroughTheModel) {
  auto* one = add<TRadioButton>("One", 10, 10, 80, 17);
  auto* two = add<TRadioButton>("Two", 10, 30, 80, 17);
  one->setChecked(true);
  int twoClicks = 0;
  two->OnClick = [&](TObject*) { ++twoClicks; };
  start();

  QTest::mouseClick(widget(two), Qt::LeftButton, {}, QPoint(5, 8));

  EXPECT_TRUE(two->checked());
  EXPECT_FALSE(one->checked());
  EXPECT_TRUE(widget<QRadioButton>(two)->isChecked());
  EXPECT_FALSE(widget<QRadioButton>(one)->isChecked());
  EXPECT_EQ(twoClicks, 1);
}

TEST_F(QtUserInputTest, CheckBoxShowsWhatTheModelKept) {
  auto* check = add<TCheckBox>("Check", 10, 10, 80, 17);
  auto* locked = add<TCheckBox>("Locked", 10, 30, 80, 17);
  // A handler that refuses the change: the box must not stay ticked on screen.
  locked->OnClick = [&](TObject*) { locked->setChecked(false); };
  start();

  QTest::mouseClick(widget(check), Qt::LeftButton, {}, QPoint(5, 8));
  EXPECT_TRUE(check->checked());
  EXPECT_TRUE(widget<QCheckBox>(check)->isChecked());

  QTest::mouseClick(widget(locked), Qt::LeftButton, {}, QPoint(5, 8));
  EXPECT_FALSE(locked->checked());
  EXPECT_FALSE(widget<QCheckBox>(locked)->isChecked());
}

TEST_F(QtUserInputTest, TabAndListChoicesReachTheModel) {
  auto* tabs = add<TTabControl>("Tabs", 10, 10, 300, 40);
  tabs->setTabs({"第1分区启动", "第2分区", "第3分区"});
  int tabChanges = 0;
  tabs->OnChange = [&](TObject*) { ++tabChanges; };
  auto* list = add<TListBox>("List", 10, 60, 100, 60);
  list->setItems({"UCS2904", "WS2814", "TM1814"});
  int listClicks = 0;
  list->OnClick = [&](TObject*) { ++listClicks; };
  start();

  QTabBar* bar = widget<qt::TabControlWidget>(tabs)->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, {}, bar->tabRect(2).center());
  EXPECT_EQ(tabs->tabIndex(), 2);
  EXPECT_EQ(tabChanges, 1);

  auto* shownList = widget<QListWidget>(list);
  QTest::mouseClick(shownList->viewport(), Qt::LeftButton, {}, shownList->visualItemRect(shownList->item(1)).center());
  EXPECT_EQ(list->itemIndex(), 1);
  EXPECT_EQ(listClicks, 1);
}

TEST_F(QtUserInputTest, MouseEventsArriveInTheControlsOwnPixels) {
  auto* box = add<TGroupBox>("Box", 50, 40, 200, 150);
  auto* label = add<TLabel>("Label", 20, 30, 100, 20, box);
  struct Event {
    char kind;
    TMouseButton button;
    TShiftState shift;
    int x, y;
  };
  std::vector<Event> seen;
  label->OnMouseDown = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) { seen.push_back({'D', b, s, x, y}); };
  label->OnMouseMove = [&](TObject*, TShiftState s, int x, int y) { seen.push_back({'M', {}, s, x, y}); };
  label->OnMouseUp = [&](TObject*, TMouseButton b, TShiftState s, int x, int y) { seen.push_back({'U', b, s, x, y}); };
  start();

  const struct {
    Qt::MouseButton qtButton;
    TMouseButton button;
    TShiftState held;
  } buttons[] = {{Qt::LeftButton, TMouseButton::mbLeft, ssLeft},
                 {Qt::RightButton, TMouseButton::mbRight, ssRight},
                 {Qt::MiddleButton, TMouseButton::mbMiddle, ssMiddle}};
  for (const auto& b : buttons) {
    seen.clear();
    QTest::mousePress(widget(label), b.qtButton, Qt::ShiftModifier, QPoint(5, 6));
    QTest::mouseRelease(widget(label), b.qtButton, Qt::ShiftModifier, QPoint(7, 8));
    ASSERT_GE(seen.size(), 2u);
    EXPECT_EQ(seen.front().kind, 'D');
    EXPECT_EQ(seen.front().button, b.button);
    EXPECT_EQ(seen.front().shift, ssShift | b.held);
    EXPECT_EQ(seen.front().x, 5);
    EXPECT_EQ(seen.front().y, 6);
    EXPECT_EQ(seen.back().kind, 'U');
    EXPECT_EQ(seen.back().button, b.button);
    EXPECT_EQ(seen.back().x, 7);
    EXPECT_EQ(seen.back().y, 8);
  }

  seen.clear();
  const QPointF at(11, 12);
  QMouseEvent move(QEvent::MouseMove, at, widget(label)->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget(label), &move);
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back().kind, 'M');
  EXPECT_EQ(seen.back().x, 11);
  EXPECT_EQ(seen.back().y, 12);
}

TEST_F(QtUserInputTest, OnlyTheControlUnderThePointerHearsTheMouse) {
  auto* box = add<TGroupBox>("Box", 50, 40, 200, 150);
  auto* label = add<TLabel>("Label", 20, 30, 100, 20, box);
  label->setCaption("no handler");
  int boxPresses = 0;
  box->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++boxPresses; };
  start();

  QTest::mouseClick(widget(label), Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(boxPresses, 0);
  QTest::mouseClick(widget(box), Qt::LeftButton, {}, QPoint(5, 120));
  EXPECT_EQ(boxPresses, 1);
}

TEST_F(QtUserInputTest, AHandlerThatDestroysItsOwnControlIsSafe) {
  auto* button = add<TButton>("Button", 10, 10, 75, 25);
  button->OnClick = [&](TObject*) { form->destroyComponent(button); };
  start();
  QPointer<QWidget> shown = widget(button);

  QTest::mouseClick(shown, Qt::LeftButton);
  settle();

  EXPECT_TRUE(shown.isNull());
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(QtUserInputTest, AnExceptionInAHandlerGoesToTheErrorBox) {
  auto* button = add<TButton>("Button", 10, 10, 75, 25);
  button->OnClick = [](TObject*) { throw Exception("'x' is not a valid integer value"); };
  start();

  QTest::mouseClick(widget(button), Qt::LeftButton);

  ASSERT_EQ(errorBoxes(), 1u);
  EXPECT_EQ(dialogs.shownOf(ScriptedDialogHost::Kind::Exception)[0].text, "'x' is not a valid integer value");
}

}  // namespace
}  // namespace hl::test
