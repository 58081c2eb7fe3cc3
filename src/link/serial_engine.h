#pragma once
// SerialEngine: owns one serial port. It opens the device, applies the line
// settings, sets the port time-outs, runs the watch thread, reads and writes
// bytes, and turns port events into notification messages posted to an
// owner window.
//
// Threads: every public operation is called from the owner's thread. The
// watch thread only waits for port events, finishes writes the device did
// not take at once, and posts notifications; it never reads.
//
// Failures of the engine's checks raise hl::Exception with the check's text,
// followed by "Code:<errno>;" and the system's text when a system error is
// known (failureMessage).
#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "link/wake_event.h"
#include "platform/application.h"
#include "platform/serial_device.h"

namespace hl {

// Notification messages, in the user message range (base 1024). WPARAM is
// the port number, LPARAM the value named.
inline constexpr unsigned SE_MSG_RECEIVE = 1642;  // bytes are waiting; 0
inline constexpr unsigned SE_MSG_CTS = 1643;      // 1 when CTS is on
inline constexpr unsigned SE_MSG_DSR = 1644;      // 1 when DSR is on
inline constexpr unsigned SE_MSG_RING = 1645;     // 1 when the ring indicator is on
inline constexpr unsigned SE_MSG_CARRIER = 1646;  // 1 when the carrier (RLSD) is on
inline constexpr unsigned SE_MSG_BREAK = 1647;
inline constexpr unsigned SE_MSG_TXEMPTY = 1648;
inline constexpr unsigned SE_MSG_ERROR = 1649;    // the pending line error bits
inline constexpr unsigned SE_MSG_RXFLAG = 1650;
inline constexpr unsigned SE_MSG_SPARE1 = 1651;
inline constexpr unsigned SE_MSG_SPARE2 = 1654;
inline constexpr unsigned SE_MSG_SPARE3 = 1652;
inline constexpr unsigned SE_MSG_SPARE4 = 1653;
inline constexpr unsigned SE_MSG_SPARE5 = 1655;

// Port event bits.
inline constexpr std::uint32_t EV_RXCHAR = 0x001;
inline constexpr std::uint32_t EV_RXFLAG = 0x002;
inline constexpr std::uint32_t EV_TXEMPTY = 0x004;
inline constexpr std::uint32_t EV_CTS = 0x008;
inline constexpr std::uint32_t EV_DSR = 0x010;
inline constexpr std::uint32_t EV_RLSD = 0x020;
inline constexpr std::uint32_t EV_BREAK = 0x040;
inline constexpr std::uint32_t EV_ERR = 0x080;
inline constexpr std::uint32_t EV_RING = 0x100;

// The wait of Read meaning "as long as the port time-outs allow".
inline constexpr std::uint32_t kInfiniteWait = 0xFFFFFFFF;

class SerialEngine {
 public:
  // Options word.
  static constexpr std::uint32_t EN_WATCH_THREAD = 0x001;
  static constexpr std::uint32_t EN_OVERLAPPED_IO = 0x002;
  static constexpr std::uint32_t EN_RX_BUFFER = 0x004;  // buffered modes: not built yet
  static constexpr std::uint32_t EN_TX_BUFFER = 0x008;  // buffered modes: not built yet
  static constexpr std::uint32_t EN_READ_THREAD = 0x010;
  static constexpr std::uint32_t EN_WRITE_THREAD = 0x020;  // needs EN_TX_BUFFER: not built yet
  static constexpr std::uint32_t EN_START_SUSPENDED = 0x040;  // not built yet
  static constexpr std::uint32_t EN_ABOVE_NORMAL = 0x080;
  static constexpr std::uint32_t EN_FLUSH_ON_CLOSE = 0x100;
  static constexpr std::uint32_t EN_DRAIN_ON_CLOSE = 0x200;

  SerialEngine(Application& app, std::uint32_t options);
  virtual ~SerialEngine();  // slot 0
  SerialEngine(const SerialEngine&) = delete;
  SerialEngine& operator=(const SerialEngine&) = delete;

  void SetOptions(std::uint32_t options);
  void SetNotifyWindow(WindowHandle hWnd);
  // Line settings: parity 0 none, 1 odd, 2 even, 3 mark, 4 space; stop bits
  // 0 one, 1 one and a half, 2 two; byteSize the data bits.
  bool Open(std::uint32_t dwPort, std::uint32_t dwBaudRate, std::uint8_t btParity, std::uint8_t btByteSize,
            std::uint8_t btStopBits);
  virtual bool Close(std::uint32_t waitMs);  // slot 1
  bool IsOpen() const { return hComm_.isOpen(); }

  // Bytes placed in pBuffer; waits as the time-outs allow (SetupPort).
  std::uint32_t Read(std::uint8_t* pBuffer, std::uint32_t length, std::uint32_t waitMs = kInfiniteWait);
  // Bytes the port took at once; 0 while the rest is still going out. The
  // bytes are copied: the caller may reuse its buffer at once.
  std::uint32_t Write(const std::uint8_t* buffer, std::uint32_t length);
  // Bytes in the input (true) or output queue; all ones when unreadable.
  std::uint32_t QueueCount(bool input);
  std::uint32_t LineErrors();
  std::uint32_t ModemStatus();

  bool ReadDirect(std::uint8_t* buffer, std::uint32_t n, std::uint32_t waitMs, std::uint32_t& count);
  std::uint32_t WriteDirect(const std::uint8_t* buffer, std::uint32_t n);
  bool BeginThread(std::uint32_t extraOptions = 0);
  bool EndThreads(std::uint32_t waitMs);

  // The owner handled a receive notification: the next one may be posted.
  // Receive notifications are coalesced: at most one waits undelivered.
  void AcknowledgeReceive() { receivePending_ = false; }
  // The device stopped answering while open (a USB adapter pulled). The
  // watch thread then posts one receive notification and stops.
  bool DeviceLost() const { return deviceLost_; }

  std::uint32_t Port() const { return dwPort_; }
  const std::string& Name() const { return szName_; }
  std::uint32_t Options() const { return dwOption_; }
  std::uint32_t BytesIn() const { return BytesIn_; }
  std::uint32_t BytesOut() const { return BytesOut_; }

  // The text raised for a failed check: the check's text, then
  // "Code:<code>;" and the system's text when code is not 0; at most 255
  // characters.
  static std::string failureMessage(const std::string& check, int code);

 protected:
  virtual void InitObjects();     // slot 2
  virtual void ReleaseObjects();  // slot 3
  virtual bool OpenPort();        // slot 4
  virtual bool SetupPort();       // slot 5
  virtual void Notify(unsigned message, std::intptr_t value);  // slot 6
  virtual void NotifyReceive();
  virtual void NotifyDsr();
  virtual void NotifyCts();
  virtual void NotifyBreak();
  virtual void NotifyTxEmpty();
  virtual void NotifyError();
  virtual void NotifyRing();
  virtual void NotifyCarrier();
  virtual void NotifyRxFlag();
  virtual void NotifySpare1();
  virtual void NotifySpare2();
  virtual void NotifySpare3();
  virtual void NotifySpare4();
  virtual void NotifySpare5();
  virtual void HandleCommEvent(std::uint32_t events);  // slot 21
  virtual int WatchLoopOverlapped();                   // slot 22
  virtual int WatchLoopPolled();                       // slot 23
  virtual int ReadLoop();                              // slot 24
  virtual int WriteLoop();                             // slot 25

  bool SetState(std::uint32_t dwBaudRate, std::uint8_t btParity, std::uint8_t btByteSize, std::uint8_t btStopBits);

 private:
  // The five port time-outs, in ms.
  struct CommTimeouts {
    std::uint32_t ReadIntervalTimeout = 0;
    std::uint32_t ReadTotalTimeoutMultiplier = 0;
    std::uint32_t ReadTotalTimeoutConstant = 0;
    std::uint32_t WriteTotalTimeoutMultiplier = 0;
    std::uint32_t WriteTotalTimeoutConstant = 0;
  };
  // A worker thread and whether its body has returned.
  struct Worker {
    std::thread thread;
    std::atomic<bool> finished{false};
    bool exists() const { return thread.joinable(); }
  };
  // The bytes of a write the device did not take at once, owned here so the
  // caller's buffer is free as soon as Write returns.
  struct PendingWrite {
    WakeEvent event;  // set when bytes are queued: the watch thread polls for output
    std::mutex mutex;
    std::deque<std::uint8_t> bytes;
    std::int64_t deadlineMs = 0;  // write time-out: the rest is dropped after it
  };

  [[noreturn]] void raise(const char* check) const;
  void check(bool condition, const char* text) const {
    if (!condition) raise(text);
  }
  bool startWorker(Worker& worker, int (SerialEngine::*body)());
  bool stopWorker(Worker& worker, WakeEvent& wake, std::uint32_t waitMs);
  // Waits for a port event or the stop signal; the events seen, or none.
  std::uint32_t waitCommEvent();
  // Writes what the device takes of the pending bytes; untilDone keeps at it
  // until they are out or their time-out passed.
  void drainPendingWrite(bool untilDone);
  void writeOrQueue(const std::uint8_t* buffer, std::uint32_t n, std::uint32_t& writtenAtOnce);
  void reportDeviceLost();
  std::uint32_t takeLineErrors();
  unsigned modemBits();

  Application& app_;

  std::uint32_t dwOption_ = 0;
  SerialDevice hComm_;
  std::uint32_t dwPort_ = 0xFFFFFFFF;
  std::string szName_;
  LineSettings DCB_;
  CommTimeouts CO_;
  // RxBuffer_ and TxBuffer_, the byte queues of the buffered modes, join here with those modes.
  std::uint32_t BytesIn_ = 0;
  std::atomic<std::uint32_t> BytesOut_{0};
  std::atomic<bool> bRunning_{false};
  std::atomic<std::uint32_t> dwWaitEvent_{0x1FD};
  Worker hWatchThread_;
  WakeEvent hWatchEvent_;
  Worker hReadThread_;
  WakeEvent hReadEvent_;
  Worker hWriteThread_;
  WakeEvent hWriteEvent_;
  std::atomic<WindowHandle> hOwnerWnd_{kNoWindow};
  WakeEvent RO_;      // reads complete on the owner's thread within the time-outs
  PendingWrite WO_;
  WakeEvent EO_;      // set to release the event wait (the event mask cleared)

  std::atomic<bool> receivePending_{false};
  std::atomic<bool> deviceLost_{false};
  std::atomic<bool> txWatched_{false};  // a write went out since the last transmit-empty report
  std::mutex lineErrorMutex_;           // the counters behind LineErrors are read by both threads
  std::uint32_t pendingLineErrors_ = 0;
  unsigned lastModemStatus_ = 0;
  bool modemReadable_ = false;
};

}  // namespace hl
