#include "sim/pty_controller.h"

#include <chrono>

namespace hl::sim {

PtyController::PtyController(ControllerBehaviour behaviour) : controller_(behaviour) {
  thread_ = std::thread([this] { run(); });
}

PtyController::~PtyController() {
  stop_ = true;
  thread_.join();
}

void PtyController::onImage(std::function<void(const ReceivedImage&)> handler) {
  std::lock_guard lock(mutex_);
  onImage_ = std::move(handler);
}

std::vector<ReceivedImage> PtyController::images() const {
  std::lock_guard lock(mutex_);
  return controller_.images();
}

std::vector<std::string> PtyController::commands() const {
  std::lock_guard lock(mutex_);
  return controller_.commands();
}

int PtyController::packetsReceived() const {
  std::lock_guard lock(mutex_);
  return controller_.packetsReceived();
}

void PtyController::run() {
  while (!stop_ && !vanished_) {
    const Bytes in = pty_.receive(20, 0);
    if (in.empty()) continue;
    bytesReceived_ += in.size();
    Bytes answers;
    {
      std::lock_guard lock(mutex_);
      const std::size_t before = controller_.images().size();
      answers = controller_.feed(in);
      if (onImage_)
        for (std::size_t i = before; i < controller_.images().size(); ++i) onImage_(controller_.images()[i]);
      if (controller_.vanished()) {
        pty_.hangUp();  // as a pulled adapter: the program's side hangs up
        vanished_ = true;
        return;
      }
    }
    if (answers.empty()) continue;
    const int delay = controller_.behaviour().answerDelayMs;
    if (delay > 0) std::this_thread::sleep_for(std::chrono::milliseconds(delay));
    pty_.send(answers);
  }
}

}  // namespace hl::sim
