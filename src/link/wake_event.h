#pragma once
// A manual-reset event that a poll() can wait on beside a device: set()
// keeps it signalled until reset().
namespace hl {

class WakeEvent {
 public:
  WakeEvent() = default;
  ~WakeEvent() { close(); }
  WakeEvent(const WakeEvent&) = delete;
  WakeEvent& operator=(const WakeEvent&) = delete;

  bool create();  // false when the system has no descriptor left
  void close();
  bool valid() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  void set();
  void reset();
  bool isSet() const;
  // True when signalled within timeoutMs.
  bool wait(int timeoutMs) const;

 private:
  int fd_ = -1;
};

}  // namespace hl
