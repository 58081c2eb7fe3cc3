#include "editor/grid_hit.h"

#include "model/limits.h"

namespace hl {

TPoint cellAtScreenPoint(const TStringGrid& grid, TPoint screen) {
  const TPoint p = grid.screenToClient(screen);
  return grid.mouseToCell(p.x, p.y);
}

bool isFrameCell(TPoint cell) { return cell.x >= kFirstFrameColumn && cell.y >= kFirstChannelRow; }

}  // namespace hl
