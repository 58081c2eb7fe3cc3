#pragma once
// A simulated controller on a pseudo-terminal, answering on a thread of its
// own: the program opens devicePath() like a serial port.
#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "platform/pseudo_terminal.h"
#include "sim/simulated_controller.h"

namespace hl::sim {

class PtyController {
 public:
  explicit PtyController(ControllerBehaviour behaviour = {});
  ~PtyController();
  PtyController(const PtyController&) = delete;
  PtyController& operator=(const PtyController&) = delete;

  const std::string& devicePath() const { return pty_.devicePath(); }
  // Called on the controller's thread with each image once its end command arrived.
  void onImage(std::function<void(const ReceivedImage&)> handler);

  std::vector<ReceivedImage> images() const;
  std::vector<std::string> commands() const;
  int packetsReceived() const;
  bool vanished() const { return vanished_; }
  // Bytes received so far, in all.
  std::size_t bytesReceived() const { return bytesReceived_; }

 private:
  void run();

  PseudoTerminal pty_;
  mutable std::mutex mutex_;  // guards controller_ and onImage_
  SimulatedController controller_;
  std::function<void(const ReceivedImage&)> onImage_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> vanished_{false};
  std::atomic<std::size_t> bytesReceived_{0};
  std::thread thread_;
};

}  // namespace hl::sim
