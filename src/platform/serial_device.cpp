#include "platform/serial_device.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstring>

namespace hl {
namespace {

thread_local int tlsLastError = 0;

// Runs a system call again while a signal interrupts it.
template <typename Call>
auto retryOnSignal(Call call) {
  for (;;) {
    auto result = call();
    if (result != -1 || errno != EINTR) return result;
  }
}

bool fail() {
  tlsLastError = errno;
  return false;
}

std::int64_t nowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

speed_t speedOf(unsigned baud) {
  switch (baud) {
    case 1200: return B1200;
    case 2400: return B2400;
    case 4800: return B4800;
    case 9600: return B9600;
    case 19200: return B19200;
    case 38400: return B38400;
    case 57600: return B57600;
    case 115200: return B115200;
    case 230400: return B230400;
    case 460800: return B460800;
    case 921600: return B921600;
    default: return B0;
  }
}

unsigned baudOf(speed_t speed) {
  for (unsigned baud : {1200u, 2400u, 4800u, 9600u, 19200u, 38400u, 57600u, 115200u, 230400u, 460800u, 921600u})
    if (speedOf(baud) == speed) return baud;
  return 0;
}

tcflag_t sizeFlag(int byteSize) {
  switch (byteSize) {
    case 5: return CS5;
    case 6: return CS6;
    case 7: return CS7;
    default: return CS8;
  }
}

}  // namespace

int lastSerialError() { return tlsLastError; }
void setLastSerialError(int code) { tlsLastError = code; }

std::string serialErrorText(int code) {
  std::string text = std::strerror(code);
  if (code == EACCES || code == EPERM)
    text += " (the user may not use serial ports: add the user to the dialout group and log in again)";
  else if (code == EBUSY || code == EWOULDBLOCK)
    text += " (the port is in use by another program)";
  return text;
}

bool SerialDevice::open(const std::string& path) {
  if (isOpen()) {
    errno = EBUSY;
    return fail();
  }
  struct stat info {};
  if (retryOnSignal([&] { return ::stat(path.c_str(), &info); }) != 0) return fail();
  if (!S_ISCHR(info.st_mode)) {
    errno = ENODEV;
    return fail();
  }
  const int fd = retryOnSignal([&] { return ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC); });
  if (fd < 0) return fail();
  if (retryOnSignal([&] { return ::flock(fd, LOCK_EX | LOCK_NB); }) != 0) {
    const int error = errno == EWOULDBLOCK ? EBUSY : errno;
    ::close(fd);
    errno = error;
    return fail();
  }
  ::ioctl(fd, TIOCEXCL);  // refuses later opens by others; not every device supports it
  fd_ = fd;
  countersRead_ = false;
  return true;
}

bool SerialDevice::close() {
  if (!isOpen()) return false;
  ::ioctl(fd_, TIOCNXCL);
  const int fd = fd_;
  fd_ = -1;
  // close() is not retried: the descriptor is gone even when it reports EINTR.
  if (::close(fd) != 0 && errno != EINTR) return fail();
  return true;
}

bool SerialDevice::getState(LineSettings& settings) {
  termios tio{};
  if (retryOnSignal([&] { return ::tcgetattr(fd_, &tio); }) != 0) return fail();
  settings.baudRate = baudOf(cfgetospeed(&tio));
  switch (tio.c_cflag & CSIZE) {
    case CS5: settings.byteSize = 5; break;
    case CS6: settings.byteSize = 6; break;
    case CS7: settings.byteSize = 7; break;
    default: settings.byteSize = 8;
  }
  if (!(tio.c_cflag & PARENB)) settings.parity = 0;
  else if (tio.c_cflag & CMSPAR) settings.parity = (tio.c_cflag & PARODD) ? 3 : 4;
  else settings.parity = (tio.c_cflag & PARODD) ? 1 : 2;
  settings.stopBits = (tio.c_cflag & CSTOPB) ? 2 : 0;
  settings.parityCheck = (tio.c_iflag & INPCK) != 0;
  return true;
}

bool SerialDevice::setState(const LineSettings& settings) {
  termios tio{};
  if (retryOnSignal([&] { return ::tcgetattr(fd_, &tio); }) != 0) return fail();
  const speed_t speed = speedOf(settings.baudRate);
  if (speed == B0) {
    errno = EINVAL;
    return fail();
  }
  cfmakeraw(&tio);
  cfsetispeed(&tio, speed);
  cfsetospeed(&tio, speed);
  tio.c_cflag &= ~(CSIZE | PARENB | PARODD | CMSPAR | CSTOPB | CRTSCTS);
  tio.c_cflag |= sizeFlag(settings.byteSize) | CLOCAL | CREAD;
  if (settings.parity != 0) tio.c_cflag |= PARENB;
  if (settings.parity == 1 || settings.parity == 3) tio.c_cflag |= PARODD;
  if (settings.parity == 3 || settings.parity == 4) tio.c_cflag |= CMSPAR;
  if (settings.stopBits != 0) tio.c_cflag |= CSTOPB;
  if (settings.parityCheck) tio.c_iflag |= INPCK;
  else tio.c_iflag &= ~INPCK;
  tio.c_cc[VMIN] = 0;
  tio.c_cc[VTIME] = 0;
  if (retryOnSignal([&] { return ::tcsetattr(fd_, TCSANOW, &tio); }) != 0) return fail();
  return true;
}

bool SerialDevice::purge(bool input, bool output) {
  const int which = input && output ? TCIOFLUSH : input ? TCIFLUSH : TCOFLUSH;
  if (!input && !output) return true;
  if (retryOnSignal([&] { return ::tcflush(fd_, which); }) != 0) return fail();
  return true;
}

bool SerialDevice::drainOutput() {
  if (retryOnSignal([&] { return ::tcdrain(fd_); }) != 0) return fail();
  return true;
}

long SerialDevice::queueCount(bool input) {
  int count = 0;
  if (retryOnSignal([&] { return ::ioctl(fd_, input ? TIOCINQ : TIOCOUTQ, &count); }) != 0) {
    fail();
    return -1;
  }
  return count;
}

bool SerialDevice::modemStatus(unsigned& bits) {
  int lines = 0;
  bits = 0;
  if (retryOnSignal([&] { return ::ioctl(fd_, TIOCMGET, &lines); }) != 0) return fail();
  if (lines & TIOCM_CTS) bits |= MS_CTS_ON;
  if (lines & TIOCM_DSR) bits |= MS_DSR_ON;
  if (lines & TIOCM_RI) bits |= MS_RING_ON;
  if (lines & TIOCM_CD) bits |= MS_RLSD_ON;
  return true;
}

unsigned SerialDevice::takeLineErrors() {
  serial_icounter_struct counters{};
  if (retryOnSignal([&] { return ::ioctl(fd_, TIOCGICOUNT, &counters); }) != 0) return 0;  // a pty keeps no counters
  unsigned bits = 0;
  if (countersRead_) {
    if (counters.frame != frameErrors_) bits |= CE_FRAME;
    if (counters.overrun != overruns_) bits |= CE_OVERRUN;
    if (counters.parity != parityErrors_) bits |= CE_RXPARITY;
    if (counters.buf_overrun != bufferOverruns_) bits |= CE_RXOVER;
    if (counters.brk != breaks_) bits |= CE_BREAK;
  }
  frameErrors_ = counters.frame;
  overruns_ = counters.overrun;
  parityErrors_ = counters.parity;
  bufferOverruns_ = counters.buf_overrun;
  breaks_ = counters.brk;
  countersRead_ = true;
  return bits;
}

bool SerialDevice::clearBreak() {
  if (retryOnSignal([&] { return ::ioctl(fd_, TIOCCBRK); }) != 0) return fail();
  return true;
}

long SerialDevice::readTimed(std::uint8_t* buffer, std::size_t n, int intervalMs, int totalMs) {
  const std::int64_t deadline = nowMs() + totalMs;
  std::size_t got = 0;
  while (got < n) {
    const std::int64_t left = deadline - nowMs();
    const std::int64_t wait = got == 0 ? left : std::min<std::int64_t>(left, intervalMs);
    if (wait <= 0) break;
    pollfd p{fd_, POLLIN, 0};
    const int ready = retryOnSignal([&] { return ::poll(&p, 1, static_cast<int>(wait)); });
    if (ready < 0) {
      fail();
      return -1;
    }
    if (ready == 0) break;  // the interval or the total time ran out
    const ssize_t r = retryOnSignal([&] { return ::read(fd_, buffer + got, n - got); });
    if (r > 0) {
      got += static_cast<std::size_t>(r);
      continue;
    }
    if (r < 0 && errno == EAGAIN) continue;
    if (got > 0) break;       // keep what arrived; the next read reports the error
    if (r == 0) errno = EIO;  // readable with nothing to read: the device hung up
    fail();
    return -1;
  }
  return static_cast<long>(got);
}

long SerialDevice::writeSome(const std::uint8_t* bytes, std::size_t n) {
  const ssize_t w = retryOnSignal([&] { return ::write(fd_, bytes, n); });
  if (w >= 0) return static_cast<long>(w);
  if (errno == EAGAIN) return 0;
  fail();
  return -1;
}

}  // namespace hl
