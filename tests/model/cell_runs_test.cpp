// Runs of cells along a row, as the pattern image encoder and reader use
// them: the same result as cell by cell, across chunk boundaries.
#include <gtest/gtest.h>

#include <vector>

#include "model/project.h"

namespace hl::test {
namespace {

TEST(CellRuns, ReadAndWriteAgreeWithSingleCellsAcrossChunks) {
  Project project;
  const struct { int column, count; } runs[] = {{0, 1}, {500, 30}, {511, 2}, {1000, 1200}, {kStoreColumns - 5, 5}};
  for (const auto& run : runs) {
    std::vector<CellColor> in(std::size_t(run.count));
    for (int i = 0; i < run.count; ++i) in[std::size_t(i)] = (i % 3 == 0) ? 0 : run.column + i;
    project.writeCellRun(4, 7, run.column, run.count, in.data());
    std::vector<CellColor> out(std::size_t(run.count), -1);
    project.readCellRun(4, 7, run.column, run.count, out.data());
    EXPECT_EQ(out, in) << "run at " << run.column;
    for (int i = 0; i < run.count; ++i) ASSERT_EQ(project.cell(4, 7, run.column + i), in[std::size_t(i)]);
  }
}

TEST(CellRuns, ZerosAllocateNothingAndUnwrittenCellsReadZero) {
  Project project;
  const std::size_t before = project.memoryInUse();
  const std::vector<CellColor> zeros(2000, 0);
  project.writeCellRun(0, 3, 2, 2000, zeros.data());
  EXPECT_EQ(project.memoryInUse(), before);
  std::vector<CellColor> out(2000, -1);
  project.readCellRun(1, 3, 2, 2000, out.data());
  EXPECT_EQ(out, zeros);
}

TEST(CellRuns, LastNonZeroColumnSkipsUnwrittenStorage) {
  Project project;
  EXPECT_EQ(project.lastNonZeroColumn(2, 5, kStoreColumns), -1);
  project.setCell(2, 5, 700, 9);
  project.setCell(2, 5, 20000, 9);
  project.setCell(2, 5, 20001, 0);  // written, but black
  EXPECT_EQ(project.lastNonZeroColumn(2, 5, kStoreColumns), 20000);
  EXPECT_EQ(project.lastNonZeroColumn(2, 5, 20000), 700) << "columns from the end are not looked at";
  EXPECT_EQ(project.lastNonZeroColumn(2, 5, 700), -1);
  EXPECT_EQ(project.lastNonZeroColumn(2, 6, kStoreColumns), -1) << "rows stay apart";
}

}  // namespace
}  // namespace hl::test
