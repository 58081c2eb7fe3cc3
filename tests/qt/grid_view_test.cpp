// The grid view: scroll bars and wheel move the model's scroll position,
// painting asks only for the cells in view, the mouse arrives in grid pixels.
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include <set>
#include <utility>

#include "qt/grid_view.h"
#include "qt_fixture.h"

namespace hl::test {
namespace {

class QtGridViewTest : public QtFormTest {
 protected:
  QtGridViewTest() {
    form->setClientSize(1053, 704);
    grid = add<TStringGrid>("Grid", 7, 208, 1037, 487);
    grid->setColCount(20003);
    grid->setRowCount(1027);
    grid->setDefaultColWidth(15);
    grid->setDefaultRowHeight(15);
    grid->setFixedCols(2);
    grid->setFixedRows(3);
    grid->setColWidth(0, 60);
  }

  void recordDrawing() {
    grid->OnDrawCell = [this](TObject*, int col, int row, const TRect&, unsigned) { drawn.emplace_back(col, row); };
  }
  // Paints the whole view now and returns the cells asked for.
  std::vector<std::pair<int, int>> paintAll() {
    drawn.clear();
    view()->viewport()->repaint();
    return drawn;
  }
  qt::GridView* view() { return widget<qt::GridView>(grid); }

  void wheel(QPoint angle, Qt::KeyboardModifiers modifiers = {}) {
    const QPointF at(50, 50);
    QWheelEvent event(at, view()->viewport()->mapToGlobal(at), QPoint(), angle, Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(view()->viewport(), &event);
  }

  TStringGrid* grid = nullptr;
  std::vector<std::pair<int, int>> drawn;
};

TEST_F(QtGridViewTest, ScrollBarsCoverTheScrollableRange) {
  start();
  QScrollBar* h = view()->horizontalScrollBar();
  QScrollBar* v = view()->verticalScrollBar();
  EXPECT_EQ(h->minimum(), 2);
  EXPECT_EQ(h->maximum(), grid->maxLeftCol());
  EXPECT_EQ(v->minimum(), 3);
  EXPECT_EQ(v->maximum(), grid->maxTopRow());
}

TEST_F(QtGridViewTest, ScrollBarsAppearWhenTheGridOutgrowsTheView) {
  grid->setColCount(5);
  grid->setRowCount(5);
  start();
  EXPECT_FALSE(view()->horizontalScrollBar()->isVisible());
  EXPECT_FALSE(view()->verticalScrollBar()->isVisible());

  grid->setColCount(20003);
  grid->setRowCount(1027);
  QTest::qWait(5);

  EXPECT_TRUE(view()->horizontalScrollBar()->isVisible());
  EXPECT_TRUE(view()->verticalScrollBar()->isVisible());
}

TEST_F(QtGridViewTest, ScrollBarsMoveTheGridAndFollowIt) {
  recordDrawing();
  start();

  view()->horizontalScrollBar()->setValue(500);
  view()->verticalScrollBar()->setValue(40);
  EXPECT_EQ(grid->leftCol(), 500);
  EXPECT_EQ(grid->topRow(), 40);

  grid->setLeftCol(19000);
  EXPECT_EQ(view()->horizontalScrollBar()->value(), 19000);
}

TEST_F(QtGridViewTest, PaintingAsksOnlyForTheCellsInView) {
  recordDrawing();
  start();
  view()->horizontalScrollBar()->setValue(10000);
  view()->verticalScrollBar()->setValue(500);

  const auto cells = paintAll();

  ASSERT_FALSE(cells.empty());
  EXPECT_LT(cells.size(), 2000u);
  const std::set<std::pair<int, int>> distinct(cells.begin(), cells.end());
  EXPECT_EQ(distinct.size(), cells.size());  // no cell twice
  for (const auto& [col, row] : cells) {
    EXPECT_TRUE(col < 2 || (col >= 10000 && col < 10000 + 1037 / 16 + 1)) << col;
    EXPECT_TRUE(row < 3 || (row >= 500 && row < 500 + 487 / 16 + 1)) << row;
  }
  EXPECT_TRUE(distinct.count({0, 0}) && distinct.count({10000, 500}));
}

TEST_F(QtGridViewTest, TheWheelScrollsRowsAndWithShiftColumns) {
  start();

  wheel(QPoint(0, -120));
  EXPECT_EQ(grid->topRow(), 6);
  wheel(QPoint(0, -60));
  wheel(QPoint(0, -60));  // two half notches make one
  EXPECT_EQ(grid->topRow(), 9);
  wheel(QPoint(0, -120), Qt::ShiftModifier);
  EXPECT_EQ(grid->leftCol(), 5);
}

TEST_F(QtGridViewTest, MouseArrivesInGridPixels) {
  TPoint pressedCell{-1, -1};
  grid->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int x, int y) { pressedCell = grid->mouseToCell(x, y); };
  start();
  grid->setLeftCol(300);
  const TRect cell = grid->cellRect(305, 10);

  QTest::mouseClick(view()->viewport(), Qt::LeftButton, {}, QPoint(cell.left + 3, cell.top + 3));

  EXPECT_EQ(pressedCell, (TPoint{305, 10}));
}

TEST_F(QtGridViewTest, APaintingErrorShowsOneBoxAfterPainting) {
  grid->OnDrawCell = [](TObject*, int, int, const TRect&, unsigned) { throw Exception("draw failed"); };
  start();

  paintAll();
  paintAll();
  QTest::qWait(20);

  EXPECT_EQ(errorBoxes(), 1u);
}

TEST_F(QtGridViewTest, WithoutADrawHandlerPlainCellsAreShown) {
  start();
  const QImage image = view()->viewport()->grab().toImage();
  const QColor fixedFace = view()->palette().color(QPalette::Button);
  const QColor cellFace = view()->palette().color(QPalette::Base);
  EXPECT_EQ(image.pixelColor(5, 5), fixedFace);          // heading cell
  EXPECT_EQ(image.pixelColor(60 + 1 + 15 + 1 + 5, 3 * 16 + 5), cellFace);  // first scrolled cell
}

}  // namespace
}  // namespace hl::test
