#pragma once
// Paints one cell of the pattern grid from the project: header captions,
// frame times, colours and brightness levels. The grid holds no data of its
// own, so every paint reads the project afresh.
#include "model/project.h"
#include "platform/canvas.h"
#include "platform/types.h"

namespace hl {

// What the grid shows: one zone of a project.
struct GridZoneView {
  const Project& project;
  int zone;
  bool singleColour;  // cells hold brightness levels 0..255
};

// Paints grid cell (column, row) into rect (grid pixels). Fills are solid
// rectangles, most of them grown by one pixel to cover the grid lines
// around the cell. Texts use the canvas's font; the caller
// sets the grid's font size and colour before each cell.
void drawGridCell(TCanvas& canvas, const GridZoneView& view, int column, int row, const TRect& rect);

}  // namespace hl
