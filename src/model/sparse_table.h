#pragma once
// A table of Lines x Columns values that holds storage only where values were
// written. Each line is cut into chunks of 2^ChunkShift columns. A chunk is
// allocated on the first write of a value other than the fallback and released
// when a fill covers it with the fallback or the lines are cleared; entries of
// unallocated chunks read as the fallback. A read is index arithmetic plus one
// null check.
//
// Contract: every index passed in lies inside the table (asserted only). The
// owner checks its callers' indexes against its own limits first.
#include <algorithm>
#include <cassert>
#include <cstddef>
#include <memory>
#include <vector>

namespace hl {

template <typename T, int Lines, int Columns, int ChunkShift>
class SparseTable {
 public:
  static constexpr int kChunkColumns = 1 << ChunkShift;
  static constexpr int kChunksPerLine = (Columns + kChunkColumns - 1) / kChunkColumns;

  explicit SparseTable(T fallback) : fallback_(fallback), chunks_(std::size_t{Lines} * kChunksPerLine) {}
  SparseTable(const SparseTable&) = delete;
  SparseTable& operator=(const SparseTable&) = delete;

  T get(int line, int column) const noexcept {
    assertInside(line, column);
    const T* chunk = chunks_[chunkIndex(line, column)].get();
    return chunk ? chunk[column & kColumnMask] : fallback_;
  }

  void set(int line, int column, T value) {
    assertInside(line, column);
    Chunk& chunk = chunks_[chunkIndex(line, column)];
    if (!chunk) {
      if (value == fallback_) return;
      allocate(chunk);
    }
    chunk[column & kColumnMask] = value;
  }

  // Sets every entry of lines lineFirst..lineLast, columns columnFirst..columnLast
  // (inclusive) to value, one chunk at a time.
  void fill(int lineFirst, int lineLast, int columnFirst, int columnLast, T value) {
    if (lineFirst > lineLast || columnFirst > columnLast) return;
    assertInside(lineFirst, columnFirst);
    assertInside(lineLast, columnLast);
    for (int line = lineFirst; line <= lineLast; ++line) fillLine(line, columnFirst, columnLast, value);
  }

  // Lines lineFirst..lineLast back to the fallback, their storage released.
  void clearLines(int lineFirst, int lineLast) noexcept {
    if (lineFirst > lineLast) return;
    assertInside(lineFirst, 0);
    assertInside(lineLast, 0);
    const auto first = chunks_.begin() + std::ptrdiff_t{lineFirst} * kChunksPerLine;
    const auto last = chunks_.begin() + (std::ptrdiff_t{lineLast} + 1) * kChunksPerLine;
    for (auto it = first; it != last; ++it) {
      if (*it) release(*it);
    }
  }

  void clear() noexcept { clearLines(0, Lines - 1); }

  // Heap bytes held: the chunk directory plus the allocated chunks.
  std::size_t bytesInUse() const noexcept {
    return chunks_.size() * sizeof(Chunk) + allocatedChunks_ * kChunkColumns * sizeof(T);
  }

 private:
  using Chunk = std::unique_ptr<T[]>;
  static constexpr int kColumnMask = kChunkColumns - 1;

  static std::size_t chunkIndex(int line, int column) noexcept {
    return std::size_t(line) * kChunksPerLine + std::size_t(column >> ChunkShift);
  }

  static void assertInside([[maybe_unused]] int line, [[maybe_unused]] int column) noexcept {
    assert(line >= 0 && line < Lines && column >= 0 && column < Columns);
  }

  void fillLine(int line, int columnFirst, int columnLast, T value) {
    for (int chunkStart = columnFirst & ~kColumnMask; chunkStart <= columnLast; chunkStart += kChunkColumns) {
      const int chunkEnd = std::min(chunkStart + kChunkColumns, Columns) - 1;  // last column in use
      const int from = std::max(columnFirst, chunkStart);
      const int to = std::min(columnLast, chunkEnd);
      const bool wholeChunk = from == chunkStart && to == chunkEnd;
      fillChunk(chunks_[chunkIndex(line, chunkStart)], from - chunkStart, to - chunkStart, wholeChunk, value);
    }
  }

  void fillChunk(Chunk& chunk, int from, int to, bool wholeChunk, T value) {
    if (value == fallback_) {
      if (!chunk) return;
      if (wholeChunk) {
        release(chunk);
        return;
      }
    } else if (!chunk) {
      allocate(chunk);
    }
    std::fill(chunk.get() + from, chunk.get() + to + 1, value);
  }

  void allocate(Chunk& chunk) {
    chunk = std::make_unique_for_overwrite<T[]>(kChunkColumns);
    std::fill_n(chunk.get(), kChunkColumns, fallback_);
    ++allocatedChunks_;
  }

  void release(Chunk& chunk) noexcept {
    chunk.reset();
    --allocatedChunks_;
  }

  T fallback_;
  std::vector<Chunk> chunks_;  // Lines * kChunksPerLine, null where nothing was written
  std::size_t allocatedChunks_ = 0;
};

}  // namespace hl
