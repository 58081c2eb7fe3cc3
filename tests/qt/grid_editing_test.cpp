// The real pattern grid in the Qt window: what it paints and what a click
// on it does to the project.
#include <QImage>

#include "main_window_fixture.h"
#include "qt/grid_view.h"

namespace hl::test {
namespace {

class QtGridEditingTest : public QtMainWindowFixture {
 protected:
  void beforeShowing() override { form->ComboBox4->userSelect(19); }  // 20 lamps

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
