// Cells and frame times: reading back what was written across chunk and row
// borders, bulk fills, storage use and indexes outside the store.
#include "model/project.h"

#include <gtest/gtest.h>

#include <climits>
#include <map>
#include <tuple>

namespace hl {
namespace {

constexpr int kLastRow = kStoreRows - 1;
constexpr int kLastColumn = kStoreColumns - 1;

struct Cell {
  int zone, row, column;
  auto operator<=>(const Cell&) const = default;
};

// The cells around c, c included, that lie in the store.
std::vector<Cell> neighbourhood(Cell c) {
  std::vector<Cell> cells;
  for (int dz = -1; dz <= 1; ++dz)
    for (int dr = -1; dr <= 1; ++dr)
      for (int dc = -1; dc <= 1; ++dc) {
        const Cell n{c.zone + dz, c.row + dr, c.column + dc};
        if (Project::cellInStore(n.zone, n.row, n.column)) cells.push_back(n);
      }
  return cells;
}

class ProjectStorage : public testing::Test {
 protected:
  Project project;
  const std::size_t emptyMemory = project.memoryInUse();
};

TEST_F(ProjectStorage, CellsReadBackAcrossChunkRowAndZoneBorders) {
  // Positions at the edges of the 512-column chunks, of rows and of zones,
  // with values that would show truncation or sign loss.
  const std::map<Cell, CellColor> written = {
      {{0, 0, 0}, 1},           {{0, 0, 511}, 2},         {{0, 0, 512}, 3},         {{0, 1, 0}, 4},
      {{1, 3, 2}, 0x00FF0000},  {{4, 500, 20479}, -1},    {{4, 500, 20480}, INT_MIN}, {{5, 0, 0}, INT_MAX},
      {{9, kLastRow, kLastColumn}, 0x00ABCDEF}, {{9, kLastRow - 1, kLastColumn}, 6},
  };
  for (const auto& [c, value] : written) project.setCell(c.zone, c.row, c.column, value);

  for (const auto& entry : written) {
    for (const Cell& n : neighbourhood(entry.first)) {
      const auto found = written.find(n);
      const CellColor expected = found == written.end() ? 0 : found->second;
      EXPECT_EQ(project.cell(n.zone, n.row, n.column), expected) << n.zone << "," << n.row << "," << n.column;
    }
  }
}

TEST_F(ProjectStorage, WritingResetValuesToUnwrittenStorageAllocatesNothing) {
  project.setCell(2, 3, 2, 0);
  project.fillCells(2, 0, kLastRow, 0, kLastColumn, 0);
  project.setFrameTime(2, 2, kResetFrameTime.value, kResetFrameTime.unit);
  project.setFrameTimeUnit(2, 3, TimeUnit::Default);
  EXPECT_EQ(project.memoryInUse(), emptyMemory);

  project.setCell(2, 3, 2, 9);
  EXPECT_GT(project.memoryInUse(), emptyMemory);
}

TEST_F(ProjectStorage, FrameTimeHalvesWrittenAlone) {
  project.setFrameTimeUnit(0, 2, TimeUnit::Seconds);
  EXPECT_EQ(project.frameTime(0, 2), (FrameTime{1, TimeUnit::Seconds})) << "value of an unwritten entry is 1";

  project.setFrameTimeValue(0, 2, 250);
  EXPECT_EQ(project.frameTime(0, 2), (FrameTime{250, TimeUnit::Seconds}));

  project.setFrameTime(0, 600, 40, TimeUnit::Minutes);
  project.setFrameTimeValue(0, 600, 7);
  project.setFrameTimeUnit(0, 600, TimeUnit::Milliseconds);
  EXPECT_EQ(project.frameTime(0, 600), (FrameTime{7, TimeUnit::Milliseconds}));

  for (const auto& [zone, column] : {std::pair{0, 3}, {0, 601}, {1, 2}, {1, 600}})
    EXPECT_EQ(project.frameTime(zone, column), kResetFrameTime) << zone << "," << column;
}

TEST_F(ProjectStorage, FrameTimesAtBothEndsOfTheTable) {
  project.setFrameTime(9, kLastColumn, 5, TimeUnit::Default);
  project.setFrameTime(9, 0, -3, TimeUnit::Minutes);
  EXPECT_EQ(project.frameTime(9, kLastColumn), (FrameTime{5, TimeUnit::Default}));
  EXPECT_EQ(project.frameTime(9, 0), (FrameTime{-3, TimeUnit::Minutes}));
  EXPECT_EQ(project.frameTime(8, kLastColumn), kResetFrameTime);
}

struct Rect {
  int zone, row0, row1, column0, column1;
  bool contains(int zone_, int row, int column) const {
    return zone_ == zone && row >= row0 && row <= row1 && column >= column0 && column <= column1;
  }
};

// Every cell in the rectangle plus a margin of one holds value inside, 0 outside.
void expectOnlyRectFilled(const Project& project, const Rect& r, CellColor value) {
  int mismatches = 0;
  for (int zone = r.zone - 1; zone <= r.zone + 1; ++zone)
    for (int row = r.row0 - 1; row <= r.row1 + 1; ++row)
      for (int column = r.column0 - 1; column <= r.column1 + 1; ++column) {
        if (!Project::cellInStore(zone, row, column)) continue;
        const CellColor expected = r.contains(zone, row, column) ? value : 0;
        if (project.cell(zone, row, column) != expected && ++mismatches <= 5)
          ADD_FAILURE() << "cell " << zone << "," << row << "," << column << " is " << project.cell(zone, row, column);
      }
  EXPECT_EQ(mismatches, 0);
}

TEST_F(ProjectStorage, FillCellsCoversExactlyTheRectangle) {
  const Rect cases[] = {
      {2, 3, 5, 500, 1100},                   // three chunks, partial at both ends
      {0, 0, kLastRow, 511, 512},             // one column each side of a chunk border, every row
      {9, kLastRow, kLastRow, 20000, kLastColumn},  // up to the end of the last, short chunk
      {5, 7, 7, 1024, 1535},                  // exactly one chunk
      {1, 4, 4, 9, 9},                        // one cell
  };
  for (const Rect& r : cases) {
    Project fresh;
    fresh.fillCells(r.zone, r.row0, r.row1, r.column0, r.column1, 0x00123456);
    SCOPED_TRACE(testing::Message() << "zone " << r.zone << " rows " << r.row0 << ".." << r.row1 << " columns "
                                    << r.column0 << ".." << r.column1);
    expectOnlyRectFilled(fresh, r, 0x00123456);
  }
}

TEST_F(ProjectStorage, FillingWithZeroClearsAndReleasesWholeChunks) {
  project.fillCells(3, 10, 20, 0, 2047, 7);
  project.setCell(3, 15, kLastColumn, 7);  // in the last, shorter chunk of its row
  project.fillCells(3, 12, 18, 100, 1500, 0);
  for (int row : {10, 12, 18, 20})
    for (int column : {0, 99, 100, 1500, 1501, 2047}) {
      const bool cleared = row >= 12 && row <= 18 && column >= 100 && column <= 1500;
      EXPECT_EQ(project.cell(3, row, column), cleared ? 0 : 7) << row << "," << column;
    }

  project.fillCells(3, 0, kLastRow, 0, kLastColumn, 0);
  EXPECT_EQ(project.memoryInUse(), emptyMemory);
}

TEST_F(ProjectStorage, EmptyFillRangeDoesNothing) {
  project.fillCells(0, 5, 4, 2, 10, 1);
  project.fillCells(0, 4, 5, 10, 2, 1);
  EXPECT_EQ(project.memoryInUse(), emptyMemory);
}

// A debug build stops at the assertion; a release build must ignore the call.
#ifdef NDEBUG
#define EXPECT_REJECTED(statement) statement
#else
#define EXPECT_REJECTED(statement) EXPECT_DEATH(statement, "outside")
#endif

TEST_F(ProjectStorage, CellIndexesOutsideTheStoreAreRejected) {
  // Rows and columns just past the store would alias a neighbouring row or
  // zone in a flat layout; 20992 is past the last chunk of a row.
  const Cell outside[] = {{-1, 3, 2},           {kZoneSlots, 3, 2}, {0, -1, 2}, {0, kStoreRows, 0},
                          {9, kStoreRows, 0},   {0, 3, -1},         {0, 3, kStoreColumns}, {0, 3, 20992}};
  for (const Cell& c : outside) {
    SCOPED_TRACE(testing::Message() << c.zone << "," << c.row << "," << c.column);
    EXPECT_REJECTED(project.setCell(c.zone, c.row, c.column, 42));
    [[maybe_unused]] CellColor read = -1;
    EXPECT_REJECTED(read = project.cell(c.zone, c.row, c.column));
#ifdef NDEBUG
    EXPECT_EQ(read, 0);
#endif
  }
  EXPECT_EQ(project.memoryInUse(), emptyMemory) << "nothing was written anywhere";
}

TEST_F(ProjectStorage, FillPartlyOutsideTheStoreWritesOnlyTheInsidePart) {
  EXPECT_REJECTED(project.fillCells(4, kLastRow - 1, kStoreRows + 1, kLastColumn - 1, kStoreColumns + 600, 5));
  EXPECT_REJECTED(project.fillCells(kZoneSlots, 0, 3, 0, 3, 5));
#ifdef NDEBUG
  expectOnlyRectFilled(project, Rect{4, kLastRow - 1, kLastRow, kLastColumn - 1, kLastColumn}, 5);
  // Where the overflowing rows and columns would land in a flat layout.
  for (const auto& [zone, row, column] : {std::tuple{4, kLastRow, 0}, {5, 0, 0}, {5, 0, kLastColumn - 1}, {5, 0, kLastColumn}})
    EXPECT_EQ(project.cell(zone, row, column), 0) << zone << "," << row << "," << column;
#else
  EXPECT_EQ(project.memoryInUse(), emptyMemory);
#endif
}

TEST_F(ProjectStorage, FrameTimeIndexesOutsideTheTableAreRejected) {
  const std::pair<int, int> outside[] = {{-1, 2}, {kZoneSlots, 2}, {0, -1}, {0, kStoreColumns}, {9, 20992}};
  for (const auto& [zone, column] : outside) {
    SCOPED_TRACE(testing::Message() << zone << "," << column);
    EXPECT_REJECTED(project.setFrameTime(zone, column, 9, TimeUnit::Seconds));
    EXPECT_REJECTED(project.setFrameTimeValue(zone, column, 9));
    EXPECT_REJECTED(project.setFrameTimeUnit(zone, column, TimeUnit::Minutes));
    [[maybe_unused]] FrameTime read{};
    EXPECT_REJECTED(read = project.frameTime(zone, column));
#ifdef NDEBUG
    EXPECT_EQ(read, kResetFrameTime);
#endif
  }
  EXPECT_EQ(project.memoryInUse(), emptyMemory);
}

TEST_F(ProjectStorage, SettingsIndexOutsideTheRecordsIsRejected) {
  project.resetProject();
  EXPECT_REJECTED(project.zoneSettings(kZoneSlots).loopMode = LoopMode::Once);
  EXPECT_REJECTED(project.zoneSettings(-1).loopCount = 9);
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    EXPECT_EQ(project.zoneSettings(zone).loopMode, LoopMode::Infinite) << "zone " << zone;
    EXPECT_EQ(project.zoneSettings(zone).loopCount, 0) << "zone " << zone;
  }
#ifdef NDEBUG
  EXPECT_EQ(project.zoneSettings(kZoneSlots).loopMode, 0) << "an outside index reads an all-zero record";
#endif
}

}  // namespace
}  // namespace hl
