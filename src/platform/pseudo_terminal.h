#pragma once
// A pseudo-terminal pair: the controller side (master) is held here, the
// device side (slave) has a path that opens like a serial port. Used by the
// simulated controller and by tests. The device side is kept in raw mode and
// held open by one descriptor of its own, so the pair survives the port being
// closed and opened again between exchanges.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace hl {

class PseudoTerminal {
 public:
  // Throws hl::Exception when the system gives no pseudo-terminal.
  PseudoTerminal();
  ~PseudoTerminal();
  PseudoTerminal(const PseudoTerminal&) = delete;
  PseudoTerminal& operator=(const PseudoTerminal&) = delete;

  // The path a serial port opens, e.g. /dev/pts/4.
  const std::string& devicePath() const { return devicePath_; }
  int controllerFd() const { return master_; }

  // Writes all bytes to the device side's input.
  void send(const std::vector<std::uint8_t>& bytes);
  // Bytes the device side wrote, waiting up to timeoutMs for the first and
  // then collecting until quietMs pass without more.
  std::vector<std::uint8_t> receive(int timeoutMs, int quietMs = 5);
  // Cuts the line as a pulled USB adapter would: the device side hangs up.
  void hangUp();
  bool hungUp() const { return master_ < 0; }

 private:
  int master_ = -1;
  int deviceHold_ = -1;
  std::string devicePath_;
};

}  // namespace hl
