#pragma once
// One serial device over POSIX termios: exclusive open, line settings, timed
// reads, non-blocking writes, queue counts, modem lines and line errors.
// Every system call is retried on EINTR. A failed call returns false (or -1)
// and leaves its errno as this thread's last serial error, which
// serialErrorText turns into the text shown to the user. This file is the one
// place where errno numbers become messages.
#include <cstddef>
#include <cstdint>
#include <string>

namespace hl {

// The errno of the last failed serial call on this thread; 0 when none.
int lastSerialError();
void setLastSerialError(int code);

// The system's text for an errno, with a hint where the user can act
// (permission denied: the dialout group; busy: another program).
std::string serialErrorText(int code);

// Modem status bits, as the engine reports them.
inline constexpr unsigned MS_CTS_ON = 0x10;
inline constexpr unsigned MS_DSR_ON = 0x20;
inline constexpr unsigned MS_RING_ON = 0x40;
inline constexpr unsigned MS_RLSD_ON = 0x80;

// Line error bits, as the engine reports them.
inline constexpr unsigned CE_RXOVER = 0x01;
inline constexpr unsigned CE_OVERRUN = 0x02;
inline constexpr unsigned CE_RXPARITY = 0x04;
inline constexpr unsigned CE_FRAME = 0x08;
inline constexpr unsigned CE_BREAK = 0x10;

struct LineSettings {
  unsigned baudRate = 9600;
  int byteSize = 8;    // data bits, 5..8
  int parity = 0;      // 0 none, 1 odd, 2 even, 3 mark, 4 space
  int stopBits = 0;    // 0 one, 1 one and a half (served as two), 2 two
  bool parityCheck = false;
};

class SerialDevice {
 public:
  SerialDevice() = default;
  ~SerialDevice() { close(); }
  SerialDevice(const SerialDevice&) = delete;
  SerialDevice& operator=(const SerialDevice&) = delete;

  // Opens an existing character device for reading and writing, without
  // making it the controlling terminal, and takes it exclusively (TIOCEXCL
  // for later opens, flock against other programs). A path that is not a
  // character device fails with ENODEV; a device held elsewhere with EBUSY.
  bool open(const std::string& path);
  bool isOpen() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  bool close();

  bool getState(LineSettings& settings);
  // Raw mode (no echo, no line editing, no translation) with these settings.
  bool setState(const LineSettings& settings);
  // Discards what the queues hold.
  bool purge(bool input, bool output);
  // Waits until the output queue has gone out.
  bool drainOutput();

  // Bytes in the driver's input or output queue; -1 when it cannot be read.
  long queueCount(bool input);
  // Modem status bits; false when the device has no modem lines.
  bool modemStatus(unsigned& bits);
  // Line error bits that arrived since the last call; 0 when unknown.
  unsigned takeLineErrors();
  bool clearBreak();

  // Reads up to n bytes: waits up to totalMs for the first, then up to
  // intervalMs for each further byte, never past totalMs in all. Returns the
  // count (possibly 0), or -1 on an error of the device (EIO when it hung up).
  long readTimed(std::uint8_t* buffer, std::size_t n, int intervalMs, int totalMs);
  // Writes what the device takes now. Returns the count (0 when it takes
  // nothing now), or -1 on an error.
  long writeSome(const std::uint8_t* bytes, std::size_t n);

 private:
  int fd_ = -1;
  // Line error counters at the last takeLineErrors.
  int frameErrors_ = 0, overruns_ = 0, parityErrors_ = 0, bufferOverruns_ = 0, breaks_ = 0;
  bool countersRead_ = false;
};

}  // namespace hl
