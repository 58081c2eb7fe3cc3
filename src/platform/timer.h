#pragma once
// A timer component: while enabled, with an interval above 0 and a handler
// bound, it fires OnTimer every interval on the window's thread.
#include "platform/component.h"
#include "platform/controls.h"

namespace hl {
class Application;
}

namespace hl {

class TTimer : public TComponent {
 public:
  TTimer(TComponent* owner, std::string name);
  ~TTimer() override;
  const char* className() const override { return "TTimer"; }

  int interval() const { return interval_; }
  // Changing the interval or enabling restarts the count from now.
  void setInterval(int ms);
  bool enabled() const { return enabled_; }
  void setEnabled(bool on);
  // The handler may be bound while the timer is enabled; it then starts.
  void setOnTimer(TNotifyEvent handler);
  const TNotifyEvent& onTimer() const { return onTimer_; }

  // Called by the application when the timer is due.
  void fire();

 private:
  void update();
  Application* app_;
  int interval_ = 1000;
  bool enabled_ = true;
  TNotifyEvent onTimer_;
};

}  // namespace hl
