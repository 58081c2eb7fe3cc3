#include "qt/event_loop_driver.h"

#include <QCoreApplication>
#include <algorithm>
#include <atomic>
#include <limits>
#include <mutex>
#include <vector>

#include "platform/clock.h"

namespace hl::qt {

// Shared with the wake handler, which other threads call: it must stay
// valid, and harmless, after the driver is gone.
struct EventLoopDriver::WakeState {
  std::mutex mutex;
  EventLoopDriver* driver = nullptr;  // null once the driver is gone
  std::atomic<bool> pending{false};   // one queued call at a time is enough
};

EventLoopDriver::EventLoopDriver(Application& app) : app_(app), wake_(std::make_shared<WakeState>()) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { fireTimers(); });

  wake_->driver = this;
  app_.setWakeHandler([state = wake_] {
    std::lock_guard lock(state->mutex);
    if (!state->driver || state->pending.exchange(true)) return;
    QMetaObject::invokeMethod(
        state->driver,
        [state] {
          state->pending = false;
          if (state->driver) state->driver->deliverMessages();
        },
        Qt::QueuedConnection);
  });
  app_.setProcessEventsHook([this] {
    afterModelWork();
    QCoreApplication::processEvents();
  });
  // Messages posted before the driver existed are delivered on the first turn of the loop.
  QMetaObject::invokeMethod(this, [this] { deliverMessages(); }, Qt::QueuedConnection);
}

EventLoopDriver::~EventLoopDriver() {
  app_.setProcessEventsHook(nullptr);
  app_.setWakeHandler(nullptr);
  std::lock_guard lock(wake_->mutex);
  wake_->driver = nullptr;
}

int EventLoopDriver::addSyncHook(SyncHook hook) {
  hooks_[nextHookId_] = std::move(hook);
  return nextHookId_++;
}

void EventLoopDriver::removeSyncHook(int id) { hooks_.erase(id); }

void EventLoopDriver::afterModelWork() {
  // A hook may remove hooks; run over a copy.
  const auto hooks = hooks_;
  for (const auto& [id, hook] : hooks)
    if (hooks_.count(id)) hook();
  rearm();
  if (app_.terminated() && onTerminate_) onTerminate_();
}

void EventLoopDriver::rearm() {
  const auto due = app_.nextTimerDue();
  if (!due) {
    timer_.stop();
    return;
  }
  const std::int64_t wait = std::clamp<std::int64_t>(*due - app_.clock().nowMs(), 0, std::numeric_limits<int>::max());
  timer_.start(static_cast<int>(wait));
}

int EventLoopDriver::msUntilNextTimer() const { return timer_.isActive() ? timer_.remainingTime() : -1; }

void EventLoopDriver::deliverMessages() {
  app_.deliverPostedMessages();
  afterModelWork();
}

void EventLoopDriver::fireTimers() {
  app_.fireDueTimers();
  afterModelWork();
}

}  // namespace hl::qt
