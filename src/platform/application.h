#pragma once
// The application object: title, windows and their posted-message queue,
// timers scheduled on a Clock, ProcessMessages, and the default error box
// for exceptions that reach the message loop.
#include <cstdint>
#include <deque>
#include <exception>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace hl {

class Clock;
class DialogHost;
class TTimer;

using WindowHandle = int;
constexpr WindowHandle kNoWindow = 0;

struct Message {
  unsigned msg = 0;
  std::uintptr_t wParam = 0;
  std::intptr_t lParam = 0;
  std::intptr_t result = 0;
};

// Something that receives posted messages: a window.
class MessageTarget {
 public:
  virtual ~MessageTarget() = default;
  virtual void dispatchMessage(Message& message) = 0;
};

class Application {
 public:
  Application(Clock& clock, DialogHost& dialogs);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  const std::string& title() const { return title_; }
  void setTitle(const std::string& t) { title_ = t; }
  bool mainFormOnTaskBar() const { return mainFormOnTaskBar_; }
  void setMainFormOnTaskBar(bool v) { mainFormOnTaskBar_ = v; }

  Clock& clock() const { return clock_; }
  DialogHost& dialogs() const { return dialogs_; }

  // Windows. A handle stays unused after its window is gone, so a message
  // posted late never reaches another window.
  WindowHandle registerWindow(MessageTarget* target);
  void unregisterWindow(WindowHandle handle);

  // Safe from any thread. Returns false, and queues nothing, when the
  // window is gone.
  bool postMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam);
  // Called on the posting thread after each post; the front-end uses it to
  // wake its event loop.
  void setWakeHandler(std::function<void()> wake);
  std::size_t pendingMessageCount() const;

  // Timers; TTimer calls these when it is enabled, changed or destroyed.
  void scheduleTimer(TTimer* timer);
  void cancelTimer(TTimer* timer);
  std::optional<std::int64_t> nextTimerDue() const;

  // Delivers the messages posted so far, then fires the timers that are due,
  // then lets the front-end handle its own pending events.
  void ProcessMessages();
  void deliverPostedMessages();
  void fireDueTimers();
  // Moves a virtual clock to target, firing due timers in order on the way.
  void runUntil(std::int64_t targetMs);
  void setProcessEventsHook(std::function<void()> hook) { processEventsHook_ = std::move(hook); }

  // Runs fn; an exception it raises is shown in the default error box and
  // goes no further.
  void guard(const std::function<void()>& fn);
  void handleException(std::exception_ptr error);

  // Asks the message loop to end.
  void Terminate() { terminated_ = true; }
  bool terminated() const { return terminated_; }

 private:
  struct Posted {
    WindowHandle window;
    Message message;
  };
  struct Scheduled {
    std::int64_t due;
    std::uint64_t sequence;
  };

  void fireTimer(TTimer* timer);
  MessageTarget* targetOf(WindowHandle handle) const;

  Clock& clock_;
  DialogHost& dialogs_;
  std::string title_;
  bool mainFormOnTaskBar_ = false;
  bool terminated_ = false;

  mutable std::mutex queueMutex_;  // guards posted_, windows_ and wake_
  std::deque<Posted> posted_;
  std::map<WindowHandle, MessageTarget*> windows_;
  WindowHandle nextHandle_ = 1;
  std::function<void()> wake_;

  std::map<TTimer*, Scheduled> timers_;
  std::uint64_t timerSequence_ = 0;
  std::function<void()> processEventsHook_;
};

}  // namespace hl
