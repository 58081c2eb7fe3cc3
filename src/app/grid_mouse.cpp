// Mouse editing on the pattern grid: painting and erasing cells, the
// brightness editor, the frame time lists, the block menu, and dragging the
// floating boxes.
#include <string>
#include <vector>

#include "app/colour_choice.h"
#include "app/form2.h"
#include "editor/brightness.h"
#include "editor/grid_hit.h"

namespace hl {
namespace {

constexpr int kTimeValueRow = 1;
constexpr int kTimeUnitRow = 2;

bool currentZoneIsSingleColour(const TForm2& f) { return f.project.isSingleColourZone(f.project.currentZone); }

// Puts an editor of the window over a grid cell, one pixel lower, one pixel
// taller and extraWidth wider than the cell.
void placeOverCell(TForm2& f, TControl& editor, const TRect& cell, int extraWidth) {
  const TPoint corner = f.screenToClient(f.StringGrid1->clientToScreen({cell.left, cell.top}));
  editor.setBounds(corner.x, corner.y + 1, cell.width() + extraWidth, cell.height() + 1);
}

// The frame's time value: numbers of the default times for unit "-", else 1000 down to 1.
void openTimeValueList(TForm2& f, int column, const TRect& cell) {
  const bool defaultTime = f.project.frameTime(f.project.currentZone, column).unit == TimeUnit::Default;
  std::vector<std::string> items;
  if (defaultTime) {
    for (int i = 1; i <= kDefaultTimeCount; ++i) items.push_back(std::to_string(i));
  } else {
    for (int i = 1000; i >= 1; --i) items.push_back(std::to_string(i));
  }
  f.TimeComb2->setItems(items);
  placeOverCell(f, *f.TimeComb2, cell, defaultTime ? 1 : 20);
  f.TimeComb2->show();
}

void openTimeUnitList(TForm2& f, const TRect& cell) {
  f.TimeComb->setItems({"-", "ms", "s", "min"});
  placeOverCell(f, *f.TimeComb, cell, 1);
  f.TimeComb->show();
}

// A painted cell is erased and its value picked up: into the brightness
// editor, or as the paint and fill colour.
void pickUp(TForm2& f, CellColor value) {
  if (currentZoneIsSingleColour(f)) {
    f.HYEdit->setText(std::to_string(value));
    f.HYEdit->hide();
  } else {
    f.editor.paintColour = value;
    f.editor.fillColour = value;
    f.Shape4->setBrushColor(value);
  }
  f.project.setCell(f.project.currentZone, f.clickedCell.y, f.clickedCell.x, 0);
}

// An empty level cell takes the editor's number at once; the editor opens
// over it for a different number.
void openLevelEditor(TForm2& f, const TRect& cell) {
  placeOverCell(f, *f.HYEdit, cell, 1);
  const CellColor level = brightnessFromText(f.HYEdit->text());
  f.project.setCell(f.project.currentZone, f.clickedCell.y, f.clickedCell.x, level);
  f.HYEdit->show();
}

// An empty colour cell takes the paint colour; with none chosen yet, the
// colour dialog asks for one first.
void paintCell(TForm2& f) {
  if (f.editor.paintColour == 0) {
    const auto colour = askColour(f);
    if (!colour) return;
    usePaintAndFillColour(f, *colour);
    f.Shape4->setBrushColor(*colour);
  }
  f.project.setCell(f.project.currentZone, f.clickedCell.y, f.clickedCell.x, f.editor.paintColour);
}

void leftClick(TForm2& f, const TRect& cell) {
  const CellColor value = f.project.cell(f.project.currentZone, f.clickedCell.y, f.clickedCell.x);
  if (value != 0) {
    pickUp(f, value);
    return;
  }
  if (currentZoneIsSingleColour(f)) openLevelEditor(f, cell);
  else paintCell(f);
  // The custom copy box pastes at the last cell painted.
  if (f.GroupBox9->visible()) {
    f.Label41->setCaption(std::to_string(f.clickedCell.y));
    f.Label42->setCaption(std::to_string(f.clickedCell.x));
  }
}

// The block menu after a drag: fill instead of the column commands.
void enableMenuFor(TForm2& f, bool drag) {
  f.N1->setEnabled(!drag);
  f.N2->setEnabled(!drag);
  f.N4->setEnabled(drag);
}

void channelRowMouseUp(TForm2& f, TMouseButton button, TPoint pointer, const TRect& cell) {
  f.dragEndPoint = pointer;
  const TPoint startCell = cellAtScreenPoint(*f.StringGrid1, f.dragStartPoint);
  const TPoint endCell = cellAtScreenPoint(*f.StringGrid1, f.dragEndPoint);
  const bool drag = startCell != endCell;
  enableMenuFor(f, drag);
  if (drag || button == TMouseButton::mbRight) {
    if (!drag) f.editor.anchorCell = f.clickedCell;
    f.RightMenu->popup(pointer.x, pointer.y);
    return;
  }
  if (button == TMouseButton::mbLeft) leftClick(f, cell);
  f.StringGrid1->repaint();
}

// The brightness editor's number goes into the cell it was opened for,
// as long as that cell is still a level cell of the zone shown.
void commitLevelEditor(TForm2& f) {
  if (!f.HYEdit->visible() || !currentZoneIsSingleColour(f) || !isFrameCell(f.clickedCell) ||
      !Project::cellInStore(f.project.currentZone, f.clickedCell.y, f.clickedCell.x))
    return;
  const CellColor level = brightnessFromText(f.HYEdit->text());
  f.project.setCell(f.project.currentZone, f.clickedCell.y, f.clickedCell.x, level);
  f.HYEdit->hide();
  f.StringGrid1->repaint();
}

}  // namespace

void TForm2::StringGrid1MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
  dragStartPoint = StringGrid1->clientToScreen({X, Y});
}

void TForm2::StringGrid1MouseUp(TObject*, TMouseButton Button, TShiftState, int X, int Y) {
  clickedCell = StringGrid1->mouseToCell(X, Y);
  const TRect cell = StringGrid1->cellRect(clickedCell.x, clickedCell.y);
  TimeComb->hide();
  TimeComb2->hide();
  // Fixed columns and the frame number row take no edits; the grid never
  // has more rows or columns than the store.
  if (clickedCell.x < kFirstFrameColumn || clickedCell.y < kTimeValueRow ||
      !Project::cellInStore(project.currentZone, clickedCell.y, clickedCell.x))
    return;
  if (clickedCell.y == kTimeValueRow) openTimeValueList(*this, clickedCell.x, cell);
  else if (clickedCell.y == kTimeUnitRow) openTimeUnitList(*this, cell);
  else channelRowMouseUp(*this, Button, StringGrid1->clientToScreen({X, Y}), cell);
}

void TForm2::StringGrid1Click(TObject*) {}

void TForm2::HYEditKeyPress(TObject*, char& Key) {
  if (Key == VK_RETURN) {
    Key = 0;
    commitLevelEditor(*this);
    return;
  }
  const bool digit = Key >= '0' && Key <= '9';
  if (!digit && Key != VK_BACK) Key = 0;
}

void TForm2::HYEditMouseLeave(TObject*) { commitLevelEditor(*this); }

void TForm2::GroupBox9MouseDown(TObject*, TMouseButton, TShiftState, int X, int Y) {
  editor.boxDragging = true;
  boxGrabPoint = {X, Y};
}

void TForm2::GroupBox9MouseMove(TObject* Sender, TShiftState, int X, int Y) {
  auto* box = dynamic_cast<TControl*>(Sender);
  if (!editor.boxDragging || !box) return;
  // The grab point stays under the pointer.
  box->setBounds(box->left() + X - boxGrabPoint.x, box->top() + Y - boxGrabPoint.y, box->width(), box->height());
}

void TForm2::GroupBox9MouseUp(TObject*, TMouseButton, TShiftState, int, int) { editor.boxDragging = false; }

}  // namespace hl
