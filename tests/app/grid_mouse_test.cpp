// Mouse editing on the headless window's grid: painting, erasing, picking
// up colours, the brightness editor, the time lists, the block menu and the
// read-out.
#include "grid_fixture.h"

namespace hl::test {
namespace {

using Mouse = TMouseButton;

class GridMouse : public GridWindow {};

TEST_F(GridMouse, PixelPositionsHitTheCellsUnderThem) {
  f.StringGrid1->userMouseDown(Mouse::mbLeft, 0, 79, 55);  // column 2 is x 72..86, row 3 is y 48..62
  dialogs.queueColor(kRed);
  f.StringGrid1->userMouseUp(Mouse::mbLeft, 0, 79, 55);
  EXPECT_EQ(f.clickedCell, (TPoint{2, 3}));
  EXPECT_EQ(at(2, 3), kRed);
}

TEST_F(GridMouse, NoColourChosenOpensTheDialogAndCancelLeavesTheCellEmpty) {
  dialogs.queueColor(std::nullopt);
  click(4, 5);
  EXPECT_EQ(colourDialogs(), 1u);
  EXPECT_EQ(lastDialogPreset(), kWhite) << "the dialog starts from white";
  EXPECT_EQ(at(4, 5), 0);
  EXPECT_EQ(f.editor.paintColour, 0);
  EXPECT_EQ(f.editor.fillColour, kWhite);
}

TEST_F(GridMouse, ChoosingAColourPaintsAndShowsIt) {
  dialogs.queueColor(0x00804020);
  click(4, 5);
  EXPECT_EQ(at(4, 5), 0x00804020);
  EXPECT_EQ(f.editor.paintColour, 0x00804020);
  EXPECT_EQ(f.editor.fillColour, 0x00804020);
  EXPECT_EQ(f.Label14->caption(), "R:32 G:64 B:128");
  EXPECT_EQ(f.Shape4->brushColor(), 0x00804020);
  click(6, 7);
  EXPECT_EQ(at(6, 7), 0x00804020);
  EXPECT_EQ(colourDialogs(), 1u) << "the chosen colour paints without asking again";
}

TEST_F(GridMouse, BlackIsNoColourSoTheNextClickAsksAgain) {
  dialogs.queueColor(clBlack);
  click(4, 5);
  EXPECT_EQ(at(4, 5), 0);
  EXPECT_EQ(f.editor.paintColour, 0);
  dialogs.queueColor(std::nullopt);
  click(4, 5);
  EXPECT_EQ(colourDialogs(), 2u);
}

TEST_F(GridMouse, SecondClickOnTheSameCellErasesAndKeepsThePaintColour) {
  dialogs.queueColor(kGreen);
  click(4, 5);
  click(4, 5);
  EXPECT_EQ(at(4, 5), 0);
  EXPECT_EQ(f.editor.paintColour, kGreen);
}

TEST_F(GridMouse, ClickOnAPaintedCellPicksUpItsColour) {
  f.editor.paintColour = kGreen;
  put(8, 9, kBlue);
  click(8, 9);
  EXPECT_EQ(at(8, 9), 0);
  EXPECT_EQ(f.editor.paintColour, kBlue);
  EXPECT_EQ(f.editor.fillColour, kBlue);
  EXPECT_EQ(f.Shape4->brushColor(), kBlue);
}

TEST_F(GridMouse, RightClickAnchorsTheMenuAtTheCell) {
  click(5, 6, Mouse::mbRight);
  EXPECT_EQ(f.editor.anchorCell, (TPoint{5, 6}));
  EXPECT_EQ(f.RightMenu->popupCount(), 1);
  const TPoint c = centre(5, 6);
  EXPECT_EQ(f.RightMenu->popupPoint(), f.StringGrid1->clientToScreen(c));
  EXPECT_TRUE(f.N1->enabled());
  EXPECT_TRUE(f.N2->enabled());
  EXPECT_FALSE(f.N4->enabled());
}

TEST_F(GridMouse, DragsOpenTheBlockMenuWhateverTheButton) {
  struct Case {
    TPoint from, to;
    Mouse button;
  };
  for (const Case& c : {Case{{3, 4}, {6, 8}, Mouse::mbLeft}, Case{{3, 4}, {6, 8}, Mouse::mbRight},
                        Case{{0, 4}, {6, 8}, Mouse::mbLeft},     // starts on a channel caption
                        Case{{5, 0}, {6, 8}, Mouse::mbMiddle}}) {  // starts on the frame numbers
    const int menus = f.RightMenu->popupCount();
    drag(c.from, c.to, c.button);
    EXPECT_EQ(f.RightMenu->popupCount(), menus + 1);
    EXPECT_FALSE(f.N1->enabled());
    EXPECT_FALSE(f.N2->enabled());
    EXPECT_TRUE(f.N4->enabled());
    EXPECT_EQ(f.editor.anchorCell, (TPoint{kFirstFrameColumn, kFirstChannelRow})) << "a drag sets no anchor";
  }
  EXPECT_EQ(colourDialogs(), 0u);
}

TEST_F(GridMouse, MiddleClickChangesNothing) {
  put(4, 5, kRed);
  click(4, 5, Mouse::mbMiddle);
  EXPECT_EQ(at(4, 5), kRed);
  EXPECT_EQ(f.RightMenu->popupCount(), 0);
}

TEST_F(GridMouse, TimeRowsOpenTheirListsOverTheCell) {
  for (Mouse button : {Mouse::mbLeft, Mouse::mbRight, Mouse::mbMiddle}) {
    click(5, 1, button);
    ASSERT_TRUE(f.TimeComb2->visible());
    EXPECT_EQ(f.TimeComb2->items(), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    click(5, 2, button);
    EXPECT_FALSE(f.TimeComb2->visible()) << "every mouse-up hides the other list";
    ASSERT_TRUE(f.TimeComb->visible());
    EXPECT_EQ(f.TimeComb->items(), (std::vector<std::string>{"-", "ms", "s", "min"}));
  }
  const TRect cell = f.StringGrid1->cellRect(5, 2);
  EXPECT_EQ(f.TimeComb->left(), f.StringGrid1->left() + cell.left);
  EXPECT_EQ(f.TimeComb->top(), f.StringGrid1->top() + cell.top + 1);
  EXPECT_EQ(f.TimeComb->width(), cell.width() + 1);
  f.TimeComb->userSelect(2);
  EXPECT_EQ(f.project.frameTime(0, 5).unit, TimeUnit::Seconds);
  click(5, 1);
  EXPECT_EQ(f.TimeComb2->itemCount(), 1000) << "timed units offer 1000 down to 1";
  EXPECT_EQ(f.TimeComb2->items().front(), "1000");
  EXPECT_EQ(f.TimeComb2->width(), f.StringGrid1->cellRect(5, 1).width() + 20);
  EXPECT_EQ(f.RightMenu->popupCount(), 0);
}

TEST_F(GridMouse, FrameNumbersAndFixedColumnsTakeNoClicks) {
  f.TimeComb->show();
  for (const TPoint cell : {TPoint{5, 0}, TPoint{0, 4}, TPoint{1, 4}, TPoint{1, 1}})
    for (Mouse button : {Mouse::mbLeft, Mouse::mbRight}) click(cell.x, cell.y, button);
  EXPECT_FALSE(f.TimeComb->visible());
  EXPECT_FALSE(f.TimeComb2->visible());
  EXPECT_EQ(f.RightMenu->popupCount(), 0);
  EXPECT_EQ(colourDialogs(), 0u);
  // Below the last channel there is no cell.
  f.StringGrid1->userMouseDown(Mouse::mbRight, 0, 1000, 480);
  f.StringGrid1->userMouseUp(Mouse::mbRight, 0, 1000, 480);
  EXPECT_EQ(f.clickedCell.y, -1);
  EXPECT_EQ(f.RightMenu->popupCount(), 0);
}

TEST_F(GridMouse, CustomCopyBoxTakesThePaintedCellAsItsTarget) {
  f.GroupBox9->show();
  f.editor.paintColour = kRed;
  click(7, 12);
  EXPECT_EQ(f.Label41->caption(), "12");
  EXPECT_EQ(f.Label42->caption(), "7");
  click(7, 12);  // an erase leaves them
  put(9, 14, kBlue);
  click(9, 14);
  EXPECT_EQ(f.Label41->caption(), "12");
}

TEST_F(GridMouse, ReadoutFollowsThePointerAndHidesBetweenCells) {
  const TPoint p = centre(6, 5);
  f.StringGrid1->userMouseMove(0, p.x, p.y);
  EXPECT_TRUE(f.cxLabel3->visible());
  EXPECT_EQ(f.cxLabel3->caption(), "   No 3 Number   No 5 step number ");
  EXPECT_EQ(f.cxLabel3->left(), p.x - f.cxLabel3->width() / 2 + 13);
  f.StringGrid1->userMouseMove(0, p.x, 450);  // below the last channel
  EXPECT_FALSE(f.cxLabel3->visible());
  f.StringGrid1->userMouseMove(0, p.x, p.y);
  f.userMouseMove(0, 5, 5);
  EXPECT_FALSE(f.cxLabel3->visible()) << "the pointer left the grid for the window";
}

TEST_F(GridMouse, FloatingBoxesFollowTheMouseWhileHeld) {
  f.GroupBox9->show();
  const TRect before = f.GroupBox9->boundsRect();
  const TRect other = f.GroupBox11->boundsRect();
  f.GroupBox9->userMouseDown(Mouse::mbLeft, 0, 10, 10);
  f.GroupBox9->userMouseMove(0, 30, 25);
  EXPECT_EQ(f.GroupBox9->left(), before.left + 20);
  EXPECT_EQ(f.GroupBox9->top(), before.top + 15);
  f.GroupBox9->userMouseUp(Mouse::mbLeft, 0, 10, 10);
  f.GroupBox9->userMouseMove(0, 90, 90);
  EXPECT_EQ(f.GroupBox9->left(), before.left + 20) << "released: the box stays";
  EXPECT_EQ(f.GroupBox11->boundsRect(), other);
  f.GroupBox11->userMouseDown(Mouse::mbLeft, 0, 5, 5);
  f.GroupBox11->userMouseMove(0, 0, 9);
  EXPECT_EQ(f.GroupBox11->left(), other.left - 5);
  EXPECT_EQ(f.GroupBox11->top(), other.top + 4);
}

class LevelGrid : public GridWindow {
 protected:
  LevelGrid() { f.ComboBox6->userSelect(10); }  // zones 1 to 5 hold brightness levels
};

TEST_F(LevelGrid, ClickStoresTheEditorNumberAtOnceThenEnterReplacesIt) {
  ASSERT_TRUE(f.project.isSingleColourZone(f.project.currentZone));
  click(4, 3);
  EXPECT_EQ(at(4, 3), 255);
  ASSERT_TRUE(f.HYEdit->visible());
  const TRect cell = f.StringGrid1->cellRect(4, 3);
  EXPECT_EQ(f.HYEdit->top(), f.StringGrid1->top() + cell.top + 1);
  EXPECT_EQ(f.HYEdit->width(), cell.width() + 1);
  f.HYEdit->userSetText("");
  f.HYEdit->userType("4x2");
  EXPECT_EQ(f.HYEdit->text(), "42") << "digits only";
  EXPECT_EQ(at(4, 3), 255);
  f.HYEdit->userKeyPress(VK_RETURN);
  EXPECT_EQ(at(4, 3), 42);
  EXPECT_FALSE(f.HYEdit->visible());
  EXPECT_EQ(colourDialogs(), 0u);
}

TEST_F(LevelGrid, LevelsAboveTheTopAreStoredAsTheTop) {
  click(4, 3);
  f.HYEdit->userSetText("70000");
  f.HYEdit->userMouseLeave();
  EXPECT_EQ(at(4, 3), 255);
  click(6, 3);
  EXPECT_EQ(at(6, 3), 255);
}

TEST_F(LevelGrid, ClickOnALevelErasesItIntoTheEditor) {
  put(5, 3, 77);
  f.HYEdit->show();
  click(5, 3);
  EXPECT_EQ(at(5, 3), 0);
  EXPECT_EQ(f.HYEdit->text(), "77");
  EXPECT_FALSE(f.HYEdit->visible());
  f.HYEdit->userKeyPress(VK_RETURN);
  EXPECT_EQ(at(5, 3), 0) << "a hidden editor commits nothing";
}

TEST_F(LevelGrid, ANumberThatIsNotOneStopsTheClick) {
  f.HYEdit->userSetText("");
  click(4, 3);
  EXPECT_EQ(errorBoxes(), 1u);
  EXPECT_EQ(at(4, 3), 0);
  EXPECT_FALSE(f.HYEdit->visible());
}

TEST_F(LevelGrid, SwatchBoxesDoNotCommitTheEditor) {
  click(4, 3);
  f.HYEdit->userSetText("9");
  for (TEdit* swatch : {f.Edit5, f.Edit11, f.Edit15, f.Edit16}) {
    swatch->userKeyPress(VK_RETURN);
    swatch->userMouseLeave();
  }
  EXPECT_EQ(at(4, 3), 255);
  EXPECT_TRUE(f.HYEdit->visible());
}

}  // namespace
}  // namespace hl::test
