#include "platform/application.h"

#include <algorithm>

#include "platform/clock.h"
#include "platform/dialog_host.h"
#include "platform/errors.h"
#include "platform/timer.h"

namespace hl {

Application::Application(Clock& clock, DialogHost& dialogs) : clock_(clock), dialogs_(dialogs) {
  if (auto* virtualClock = dynamic_cast<VirtualClock*>(&clock_))
    virtualClock->attach([this](std::int64_t target) { runUntil(target); });
}

Application::~Application() {
  if (auto* virtualClock = dynamic_cast<VirtualClock*>(&clock_)) virtualClock->attach(nullptr);
}

WindowHandle Application::registerWindow(MessageTarget* target) {
  std::lock_guard lock(queueMutex_);
  const WindowHandle handle = nextHandle_++;
  windows_[handle] = target;
  return handle;
}

void Application::unregisterWindow(WindowHandle handle) {
  std::lock_guard lock(queueMutex_);
  windows_.erase(handle);
  std::erase_if(posted_, [handle](const Posted& p) { return p.window == handle; });
}

bool Application::postMessage(WindowHandle window, unsigned msg, std::uintptr_t wParam, std::intptr_t lParam) {
  std::function<void()> wake;
  {
    std::lock_guard lock(queueMutex_);
    if (!windows_.count(window)) return false;
    posted_.push_back({window, Message{msg, wParam, lParam, 0}});
    wake = wake_;
  }
  if (wake) wake();
  return true;
}

void Application::setWakeHandler(std::function<void()> wake) {
  std::lock_guard lock(queueMutex_);
  wake_ = std::move(wake);
}

std::size_t Application::pendingMessageCount() const {
  std::lock_guard lock(queueMutex_);
  return posted_.size();
}

MessageTarget* Application::targetOf(WindowHandle handle) const {
  std::lock_guard lock(queueMutex_);
  auto it = windows_.find(handle);
  return it == windows_.end() ? nullptr : it->second;
}

void Application::deliverPostedMessages() {
  // Only what was queued before this call: a handler that posts again does
  // not keep this loop going forever.
  std::deque<Posted> batch;
  {
    std::lock_guard lock(queueMutex_);
    batch.swap(posted_);
  }
  for (Posted& p : batch) {
    MessageTarget* target = targetOf(p.window);
    if (!target) continue;
    guard([&] { target->dispatchMessage(p.message); });
  }
}

void Application::scheduleTimer(TTimer* timer) {
  timers_[timer] = Scheduled{clock_.nowMs() + timer->interval(), timerSequence_++};
}

void Application::cancelTimer(TTimer* timer) { timers_.erase(timer); }

std::optional<std::int64_t> Application::nextTimerDue() const {
  std::optional<std::int64_t> next;
  for (const auto& [timer, s] : timers_)
    if (!next || s.due < *next) next = s.due;
  return next;
}

void Application::fireTimer(TTimer* timer) {
  // Re-arm first, so that a handler that disables or changes the timer has the last word.
  timers_[timer] = Scheduled{clock_.nowMs() + timer->interval(), timerSequence_++};
  guard([&] { timer->fire(); });
}

void Application::fireDueTimers() {
  // Each timer fires at most once per call, in order of due time.
  const std::int64_t now = clock_.nowMs();
  std::vector<std::pair<Scheduled, TTimer*>> due;
  for (const auto& [timer, s] : timers_)
    if (s.due <= now) due.push_back({s, timer});
  std::sort(due.begin(), due.end(), [](const auto& a, const auto& b) {
    return a.first.due != b.first.due ? a.first.due < b.first.due : a.first.sequence < b.first.sequence;
  });
  for (auto& [s, timer] : due) {
    auto it = timers_.find(timer);
    if (it == timers_.end() || it->second.sequence != s.sequence) continue;  // disabled or re-armed meanwhile
    fireTimer(timer);
  }
}

void Application::runUntil(std::int64_t targetMs) {
  auto* virtualClock = dynamic_cast<VirtualClock*>(&clock_);
  deliverPostedMessages();
  for (;;) {
    TTimer* next = nullptr;
    Scheduled best{};
    for (const auto& [timer, s] : timers_) {
      if (s.due > targetMs) continue;
      if (!next || s.due < best.due || (s.due == best.due && s.sequence < best.sequence)) {
        next = timer;
        best = s;
      }
    }
    if (!next) break;
    if (virtualClock && best.due > virtualClock->nowMs()) virtualClock->set(best.due);
    deliverPostedMessages();
    fireTimer(next);
  }
  if (virtualClock) virtualClock->set(targetMs);
  deliverPostedMessages();
}

void Application::ProcessMessages() {
  deliverPostedMessages();
  fireDueTimers();
  if (processEventsHook_) processEventsHook_();
}

void Application::guard(const std::function<void()>& fn) {
  try {
    fn();
  } catch (...) {
    handleException(std::current_exception());
  }
}

void Application::handleException(std::exception_ptr error) {
  std::string message;
  try {
    std::rethrow_exception(error);
  } catch (const std::exception& e) {
    message = e.what();
  } catch (...) {
    message = "";  // an object that is not an exception is shown with an empty message
  }
  try {
    dialogs_.showException(title_, message);
  } catch (...) {
    // The error box itself failed; nothing more can be shown.
  }
}

}  // namespace hl
