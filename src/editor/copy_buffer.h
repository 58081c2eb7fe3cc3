#pragma once
// The block of the last copy: cell values by row offset and column offset.
// Storage is sized to the block, at most kCopyRows x kCopyColumns, so an
// empty buffer costs nothing.
#include <vector>

#include "model/types.h"

namespace hl {

inline constexpr int kCopyRows = 1000;
inline constexpr int kCopyColumns = 5000;

class CopyBuffer {
 public:
  // Last column and row offsets of the block (width - 1, height - 1); both
  // 0 when there is nothing to paste.
  int copyWidth() const { return width_ > 0 ? width_ - 1 : 0; }
  int copyHeight() const { return height_ > 0 ? height_ - 1 : 0; }
  bool canPaste() const { return copyWidth() != 0 || copyHeight() != 0; }

  // Drops the block and its storage.
  void clear();
  // A block of zeros; width and height are kept to 1..kCopyColumns and 1..kCopyRows.
  void reset(int width, int height);
  // Offsets inside the block: row 0..copyHeight, column 0..copyWidth.
  CellColor at(int rowOffset, int columnOffset) const { return cells_[index(rowOffset, columnOffset)]; }
  void set(int rowOffset, int columnOffset, CellColor value) { cells_[index(rowOffset, columnOffset)] = value; }

 private:
  std::size_t index(int rowOffset, int columnOffset) const;

  int width_ = 0, height_ = 0;
  std::vector<CellColor> cells_;  // row by row
};

}  // namespace hl
