// The real main window through the Qt front-end: every control has its
// widget, shown exactly when the control is, with the designed texts;
// clicks reach the window's handlers and closing runs cleanly.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabBar>

#include "main_window_fixture.h"
#include "qt/grid_view.h"

namespace hl::test {
namespace {

using QtMainWindowTest = QtMainWindowFixture;

TEST_F(QtMainWindowTest, ShowsTheDesignedTexts) {
  EXPECT_EQ(window().windowTitle(), "Hueloom_v2.6_pro");
  EXPECT_EQ(window().size(), QSize(1053, 704));
  EXPECT_EQ(widget<QPushButton>(form->BitBtn5)->text(), "全区发送");
  EXPECT_EQ(widget<QComboBox>(form->ComboBox8)->currentText(), "BRG");
  EXPECT_EQ(widget<QLabel>(form->Label13)->text(), "欢迎使用可编程控制器");
}

TEST_F(QtMainWindowTest, EveryControlHasAWidgetShownExactlyWhenTheControlIs) {
  int controls = 0;
  for (TComponent* component : form->components()) {
    auto* control = dynamic_cast<TControl*>(component);
    if (!control) continue;
    ++controls;
    SCOPED_TRACE(control->name());
    QWidget* w = widget(control);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->isVisibleTo(&window()), control->showing());
  }
  EXPECT_GT(controls, 200);
  EXPECT_FALSE(widget(form->GroupBox12)->isVisibleTo(&window()));
  EXPECT_TRUE(widget(form->StringGrid1)->isVisibleTo(&window()));
}

TEST_F(QtMainWindowTest, ClickingABitBtnReachesItsHandler) {
  int clicks = 0;
  form->BitBtn3->OnClick = [&](TObject*) { ++clicks; };
  QTest::mouseClick(widget(form->BitBtn3), Qt::LeftButton);
  EXPECT_EQ(clicks, 1);
}

TEST_F(QtMainWindowTest, TheGridPaintsThroughTheWindowsDrawHandler) {
  auto* grid = widget<qt::GridView>(form->StringGrid1);
  ASSERT_NE(grid, nullptr);
  grid->viewport()->repaint();
  QTest::qWait(10);
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(QtMainWindowTest, ChoosingAModelGivesItsTabsAndATabShowsItsZone) {
  form->languageCode = "ChineseGB";
  form->project.zoneSettings(6).loopCount = 42;
  auto* models = widget<QComboBox>(form->ComboBox6);
  ASSERT_NE(models, nullptr);
  models->setCurrentIndex(10);
  emit models->activated(10);  // what the list sends when the user picks an item
  auto* tabs = widget(form->TabControl1)->findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  ASSERT_EQ(tabs->count(), 9);
  EXPECT_EQ(tabs->tabText(0), "第1单分区");
  EXPECT_EQ(tabs->tabText(8), "第4幻分区");
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(6).center());
  EXPECT_EQ(form->project.currentZone, 6);
  EXPECT_EQ(widget<QLineEdit>(form->Edit6)->text(), "42");
  EXPECT_EQ(form->StringGrid1->colCount(), 797);
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(QtMainWindowTest, ClosingRunsCleanly) {
  const std::size_t boxesBefore = errorBoxes();
  EXPECT_TRUE(window().close());
  EXPECT_TRUE(form->closed());
  EXPECT_EQ(errorBoxes(), boxesBefore);
}

}  // namespace
}  // namespace hl::test
