#pragma once
// The Qt event loop drives the application: a single-shot timer armed for
// the next due TTimer, and a queued call that any thread can trigger when
// it posts a window message. After each batch of model work the front-ends
// bring their widgets up to date (sync hooks) and the timer is re-armed.
#include <QObject>
#include <QTimer>
#include <functional>
#include <map>
#include <memory>

#include "platform/application.h"

namespace hl::qt {

class EventLoopDriver final : public QObject {
 public:
  explicit EventLoopDriver(Application& app);
  ~EventLoopDriver() override;
  EventLoopDriver(const EventLoopDriver&) = delete;
  EventLoopDriver& operator=(const EventLoopDriver&) = delete;

  using SyncHook = std::function<void()>;
  int addSyncHook(SyncHook hook);
  void removeSyncHook(int id);
  // Runs when the application was asked to end (Terminate); the program quits the loop.
  void setTerminateHandler(std::function<void()> handler) { onTerminate_ = std::move(handler); }

  // Widgets catch up with the model, then the timer is armed for the next due TTimer.
  void afterModelWork();
  void rearm();
  // Milliseconds until the armed timer fires; -1 when none is armed.
  int msUntilNextTimer() const;

 private:
  struct WakeState;
  void deliverMessages();
  void fireTimers();

  Application& app_;
  QTimer timer_;
  std::shared_ptr<WakeState> wake_;
  std::map<int, SyncHook> hooks_;
  int nextHookId_ = 1;
  std::function<void()> onTerminate_;
};

}  // namespace hl::qt
