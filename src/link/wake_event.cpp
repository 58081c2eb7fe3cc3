#include "link/wake_event.h"

#include <poll.h>
#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace hl {

bool WakeEvent::create() {
  close();
  fd_ = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
  return fd_ >= 0;
}

void WakeEvent::close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void WakeEvent::set() {
  // The counter only grows, so the event stays readable until reset.
  const std::uint64_t one = 1;
  while (::write(fd_, &one, sizeof one) < 0 && errno == EINTR) {
  }
}

void WakeEvent::reset() {
  std::uint64_t value = 0;
  while (::read(fd_, &value, sizeof value) < 0 && errno == EINTR) {
  }
}

bool WakeEvent::isSet() const { return wait(0); }

bool WakeEvent::wait(int timeoutMs) const {
  pollfd p{fd_, POLLIN, 0};
  for (;;) {
    const int ready = ::poll(&p, 1, timeoutMs);
    if (ready >= 0) return ready > 0;
    if (errno != EINTR) return false;
  }
}

}  // namespace hl
