#pragma once
// Block editing of one zone: copy, cut and fill a dragged block, paste it,
// insert and delete frame columns, fill a typed rectangle. Cells are grid
// cells, x the column and y the row; a part of -1 means the point lay
// outside the cells. Every command keeps its writes inside the store.
#include "editor/copy_buffer.h"
#include "model/project.h"
#include "platform/types.h"

namespace hl {

enum class BlockAction {
  Copy,
  Cut,   // copy, then clear the block
  Fill,  // copy, then fill the block with one value
};

// The part of a zone's store the grid shows: channel rows up to lastRow,
// frame columns up to lastColumn.
struct ZoneExtent {
  int lastRow;
  int lastColumn;
};

// Rows reach the last channel (lampCount + 2) or the grid's last row,
// whichever lies lower (single-colour zones with three level rows per lamp
// have more rows than lamps); columns reach the last column of the frame
// capacity. Both are kept inside the store.
ZoneExtent zoneExtentOf(int lampCount, int gridRowCount, int frameColumns);

// Copies the block spanned by the two cells into buffer, then applies
// action to it. The buffer is emptied first. A block of one cell copies
// nothing (Cut still clears that cell); a cell outside the grid copies and
// changes nothing. Blocks larger than the buffer keep their top-left part,
// and the action applies to that part only. Columns 0 and 1 are copied as 0
// and never changed.
void copyBlock(Project& project, int zone, TPoint startCell, TPoint endCell, BlockAction action, CellColor fillValue,
               CopyBuffer& buffer);

// Writes the buffer's block with its top-left corner at anchor; the part
// beyond the store is left out. Nothing is written when the buffer cannot
// be pasted.
void pasteBlock(Project& project, int zone, TPoint anchor, const CopyBuffer& buffer);

// Moves the frames from column one place right on every channel row of
// the extent; the last column's content drops out and column becomes 0.
// Frame times stay where they are. A column outside the frames does nothing.
void insertFrameColumn(Project& project, int zone, int column, const ZoneExtent& extent);

// Moves the frames after column one place left on every channel row of the
// extent; the last column becomes 0. Frame times stay where they are.
void deleteFrameColumn(Project& project, int zone, int column, const ZoneExtent& extent);

// Sets rows firstRow..lastRow and columns firstColumn..lastColumn (both
// ends included) to value, clipped to the channel rows and frame columns of
// the extent. Bounds come from typed numbers, hence 64 bits.
void fillRectangle(Project& project, int zone, long long firstRow, long long lastRow, long long firstColumn,
                   long long lastColumn, const ZoneExtent& extent, CellColor value);

}  // namespace hl
