#include "platform/pseudo_terminal.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/errors.h"

namespace hl {

PseudoTerminal::PseudoTerminal() {
  master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
  if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
    throw Exception(std::string("no pseudo-terminal: ") + std::strerror(errno));
  char name[128] = {};
  if (::ptsname_r(master_, name, sizeof name) != 0) throw Exception("no pseudo-terminal name");
  devicePath_ = name;
  deviceHold_ = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
  if (deviceHold_ < 0) throw Exception(std::string("cannot open ") + name + ": " + std::strerror(errno));
  termios tio{};
  ::tcgetattr(deviceHold_, &tio);
  cfmakeraw(&tio);
  ::tcsetattr(deviceHold_, TCSANOW, &tio);
  ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
}

PseudoTerminal::~PseudoTerminal() {
  hangUp();
}

void PseudoTerminal::hangUp() {
  if (deviceHold_ >= 0) ::close(deviceHold_);
  if (master_ >= 0) ::close(master_);
  deviceHold_ = master_ = -1;
}

void PseudoTerminal::send(const std::vector<std::uint8_t>& bytes) {
  std::size_t done = 0;
  while (master_ >= 0 && done < bytes.size()) {
    const ssize_t w = ::write(master_, bytes.data() + done, bytes.size() - done);
    if (w > 0) {
      done += static_cast<std::size_t>(w);
    } else if (w < 0 && (errno == EAGAIN || errno == EINTR)) {
      pollfd p{master_, POLLOUT, 0};
      ::poll(&p, 1, 50);
    } else {
      return;
    }
  }
}

std::vector<std::uint8_t> PseudoTerminal::receive(int timeoutMs, int quietMs) {
  std::vector<std::uint8_t> bytes;
  int wait = timeoutMs;
  while (master_ >= 0) {
    pollfd p{master_, POLLIN, 0};
    const int ready = ::poll(&p, 1, wait);
    if (ready < 0 && errno == EINTR) continue;
    if (ready <= 0 || !(p.revents & POLLIN)) break;
    std::uint8_t chunk[4096];
    const ssize_t r = ::read(master_, chunk, sizeof chunk);
    if (r < 0 && (errno == EAGAIN || errno == EINTR)) continue;
    if (r <= 0) break;
    bytes.insert(bytes.end(), chunk, chunk + r);
    wait = quietMs;
  }
  return bytes;
}

}  // namespace hl
