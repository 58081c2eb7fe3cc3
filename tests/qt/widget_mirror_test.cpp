// Model to widget: one widget per control with the control's text, place,
// state and colours; changes shown as they happen, without echo.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>

#include "qt/colours.h"
#include "qt/grid_view.h"
#include "qt/tab_control_widget.h"
#include "qt_fixture.h"

namespace hl::test {
namespace {

// The text a widget shows, whatever its kind.
QString shownText(QWidget* w) {
  if (auto* x = qobject_cast<QLabel*>(w)) return x->text();
  if (auto* x = qobject_cast<QAbstractButton*>(w)) return x->text();
  if (auto* x = qobject_cast<QLineEdit*>(w)) return x->text();
  if (auto* x = qobject_cast<QComboBox*>(w)) return x->currentText();
  if (auto* x = qobject_cast<QGroupBox*>(w)) return x->title();
  if (auto* x = qobject_cast<QPlainTextEdit*>(w)) return x->toPlainText();
  return {};
}

using QtWidgetMirrorTest = QtFormTest;

TEST_F(QtWidgetMirrorTest, EachControlKindGetsItsWidgetWithTextAndPlace) {
  auto* box = add<TGroupBox>("Box", 10, 10, 200, 150);
  box->setCaption("Settings");
  auto* label = add<TLabel>("Label", 5, 20, 60, 30, box);
  label->setCaption("灯数");
  auto* edit = add<TEdit>("Edit", 70, 20, 50, 21, box);
  edit->setText("255");
  auto* combo = add<TComboBox>("Combo", 5, 50, 80, 21, box);
  combo->setItems({"RGB", "BRG"});
  combo->setText("BRG");
  auto* button = add<TBitBtn>("Send", 220, 10, 75, 25);
  button->setCaption("全区发送");
  auto* check = add<TCheckBox>("Check", 220, 40, 80, 17);
  check->setCaption("RGBW");
  auto* radio = add<TRadioButton>("Radio", 220, 60, 80, 17);
  radio->setCaption("单次循环");
  auto* memo = add<TMemo>("Memo", 220, 80, 100, 60);
  memo->setLines({"one", "two"});
  auto* panel = add<TPanel>("Panel", 10, 170, 100, 20);
  auto* tabs = add<TTabControl>("Tabs", 10, 200, 300, 23);
  auto* shape = add<TShape>("Shape", 120, 170, 10, 10);
  auto* bar = add<TProgressBar>("Bar", 140, 170, 100, 10);
  auto* list = add<TListBox>("List", 320, 150, 70, 50);
  auto* grid = add<TStringGrid>("Grid", 10, 230, 300, 60);
  start();

  const struct {
    TControl* control;
    const char* qtClass;
    QString text;
  } cases[] = {
      {box, "QGroupBox", "Settings"},  {label, "QLabel", "灯数"},       {edit, "QLineEdit", "255"},
      {combo, "QComboBox", "BRG"},     {button, "QPushButton", "全区发送"}, {check, "QCheckBox", "RGBW"},
      {radio, "QRadioButton", "单次循环"}, {memo, "QPlainTextEdit", "one\ntwo"}, {panel, "QFrame", ""},
      {bar, "QProgressBar", ""},       {list, "QListWidget", ""},    {grid, "QAbstractScrollArea", ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.control->name());
    QWidget* w = widget(c.control);
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(w->inherits(c.qtClass));
    EXPECT_EQ(shownText(w), c.text);
    EXPECT_EQ(w->geometry(), QRect(c.control->left(), c.control->top(), c.control->width(), c.control->height()));
    EXPECT_EQ(w->parentWidget(), c.control->parent() == form.get() ? &window() : widget(c.control->parent()));
  }
  EXPECT_NE(widget<qt::TabControlWidget>(tabs), nullptr);
  EXPECT_NE(widget(shape), nullptr);
  EXPECT_EQ(window().windowTitle(), "Test window");
  EXPECT_EQ(window().size(), QSize(400, 300));
}

TEST_F(QtWidgetMirrorTest, ModelTextChangeShowsOnceWithoutEcho) {
  auto* edit = add<TEdit>("Edit", 10, 10, 80, 21);
  auto* combo = add<TComboBox>("Combo", 10, 40, 80, 21);
  combo->setItems({"1", "8", "16"});
  int editChanges = 0, comboChanges = 0;
  edit->OnChange = [&](TObject*) { ++editChanges; };
  combo->OnChange = [&](TObject*) { ++comboChanges; };
  start();

  edit->setText("42");
  combo->setText("16");
  QTest::qWait(10);

  EXPECT_EQ(widget<QLineEdit>(edit)->text(), "42");
  EXPECT_EQ(editChanges, 1);
  EXPECT_EQ(widget<QComboBox>(combo)->currentText(), "16");
  EXPECT_EQ(widget<QComboBox>(combo)->currentIndex(), 2);
  EXPECT_EQ(comboChanges, 0);  // setting a combo box's text raises nothing
}

TEST_F(QtWidgetMirrorTest, StateAspectsFollowTheModel) {
  auto* button = add<TButton>("Button", 10, 10, 75, 25);
  auto* label = add<TLabel>("Label", 10, 40, 75, 13);
  auto* box = add<TGroupBox>("Box", 100, 10, 100, 100);
  auto* check = add<TCheckBox>("Check", 10, 60, 80, 17);
  auto* bar = add<TProgressBar>("Bar", 10, 80, 80, 10);
  start();

  const struct {
    const char* aspect;
    std::function<void()> change;
    std::function<bool()> shown;
  } cases[] = {
      {"hidden", [&] { button->hide(); }, [&] { return !widget(button)->isVisible(); }},
      {"disabled", [&] { label->setEnabled(false); }, [&] { return !widget(label)->isEnabled(); }},
      {"hint", [&] { button->setHint("Send all"); }, [&] { return widget(button)->toolTip() == "Send all"; }},
      {"font colour", [&] { check->setFontColor(clRed); },
       [&] { return widget(check)->palette().color(QPalette::Active, QPalette::WindowText) == QColor(255, 0, 0); }},
      {"face colour", [&] { box->setColor(clOlive); },
       [&] { return widget(box)->palette().color(QPalette::Window) == QColor(128, 128, 0); }},
      {"checked", [&] { check->setChecked(true); }, [&] { return widget<QCheckBox>(check)->isChecked(); }},
      {"position", [&] { bar->setRange(0, 10), bar->setPosition(4); },
       [&] { return widget<QProgressBar>(bar)->value() == 4 && widget<QProgressBar>(bar)->maximum() == 10; }},
      {"moved", [&] { label->setBounds(30, 120, 50, 20); },
       [&] { return widget(label)->geometry() == QRect(30, 120, 50, 20); }},
      {"reparented", [&] { label->setParent(box); }, [&] { return widget(label)->parentWidget() == widget(box); }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.aspect);
    c.change();
    EXPECT_TRUE(c.shown());
  }
}

TEST_F(QtWidgetMirrorTest, LabelsAreNeverSmallerThanTheirText) {
  auto* left = add<TLabel>("Left", 10, 10, 20, 5);
  left->setCaption("step number: 20000");
  auto* centred = add<TLabel>("Centred", 10, 40, 300, 5);
  centred->setAlignment(TAlignment::taCenter);
  centred->setCaption("欢迎使用可编程控制器");
  start();
  const QSize leftText = widget(left)->sizeHint();

  EXPECT_EQ(widget(left)->geometry(), QRect(10, 10, leftText.width(), leftText.height()));
  EXPECT_EQ(widget(centred)->geometry(), QRect(10, 40, 300, widget(centred)->sizeHint().height()));

  left->setCaption("");
  EXPECT_EQ(widget(left)->geometry(), QRect(10, 10, 20, 5));
}

TEST_F(QtWidgetMirrorTest, LongListsFilledItemByItemAppearAfterTheBatch) {
  auto* combo = add<TComboBox>("Combo", 10, 10, 80, 21);
  auto* fill = add<TButton>("Fill", 100, 10, 75, 25);
  fill->OnClick = [&](TObject*) {
    combo->clearItems();
    for (int i = 1; i <= 1024; ++i) combo->addItem(std::to_string(i));
    combo->setItemIndex(99);
  };
  start();

  widget<QPushButton>(fill)->click();

  auto* shown = widget<QComboBox>(combo);
  EXPECT_EQ(shown->count(), 1024);
  EXPECT_EQ(shown->currentIndex(), 99);
  EXPECT_EQ(shown->currentText(), "100");
}

TEST_F(QtWidgetMirrorTest, ControlsMadeAndDestroyedAtRunTimeGainAndLoseWidgets) {
  auto* panel = add<TPanel>("Panel", 10, 10, 200, 40);
  auto* make = add<TButton>("Make", 10, 60, 75, 25);
  auto* destroy = add<TButton>("Destroy", 100, 60, 75, 25);
  std::vector<TShape*> lamps;
  make->OnClick = [&](TObject*) {
    for (int i = 0; i < 3; ++i) {
      auto* lamp = form->create<TShape>("Lamp" + std::to_string(i));
      lamp->setParent(panel);
      lamp->setBounds(5 + 12 * i, 5, 10, 10);
      lamps.push_back(lamp);
    }
  };
  destroy->OnClick = [&](TObject*) {
    for (TShape* lamp : lamps) form->destroyComponent(lamp);
  };
  start();

  widget<QPushButton>(make)->click();
  ASSERT_EQ(lamps.size(), 3u);
  std::vector<QPointer<QWidget>> shown;
  for (TShape* lamp : lamps) {
    shown.emplace_back(widget(lamp));
    ASSERT_NE(shown.back(), nullptr);
    EXPECT_EQ(shown.back()->parentWidget(), widget(panel));
    EXPECT_TRUE(shown.back()->isVisible());
  }

  widget<QPushButton>(destroy)->click();
  settle();
  for (const auto& w : shown) EXPECT_TRUE(w.isNull());
  for (TShape* lamp : lamps) EXPECT_EQ(frontEnd->widgetOf(lamp), nullptr);
}

TEST_F(QtWidgetMirrorTest, ChildrenOfADestroyedContainerStayUsableAndHidden) {
  auto* panel = add<TPanel>("Panel", 10, 10, 200, 40);
  auto* label = add<TLabel>("Label", 5, 5, 50, 13, panel);
  auto* destroy = add<TButton>("Destroy", 10, 60, 75, 25);
  destroy->OnClick = [&](TObject*) { form->destroyComponent(panel); };
  start();

  widget<QPushButton>(destroy)->click();
  settle();
  frontEnd->syncTree();

  ASSERT_NE(widget(label), nullptr);
  EXPECT_FALSE(widget(label)->isVisible());  // a control without a parent is not shown
  label->setCaption("still here");
  EXPECT_EQ(widget<QLabel>(label)->text(), "still here");
}

TEST_F(QtWidgetMirrorTest, ResizingTheWindowResizesAnchoredControls) {
  auto* grid = add<TStringGrid>("Grid", 10, 50, 380, 240);
  grid->setAnchors(akAll);
  auto* bar = add<TPanel>("Bar", 10, 10, 380, 30);
  bar->setAnchors(akLeft | akTop | akRight);
  auto* corner = add<TButton>("Corner", 300, 260, 90, 30);
  corner->setAnchors(akRight | akBottom);
  start();

  window().resize(500, 400);
  QTest::qWait(10);

  EXPECT_EQ(form->clientWidth(), 500);
  EXPECT_EQ(form->clientHeight(), 400);
  EXPECT_EQ(widget(grid)->geometry(), QRect(10, 50, 480, 340));
  EXPECT_EQ(widget(bar)->geometry(), QRect(10, 10, 480, 30));
  EXPECT_EQ(widget(corner)->geometry(), QRect(400, 360, 90, 30));
}

TEST_F(QtWidgetMirrorTest, ARefusedResizePutsTheWindowBack) {
  form->OnCanResize = [](TObject*, int&, int&, bool& resize) { resize = false; };
  start();

  window().resize(500, 400);
  QTest::qWait(10);

  EXPECT_EQ(form->clientWidth(), 400);
  EXPECT_EQ(window().size(), QSize(400, 300));
}

TEST_F(QtWidgetMirrorTest, LabelsLieBeneathWindowedControlsWhateverTheOrder) {
  auto* button = add<TButton>("Button", 10, 10, 75, 25);
  auto* label = add<TLabel>("Label", 20, 15, 75, 13);  // created later, overlapping
  label->setCaption("under");
  start();

  EXPECT_EQ(window().childAt(30, 20), widget(button));
  (void)label;
}

TEST_F(QtWidgetMirrorTest, ClosingAsksTheForm) {
  bool allowClose = false;
  int asked = 0;
  form->OnClose = [&](TObject*, TCloseAction& action) {
    ++asked;
    if (!allowClose) action = TCloseAction::caNone;
  };
  start();

  EXPECT_FALSE(window().close());
  EXPECT_TRUE(window().isVisible());
  allowClose = true;
  EXPECT_TRUE(window().close());
  EXPECT_EQ(asked, 2);
  EXPECT_TRUE(form->closed());
  EXPECT_TRUE(app.terminated());
}

TEST_F(QtWidgetMirrorTest, SystemColoursResolveToRealColours) {
  for (TColor c : {clBtnFace, clMenu, clBackground, clWindow, clWindowText, clGrayText, clInactiveCaption,
                   clInactiveCaptionText, clHotLight}) {
    SCOPED_TRACE(c);
    EXPECT_TRUE(qt::toQColor(c).isValid());
  }
  EXPECT_EQ(qt::toQColor(0x00336699), QColor(0x99, 0x66, 0x33));  // 0x00BBGGRR
  EXPECT_EQ(qt::fromQColor(QColor(0x99, 0x66, 0x33)), 0x00336699);
}

}  // namespace
}  // namespace hl::test
