// The grid menu's block commands, the custom fill box and the clear buttons,
// driven with the mouse on the headless window.
#include "grid_fixture.h"

namespace hl::test {
namespace {

using Mouse = TMouseButton;

class GridCommands : public GridWindow {
 protected:
  // Drags over the block, then chooses item from the menu that opens.
  void onBlock(TPoint from, TPoint to, TMenuItem* item) {
    drag(from, to);
    choose(item);
  }
  // Right-clicks the cell, then chooses item.
  void onCell(int column, int row, TMenuItem* item) {
    click(column, row, Mouse::mbRight);
    choose(item);
  }
};

TEST_F(GridCommands, CutThenPasteAtAnotherAnchorMovesTheBlock) {
  put(3, 4, kRed);
  put(4, 5, kBlue);
  onBlock({3, 4}, {4, 5}, f.N6);
  EXPECT_EQ(at(3, 4), 0);
  EXPECT_EQ(at(4, 5), 0);
  onCell(10, 12, f.N5);
  EXPECT_EQ(at(10, 12), kRed);
  EXPECT_EQ(at(11, 13), kBlue);
}

TEST_F(GridCommands, FillUsesTheFillColourAndKeepsTheOldBlockForPaste) {
  put(3, 4, kRed);
  onBlock({3, 4}, {5, 4}, f.N4);
  EXPECT_EQ(at(3, 4), kWhite) << "white until a colour is chosen";
  EXPECT_EQ(at(5, 4), kWhite);
  onCell(3, 8, f.N5);
  EXPECT_EQ(at(3, 8), kRed);
  EXPECT_EQ(at(4, 8), 0);
}

TEST_F(GridCommands, RightClickMenuCopiesNothingButCutClearsTheCell) {
  put(6, 6, kRed);
  onBlock({2, 3}, {3, 4}, f.N3);  // something in the buffer first
  onCell(6, 6, f.N3);
  onCell(12, 12, f.N5);
  EXPECT_EQ(at(12, 12), 0) << "the one-cell copy left nothing to paste";
  onCell(6, 6, f.N6);
  EXPECT_EQ(at(6, 6), 0);
}

TEST_F(GridCommands, ADragEndingOutsideTheCellsCopiesNothing) {
  put(4, 4, kRed);
  const TPoint from = centre(4, 4);
  f.StringGrid1->userMouseDown(Mouse::mbLeft, 0, from.x, from.y);
  const TPoint to = centre(6, 6);
  f.StringGrid1->userMouseUp(Mouse::mbLeft, 0, to.x, to.y);
  f.dragEndPoint = f.StringGrid1->clientToScreen({to.x, 470});  // below the last channel
  choose(f.N6);
  EXPECT_EQ(at(4, 4), kRed);
  EXPECT_FALSE(f.editor.copyBuffer.canPaste());
}

TEST_F(GridCommands, BlocksAreTakenFromTheCellsNowUnderThePointer) {
  put(12, 4, kRed);
  const TPoint from = centre(2, 4), to = centre(3, 4);
  f.StringGrid1->userMouseDown(Mouse::mbLeft, 0, from.x, from.y);
  f.StringGrid1->userMouseUp(Mouse::mbLeft, 0, to.x, to.y);
  f.StringGrid1->setLeftCol(12);  // scrolled before the command: column 12 is now first
  choose(f.N6);
  EXPECT_EQ(at(12, 4), 0);
}

TEST_F(GridCommands, InsertAtFrameFiveOpensAnEmptyFrameOnEveryChannel) {
  for (int row = 3; row <= 22; ++row) put(6, row, kRed);
  put(2600, 3, kBlue);  // frames beyond 2000 move as well
  f.project.setFrameTime(0, 6, 9, TimeUnit::Seconds);
  onCell(6, 4, f.N1);
  for (int row = 3; row <= 22; ++row) {
    EXPECT_EQ(at(6, row), 0);
    EXPECT_EQ(at(7, row), kRed);
  }
  EXPECT_EQ(at(2601, 3), kBlue);
  EXPECT_EQ(f.project.frameTime(0, 6), (FrameTime{9, TimeUnit::Seconds})) << "times stay";
}

TEST_F(GridCommands, DeletingFrame1999EmptiesItsColumn) {
  put(2000, 5, kRed);
  put(2002, 5, kBlue);
  f.StringGrid1->setLeftCol(1995);
  onCell(2000, 5, f.N2);
  EXPECT_EQ(at(2000, 5), 0);
  EXPECT_EQ(at(2001, 5), kBlue) << "later frames move up";
}

TEST_F(GridCommands, CustomFillDefaultsReachTheLastChannelAndFrame) {
  dialogs.queueColor(kGreen);
  f.Button6->userClick();
  onCell(5, 7, f.N10);
  EXPECT_TRUE(f.GroupBox6->visible());
  EXPECT_EQ(f.GroupBox6->left(), 344);
  EXPECT_EQ(f.GroupBox6->top(), 216);
  EXPECT_EQ(f.Edit1->text(), "5");
  EXPECT_EQ(f.Edit3->text(), "4");
  EXPECT_EQ(f.Edit2->text(), "20");
  EXPECT_EQ(f.Edit4->text(), std::to_string(f.project.frameColumns - 2));
  f.Button8->userClick();
  EXPECT_FALSE(f.GroupBox6->visible());
  EXPECT_EQ(at(5, 7), kGreen);
  EXPECT_EQ(at(f.project.frameColumns - 1, 22), kGreen);
  EXPECT_EQ(at(4, 7), 0);
  EXPECT_EQ(at(5, 6), 0);
  EXPECT_EQ(at(f.project.frameColumns, 22), 0);
}

TEST_F(GridCommands, CustomFillRefusesEmptyBoxesAndClipsLargeNumbers) {
  f.editor.toolColour = kBlue;
  onCell(5, 7, f.N10);
  f.Edit4->userSetText("");
  f.Button8->userClick();
  EXPECT_EQ(errorBoxes(), 1u);
  EXPECT_TRUE(f.GroupBox6->visible());
  EXPECT_EQ(at(5, 7), 0);
  f.Edit1->userSetText("0");
  f.Edit3->userSetText("0");
  f.Edit2->userSetText("2147483647");
  f.Edit4->userSetText("2147483647");
  f.Button8->userClick();
  EXPECT_EQ(at(2, 3), kBlue);
  EXPECT_EQ(at(f.project.frameColumns - 1, 22), kBlue);
  EXPECT_EQ(at(2, 23), 0);
  EXPECT_EQ(at(2, 2), 0) << "header rows stay as they are";
  f.Button9->userClick();
}

TEST_F(GridCommands, ClearCurrentZoneKeepsItsSettings) {
  f.RadioButton1->userClick();
  put(4, 4, kRed);
  f.project.setFrameTime(0, 4, 7, TimeUnit::Seconds);
  f.project.setCell(1, 4, 4, kBlue);
  f.BitBtn10->userClick();
  EXPECT_EQ(at(4, 4), 0);
  EXPECT_EQ(f.project.frameTime(0, 4), kResetFrameTime);
  EXPECT_EQ(f.project.cell(1, 4, 4), kBlue);
  EXPECT_EQ(f.project.zoneSettings(0).loopMode, LoopMode::Once);
}

TEST_F(GridCommands, ClearAllSetsEveryZoneToEndlessLooping) {
  f.RadioButton1->userClick();
  f.project.zoneSettings(4).loopMode = LoopMode::Counted;
  f.project.setCell(7, 4, 4, kBlue);
  f.BitBtn3->userClick();
  for (int zone = 0; zone < kZoneSlots; ++zone) EXPECT_EQ(f.project.zoneSettings(zone).loopMode, LoopMode::Infinite);
  EXPECT_TRUE(f.RadioButton3->checked());
  EXPECT_EQ(f.project.cell(7, 4, 4), 0);
  EXPECT_EQ(dialogs.shownOf(ScriptedDialogHost::Kind::MessageBox).size(), 0u) << "no confirmation";
}

TEST_F(GridCommands, InsertMovesEveryLevelRowOfAThreeRowsALampZone) {
  f.ComboBox6->userSelect(11);  // zone 1: red, green and blue level rows for each lamp
  const int lastRow = f.StringGrid1->rowCount() - 1;
  ASSERT_GT(lastRow, StrToInt(f.ComboBox4->text()) + 2);
  put(6, lastRow, 77);
  onCell(6, 3, f.N1);
  EXPECT_EQ(at(6, lastRow), 0);
  EXPECT_EQ(at(7, lastRow), 77);
}

TEST_F(GridCommands, FillInALevelZoneUsesTheEditorNumber) {
  f.ComboBox6->userSelect(10);
  f.HYEdit->userSetText("40");
  onBlock({2, 3}, {6, 3}, f.N4);
  EXPECT_EQ(at(2, 3), 40);
  EXPECT_EQ(at(6, 3), 40);
}

}  // namespace
}  // namespace hl::test
