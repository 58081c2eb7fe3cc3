#include "qt/front_end.h"

#include <QScreen>

#include "platform/application.h"
#include "platform/menus.h"
#include "qt/event_loop_driver.h"
#include "qt/form_window.h"
#include "qt/grid_view.h"
#include "qt/user_input.h"
#include "qt/widget_factory.h"
#include "qt/widget_sync.h"

namespace hl::qt {

QtFrontEnd::QtFrontEnd(TForm& form, EventLoopDriver& driver)
    : form_(&form), app_(form.application()), driver_(driver), window_(std::make_unique<FormWindow>()), popups_(*this) {
  observe(form);
  widgets_[&form] = window_.get();
  window_->resize(modelClientSize());
  mirrorState(form, *window_);
  connectUserInput(form, *window_, *this);
  window_->onResized = [this](QSize size) { onWindowResized(size); };
  window_->onCloseRequested = [this] { return onWindowCloseRequested(); };
  syncTree();
  syncHook_ = driver_.addSyncHook([this] { syncTree(); });
  driver_.rearm();
}

QtFrontEnd::~QtFrontEnd() {
  tearingDown_ = true;
  driver_.removeSyncHook(syncHook_);
  for (TComponent* component : observed_) component->setListener(nullptr);
  window_.reset();
}

QWidget& QtFrontEnd::window() { return *window_; }

QWidget* QtFrontEnd::widgetOf(const TComponent* component) const {
  const auto it = widgets_.find(component);
  return it == widgets_.end() ? nullptr : it->second.data();
}

QSize QtFrontEnd::modelClientSize() const { return QSize(form_->clientWidth(), form_->clientHeight()); }

void QtFrontEnd::show() {
  if (form_) {
    const QRect frame(form_->left(), form_->top(), form_->width(), form_->height());
    if (QScreen* screen = window_->screen(); screen && screen->availableGeometry().contains(frame))
      window_->move(frame.topLeft());
  }
  window_->show();
}

// --- Model gateway ------------------------------------------------------------

void QtFrontEnd::act(TComponent* target, const std::function<void()>& action) {
  if (tearingDown_ || !exists(target)) return;
  app_.guard(action);
  driver_.afterModelWork();
}

void QtFrontEnd::resync(TComponent* target, Change what) {
  if (tearingDown_ || !exists(target)) return;
  if (target == form_) {
    onFormChange(what);
    return;
  }
  if (QWidget* widget = widgetOf(target)) mirrorChange(static_cast<TControl&>(*target), *widget, what);
}

bool QtFrontEnd::exists(const TComponent* target) const {
  return target && observed_.count(const_cast<TComponent*>(target)) != 0;
}

// --- Observing the component tree ----------------------------------------------

void QtFrontEnd::observe(TComponent& component) {
  if (!observed_.insert(&component).second) return;
  component.setListener([this](TComponent& c, Change what) { onChange(c, what); });
}

void QtFrontEnd::observeOwnedBy(TComponent& owner) {
  for (TComponent* component : owner.components()) {
    observe(*component);
    if (auto* control = dynamic_cast<TControl*>(component)) ensureWidget(*control);
    observeOwnedBy(*component);
  }
}

void QtFrontEnd::syncTree() {
  if (!form_ || tearingDown_) return;
  observeOwnedBy(*form_);
  flushBatchedItems();
}

void QtFrontEnd::onChange(TComponent& component, Change what) {
  if (tearingDown_) return;
  if (what == Change::Destroyed) {
    forget(component);
    return;
  }
  if (&component == form_) {
    onFormChange(what);
    return;
  }
  if (what == Change::Popup) {
    if (auto* menu = dynamic_cast<TPopupMenu*>(&component); menu && form_) popups_.show(*menu, *form_, *window_);
    return;
  }
  QWidget* widget = widgetOf(&component);
  if (!widget) return;  // a control created in this batch gets its widget at the next sync
  auto& control = static_cast<TControl&>(component);
  if (what == Change::Bounds || what == Change::Visible) {
    place(control, *widget);
  } else if (what == Change::Items && itemsAreBatched(control)) {
    batchedItems_.insert(&component);
  } else {
    mirrorChange(control, *widget, what);
    if (what == Change::Text || what == Change::Colour) place(control, *widget);  // a label fits its text
  }
}

void QtFrontEnd::onFormChange(Change what) {
  if (!form_) return;
  switch (what) {
    case Change::Bounds:
      if (window_->size() != modelClientSize()) window_->resize(modelClientSize());
      break;
    case Change::Visible:
      // Before the program shows the window, the model's flag has no say.
      if (window_->isVisible() || !form_->visible()) window_->setVisible(form_->visible());
      break;
    default:
      mirrorChange(*form_, *window_, what);
  }
}

void QtFrontEnd::forget(TComponent& component) {
  observed_.erase(&component);
  batchedItems_.erase(&component);
  if (&component == form_) {
    form_ = nullptr;  // the window stays until the front-end goes
    return;
  }
  const auto it = widgets_.find(&component);
  if (it == widgets_.end()) return;
  const QPointer<QWidget> widget = it->second;
  widgets_.erase(it);
  if (!widget) return;
  if (auto* grid = dynamic_cast<GridView*>(widget.data())) grid->detachModel();
  widget->hide();
  // Later: the widget may be in the middle of delivering the signal that
  // destroyed its control. Widgets of child controls go with it and are
  // made again at the next sync.
  widget->deleteLater();
}

// --- Widgets --------------------------------------------------------------------

QWidget* QtFrontEnd::ensureWidget(TControl& control) {
  if (QWidget* existing = widgetOf(&control)) return existing;
  QWidget* widget = createControlWidget(control, parentWidgetOf(control), *this);
  widgets_[&control] = widget;
  if (isWindowedControl(control)) {
    windowedWidgets_.insert(widget);
    QObject::connect(widget, &QObject::destroyed, [this, widget] { windowedWidgets_.erase(widget); });
  }
  if (!isWindowedControl(control)) stackBelowWindowedSiblings(*widget);
  mirrorState(control, *widget);
  connectUserInput(control, *widget, *this);
  place(control, *widget);
  return widget;
}

// A control without a parent is not shown; its widget waits hidden on the window.
QWidget* QtFrontEnd::parentWidgetOf(const TControl& control) {
  TWinControl* parent = control.parent();
  if (!parent || parent == form_) return window_.get();
  return ensureWidget(*parent);
}

void QtFrontEnd::place(TControl& control, QWidget& widget) {
  QWidget* parent = parentWidgetOf(control);
  if (widget.parentWidget() != parent) {
    widget.setParent(parent);  // lands on top of its new siblings
    if (!isWindowedControl(control)) stackBelowWindowedSiblings(widget);
  }
  widget.setGeometry(shownGeometry(control, widget));
  widget.setVisible(control.visible() && control.parent() != nullptr);
}

// Labels, shapes and pictures are drawn on their parent, beneath its windowed controls.
void QtFrontEnd::stackBelowWindowedSiblings(QWidget& widget) {
  for (QObject* sibling : widget.parentWidget()->children()) {
    auto* other = qobject_cast<QWidget*>(sibling);
    if (other && other != &widget && windowedWidgets_.count(other)) {
      widget.stackUnder(other);
      return;
    }
  }
}

void QtFrontEnd::flushBatchedItems() {
  const auto batch = std::move(batchedItems_);
  batchedItems_.clear();
  for (TComponent* component : batch)
    if (QWidget* widget = widgetOf(component)) mirrorChange(static_cast<TControl&>(*component), *widget, Change::Items);
}

// --- The window -------------------------------------------------------------------

void QtFrontEnd::onWindowResized(QSize size) {
  if (!form_ || tearingDown_ || size == modelClientSize()) return;
  TForm* form = form_;
  act(form, [form, size] { form->userResize(size.width(), size.height()); });
  // The form may refuse or change the size; the window follows the form.
  if (form_ && window_->size() != modelClientSize()) window_->resize(modelClientSize());
}

bool QtFrontEnd::onWindowCloseRequested() {
  if (!form_ || tearingDown_) return true;
  TForm* form = form_;
  bool closes = true;
  act(form, [form, &closes] { closes = form->userClose(); });
  return closes;
}

}  // namespace hl::qt
