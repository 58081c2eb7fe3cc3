#pragma once
// Components: named objects owned by another component, kept in creation
// order. The owner destroys what it owns. A front-end observes a component
// through one change listener per component.
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace hl {

class Application;

// What about a component changed; the front-end refreshes just that aspect.
enum class Change {
  Bounds,
  Visible,
  Enabled,
  Text,        // caption or text
  Items,       // list items, tabs, memo lines, menu items
  ItemIndex,   // selected item, tab index, checked state, position
  Colour,      // face, brush, pen or font colour
  Hint,
  GridLayout,  // grid sizes or scroll position
  Repaint,     // the control's content must be drawn again
  Popup,       // a popup menu asks to be shown
  Destroyed,
};

class TObject {
 public:
  virtual ~TObject() = default;
};

class TComponent : public TObject {
 public:
  using Listener = std::function<void(TComponent&, Change)>;

  TComponent(TComponent* owner, std::string name);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  virtual const char* className() const = 0;
  const std::string& name() const { return name_; }
  TComponent* owner() const { return owner_; }
  // Position of this component in its owner's list (0 for the first created).
  int creationIndex() const { return creationIndex_; }
  // Owned components, in creation order.
  const std::vector<TComponent*>& components() const { return ownedView_; }
  TComponent* findComponent(const std::string& name) const;
  // Destroys one owned component now; later components move up one place.
  void destroyComponent(TComponent* child);

  // The application this component belongs to, through its owner chain.
  virtual Application& application() const;

  void setListener(Listener listener) { listener_ = std::move(listener); }
  void changed(Change what) {
    if (listener_) listener_(*this, what);
  }

  // Creates a component of type T owned by this one. Arguments after the
  // name go to T's constructor.
  template <class T, class... Args>
  T* create(std::string name, Args&&... args) {
    auto object = std::make_unique<T>(this, std::move(name), std::forward<Args>(args)...);
    T* raw = object.get();
    adopt(std::move(object));
    return raw;
  }

 private:
  void adopt(std::unique_ptr<TComponent> child);

  TComponent* owner_;
  std::string name_;
  int creationIndex_ = 0;
  std::vector<std::unique_ptr<TComponent>> owned_;
  std::vector<TComponent*> ownedView_;
  Listener listener_;
};

}  // namespace hl
