#pragma once
// The one way widgets reach the model. Every user action goes through act(),
// which skips components that no longer exist, keeps exceptions out of Qt's
// event loop, and brings the widgets up to date afterwards.
#include <functional>

#include "platform/component.h"

namespace hl::qt {

class ModelGateway {
 public:
  virtual ~ModelGateway() = default;
  // Runs action (a user-action entry point of target) when target still
  // exists; then new and removed controls get their widgets and the timer
  // is re-armed.
  virtual void act(TComponent* target, const std::function<void()>& action) = 0;
  // Shows the model's state of one aspect of target again, undoing what a
  // Qt widget changed on its own before the model decided.
  virtual void resync(TComponent* target, Change what) = 0;
  // Whether target is still a live component of the window.
  virtual bool exists(const TComponent* target) const = 0;
};

}  // namespace hl::qt
