#include "platform/timer.h"

#include "platform/application.h"

namespace hl {

TTimer::TTimer(TComponent* owner, std::string name)
    : TComponent(owner, std::move(name)), app_(&owner->application()) {}

TTimer::~TTimer() {
  app_->cancelTimer(this);
}

void TTimer::setInterval(int ms) {
  if (ms == interval_) return;
  interval_ = ms;
  update();
}

void TTimer::setEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  update();
}

void TTimer::setOnTimer(TNotifyEvent handler) {
  onTimer_ = std::move(handler);
  update();
}

void TTimer::update() {
  app_->cancelTimer(this);
  if (enabled_ && interval_ > 0 && onTimer_) app_->scheduleTimer(this);
}

void TTimer::fire() {
  if (onTimer_) onTimer_(this);
}

}  // namespace hl
