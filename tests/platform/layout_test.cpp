// Anchors, screen coordinates and the grid's geometry.
#include <gtest/gtest.h>

#include "platform/recording_canvas.h"
#include "toolkit_fixture.h"

namespace hl::test {
namespace {

struct AnchorCase {
  TAnchors anchors;
  TRect expected;  // bounds after the window grew by 100 x 50, from 10, 20, 200 x 100
};

class Anchors : public ::testing::TestWithParam<AnchorCase> {};

TEST_P(Anchors, KeepTheAnchoredSidesAtTheirDistance) {
  ToolkitFixture f;
  f.form->setClientSize(1053, 704);
  TPanel* panel = f.add<TPanel>("panel");
  panel->setBounds(10, 20, 200, 100);
  panel->setAnchors(GetParam().anchors);
  f.form->userResize(1153, 754);
  EXPECT_EQ(panel->boundsRect(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Toolkit, Anchors,
                         ::testing::Values(AnchorCase{akLeft | akTop, {10, 20, 210, 120}},
                                           AnchorCase{akLeft | akTop | akRight, {10, 20, 310, 120}},
                                           AnchorCase{akAll, {10, 20, 310, 170}},
                                           AnchorCase{akRight | akBottom, {110, 70, 310, 170}}));

TEST(Anchors, ReachGrandchildrenThroughAStretchedParent) {
  ToolkitFixture f;
  f.form->setClientSize(500, 400);
  TGroupBox* box = f.add<TGroupBox>("box");
  box->setBounds(0, 0, 500, 100);
  box->setAnchors(akLeft | akTop | akRight);
  TButton* right = f.add<TButton>("right", box);
  right->setBounds(400, 10, 80, 25);
  right->setAnchors(akTop | akRight);
  f.form->userResize(560, 400);
  EXPECT_EQ(right->left(), 460);
}

TEST(Coordinates, ScreenPointsRoundTripThroughNestedControls) {
  ToolkitFixture f;
  f.form->setBounds(754, 231, 1053 + TForm::kFrameWidth, 704 + TForm::kFrameHeight);
  TGroupBox* box = f.add<TGroupBox>("box");
  box->setBounds(9, 151, 300, 60);
  TButton* b = f.add<TButton>("b", box);
  b->setBounds(5, 7, 20, 20);
  const TPoint screen = b->clientToScreen({1, 2});
  EXPECT_EQ(screen, (TPoint{754 + 8 + 9 + 5 + 1, 231 + 31 + 151 + 7 + 2}));
  EXPECT_EQ(b->screenToClient(screen), (TPoint{1, 2}));
}

// The pattern grid's shape: two fixed columns of 60 and 10 pixels, 15-pixel
// cells, one-pixel lines, 1027 rows by 20003 columns.
struct GridFixture : ToolkitFixture {
  TStringGrid* grid = add<TStringGrid>("grid");
  GridFixture() {
    grid->setBounds(7, 208, 1037, 487);
    grid->setFixedCols(2);
    grid->setColCount(20003);
    grid->setRowCount(1027);
    grid->setDefaultColWidth(15);
    grid->setDefaultRowHeight(15);
    grid->setColWidth(0, 60);
    grid->setColWidth(1, 10);
  }
};

TEST(Grid, HitTestAndCellRectangleAgree) {
  GridFixture g;
  for (auto [col, row] : {std::pair{0, 0}, {1, 0}, {2, 3}, {5, 1}, {30, 20}}) {
    const TRect r = g.grid->cellRect(col, row);
    ASSERT_GT(r.width(), 0) << col << "," << row;
    EXPECT_EQ(g.grid->mouseToCell(r.left, r.top), (TPoint{col, row}));
    EXPECT_EQ(g.grid->mouseToCell(r.right - 1, r.bottom - 1), (TPoint{col, row}));
  }
  EXPECT_EQ(g.grid->cellRect(2, 0), (TRect{72, 0, 87, 15}));
  EXPECT_EQ(g.grid->mouseToCell(-1, 5), (TPoint{-1, 0}));
  EXPECT_EQ(g.grid->mouseToCell(5, 5000), (TPoint{0, -1}));
}

TEST(Grid, ScrollingKeepsFixedColumnsAndReachesTheLastColumn) {
  GridFixture g;
  g.grid->setLeftCol(100);
  EXPECT_EQ(g.grid->mouseToCell(72, 0).x, 100);
  EXPECT_EQ(g.grid->mouseToCell(3, 0).x, 0);
  EXPECT_EQ(g.grid->cellRect(50, 0), TRect{}) << "a column scrolled out of view has no rectangle";
  g.grid->setLeftCol(1 << 30);
  EXPECT_EQ(g.grid->leftCol(), g.grid->maxLeftCol());
  const TRect last = g.grid->cellRect(20002, 0);
  EXPECT_GT(last.width(), 0);
  EXPECT_LE(last.right, g.grid->width());
  g.grid->setTopRow(1 << 30);
  EXPECT_GT(g.grid->cellRect(0, 1026).height(), 0);
}

TEST(Grid, PaintsOnlyTheVisibleCells) {
  GridFixture g;
  int calls = 0;
  g.grid->OnDrawCell = [&](TObject*, int col, int row, const TRect& r, unsigned) {
    ++calls;
    EXPECT_EQ(r, g.grid->cellRect(col, row));
  };
  g.grid->setLeftCol(10000);
  class NullCanvas : public TCanvas {
    void fillRect(const TRect&) override {}
    void rectangle(const TRect&) override {}
    void textOut(int, int, const std::string&) override {}
    void line(int, int, int, int) override {}
    int textWidth(const std::string&) override { return 0; }
    int textHeight(const std::string&) override { return 0; }
  } canvas;
  g.grid->paint(canvas, {0, 0, g.grid->width(), g.grid->height()});
  // 2 fixed + 61 scrolled columns (partly) by 31 rows (partly).
  EXPECT_EQ(calls, (2 + 61) * 31);
}

TEST(Grid, PaintsAScrolledGridWithoutFixedColumns) {
  GridFixture g;
  g.grid->setFixedCols(0);
  g.grid->setLeftCol(5);
  int calls = 0, firstCol = -1;
  g.grid->OnDrawCell = [&](TObject*, int col, int, const TRect&, unsigned) {
    if (calls++ == 0) firstCol = col;
  };
  RecordingCanvas canvas;
  g.grid->paint(canvas, {0, 0, g.grid->width(), g.grid->height()});
  EXPECT_GT(calls, 0);
  EXPECT_EQ(firstCol, 5);
}

}  // namespace
}  // namespace hl::test
