#pragma once
// The headless window with mouse helpers for the pattern grid: clicks and
// drags at the pixel positions of cells.
#include <gtest/gtest.h>

#include "window_fixture.h"

namespace hl::test {

class GridWindow : public ::testing::Test, protected WindowFixture {
 protected:
  GridWindow() { f.ComboBox4->userSelect(19); }  // 20 lamps: channel rows 3..22

  // The middle of a visible cell, in grid pixels.
  TPoint centre(int column, int row) const {
    const TRect r = f.StringGrid1->cellRect(column, row);
    EXPECT_NE(r, TRect{}) << "cell " << column << "," << row << " is not in view";
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  void press(TMouseButton button, TPoint p) { f.StringGrid1->userMouseDown(button, 0, p.x, p.y); }
  void release(TMouseButton button, TPoint p) { f.StringGrid1->userMouseUp(button, 0, p.x, p.y); }
  void click(int column, int row, TMouseButton button = TMouseButton::mbLeft) {
    press(button, centre(column, row));
    release(button, centre(column, row));
  }
  void drag(TPoint fromCell, TPoint toCell, TMouseButton button = TMouseButton::mbLeft) {
    press(button, centre(fromCell.x, fromCell.y));
    release(button, centre(toCell.x, toCell.y));
  }
  // Chooses a menu item the way a user does after the menu opened.
  void choose(TMenuItem* item) { item->userClick(); }

  CellColor at(int column, int row) const { return f.project.cell(f.project.currentZone, row, column); }
  void put(int column, int row, CellColor v) { f.project.setCell(f.project.currentZone, row, column, v); }
  std::size_t colourDialogs() const { return dialogs.shownOf(ScriptedDialogHost::Kind::ColorDialog).size(); }
  TColor lastDialogPreset() const { return dialogs.shownOf(ScriptedDialogHost::Kind::ColorDialog).back().color.color; }

  TForm2& f = start();
};

inline constexpr CellColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

}  // namespace hl::test
