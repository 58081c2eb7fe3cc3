#include "editor/block_commands.h"

#include <algorithm>
#include <vector>

namespace hl {
namespace {

bool insideGrid(TPoint cell) { return cell.x >= 0 && cell.y >= 0; }

bool isFrameColumn(int column, const ZoneExtent& extent) {
  return column >= kFirstFrameColumn && column <= extent.lastColumn;
}

// Writes only the cells whose value changes, so that shifting a mostly
// empty row allocates nothing.
void writeRow(Project& project, int zone, int row, int firstColumn, const std::vector<CellColor>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    const int column = firstColumn + static_cast<int>(i);
    if (project.cell(zone, row, column) != values[i]) project.setCell(zone, row, column, values[i]);
  }
}

std::vector<CellColor> readRow(const Project& project, int zone, int row, int firstColumn, int lastColumn) {
  std::vector<CellColor> values;
  values.reserve(static_cast<std::size_t>(lastColumn - firstColumn + 1));
  for (int column = firstColumn; column <= lastColumn; ++column) values.push_back(project.cell(zone, row, column));
  return values;
}

// Shifts columns first..last of every channel row by one: right when
// opening a gap at first, left when closing the gap at first.
void shiftFrames(Project& project, int zone, int first, const ZoneExtent& extent, bool right) {
  if (!Project::isZone(zone) || !isFrameColumn(first, extent)) return;
  for (int row = kFirstChannelRow; row <= extent.lastRow; ++row) {
    std::vector<CellColor> values = readRow(project, zone, row, first, extent.lastColumn);
    if (right) std::shift_right(values.begin(), values.end(), 1);
    else std::shift_left(values.begin(), values.end(), 1);
    (right ? values.front() : values.back()) = 0;
    writeRow(project, zone, row, first, values);
  }
}

}  // namespace

ZoneExtent zoneExtentOf(int lampCount, int gridRowCount, int frameColumns) {
  const int lastRow = std::max(lampCount + kFirstChannelRow - 1, gridRowCount - 1);
  return {std::clamp(lastRow, kFirstChannelRow - 1, kStoreRows - 1),
          std::clamp(frameColumns - 1, kFirstFrameColumn - 1, kStoreColumns - 1)};
}

void copyBlock(Project& project, int zone, TPoint startCell, TPoint endCell, BlockAction action, CellColor fillValue,
               CopyBuffer& buffer) {
  buffer.clear();
  if (!Project::isZone(zone) || !insideGrid(startCell) || !insideGrid(endCell)) return;
  if (startCell == endCell) {
    if (action == BlockAction::Cut && startCell.x >= kFirstFrameColumn && Project::cellInStore(zone, startCell.y, startCell.x))
      project.setCell(zone, startCell.y, startCell.x, 0);
    return;
  }
  const int firstColumn = std::min(startCell.x, endCell.x);
  const int firstRow = std::min(startCell.y, endCell.y);
  const int lastColumn = std::min({std::max(startCell.x, endCell.x), firstColumn + kCopyColumns - 1, kStoreColumns - 1});
  const int lastRow = std::min({std::max(startCell.y, endCell.y), firstRow + kCopyRows - 1, kStoreRows - 1});
  buffer.reset(lastColumn - firstColumn + 1, lastRow - firstRow + 1);
  const int firstFrame = std::max(firstColumn, kFirstFrameColumn);
  for (int column = firstFrame; column <= lastColumn; ++column)
    for (int row = firstRow; row <= lastRow; ++row)
      buffer.set(row - firstRow, column - firstColumn, project.cell(zone, row, column));
  if (action == BlockAction::Copy || firstFrame > lastColumn) return;
  project.fillCells(zone, firstRow, lastRow, firstFrame, lastColumn, action == BlockAction::Cut ? 0 : fillValue);
}

void pasteBlock(Project& project, int zone, TPoint anchor, const CopyBuffer& buffer) {
  if (!buffer.canPaste() || !Project::isZone(zone) || anchor.x < 0 || anchor.y < 0) return;
  const int columns = std::min(buffer.copyWidth(), kStoreColumns - 1 - anchor.x);
  const int rows = std::min(buffer.copyHeight(), kStoreRows - 1 - anchor.y);
  for (int k = 0; k <= columns; ++k)
    for (int j = 0; j <= rows; ++j) project.setCell(zone, anchor.y + j, anchor.x + k, buffer.at(j, k));
}

void insertFrameColumn(Project& project, int zone, int column, const ZoneExtent& extent) {
  shiftFrames(project, zone, column, extent, true);
}

void deleteFrameColumn(Project& project, int zone, int column, const ZoneExtent& extent) {
  shiftFrames(project, zone, column, extent, false);
}

void fillRectangle(Project& project, int zone, long long firstRow, long long lastRow, long long firstColumn,
                   long long lastColumn, const ZoneExtent& extent, CellColor value) {
  const long long row0 = std::max<long long>(firstRow, kFirstChannelRow);
  const long long row1 = std::min<long long>(lastRow, extent.lastRow);
  const long long column0 = std::max<long long>(firstColumn, kFirstFrameColumn);
  const long long column1 = std::min<long long>(lastColumn, extent.lastColumn);
  if (!Project::isZone(zone) || row0 > row1 || column0 > column1) return;
  // Both ranges now lie inside the extent, which lies inside the store.
  project.fillCells(zone, static_cast<int>(row0), static_cast<int>(row1), static_cast<int>(column0),
                    static_cast<int>(column1), value);
}

}  // namespace hl
