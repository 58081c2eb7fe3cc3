// Painting the pattern grid and the read-out of the cell under the pointer.
#include "app/form2.h"
#include "editor/captions.h"
#include "editor/cell_renderer.h"

namespace hl {

void TForm2::StringGrid1DrawCell(TObject*, int ACol, int ARow, const TRect& Rect, unsigned) {
  TCanvas& canvas = StringGrid1->canvas();
  // Each cell starts from the grid's font, as a cell's text may change the colour.
  canvas.fontSize = StringGrid1->fontSize();
  canvas.fontColor = StringGrid1->fontColor();
  const int zone = project.currentZone;
  drawGridCell(canvas, GridZoneView{project, zone, project.isSingleColourZone(zone)}, ACol, ARow, Rect);
}

void TForm2::StringGrid1MouseMove(TObject*, TShiftState, int X, int Y) {
  const TPoint cell = StringGrid1->mouseToCell(X, Y);
  // Between or beyond the cells there is nothing to describe.
  if (cell.x < 0 || cell.y < 0) {
    cxLabel3->hide();
    return;
  }
  const int zone = project.currentZone;
  const bool single = project.isSingleColourZone(zone);
  const CellColor value = Project::cellInStore(zone, cell.y, cell.x) ? project.cell(zone, cell.y, cell.x) : 0;
  cxLabel3->show();
  cxLabel3->setLeft(X - cxLabel3->width() / 2 + 13);
  cxLabel3->setCaption(cellReadout(cell.x, cell.y, single, value));
}

}  // namespace hl
