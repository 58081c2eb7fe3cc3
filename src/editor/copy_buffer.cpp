#include "editor/copy_buffer.h"

#include <algorithm>
#include <cassert>

namespace hl {

void CopyBuffer::clear() {
  width_ = height_ = 0;
  std::vector<CellColor>().swap(cells_);
}

void CopyBuffer::reset(int width, int height) {
  width_ = std::clamp(width, 1, kCopyColumns);
  height_ = std::clamp(height, 1, kCopyRows);
  cells_.assign(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), 0);
}

std::size_t CopyBuffer::index(int rowOffset, int columnOffset) const {
  assert(rowOffset >= 0 && rowOffset < height_ && columnOffset >= 0 && columnOffset < width_);
  return static_cast<std::size_t>(rowOffset) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(columnOffset);
}

}  // namespace hl
