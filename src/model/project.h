#pragma once
// The project: for each of the kZoneSlots zones a table of cell colours, a
// table of frame times and a ZoneSettings record, plus the window-wide values
// all zones share. It is a plain data holder owned by the main window and used
// on the window's thread only.
//
// Index contract: zone 0..kZoneSlots-1, row 0..kStoreRows-1, column
// 0..kStoreColumns-1, in grid coordinates (see limits.h). Callers clip their
// indexes to these limits before calling. A debug build asserts on an index
// outside them; a release build reads 0 (cells), kResetFrameTime (frame
// times) or an all-zero record (settings) and ignores the write, so a stray
// index never touches another entry.
//
// Storage is allocated only where something other than the reset value is
// written, so an unwritten cell reads 0 and an unwritten frame time value 1,
// unit Default (use default time 1) -- also before the first reset, where
// every other number of a fresh project is 0.
#include <cassert>
#include <cstddef>
#include <cstdint>

#include "model/family_rules.h"
#include "model/limits.h"
#include "model/sparse_table.h"
#include "model/types.h"

namespace hl {

class Project {
 public:
  Project();
  Project(const Project&) = delete;
  Project& operator=(const Project&) = delete;

  static constexpr bool isZone(int zone) noexcept { return static_cast<unsigned>(zone) < unsigned{kZoneSlots}; }
  static constexpr bool isStoreColumn(int column) noexcept {
    return static_cast<unsigned>(column) < unsigned{kStoreColumns};
  }
  static constexpr bool cellInStore(int zone, int row, int column) noexcept {
    return isZone(zone) && static_cast<unsigned>(row) < unsigned{kStoreRows} && isStoreColumn(column);
  }

  // Cells.
  CellColor cell(int zone, int row, int column) const noexcept;
  void setCell(int zone, int row, int column, CellColor value);
  // Sets rows row0..row1, columns column0..column1 (inclusive) of one zone.
  // Same result as setCell on each cell: the part outside the store is
  // ignored (asserted in debug builds); an empty range does nothing.
  void fillCells(int zone, int row0, int row1, int column0, int column1, CellColor value);
  // Cells column..column+count-1 of one row, read into out or written from
  // in, for loops over long runs (the pattern image encoder and reader).
  // Same result as cell / setCell on each; a run leaving the store is
  // refused whole (asserted in debug builds), out then holding 0.
  void readCellRun(int zone, int row, int column, int count, CellColor* out) const noexcept;
  void writeCellRun(int zone, int row, int column, int count, const CellColor* in);
  // The highest column below columnEnd (at most kStoreColumns) of one row
  // holding a non-zero cell, or -1; unwritten storage is skipped whole.
  int lastNonZeroColumn(int zone, int row, int columnEnd) const noexcept;

  // Frame times, indexed by grid column. Either half may be written alone.
  FrameTime frameTime(int zone, int column) const noexcept;
  void setFrameTime(int zone, int column, std::int32_t value, std::int32_t unit);
  void setFrameTimeValue(int zone, int column, std::int32_t value);
  void setFrameTimeUnit(int zone, int column, std::int32_t unit);

  // Zone settings by settings index; pass settingsIndexOf(zone).
  ZoneSettings& zoneSettings(int index) noexcept;
  const ZoneSettings& zoneSettings(int index) const noexcept;

  // Family rules applied with this project's familyMode (family_rules.h).
  int settingsIndexOf(int zone) const noexcept { return hl::settingsIndexOf(familyMode, zone); }
  bool isSingleColourZone(int zone) const noexcept { return hl::isSingleColourZone(familyMode, zone); }
  int zoneOfTab(int tab, int pair) const noexcept { return hl::zoneOfTab(familyMode, tab, pair); }

  // Every zone: loop mode Infinite, loop count 0, end action NextZone, all
  // cells 0, all frame times kResetFrameTime; storage released. Default times,
  // window-wide values and currentZone stay as they are.
  void resetProject();
  // Default times 1..5 of every zone to 1000, 800, 600, 400, 200 ms.
  void initDefaultTimes();
  // One zone's cells to 0 and frame times to kResetFrameTime, its storage
  // released; its settings stay.
  void clearZone(int zone);

  // Sets frameColumns from frameCapacity(memoryBytes, lampCount, familyMode,
  // currentZone) and gridRows to lampCount + 3. The lamp count is taken as
  // 1..kMaxLampCount so that the grid never has more rows than the store.
  void applyFrameCapacity(int lampCount);

  // Heap bytes held by the cell and frame time storage.
  std::size_t memoryInUse() const noexcept { return cells_.bytesInUse() + frameTimes_.bytesInUse(); }

  // Window-wide values, set by the controller model profile, the zone tabs and
  // the settings file. Plain fields: the project keeps no rule about them.
  FamilyMode familyMode = FamilyMode::Standard;
  int currentZone = 0;
  int memoryBytes = 0;
  int blockSize = 500;      // upload packet size until a profile or the controller says otherwise
  int lastUploadZone = 0;   // highest zone of an all-zones upload
  int gridRows = 0;         // lampCount + 3
  int frameColumns = 0;     // grid columns of a full-colour zone, headers included
  int englishCaptions = 0;  // 1: English wording of generated captions, 0: Chinese

 private:
  // Chunks of 512 columns: one row of a typical pattern fits in a few chunks,
  // and a single painted cell costs 2 KB.
  static constexpr int kChunkShift = 9;
  using CellTable = SparseTable<CellColor, kZoneSlots * kStoreRows, kStoreColumns, kChunkShift>;
  using FrameTimeTable = SparseTable<FrameTime, kZoneSlots, kStoreColumns, kChunkShift>;

  static constexpr int cellLine(int zone, int row) noexcept { return zone * kStoreRows + row; }
  static bool checkCell(int zone, int row, int column) noexcept;
  static bool checkFrameTime(int zone, int column) noexcept;

  CellTable cells_{0};
  FrameTimeTable frameTimes_{kResetFrameTime};
  ZoneSettings settings_[kZoneSlots] = {};
  ZoneSettings discardedSettings_ = {};  // handed out for an index outside 0..9
};

// Reads are inline: the grid paints and the encoder reads cell by cell.

inline bool Project::checkCell(int zone, int row, int column) noexcept {
  const bool inside = cellInStore(zone, row, column);
  assert(inside && "cell index outside the store");
  return inside;
}

inline bool Project::checkFrameTime(int zone, int column) noexcept {
  const bool inside = isZone(zone) && isStoreColumn(column);
  assert(inside && "frame time index outside the store");
  return inside;
}

inline CellColor Project::cell(int zone, int row, int column) const noexcept {
  if (!checkCell(zone, row, column)) [[unlikely]]
    return 0;
  return cells_.get(cellLine(zone, row), column);
}

inline FrameTime Project::frameTime(int zone, int column) const noexcept {
  if (!checkFrameTime(zone, column)) [[unlikely]]
    return kResetFrameTime;
  return frameTimes_.get(zone, column);
}

}  // namespace hl
