// A 100 KB upload of one zone through the headless window, the serial engine
// and a pseudo-terminal, to a simulated controller that answers at once. The
// window's thread runs as the front-end runs it: woken by posted messages,
// otherwise waiting for its next timer, on the real clock.
//
// Counters per upload:
//   ms_per_packet     wall time per packet
//   own_ms_per_packet wall time per packet beyond the read interval (10 ms)
//                     that every answer read waits out after its last byte
//   cpu_ms_per_packet CPU time of the whole process per packet (window,
//                     watch thread and simulated controller together)
//   max_frame_ms      the longest single turn of the window's thread
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <mutex>

#include "app/entry.h"
#include "app/form2.h"
#include "platform/scripted_dialog_host.h"
#include "platform/toolkit.h"
#include "sim/pty_controller.h"

namespace {

using Clock = std::chrono::steady_clock;

double cpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

double msBetween(Clock::time_point a, Clock::time_point b) {
  return std::chrono::duration<double, std::milli>(b - a).count();
}

// The front-end's event loop in small: run messages and due timers, then
// sleep until a message is posted or the next timer is due.
class WindowLoop {
 public:
  explicit WindowLoop(hl::Application& app) : app_(app) {
    app_.setWakeHandler([this] {
      std::lock_guard lock(mutex_);
      woken_ = true;
      wake_.notify_one();
    });
  }
  ~WindowLoop() { app_.setWakeHandler(nullptr); }
  // One turn; returns its length in ms.
  double turn() {
    const auto start = Clock::now();
    app_.ProcessMessages();
    const double length = msBetween(start, Clock::now());
    std::unique_lock lock(mutex_);
    wake_.wait_for(lock, std::chrono::milliseconds(5), [this] { return woken_; });
    woken_ = false;
    return length;
  }

 private:
  hl::Application& app_;
  std::mutex mutex_;
  std::condition_variable wake_;
  bool woken_ = false;
};

void BM_Upload100KB(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "hueloom-upload-bench";
  std::filesystem::create_directories(folder);
  hl::RealClock clock;
  hl::ScriptedDialogHost dialogs;
  hl::Application app(clock, dialogs);
  hl::prepareApplication(app);
  auto form = hl::createMainForm(app, hl::FormEnvironment{folder.string(), folder.string()});
  form->ComboBox6->userSelect(0);     // packets of 500 bytes
  form->ComboBox4->userSelect(99);    // 100 lamps: 303 bytes a frame
  for (int frame = 0; frame < 330; ++frame) form->project.setCell(0, 3 + frame % 100, 2 + frame, frame + 1);
  hl::sim::PtyController controller;
  form->ComboBox5->setText(controller.devicePath());
  WindowLoop loop(app);

  double packets = 0, ownMs = 0, wallMs = 0, cpu = 0, maxFrame = 0;
  std::size_t imageBytes = 0;
  for (auto _ : state) {
    form->BitBtn7->setEnabled(true);
    const double cpuStart = cpuMs();
    const auto start = Clock::now();
    form->BitBtn7->click();
    // From the first connect attempt on: the 800 ms before it is the connect timer's.
    auto firstAttempt = start;
    bool attempted = false;
    while (form->Label13->caption() != "Send OK !" && form->link.link.imageHeld()) {
      const double frame = loop.turn();
      if (!attempted && form->link.link.state.attemptCount > 0) {
        attempted = true;
        firstAttempt = Clock::now();
      } else if (attempted) {
        maxFrame = std::max(maxFrame, frame);
      }
    }
    const double elapsed = msBetween(firstAttempt, Clock::now());
    imageBytes = controller.images().back().bytes.size();
    const double n = static_cast<double>(imageBytes / 500 + 1);
    packets += n;
    wallMs += elapsed;
    ownMs += elapsed - n * 10.0;
    cpu += cpuMs() - cpuStart;
  }
  state.counters["image_bytes"] = static_cast<double>(imageBytes);
  state.counters["packets"] = packets / state.iterations();
  state.counters["ms_per_packet"] = wallMs / packets;
  state.counters["own_ms_per_packet"] = ownMs / packets;
  state.counters["cpu_ms_per_packet"] = cpu / packets;
  state.counters["max_frame_ms"] = maxFrame;
}

BENCHMARK(BM_Upload100KB)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
