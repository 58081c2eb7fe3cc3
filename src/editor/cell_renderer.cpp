#include "editor/cell_renderer.h"

#include <string>

#include "editor/brightness.h"
#include "editor/captions.h"
#include "model/display_tables.h"

namespace hl {
namespace {

constexpr int kTimeValueRow = 1;
constexpr int kTimeUnitRow = 2;
constexpr int kMarkerColumn = 1;
constexpr int kCaptionSpill = 10;  // the caption fill reaches under the marker strip

TRect grown(const TRect& r) { return {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1}; }

// A solid rectangle in one colour, outline included: the same pixels as a
// rectangle whose pen has the brush colour, on the painter's fastest path.
// The brush stays set as the background of the cell's text.
void fill(TCanvas& canvas, TColor colour, const TRect& r) {
  canvas.brushStyle = TBrushStyle::bsSolid;
  canvas.brushColor = colour;
  canvas.fillRect(r);
}

CellColor cellOf(const GridZoneView& view, int column, int row) {
  return Project::cellInStore(view.zone, row, column) ? view.project.cell(view.zone, row, column) : 0;
}

FrameTime frameTimeOf(const GridZoneView& view, int column) {
  return Project::isZone(view.zone) && Project::isStoreColumn(column) ? view.project.frameTime(view.zone, column)
                                                                       : kResetFrameTime;
}

// Single-colour zones mark rows red, green, blue in turn from the first
// level row; full-colour zones mark every row blue.
TColor markerColour(int row, bool singleColour) {
  if (!singleColour) return clBlue;
  switch (row % 3) {
    case 1: return clGreen;
    case 2: return clBlue;
    default: return clRed;
  }
}

void drawFrameNumberRow(TCanvas& canvas, int column, const TRect& rect) {
  fill(canvas, clInactiveCaption, grown(rect));
  if (column == 0) canvas.textOut(rect.left, rect.top, "    N0");
  else if (column >= kFirstFrameColumn) canvas.textOut(rect.left, rect.top, withLeadingBlank(std::to_string(column - 1)));
}

void drawTimeRow(TCanvas& canvas, const GridZoneView& view, int column, int row, const TRect& rect) {
  fill(canvas, clGreen, grown(rect));
  if (column == 0) {
    canvas.textOut(rect.left, rect.top, row == kTimeValueRow ? " value" : " TimeType");
  } else if (column >= kFirstFrameColumn) {
    const FrameTime time = frameTimeOf(view, column);
    const std::string text = row == kTimeValueRow ? std::to_string(time.value) : frameTimeUnitText(time.unit);
    canvas.textOut(rect.left, rect.top, "    ");
    if (!text.empty()) canvas.textOut(rect.left, rect.top, withLeadingBlank(text));
  }
}

void drawChannelCaption(TCanvas& canvas, int row, const TRect& rect) {
  fill(canvas, clSilver, grown(rect));
  fill(canvas, clSilver, {rect.left, rect.top, rect.right + kCaptionSpill, rect.bottom});
  canvas.textOut(rect.left, rect.top, channelCaption(row - 2));
}

void drawMarker(TCanvas& canvas, int row, bool singleColour, const TRect& rect) {
  fill(canvas, markerColour(row, singleColour), {rect.left - 1, rect.top - 1, rect.right, rect.bottom + 1});
}

void drawFrameCell(TCanvas& canvas, const GridZoneView& view, CellColor value, const TRect& rect) {
  if (!view.singleColour) {
    fill(canvas, value, grown(rect));  // 0 is black: the lamp is off
    return;
  }
  if (value == 0) return;  // an empty level keeps the grid's background
  canvas.fontColor = value < 64 ? clRed : clYellow;
  fill(canvas, levelColours[static_cast<std::size_t>(shadeIndexOf(value))], grown(rect));
  // The number lies inside the shade just filled, which is its background
  // already: drawn without a box of its own, the text costs half as much.
  canvas.brushStyle = TBrushStyle::bsClear;
  canvas.textOut(rect.left + 1, rect.top + 1, withLeadingBlank(std::to_string(value)));
  canvas.brushStyle = TBrushStyle::bsSolid;
}

void drawLevelOutline(TCanvas& canvas, const TRect& r) {
  canvas.brushStyle = TBrushStyle::bsClear;
  canvas.penColor = clHotLight;
  canvas.rectangle(r);
  canvas.brushStyle = TBrushStyle::bsSolid;
}

}  // namespace

void drawGridCell(TCanvas& canvas, const GridZoneView& view, int column, int row, const TRect& rect) {
  const bool frameCell = row >= kFirstChannelRow && column >= kFirstFrameColumn;
  const CellColor value = frameCell ? cellOf(view, column, row) : 0;
  if (row == 0) drawFrameNumberRow(canvas, column, rect);
  else if (row == kTimeValueRow || row == kTimeUnitRow) drawTimeRow(canvas, view, column, row, rect);
  else if (column == 0) drawChannelCaption(canvas, row, rect);
  else if (column == kMarkerColumn) drawMarker(canvas, row, view.singleColour, rect);
  else drawFrameCell(canvas, view, value, rect);

  if (!view.singleColour || column == kMarkerColumn || (column == 0 && row > 0)) return;
  drawLevelOutline(canvas, frameCell && value == 0 ? grown(rect) : rect);
}

}  // namespace hl
