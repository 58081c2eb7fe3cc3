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

  // Copies count entries of one line, from column on, into out: a chunk at a
  // time, so long runs cost one lookup per chunk instead of one per entry.
  void readRun(int line, int column, int count, T* out) const noexcept {
    if (count <= 0) return;
    assertInside(line, column);
    assertInside(line, column + count - 1);
    forEachChunkSpan(line, column, count, [&](std::size_t index, int offset, int n, int done) {
      if (const T* chunk = chunks_[index].get()) std::copy_n(chunk + offset, n, out + done);
      else std::fill_n(out + done, n, fallback_);
    });
  }

  // The highest column below columnEnd of one line whose entry is not the
  // fallback, or -1; chunks never written are skipped whole.
  int lastNotFallback(int line, int columnEnd) const noexcept {
    if (columnEnd <= 0) return -1;
    assertInside(line, columnEnd - 1);
    for (int column = columnEnd - 1; column >= 0;) {
      const int chunkStart = column & ~kColumnMask;
      if (const T* chunk = chunks_[chunkIndex(line, column)].get()) {
        for (int c = column; c >= chunkStart; --c)
          if (!(chunk[c & kColumnMask] == fallback_)) return c;
      }
      column = chunkStart - 1;
    }
    return -1;
  }

  // Sets count entries of one line from in; same result as set on each.
  void writeRun(int line, int column, int count, const T* in) {
    if (count <= 0) return;
    assertInside(line, column);
    assertInside(line, column + count - 1);
    forEachChunkSpan(line, column, count, [&](std::size_t index, int offset, int n, int done) {
      Chunk& chunk = chunks_[index];
      const T* from = in + done;
      if (!chunk && std::any_of(from, from + n, [this](const T& v) { return !(v == fallback_); })) allocate(chunk);
      if (chunk) std::copy_n(from, n, chunk.get() + offset);
    });
  }


  // Heap bytes held: the chunk directory plus the allocated chunks.
  std::size_t bytesInUse() const noexcept {
    return chunks_.size() * sizeof(Chunk) + allocatedChunks_ * kChunkColumns * sizeof(T);
  }

 private:
  using Chunk = std::unique_ptr<T[]>;
  static constexpr int kColumnMask = kChunkColumns - 1;

  // Calls visit(chunk index, offset in the chunk, entries, entries before)
  // for each chunk that a run of count entries from column touches, in order.
  template <class Visit>
  static void forEachChunkSpan(int line, int column, int count, Visit visit) {
    for (int done = 0; done < count;) {
      const int offset = column & kColumnMask;
      const int n = std::min(count - done, kChunkColumns - offset);
      visit(chunkIndex(line, column), offset, n, done);
      column += n;
      done += n;
    }
  }

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
