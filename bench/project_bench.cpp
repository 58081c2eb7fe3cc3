// Start-up cost of the project against a dense store of the full index space.
//
// BM_ProjectStartup builds a project the way the window's start-up does
// (construct, reset, default times, a few edits); BM_DenseStoreBaseline
// allocates every cell and frame time of all zones and clears them twice, the
// cost a fully dense store pays. Both report, besides time, the resident
// memory while the data is held: rss_kib (whole process), rss_added_kib (the
// growth caused by the data) and hwm_kib (peak so far); the project also
// reports heap_kib, its own count of the bytes it holds. Run the dense case
// alone with --benchmark_filter=Dense; it needs about 850 MB of memory.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "model/project.h"

namespace {

struct ResidentMemory {
  double rssKiB = 0;
  double hwmKiB = 0;
};

// Gives freed heap pages back to the system, so that every iteration starts
// from the same resident size instead of reusing what the last one freed.
void returnFreedMemory() { malloc_trim(0); }

ResidentMemory readResidentMemory() {
  ResidentMemory memory;
  std::ifstream status("/proc/self/status");
  std::string key;
  double kib = 0;
  while (status >> key) {
    if (key == "VmRSS:" && status >> kib) memory.rssKiB = kib;
    else if (key == "VmHWM:" && status >> kib) memory.hwmKiB = kib;
  }
  return memory;
}

void reportMemory(benchmark::State& state, const ResidentMemory& before, const ResidentMemory& held) {
  state.counters["rss_kib"] = held.rssKiB;
  state.counters["rss_added_kib"] = held.rssKiB - before.rssKiB;
  state.counters["hwm_kib"] = held.hwmKiB;
}

void BM_ProjectStartup(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    const ResidentMemory before = readResidentMemory();
    state.ResumeTiming();

    auto project = std::make_unique<hl::Project>();
    project->resetProject();
    project->initDefaultTimes();
    project->fillCells(0, 3, 12, 2, 101, 0x000000FF);  // 10 channels x 100 frames
    project->setCell(1, 3, 2, 0x00FF0000);
    project->setFrameTime(0, 2, 500, hl::TimeUnit::Milliseconds);
    benchmark::DoNotOptimize(project->cell(0, 12, 101));

    state.PauseTiming();
    reportMemory(state, before, readResidentMemory());
    state.counters["heap_kib"] = double(project->memoryInUse()) / 1024;
    project.reset();
    returnFreedMemory();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_ProjectStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

constexpr std::size_t kDenseCells = std::size_t{hl::kZoneSlots} * hl::kStoreRows * hl::kStoreColumns;
constexpr std::size_t kDenseTimes = std::size_t{hl::kZoneSlots} * hl::kStoreColumns;

void BM_DenseStoreBaseline(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    const ResidentMemory before = readResidentMemory();
    state.ResumeTiming();

    // Uninitialised, so that the two clears below are what touches the pages.
    auto cells = std::make_unique_for_overwrite<std::int32_t[]>(kDenseCells);
    auto timeValues = std::make_unique_for_overwrite<std::int32_t[]>(kDenseTimes);
    auto timeUnits = std::make_unique_for_overwrite<std::int32_t[]>(kDenseTimes);
    benchmark::DoNotOptimize(cells.get());
    benchmark::DoNotOptimize(timeValues.get());
    benchmark::DoNotOptimize(timeUnits.get());
    for (int pass = 0; pass < 2; ++pass) {
      std::memset(cells.get(), 0, kDenseCells * sizeof(std::int32_t));
      std::fill_n(timeValues.get(), kDenseTimes, 1);
      std::memset(timeUnits.get(), 0, kDenseTimes * sizeof(std::int32_t));
      benchmark::ClobberMemory();
    }
    benchmark::DoNotOptimize(cells[kDenseCells - 1]);

    state.PauseTiming();
    reportMemory(state, before, readResidentMemory());
    cells.reset();
    timeValues.reset();
    timeUnits.reset();
    returnFreedMemory();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_DenseStoreBaseline)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
