// Painting grid cells from the project, checked on a recording canvas.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/captions.h"
#include "editor/cell_renderer.h"
#include "model/display_tables.h"
#include "platform/recording_canvas.h"

namespace hl {
namespace {

using Op = RecordingCanvas::Op;
constexpr TRect kCell{100, 50, 115, 65};
constexpr TRect kGrown{99, 49, 116, 66};

class CellRendering : public ::testing::Test {
 protected:
  // Paints one cell of zone 0 and gives what was drawn.
  const std::vector<RecordingCanvas::Record>& draw(int column, int row, bool singleColour) {
    canvas.clear();
    canvas.fontColor = clWindowText;
    drawGridCell(canvas, GridZoneView{project, 0, singleColour}, column, row, kCell);
    return canvas.records();
  }
  Project project;
  RecordingCanvas canvas;
};

TEST_F(CellRendering, EmptyFullColourCellIsBlackAndCoversItsGridLines) {
  const auto& drawn = draw(2, 3, false);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].op, Op::FillRect);
  EXPECT_EQ(drawn[0].rect, kGrown);
  EXPECT_EQ(drawn[0].brush, clBlack);
}

TEST_F(CellRendering, FullColourCellShowsItsColourWithoutText) {
  project.setCell(0, 7, 9, 0x00123456);
  const auto& drawn = draw(9, 7, false);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].brush, 0x00123456);
}

struct LevelCase {
  CellColor level;
  int shade;
  TColor font;
  std::string text;
};

class LevelCells : public CellRendering, public ::testing::WithParamInterface<LevelCase> {};

TEST_P(LevelCells, ShadeAndTextColourFollowTheLevel) {
  const LevelCase& c = GetParam();
  project.setCell(0, 3, 2, c.level);
  const auto& drawn = draw(2, 3, true);
  ASSERT_EQ(drawn.size(), 3u);  // shade, number, outline
  EXPECT_EQ(drawn[0].rect, kGrown);
  EXPECT_EQ(drawn[0].brush, levelColours[static_cast<std::size_t>(c.shade)]);
  EXPECT_EQ(drawn[1].op, Op::TextOut);
  EXPECT_EQ(drawn[1].text, c.text);
  EXPECT_EQ(drawn[1].font, c.font);
  EXPECT_EQ(drawn[1].brush, drawn[0].brush) << "the number stands on the shade";
  EXPECT_EQ((TPoint{drawn[1].rect.left, drawn[1].rect.top}), (TPoint{101, 51}));
  EXPECT_EQ(drawn[2].rect, kCell) << "a painted level is outlined on its own edges";
}

INSTANTIATE_TEST_SUITE_P(CellRendering, LevelCells,
                         ::testing::Values(LevelCase{1, 1, clRed, " 1"}, LevelCase{15, 1, clRed, "15"},
                                           LevelCase{16, 1, clRed, "16"}, LevelCase{63, 3, clRed, "63"},
                                           LevelCase{64, 4, clYellow, "64"}, LevelCase{255, 15, clYellow, "255"},
                                           // Levels above 255 from a pattern file keep the last shade.
                                           LevelCase{4000, 15, clYellow, "4000"}));

TEST_F(CellRendering, EmptyLevelCellIsOnlyOutlinedOnePixelOutside) {
  const auto& drawn = draw(2, 3, true);
  ASSERT_EQ(drawn.size(), 1u);
  EXPECT_EQ(drawn[0].op, Op::Rectangle);
  EXPECT_EQ(drawn[0].rect, kGrown);
  EXPECT_EQ(drawn[0].brushStyle, TBrushStyle::bsClear);
  EXPECT_EQ(drawn[0].pen, clHotLight);
}

struct TextCase {
  int column, row;
  std::vector<std::string> texts;
};

class HeaderTexts : public CellRendering, public ::testing::WithParamInterface<TextCase> {};

TEST_P(HeaderTexts, AreDrawnAtTheCellCorner) {
  const TextCase& c = GetParam();
  project.setFrameTime(0, 4, 3, TimeUnit::Default);
  project.setFrameTime(0, 5, 250, TimeUnit::Milliseconds);
  project.setFrameTime(0, 6, 1, 9);  // no such unit
  draw(c.column, c.row, false);
  EXPECT_EQ(canvas.texts(), c.texts);
  for (const auto& r : canvas.records()) {
    if (r.op == Op::TextOut) {
      EXPECT_EQ((TPoint{r.rect.left, r.rect.top}), (TPoint{100, 50}));
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    CellRendering, HeaderTexts,
    ::testing::Values(TextCase{0, 0, {"    N0"}}, TextCase{1, 0, {}}, TextCase{0, 1, {" value"}},
                      TextCase{0, 2, {" TimeType"}}, TextCase{1, 1, {}},
                      TextCase{0, 9, {"  No.    7"}}, TextCase{0, 12, {"  No.  10"}}, TextCase{0, 102, {"  No.100"}},
                      TextCase{10, 0, {" 9"}}, TextCase{11, 0, {"10"}},
                      TextCase{4, 1, {"    ", " 3"}}, TextCase{4, 2, {"    ", " -"}},
                      TextCase{5, 1, {"    ", "250"}}, TextCase{5, 2, {"    ", "ms"}},
                      TextCase{6, 2, {"    "}}));

TEST_F(CellRendering, HeaderFillsUseTheirColours) {
  EXPECT_EQ(draw(0, 0, false)[0].brush, clInactiveCaption);
  EXPECT_EQ(draw(7, 0, false)[0].brush, clInactiveCaption);
  EXPECT_EQ(draw(7, 1, false)[0].brush, clGreen);
  EXPECT_EQ(draw(1, 2, false)[0].brush, clGreen);
  const auto& caption = draw(0, 3, false);
  ASSERT_GE(caption.size(), 2u);
  EXPECT_EQ(caption[0].brush, clSilver);
  EXPECT_EQ(caption[1].rect.right, kCell.right + 10) << "reaches under the marker strip";
}

TEST_F(CellRendering, MarkerStripFollowsTheLevelRowsInSingleColourZones) {
  const TRect marker{99, 49, 115, 66};
  EXPECT_EQ(draw(1, 3, true)[0].brush, clRed) << "the only level row of a single bank zone";
  EXPECT_EQ(draw(1, 3, true)[0].rect, marker);
  EXPECT_EQ(draw(1, 4, true)[0].brush, clGreen);
  EXPECT_EQ(draw(1, 5, true)[0].brush, clBlue);
  EXPECT_EQ(draw(1, 3, false)[0].brush, clBlue);
  EXPECT_EQ(draw(1, 3, true).size(), 1u) << "no outline on the marker strip";
  EXPECT_EQ(draw(0, 3, true).size(), 3u) << "no outline on channel captions";
  EXPECT_EQ(draw(0, 0, true).back().pen, clHotLight) << "the corner is outlined";
}

TEST(CellReadout, NamesChannelFrameAndLevel) {
  EXPECT_EQ(cellReadout(6, 5, true, 200), "   No 3 Number   No 5 step number (R:200 G:0 B:0)");
  EXPECT_EQ(cellReadout(6, 5, false, 0x00FF8040), "   No 3 Number   No 5 step number ");
  EXPECT_EQ(colourComponentText(0x00FF8040), "R:64 G:128 B:255");
}

}  // namespace
}  // namespace hl
