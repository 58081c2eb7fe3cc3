#pragma once
// Finding grid cells from pointer positions kept in screen coordinates.
#include "platform/grid.h"

namespace hl {

// The cell now under a screen point: after scrolling, the cell that lies
// there now. Parts of -1 where the point is outside the cells.
TPoint cellAtScreenPoint(const TStringGrid& grid, TPoint screen);

// A cell of a channel row in a frame column (not a header).
bool isFrameCell(TPoint cell);

}  // namespace hl
