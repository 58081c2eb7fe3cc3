#include "platform/component.h"

#include <stdexcept>

namespace hl {

TComponent::TComponent(TComponent* owner, std::string name) : owner_(owner), name_(std::move(name)) {
  if (owner_) creationIndex_ = static_cast<int>(owner_->owned_.size());
}

TComponent::~TComponent() {
  // Owned components go in reverse creation order, as they were built on each other.
  while (!owned_.empty()) {
    owned_.pop_back();
    ownedView_.pop_back();
  }
  changed(Change::Destroyed);
}

void TComponent::adopt(std::unique_ptr<TComponent> child) {
  ownedView_.push_back(child.get());
  owned_.push_back(std::move(child));
}

void TComponent::destroyComponent(TComponent* child) {
  for (std::size_t i = 0; i < owned_.size(); ++i) {
    if (owned_[i].get() != child) continue;
    std::unique_ptr<TComponent> doomed = std::move(owned_[i]);
    owned_.erase(owned_.begin() + static_cast<std::ptrdiff_t>(i));
    ownedView_.erase(ownedView_.begin() + static_cast<std::ptrdiff_t>(i));
    for (std::size_t j = i; j < owned_.size(); ++j) owned_[j]->creationIndex_ = static_cast<int>(j);
    return;
  }
}

TComponent* TComponent::findComponent(const std::string& name) const {
  for (TComponent* c : ownedView_)
    if (c->name() == name) return c;
  return nullptr;
}

Application& TComponent::application() const {
  if (!owner_) throw std::logic_error("component '" + name_ + "' belongs to no application");
  return owner_->application();
}

}  // namespace hl
