// The engine's checks, opening and closing, threads, reads and writes.
#include "link/serial_engine.h"

#include <poll.h>

#include <cerrno>
#include <chrono>

#include "platform/errors.h"
#include "platform/port_table.h"

namespace hl {
namespace {

std::int64_t steadyMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// Modes whose byte queues and threads come with the buffered engine.
constexpr std::uint32_t kNotBuiltOptions = SerialEngine::EN_RX_BUFFER | SerialEngine::EN_TX_BUFFER |
                                           SerialEngine::EN_WRITE_THREAD | SerialEngine::EN_START_SUSPENDED;

// While a write is still going out, it is looked at again this often.
constexpr int kWritePollMs = 100;

}  // namespace

// --- Construction, options, owner ------------------------------------------

SerialEngine::SerialEngine(Application& app, std::uint32_t options) : app_(app) {
  InitObjects();
  SetOptions(options);
}

SerialEngine::~SerialEngine() {
  try {
    Close(500);
  } catch (...) {
    // Nothing can be shown while the engine goes away.
  }
  ReleaseObjects();
}

void SerialEngine::InitObjects() {
  setLastSerialError(0);
  dwPort_ = 0xFFFFFFFF;
  BytesIn_ = 0;
  BytesOut_ = 0;
  dwWaitEvent_ = 0x1FD;
  hOwnerWnd_ = kNoWindow;
  check(RO_.create(), "SE_ASSERT(RO_.hEvent != NULL) failed; SerialEngine(1651); ");
  check(WO_.event.create(), "SE_ASSERT(WO_.hEvent != NULL) failed; SerialEngine(1654); ");
  check(EO_.create(), "SE_ASSERT(EO_.hEvent != NULL) failed; SerialEngine(1657); ");
  check(hWatchEvent_.create(), "SE_ASSERT(hWatchEvent_ != NULL) failed; SerialEngine(1661); ");
  check(hReadEvent_.create(), "SE_ASSERT(hReadEvent_ != NULL) failed; SerialEngine(1663); ");
  check(hWriteEvent_.create(), "SE_ASSERT(hWriteEvent_ != NULL) failed; SerialEngine(1665); ");
}

void SerialEngine::ReleaseObjects() {
  for (WakeEvent* e : {&RO_, &WO_.event, &EO_, &hWatchEvent_, &hReadEvent_, &hWriteEvent_}) e->close();
}

void SerialEngine::SetOptions(std::uint32_t options) {
  setLastSerialError(0);
  check(!IsOpen(), "SE_ASSERT(!IsOpen()) failed; SerialEngine(210); ");
  if (options & kNotBuiltOptions)
    throw Exception("SerialEngine: the buffered and suspended modes (options " + std::to_string(options & kNotBuiltOptions) +
                    ") are not available in this build");
  dwOption_ = options;
}

void SerialEngine::SetNotifyWindow(WindowHandle hWnd) {
  setLastSerialError(0);
  check(hWnd != kNoWindow, "SE_ASSERT(::IsWindow(hWnd)) failed; SerialEngine(250); ");
  hOwnerWnd_ = hWnd;
}

// --- Failure messages ---------------------------------------------------------

std::string SerialEngine::failureMessage(const std::string& check, int code) {
  std::string text = check;
  if (code != 0) {
    // The system's text follows the semicolon of "Code:%d; " directly, over its final blank.
    text += "Code:" + std::to_string(code) + ";";
    text += serialErrorText(code);
  }
  if (text.size() > 255) text.resize(255);
  return text;
}

void SerialEngine::raise(const char* check) const { throw Exception(failureMessage(check, lastSerialError())); }

// --- Open and close -----------------------------------------------------------

bool SerialEngine::Open(std::uint32_t dwPort, std::uint32_t dwBaudRate, std::uint8_t btParity, std::uint8_t btByteSize,
                        std::uint8_t btStopBits) {
  setLastSerialError(0);
  check(dwPort >= 1 && dwPort <= kMaxPortNumber, "SE_ASSERT(dwPort >= 1 && dwPort <= 1024) failed; SerialEngine(332); ");
  dwPort_ = dwPort;
  szName_ = portPathOf(dwPort);
  check(OpenPort(), "SE_ASSERT(OpenPort()) failed; SerialEngine(337); ");
  check(SetState(dwBaudRate, btParity, btByteSize, btStopBits),
        "SE_ASSERT(SetState(dwBaudRate, btParity, btByteSize, btStopBits)) failed; SerialEngine(340); ");
  check(SetupPort(), "SE_ASSERT(SetupPort()) failed; SerialEngine(343); ");
  if (dwOption_ & (EN_WATCH_THREAD | EN_READ_THREAD | EN_WRITE_THREAD))
    check(BeginThread(0), "SE_ASSERT(BeginThread()) failed; SerialEngine(347); ");
  return true;
}

bool SerialEngine::OpenPort() {
  check(!IsOpen(), "SE_ASSERT(!IsOpen()) failed; SerialEngine(1709); ");
  deviceLost_ = false;
  receivePending_ = false;
  if (szName_.empty()) {
    setLastSerialError(ENOENT);  // a number the port table does not know
    return false;
  }
  // The device is always non-blocking: the engine bounds every wait itself.
  hComm_.open(szName_);
  return IsOpen();
}

bool SerialEngine::SetState(std::uint32_t dwBaudRate, std::uint8_t btParity, std::uint8_t btByteSize,
                            std::uint8_t btStopBits) {
  check(IsOpen(), "SE_ASSERT(IsOpen()) failed; SerialEngine(864); ");
  if (!hComm_.getState(DCB_)) return false;
  DCB_.baudRate = dwBaudRate;
  DCB_.byteSize = btByteSize;
  DCB_.parity = btParity;
  DCB_.stopBits = btStopBits;
  DCB_.parityCheck = btParity != 0;
  return hComm_.setState(DCB_);
}

bool SerialEngine::SetupPort() {
  check(IsOpen(), "SE_ASSERT(IsOpen()) failed; SerialEngine(1724); ");
  // The tty driver's queues have a fixed size here (at least 4096 bytes); there is nothing to set.
  const bool overlapped = dwOption_ & EN_OVERLAPPED_IO;
  CO_.ReadIntervalTimeout = 10;
  CO_.ReadTotalTimeoutMultiplier = 0;
  CO_.ReadTotalTimeoutConstant = overlapped ? 500 : 250;
  CO_.WriteTotalTimeoutMultiplier = overlapped ? 1 : 0;
  CO_.WriteTotalTimeoutConstant = overlapped ? 10000 : 250;
  check(hComm_.purge(true, true),
        "SE_ASSERT(::PurgeComm(hComm_, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR)) failed; "
        "SerialEngine(1751); ");
  std::lock_guard lock(WO_.mutex);
  WO_.bytes.clear();
  return true;
}

bool SerialEngine::Close(std::uint32_t waitMs) {
  if (!IsOpen()) return false;
  EndThreads(waitMs);
  if (dwOption_ & (EN_FLUSH_ON_CLOSE | EN_DRAIN_ON_CLOSE)) {
    drainPendingWrite(true);
    hComm_.drainOutput();
  }
  hComm_.purge(true, true);
  {
    std::lock_guard lock(WO_.mutex);
    WO_.bytes.clear();  // a pending write is aborted with the purge
  }
  WO_.event.reset();
  receivePending_ = false;
  return hComm_.close();
}

// --- Threads ------------------------------------------------------------------

bool SerialEngine::startWorker(Worker& worker, int (SerialEngine::*body)()) {
  worker.finished = false;
  try {
    worker.thread = std::thread([this, &worker, body] {
      (this->*body)();
      worker.finished = true;
    });
  } catch (const std::system_error& e) {
    setLastSerialError(e.code().value());
    return false;
  }
  return true;
}

bool SerialEngine::BeginThread(std::uint32_t extraOptions) {
  check(!hWatchThread_.exists() && !hReadThread_.exists() && !hWriteThread_.exists(),
        "SE_ASSERT(!hWatchThread_ && !hReadThread_ && !hWriteThread_) failed; SerialEngine(652); ");
  bRunning_ = true;
  if (extraOptions != 0) dwOption_ |= extraOptions;
  EO_.reset();
  // EN_ABOVE_NORMAL asks for one priority step up; threads of an unprivileged
  // process cannot rise above their peers here, so they run at normal priority.
  if (dwOption_ & EN_WATCH_THREAD) {
    const bool overlapped = dwOption_ & EN_OVERLAPPED_IO;
    check(startWorker(hWatchThread_, overlapped ? &SerialEngine::WatchLoopOverlapped : &SerialEngine::WatchLoopPolled),
          "SE_ASSERT(hWatchThread_ != NULL) failed; SerialEngine(691); ");
  }
  if (dwOption_ & EN_READ_THREAD)
    check(startWorker(hReadThread_, &SerialEngine::ReadLoop), "SE_ASSERT(hReadThread_ != NULL) failed; SerialEngine(706); ");
  if (dwOption_ & EN_WRITE_THREAD)
    check(startWorker(hWriteThread_, &SerialEngine::WriteLoop), "SE_ASSERT(hWriteThread_ != NULL) failed; SerialEngine(721); ");
  return true;
}

bool SerialEngine::stopWorker(Worker& worker, WakeEvent& wake, std::uint32_t waitMs) {
  if (!worker.exists()) return true;
  wake.set();
  const std::int64_t deadline = steadyMs() + waitMs;
  while (!worker.finished && steadyMs() < deadline) sleepMs(1);
  // A thread cannot be ended from outside here; the loops only ever block on
  // waits that the stop signal releases, so the join below returns promptly.
  worker.thread.join();
  wake.reset();
  return true;
}

bool SerialEngine::EndThreads(std::uint32_t waitMs) {
  if (!hWatchThread_.exists() && !hReadThread_.exists() && !hWriteThread_.exists()) return false;
  bRunning_ = false;
  if (dwOption_ & EN_OVERLAPPED_IO) EO_.set();  // releases a pending event wait
  if (!stopWorker(hWatchThread_, hWatchEvent_, waitMs)) return false;
  if (!stopWorker(hReadThread_, hReadEvent_, waitMs)) return false;
  if (!stopWorker(hWriteThread_, hWriteEvent_, waitMs)) return false;
  EO_.reset();
  return true;
}

// --- Reading and writing --------------------------------------------------

std::uint32_t SerialEngine::Read(std::uint8_t* pBuffer, std::uint32_t length, std::uint32_t waitMs) {
  setLastSerialError(0);
  check(pBuffer != nullptr, "SE_ASSERT(pBuffer) failed; SerialEngine(478); ");
  std::uint32_t count = 0;
  ReadDirect(pBuffer, length, waitMs, count);
  return count;
}

bool SerialEngine::ReadDirect(std::uint8_t* buffer, std::uint32_t n, std::uint32_t waitMs, std::uint32_t& count) {
  check(IsOpen(), "SE_ASSERT(IsOpen()) failed; SerialEngine(418); ");
  count = 0;
  if (n == 0) return true;
  receivePending_ = false;  // bytes arriving from now on are reported again
  takeLineErrors();         // cleared before every read; no read is ever pending here to abort
  const std::uint32_t total = CO_.ReadTotalTimeoutConstant + CO_.ReadTotalTimeoutMultiplier * n;
  const int totalMs = static_cast<int>(waitMs == kInfiniteWait ? total : std::min(total, waitMs));
  const long got = hComm_.readTimed(buffer, n, static_cast<int>(CO_.ReadIntervalTimeout), totalMs);
  check(got >= 0, "SE_ASSERT(::GetOverlappedResult(hComm_, &RO_, &dwReadResult, TRUE)) failed; SerialEngine(433); ");
  count = static_cast<std::uint32_t>(got);
  BytesIn_ += count;
  return true;
}

std::uint32_t SerialEngine::Write(const std::uint8_t* buffer, std::uint32_t length) {
  setLastSerialError(0);
  return WriteDirect(buffer, length);
}

std::uint32_t SerialEngine::WriteDirect(const std::uint8_t* buffer, std::uint32_t n) {
  check(IsOpen(), "SE_ASSERT(IsOpen()) failed; SerialEngine(511); ");
  if (n == 0) return 0;
  takeLineErrors();
  std::uint32_t writtenAtOnce = 0;
  writeOrQueue(buffer, n, writtenAtOnce);
  BytesOut_ += n;
  txWatched_ = true;
  return writtenAtOnce;
}

void SerialEngine::writeOrQueue(const std::uint8_t* buffer, std::uint32_t n, std::uint32_t& writtenAtOnce) {
  std::unique_lock lock(WO_.mutex);
  long taken = 0;
  if (WO_.bytes.empty()) {  // bytes still queued go first
    taken = hComm_.writeSome(buffer, n);
    check(taken >= 0, "SE_ASSERT(::GetLastError() == ERROR_IO_PENDING) failed; SerialEngine(524); ");
  }
  if (static_cast<std::uint32_t>(taken) == n) {
    writtenAtOnce = n;
    return;
  }
  WO_.bytes.insert(WO_.bytes.end(), buffer + taken, buffer + n);
  WO_.deadlineMs = steadyMs() + CO_.WriteTotalTimeoutConstant + CO_.WriteTotalTimeoutMultiplier * n;
  writtenAtOnce = 0;
  lock.unlock();
  if (hWatchThread_.exists()) WO_.event.set();  // the watch thread finishes it
  else drainPendingWrite(true);                 // nobody else will: finish it now, within the time-out
}

void SerialEngine::drainPendingWrite(bool untilDone) {
  for (;;) {
    std::unique_lock lock(WO_.mutex);
    if (WO_.bytes.empty() || !IsOpen()) return;
    if (steadyMs() > WO_.deadlineMs) {  // the write timed out; what is left is dropped
      WO_.bytes.clear();
      return;
    }
    std::vector<std::uint8_t> chunk(WO_.bytes.begin(), WO_.bytes.begin() + std::min<std::size_t>(WO_.bytes.size(), 4096));
    const long taken = hComm_.writeSome(chunk.data(), chunk.size());
    if (taken < 0) {
      WO_.bytes.clear();
      return;
    }
    WO_.bytes.erase(WO_.bytes.begin(), WO_.bytes.begin() + taken);
    if (WO_.bytes.empty() || !untilDone) return;
    lock.unlock();
    pollfd p{hComm_.fd(), POLLOUT, 0};
    ::poll(&p, 1, kWritePollMs);
  }
}

// --- Status -------------------------------------------------------------------

std::uint32_t SerialEngine::takeLineErrors() {
  std::lock_guard lock(lineErrorMutex_);
  const std::uint32_t bits = pendingLineErrors_ | hComm_.takeLineErrors();
  pendingLineErrors_ = 0;
  return bits;
}

std::uint32_t SerialEngine::QueueCount(bool input) {
  setLastSerialError(0);
  check(IsOpen(), "SE_ASSERT(IsOpen()) failed; SerialEngine(982); ");
  const long count = hComm_.queueCount(input);
  if (count < 0) return 0xFFFFFFFF;
  if (!input) {
    std::lock_guard lock(WO_.mutex);  // bytes the engine still holds count as queued
    return static_cast<std::uint32_t>(count + WO_.bytes.size());
  }
  return static_cast<std::uint32_t>(count);
}

std::uint32_t SerialEngine::LineErrors() {
  setLastSerialError(0);
  check(IsOpen(), "SE_ASSERT(IsOpen()) failed; SerialEngine(973); ");
  return takeLineErrors();
}

std::uint32_t SerialEngine::ModemStatus() {
  setLastSerialError(0);
  check(IsOpen(), "SE_ASSERT(IsOpen()) failed; SerialEngine(924); ");
  return modemBits();
}

}  // namespace hl
