// Encoding and reading the largest zones, with a plain memory copy of the
// same number of bytes in the same run as the yardstick. The goal is at
// least a quarter of the copy's speed. Run a Release build:
//   pattern_image_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
#include <benchmark/benchmark.h>

#include <cstring>
#include <map>
#include <memory>

#include "formats/headless_project.h"
#include "formats/pattern_reader.h"

namespace {

using hl::Project;

struct Shape {
  const char* name;
  int model, lamps;
};

// 0: model 0, 1024 lamps, 189 frames; 1: one lamp, 20001 frames;
// 2: model 4, 1024 lamps at the 20003-column cap (20001 frames).
constexpr Shape kShapes[] = {{"model0_1024x189", 0, 1024}, {"model0_1x20001", 0, 1}, {"model4_1024x20001", 4, 1024}};

// A full zone 0 of a shape and its file image, made once per shape.
struct Zone {
  std::unique_ptr<Project> project = std::make_unique<Project>();
  hl::EncoderInputs inputs;
  hl::PatternImage image;
};

const Zone& zoneOf(int shape) {
  static std::map<int, Zone> zones;
  auto [it, fresh] = zones.try_emplace(shape);
  Zone& zone = it->second;
  if (fresh) {
    const Shape& s = kShapes[shape];
    hl::prepareHeadlessProject(*zone.project, s.model, s.lamps);
    zone.inputs = hl::headlessInputs(s.model, s.lamps);
    for (int row = hl::kFirstChannelRow; row < hl::kFirstChannelRow + s.lamps; ++row)
      for (int column = hl::kFirstFrameColumn; column < zone.project->frameColumns; ++column)
        zone.project->setCell(0, row, column, ((row * 7919 + column * 104729) & 0xFFFFFF) | 1);
    zone.image = hl::EncodePatternImage(*zone.project, zone.inputs, 0, hl::ImagePurpose::File, false);
  }
  return zone;
}

void BM_Encode(benchmark::State& state) {
  const Zone& zone = zoneOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    hl::PatternImage image = hl::EncodePatternImage(*zone.project, zone.inputs, 0, hl::ImagePurpose::Upload, true);
    benchmark::DoNotOptimize(image.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(zone.image.size()));
  state.SetLabel(kShapes[state.range(0)].name);
}

void BM_Read(benchmark::State& state) {
  const Zone& zone = zoneOf(static_cast<int>(state.range(0)));
  const Shape& s = kShapes[state.range(0)];
  Project target;
  hl::prepareHeadlessProject(target, s.model, s.lamps);
  for (auto _ : state) {
    const auto result = hl::ReadPatternImages(target, zone.image, {hl::PatternReadUse::OneZone, 0});
    if (result.problem) state.SkipWithError("the image was refused");
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(zone.image.size()));
  state.SetLabel(s.name);
}

// The same number of bytes copied from one buffer into a fresh one, as the
// encoder fills a fresh image: the yardstick of the goal.
void BM_MemoryCopy(benchmark::State& state) {
  const Zone& zone = zoneOf(static_cast<int>(state.range(0)));
  for (auto _ : state) {
    hl::PatternImage copy(zone.image.size());
    std::memcpy(copy.data(), zone.image.data(), zone.image.size());
    benchmark::DoNotOptimize(copy.data());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(zone.image.size()));
  state.SetLabel(kShapes[state.range(0)].name);
}

// The same copy into a buffer made once: the speed of memory itself, with
// no fresh pages to map.
void BM_MemoryCopyReused(benchmark::State& state) {
  const Zone& zone = zoneOf(static_cast<int>(state.range(0)));
  hl::PatternImage copy(zone.image.size());
  for (auto _ : state) {
    std::memcpy(copy.data(), zone.image.data(), zone.image.size());
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * static_cast<int64_t>(zone.image.size()));
  state.SetLabel(kShapes[state.range(0)].name);
}

BENCHMARK(BM_Encode)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_Read)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemoryCopy)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_MemoryCopyReused)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
