#include "platform/clock.h"

#include <chrono>

namespace hl {

std::int64_t RealClock::nowMs() const {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void VirtualClock::advance(std::int64_t ms) {
  const std::int64_t target = now_ + ms;
  if (scheduler_) scheduler_(target);
  now_ = target;
}

}  // namespace hl
