// The real pattern grid in the Qt window: what it paints and what a click
// on it does to the project.
#include <QImage>

#include "app/entry.h"
#include "app/form2.h"
#include "qt/grid_view.h"
#include "qt_fixture.h"
#include "support/temp_dir.h"

namespace hl::test {
namespace {

class QtGridEditingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    prepareApplication(app);
    form = createMainForm(app, FormEnvironment{exeDir.path().string(), startDir.path().string()});
    form->ComboBox4->userSelect(19);  // 20 lamps
    frontEnd = std::make_unique<qt::QtFrontEnd>(*form, driver);
    frontEnd->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frontEnd->window()));
  }
  void TearDown() override {
    frontEnd.reset();
    form.reset();
  }

  qt::GridView& view() { return *dynamic_cast<qt::GridView*>(frontEnd->widgetOf(form->StringGrid1)); }
  // The grid as it is on screen now.
  QImage paintedGrid() {
    QCoreApplication::processEvents();
    return view().viewport()->grab().toImage();
  }
  QPoint centre(int column, int row) {
    const TRect r = form->StringGrid1->cellRect(column, row);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  QColor pixelAt(const QImage& image, QPoint p) { return image.pixelColor(p); }
  std::size_t errorBoxes() const { return dialogs.shownOf(ScriptedDialogHost::Kind::Exception).size(); }

  TempDir exeDir, startDir;
  RealClock clock;
  ScriptedDialogHost dialogs;
  Application app{clock, dialogs};
  qt::EventLoopDriver driver{app};
  std::unique_ptr<TForm2> form;
  std::unique_ptr<qt::QtFrontEnd> frontEnd;
};

TEST_F(QtGridEditingTest, PaintsColoursEmptyCellsAndLevels) {
  form->project.setCell(0, 4, 3, 0x0000FF);
  form->StringGrid1->repaint();
  QImage image = paintedGrid();
  EXPECT_EQ(pixelAt(image, centre(3, 4)), QColor(255, 0, 0)) << "a red cell is red";
  EXPECT_EQ(pixelAt(image, centre(4, 4)), QColor(0, 0, 0)) << "an empty cell is a lamp off";

  form->ComboBox6->userSelect(10);  // zone 1 holds brightness levels
  form->project.setCell(0, 3, 3, 64);
  form->StringGrid1->repaint();
  image = paintedGrid();
  const TRect level = form->StringGrid1->cellRect(3, 3);
  // Right of the number, the cell shows its shade: level 64 is entry 4.
  EXPECT_EQ(pixelAt(image, {level.right - 3, level.bottom - 3}), QColor(0xFF, 0xBC, 0xBC));
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(QtGridEditingTest, ClickingACellPaintsItInTheProject) {
  dialogs.queueColor(0x00FF00);
  QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, centre(5, 6));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->project.cell(0, 6, 5), 0x00FF00);
  EXPECT_EQ(paintedGrid().pixelColor(centre(5, 6)), QColor(0, 255, 0)) << "and the grid shows it";
  QTest::mouseClick(view().viewport(), Qt::LeftButton, {}, centre(5, 6));
  QCoreApplication::processEvents();
  EXPECT_EQ(form->project.cell(0, 6, 5), 0) << "a second click erases";
  EXPECT_EQ(errorBoxes(), 0u);
}

}  // namespace
}  // namespace hl::test
