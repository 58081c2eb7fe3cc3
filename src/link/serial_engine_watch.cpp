// The engine's notifications and its watch thread: waiting for port events,
// finishing writes the device did not take at once, posting to the owner.
#include <poll.h>

#include <cerrno>
#include <chrono>

#include "link/serial_engine.h"

namespace hl {
namespace {

void sleepMs(int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }

// While modem lines can be read, the event wait looks at them this often.
constexpr int kModemPollMs = 50;
// While a write is still going out, the event wait looks at its time-out this often.
constexpr int kWritePollMs = 100;

}  // namespace

// --- Notifications ------------------------------------------------------------

void SerialEngine::Notify(unsigned message, std::intptr_t value) {
  const WindowHandle owner = hOwnerWnd_;
  if (owner == kNoWindow) return;
  // Posting never waits for the owner; a window that is gone gets nothing.
  app_.postMessage(owner, message, dwPort_, value);
}

void SerialEngine::NotifyReceive() {
  // Coalesced: while one notification waits undelivered, another adds nothing
  // but a read that would find the bytes gone and wait out the time-out.
  if (receivePending_.exchange(true)) return;
  const WindowHandle owner = hOwnerWnd_;
  if (owner == kNoWindow || !app_.postMessage(owner, SE_MSG_RECEIVE, dwPort_, 0)) receivePending_ = false;
}

// The notifiers run on the watch thread: they read the modem lines without
// the owner's checks (a status that cannot be read counts as all lines off).
unsigned SerialEngine::modemBits() {
  unsigned bits = 0;
  return hComm_.modemStatus(bits) ? bits : 0;
}

void SerialEngine::NotifyCts() { Notify(SE_MSG_CTS, (modemBits() & MS_CTS_ON) ? 1 : 0); }
void SerialEngine::NotifyDsr() { Notify(SE_MSG_DSR, (modemBits() & MS_DSR_ON) ? 1 : 0); }
void SerialEngine::NotifyRing() { Notify(SE_MSG_RING, (modemBits() & MS_RING_ON) ? 1 : 0); }
void SerialEngine::NotifyCarrier() { Notify(SE_MSG_CARRIER, (modemBits() & MS_RLSD_ON) ? 1 : 0); }
void SerialEngine::NotifyBreak() {
  hComm_.clearBreak();
  Notify(SE_MSG_BREAK, 0);
}
void SerialEngine::NotifyTxEmpty() { Notify(SE_MSG_TXEMPTY, 0); }
void SerialEngine::NotifyError() { Notify(SE_MSG_ERROR, static_cast<std::intptr_t>(takeLineErrors())); }
void SerialEngine::NotifyRxFlag() { Notify(SE_MSG_RXFLAG, 0); }
void SerialEngine::NotifySpare1() { Notify(SE_MSG_SPARE1, 0); }
void SerialEngine::NotifySpare2() { Notify(SE_MSG_SPARE2, 0); }
void SerialEngine::NotifySpare3() { Notify(SE_MSG_SPARE3, 0); }
void SerialEngine::NotifySpare4() { Notify(SE_MSG_SPARE4, 0); }
void SerialEngine::NotifySpare5() { Notify(SE_MSG_SPARE5, 0); }

void SerialEngine::reportDeviceLost() {
  // One notification, so the owner's read finds the failure and ends the
  // exchange; the watch thread then stops instead of reporting it again.
  deviceLost_ = true;
  receivePending_ = false;
  NotifyReceive();
}

// --- The watch thread -----------------------------------------------------------

void SerialEngine::HandleCommEvent(std::uint32_t events) {
  if ((events & EV_RXCHAR) && !(dwOption_ & EN_READ_THREAD)) {
    const long n = hComm_.queueCount(true);
    if (n < 0) {
      reportDeviceLost();
      return;
    }
    if (n != 0) NotifyReceive();
  }
  if (events & EV_TXEMPTY) NotifyTxEmpty();
  if (events & EV_RXFLAG) NotifyRxFlag();
  if (events & EV_CTS) NotifyCts();
  if (events & EV_DSR) NotifyDsr();
  if (events & EV_RING) NotifyRing();
  if (events & EV_RLSD) NotifyCarrier();
  if (events & EV_BREAK) NotifyBreak();
  if (events & EV_ERR) NotifyError();
}

std::uint32_t SerialEngine::waitCommEvent() {
  std::uint32_t events = 0;
  bool writePending;
  {
    std::lock_guard lock(WO_.mutex);
    writePending = !WO_.bytes.empty();
  }
  short deviceEvents = POLLIN;
  if (writePending) deviceEvents |= POLLOUT;
  pollfd p[3] = {{hComm_.fd(), deviceEvents, 0}, {EO_.fd(), POLLIN, 0}, {WO_.event.fd(), POLLIN, 0}};
  int timeout = -1;
  if (modemReadable_) timeout = kModemPollMs;
  if (writePending || txWatched_) timeout = timeout < 0 ? kWritePollMs : std::min(timeout, kWritePollMs);
  const int ready = ::poll(p, 3, timeout);
  if (ready < 0) {
    if (errno != EINTR) sleepMs(10);  // a failed wait: next pass with no events
    return 0;
  }
  if (p[1].revents) return 0;  // released by EndThreads
  if (p[2].revents) WO_.event.reset();
  if (p[0].revents & (POLLHUP | POLLERR | POLLNVAL)) {
    reportDeviceLost();
    return 0;
  }
  if (p[0].revents & POLLIN) events |= EV_RXCHAR;
  if (writePending) drainPendingWrite(false);  // one pass: the next wait comes back when the device takes more
  if (txWatched_ && hComm_.queueCount(false) == 0) {
    std::lock_guard lock(WO_.mutex);
    if (WO_.bytes.empty()) {
      txWatched_ = false;
      events |= EV_TXEMPTY;
    }
  }
  if (modemReadable_) {
    unsigned now = 0;
    if (hComm_.modemStatus(now)) {
      const unsigned changed = now ^ lastModemStatus_;
      if (changed & MS_CTS_ON) events |= EV_CTS;
      if (changed & MS_DSR_ON) events |= EV_DSR;
      if (changed & MS_RING_ON) events |= EV_RING;
      if (changed & MS_RLSD_ON) events |= EV_RLSD;
      lastModemStatus_ = now;
    }
    std::lock_guard lock(lineErrorMutex_);
    const unsigned errors = hComm_.takeLineErrors();
    pendingLineErrors_ |= errors;
    if (errors & CE_BREAK) events |= EV_BREAK;
    if (errors & ~CE_BREAK) events |= EV_ERR;
  }
  return events & dwWaitEvent_;
}

int SerialEngine::WatchLoopOverlapped() {
  if (!IsOpen()) return 1;  // nobody could catch a raise on this thread
  dwWaitEvent_ = 0x1FD;
  modemReadable_ = hComm_.modemStatus(lastModemStatus_);
  while (bRunning_ && IsOpen() && !deviceLost_) {
    std::uint32_t events = 0;
    const long queued = hComm_.queueCount(true);
    if (queued < 0) {
      reportDeviceLost();
      break;
    }
    if (queued > 0) {
      events = EV_RXCHAR;
      if (EO_.wait(10)) continue;  // the pause before reporting; a stop ends it early
      drainPendingWrite(false);    // output keeps going while input waits unread
    } else {
      events = waitCommEvent();
    }
    if (events != 0 && bRunning_) HandleCommEvent(events);
  }
  return 0;
}

int SerialEngine::WatchLoopPolled() {
  if (!IsOpen()) return 1;
  while (bRunning_ && IsOpen() && !deviceLost_) {
    if (hWatchEvent_.wait(50)) {
      if (!bRunning_) break;
      hWatchEvent_.reset();
      continue;
    }
    const long n = hComm_.queueCount(true);
    if (n < 0) reportDeviceLost();
    else if (n != 0) NotifyReceive();
  }
  return 0;
}

int SerialEngine::ReadLoop() {
  while (bRunning_ && !deviceLost_) {
    if (hReadEvent_.wait(50)) break;
    const long n = hComm_.queueCount(true);
    if (n < 0) reportDeviceLost();
    else if (n != 0) NotifyReceive();
  }
  return 0;
}

int SerialEngine::WriteLoop() {
  // Needs the transmit buffer of the buffered modes, which SetOptions refuses for now.
  return 1;
}

}  // namespace hl
