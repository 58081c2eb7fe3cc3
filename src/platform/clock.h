#pragma once
// Time for timers and time-outs, in milliseconds from an arbitrary start.
#include <cstdint>
#include <functional>

namespace hl {

class Clock {
 public:
  virtual ~Clock() = default;
  virtual std::int64_t nowMs() const = 0;
};

// The monotonic clock of the machine.
class RealClock final : public Clock {
 public:
  std::int64_t nowMs() const override;
};

// A clock that moves only when told to. advance() lets the attached
// scheduler fire every timer that falls due on the way, in order.
class VirtualClock final : public Clock {
 public:
  // The scheduler moves the clock to the target itself, stopping at each due timer.
  using Scheduler = std::function<void(std::int64_t targetMs)>;

  std::int64_t nowMs() const override { return now_; }
  void set(std::int64_t ms) { now_ = ms; }
  void advance(std::int64_t ms);
  void attach(Scheduler scheduler) { scheduler_ = std::move(scheduler); }

 private:
  std::int64_t now_ = 0;
  Scheduler scheduler_;
};

}  // namespace hl
