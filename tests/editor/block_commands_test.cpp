// Copy, cut, fill and paste of blocks, frame column insert and delete, and
// the typed rectangle fill, on a project without a window.
#include <gtest/gtest.h>

#include "editor/block_commands.h"

namespace hl {
namespace {

constexpr CellColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

class BlockCommands : public ::testing::Test {
 protected:
  CellColor at(int column, int row) const { return project.cell(zone, row, column); }
  void put(int column, int row, CellColor v) { project.setCell(zone, row, column, v); }
  void block(TPoint from, TPoint to, BlockAction action, CellColor fill = 0) {
    copyBlock(project, zone, from, to, action, fill, buffer);
  }

  Project project;
  CopyBuffer buffer;
  const int zone = 2;
  // 20 channels (rows 3..22) and 3000 frame columns.
  const ZoneExtent extent = zoneExtentOf(20, 23, 3000);
};

TEST_F(BlockCommands, CutThenPasteMovesTheBlock) {
  put(2, 3, kRed);
  put(3, 4, kGreen);
  block({2, 3}, {3, 4}, BlockAction::Cut);
  EXPECT_EQ(at(2, 3), 0);
  EXPECT_EQ(at(3, 4), 0);
  EXPECT_EQ(buffer.copyWidth(), 1);
  EXPECT_EQ(buffer.copyHeight(), 1);
  pasteBlock(project, zone, {10, 8}, buffer);
  EXPECT_EQ(at(10, 8), kRed);
  EXPECT_EQ(at(11, 9), kGreen);
  pasteBlock(project, zone, {20, 8}, buffer);
  EXPECT_EQ(at(20, 8), kRed) << "the buffer stays for another paste";
}

TEST_F(BlockCommands, DragDirectionDoesNotMatter) {
  put(5, 6, kBlue);
  block({6, 7}, {5, 6}, BlockAction::Copy);
  EXPECT_EQ(buffer.at(0, 0), kBlue);
  EXPECT_EQ(at(5, 6), kBlue) << "a copy changes nothing";
}

TEST_F(BlockCommands, FillKeepsTheBlockAsItWasInTheBuffer) {
  put(2, 3, kRed);
  block({2, 3}, {3, 3}, BlockAction::Copy);
  put(8, 5, kGreen);
  block({8, 5}, {8, 6}, BlockAction::Fill, kWhite);
  EXPECT_EQ(at(8, 5), kWhite);
  EXPECT_EQ(at(8, 6), kWhite);
  EXPECT_EQ(buffer.copyWidth(), 0);
  EXPECT_EQ(buffer.copyHeight(), 1);
  EXPECT_EQ(buffer.at(0, 0), kGreen) << "the previous copy is replaced";
  EXPECT_EQ(buffer.at(1, 0), 0);
}

TEST_F(BlockCommands, OneCellCopiesNothingButCutClearsIt) {
  put(4, 4, kRed);
  block({2, 3}, {3, 3}, BlockAction::Copy);
  block({4, 4}, {4, 4}, BlockAction::Copy);
  EXPECT_FALSE(buffer.canPaste()) << "the earlier block is gone too";
  pasteBlock(project, zone, {10, 10}, buffer);
  EXPECT_EQ(at(10, 10), 0);
  block({4, 4}, {4, 4}, BlockAction::Cut);
  EXPECT_EQ(at(4, 4), 0);
}

TEST_F(BlockCommands, OneColumnAndOneRowBlocksPaste) {
  for (int r = 3; r <= 6; ++r) put(2, r, kRed);
  block({2, 3}, {2, 6}, BlockAction::Copy);
  pasteBlock(project, zone, {7, 3}, buffer);
  for (int r = 3; r <= 6; ++r) EXPECT_EQ(at(7, r), kRed);
  for (int c = 2; c <= 5; ++c) put(c, 10, kBlue);
  block({5, 10}, {2, 10}, BlockAction::Copy);
  pasteBlock(project, zone, {2, 12}, buffer);
  for (int c = 2; c <= 5; ++c) EXPECT_EQ(at(c, 12), kBlue);
}

TEST_F(BlockCommands, FixedColumnsOfABlockCopyAsEmptyAndStayUnchanged) {
  put(0, 4, kRed);  // a store cell under the captions
  put(2, 4, kGreen);
  block({0, 4}, {2, 5}, BlockAction::Cut);
  EXPECT_EQ(at(0, 4), kRed);
  EXPECT_EQ(at(2, 4), 0);
  EXPECT_EQ(buffer.copyWidth(), 2);
  EXPECT_EQ(buffer.at(0, 0), 0);
  EXPECT_EQ(buffer.at(0, 2), kGreen);
}

TEST_F(BlockCommands, APointOutsideTheCellsChangesNothing) {
  put(4, 4, kRed);
  block({2, 3}, {5, 5}, BlockAction::Copy);
  for (const TPoint outside : {TPoint{-1, 4}, TPoint{4, -1}, TPoint{-1, -1}}) {
    block({4, 4}, outside, BlockAction::Cut);
    block(outside, {4, 4}, BlockAction::Fill, kWhite);
    EXPECT_EQ(at(4, 4), kRed);
    EXPECT_FALSE(buffer.canPaste());
  }
}

TEST_F(BlockCommands, BlocksLargerThanTheBufferKeepTheirTopLeftPart) {
  put(2 + kCopyColumns, 3, kRed);      // first column beyond the buffer
  put(2, 3 + kCopyRows, kGreen);       // first row beyond the buffer
  put(2 + kCopyColumns - 1, 3, kBlue); // last column inside
  block({2, 3}, {20002, 1026}, BlockAction::Cut);
  EXPECT_EQ(buffer.copyWidth(), kCopyColumns - 1);
  EXPECT_EQ(buffer.copyHeight(), kCopyRows - 1);
  EXPECT_EQ(buffer.at(0, kCopyColumns - 1), kBlue);
  EXPECT_EQ(at(2 + kCopyColumns - 1, 3), 0);
  EXPECT_EQ(at(2 + kCopyColumns, 3), kRed) << "what was not copied is not cut";
  EXPECT_EQ(at(2, 3 + kCopyRows), kGreen);
}

TEST_F(BlockCommands, PasteStopsAtTheEndOfTheStore) {
  put(2, 3, kRed);
  put(4, 5, kBlue);
  block({2, 3}, {4, 5}, BlockAction::Copy);
  pasteBlock(project, zone, {kStoreColumns - 2, kStoreRows - 2}, buffer);
  EXPECT_EQ(at(kStoreColumns - 2, kStoreRows - 2), kRed);
  pasteBlock(project, zone, {kStoreColumns + 5, 3}, buffer);  // wholly outside: nothing, no fault
  pasteBlock(project, zone, {-1, -1}, buffer);
  EXPECT_EQ(project.cell(zone, kStoreRows - 1, kStoreColumns - 1), 0);
}

TEST_F(BlockCommands, InsertAtFrameFiveShiftsTheRestAndKeepsFrameTimes) {
  for (int r = 3; r <= 22; ++r) {
    put(6, r, kRed);   // frame 5
    put(7, r, kBlue);  // frame 6
  }
  put(2001, 3, kGreen);  // frame 2000: beyond column 2000
  put(2999, 4, kGreen);  // the last column of the capacity
  project.setFrameTime(zone, 6, 7, TimeUnit::Seconds);
  insertFrameColumn(project, zone, 6, extent);
  for (int r = 3; r <= 22; ++r) {
    EXPECT_EQ(at(6, r), 0);
    EXPECT_EQ(at(7, r), kRed);
    EXPECT_EQ(at(8, r), kBlue);
  }
  EXPECT_EQ(at(2001, 3), 0);
  EXPECT_EQ(at(2002, 3), kGreen);
  EXPECT_EQ(at(2999, 4), 0) << "the last column drops out";
  EXPECT_EQ(at(3000, 4), 0) << "nothing is written past the capacity";
  EXPECT_EQ(project.frameTime(zone, 6), (FrameTime{7, TimeUnit::Seconds}));
}

TEST_F(BlockCommands, DeleteFrameColumnShiftsLeftAndEmptiesTheLastColumn) {
  put(2000, 3, kRed);  // frame 1999
  put(2001, 3, kBlue);
  put(2999, 5, kGreen);
  deleteFrameColumn(project, zone, 2000, extent);
  EXPECT_EQ(at(2000, 3), kBlue);
  EXPECT_EQ(at(2998, 5), kGreen);
  EXPECT_EQ(at(2999, 5), 0);
}

TEST_F(BlockCommands, ColumnCommandsOutsideTheFramesDoNothing) {
  put(2, 3, kRed);
  put(0, 3, kBlue);
  for (int column : {-1, 0, 1, 3000, kStoreColumns}) {
    insertFrameColumn(project, zone, column, extent);
    deleteFrameColumn(project, zone, column, extent);
  }
  EXPECT_EQ(at(2, 3), kRed);
  EXPECT_EQ(at(0, 3), kBlue);
}

TEST_F(BlockCommands, RectangleFillIsClippedToChannelsAndFrames) {
  fillRectangle(project, zone, 0, 1LL << 40, -5, 1LL << 40, extent, kRed);
  EXPECT_EQ(at(2, 3), kRed);
  EXPECT_EQ(at(2999, 22), kRed);
  EXPECT_EQ(at(3000, 22), 0);
  EXPECT_EQ(at(2, 23), 0);
  EXPECT_EQ(at(1, 3), 0);
  EXPECT_EQ(at(2, 2), 0);
  fillRectangle(project, zone, 10, 5, 2, 4, extent, kBlue);  // end before start
  EXPECT_EQ(at(2, 5), kRed);
}

TEST(ZoneExtent, ReachesTheLowerOfLastChannelAndLastGridRow) {
  EXPECT_EQ(zoneExtentOf(20, 23, 3000).lastRow, 22);
  EXPECT_EQ(zoneExtentOf(50, 153, 403).lastRow, 152) << "three level rows a lamp";
  EXPECT_EQ(zoneExtentOf(1024, 1027, 191).lastColumn, 190);
  EXPECT_EQ(zoneExtentOf(5000, 9000, 90000).lastRow, kStoreRows - 1);
  EXPECT_EQ(zoneExtentOf(5000, 9000, 90000).lastColumn, kStoreColumns - 1);
}

}  // namespace
}  // namespace hl
