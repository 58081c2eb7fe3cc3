// Start-up of the headless main window: construction plus its whole start-up
// sequence with an empty project. Compare with BM_DenseStoreBaseline of
// project_bench, the cost of holding every zone densely and clearing it twice.
// Run each benchmark program on its own so that resident sizes do not mix.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/entry.h"
#include "app/form2.h"
#include "platform/scripted_dialog_host.h"
#include "platform/toolkit.h"

namespace {

double residentKiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  double kib = 0;
  while (status >> key)
    if (key == "VmRSS:" && status >> kib) return kib;
  return 0;
}

void BM_WindowStartup(benchmark::State& state) {
  const std::string folder = std::filesystem::temp_directory_path() / "hueloom-bench";
  std::filesystem::create_directories(folder);
  for (auto _ : state) {
    state.PauseTiming();
    malloc_trim(0);
    const double before = residentKiB();
    hl::VirtualClock clock;
    hl::ScriptedDialogHost dialogs;
    hl::Application app(clock, dialogs);
    state.ResumeTiming();

    hl::prepareApplication(app);
    auto form = hl::createMainForm(app, hl::FormEnvironment{folder, folder});
    benchmark::DoNotOptimize(form.get());

    state.PauseTiming();
    state.counters["rss_added_kib"] = residentKiB() - before;
    state.counters["project_heap_kib"] = double(form->project.memoryInUse()) / 1024;
    form.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_WindowStartup)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace

BENCHMARK_MAIN();
