// The block commands of the grid's menu, the custom fill box and the clear
// buttons. Each changes the zone shown and repaints the grid.
#include <string>

#include "app/form2.h"
#include "editor/block_commands.h"
#include "editor/brightness.h"
#include "editor/grid_hit.h"

namespace hl {
namespace {

int lampCountOf(const TForm2& f) { return StrToInt(f.ComboBox4->text()); }

ZoneExtent currentZoneExtent(const TForm2& f) {
  return zoneExtentOf(lampCountOf(f), f.StringGrid1->rowCount(), f.project.frameColumns);
}

// The dragged block: the cells now under the points of the last mouse-down
// and mouse-up on the grid.
void runBlockCommand(TForm2& f, BlockAction action, CellColor fillValue = 0) {
  const TPoint start = cellAtScreenPoint(*f.StringGrid1, f.dragStartPoint);
  const TPoint end = cellAtScreenPoint(*f.StringGrid1, f.dragEndPoint);
  copyBlock(f.project, f.project.currentZone, start, end, action, fillValue, f.editor.copyBuffer);
  f.StringGrid1->repaint();
}

}  // namespace

void TForm2::N3Click(TObject*) { runBlockCommand(*this, BlockAction::Copy); }

void TForm2::N6Click(TObject*) { runBlockCommand(*this, BlockAction::Cut); }

void TForm2::N4Click(TObject*) {
  // Levels come from the brightness editor, colours from the fill colour.
  const bool single = project.isSingleColourZone(project.currentZone);
  runBlockCommand(*this, BlockAction::Fill, single ? brightnessFromText(HYEdit->text()) : editor.fillColour);
}

void TForm2::N5Click(TObject*) {
  pasteBlock(project, project.currentZone, editor.anchorCell, editor.copyBuffer);
  StringGrid1->repaint();
}

void TForm2::N1Click(TObject*) {
  insertFrameColumn(project, project.currentZone, editor.anchorCell.x, currentZoneExtent(*this));
  StringGrid1->repaint();
}

void TForm2::N2Click(TObject*) {
  deleteFrameColumn(project, project.currentZone, editor.anchorCell.x, currentZoneExtent(*this));
  StringGrid1->repaint();
}

void TForm2::N10Click(TObject*) {
  // From the anchor's channel and frame to the last channel and frame.
  Edit1->setText(std::to_string(editor.anchorCell.y - 2));
  Edit3->setText(std::to_string(editor.anchorCell.x - 1));
  Edit2->setText(std::to_string(lampCountOf(*this)));
  Edit4->setText(std::to_string(project.frameColumns - 2));
  GroupBox6->setLeft(344);
  GroupBox6->setTop(216);
  GroupBox6->show();
}

void TForm2::Button8Click(TObject*) {
  // Channel n is row n + 2 and frame n column n + 1.
  const long long firstRow = StrToInt(Edit1->text()) + 2LL;
  const long long lastRow = StrToInt(Edit2->text()) + 2LL;
  const long long firstColumn = StrToInt(Edit3->text()) + 1LL;
  const long long lastColumn = StrToInt(Edit4->text()) + 1LL;
  fillRectangle(project, project.currentZone, firstRow, lastRow, firstColumn, lastColumn, currentZoneExtent(*this),
                editor.toolColour);
  GroupBox6->hide();
  StringGrid1->repaint();
}

void TForm2::Button9Click(TObject*) { GroupBox6->hide(); }

void TForm2::BitBtn10Click(TObject*) {
  project.clearZone(project.currentZone);
  StringGrid1->repaint();
}

}  // namespace hl
