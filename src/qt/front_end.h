#pragma once
// The Qt front-end of one form: a top-level window with one widget per
// control, kept in step with the model through the controls' change
// notifications, and user actions forwarded to the model's entry points.
// It holds no program logic.
#include <QPointer>
#include <QWidget>
#include <memory>
#include <unordered_map>
#include <unordered_set>

#include "platform/form.h"
#include "qt/model_gateway.h"
#include "qt/popup_menu_presenter.h"

namespace hl::qt {

class EventLoopDriver;
class FormWindow;

class QtFrontEnd final : private ModelGateway {
 public:
  // The driver outlives the front-end; the form may go first.
  QtFrontEnd(TForm& form, EventLoopDriver& driver);
  ~QtFrontEnd() override;
  QtFrontEnd(const QtFrontEnd&) = delete;
  QtFrontEnd& operator=(const QtFrontEnd&) = delete;

  QWidget& window();
  // The widget showing component; null for components without one.
  QWidget* widgetOf(const TComponent* component) const;
  // Shows the window, at the form's place when that lies on the screen.
  void show();
  // Widgets for controls created since the last call, listeners on new
  // components, and the list contents changed meanwhile. The driver calls
  // it after every batch of model work.
  void syncTree();

 private:
  void act(TComponent* target, const std::function<void()>& action) override;
  void resync(TComponent* target, Change what) override;
  bool exists(const TComponent* target) const override;

  void observe(TComponent& component);
  void observeOwnedBy(TComponent& owner);
  void onChange(TComponent& component, Change what);
  void onFormChange(Change what);
  void forget(TComponent& component);

  QWidget* ensureWidget(TControl& control);
  QWidget* parentWidgetOf(const TControl& control);
  void place(TControl& control, QWidget& widget);
  void stackBelowWindowedSiblings(QWidget& widget);
  void flushBatchedItems();

  QSize modelClientSize() const;
  void onWindowResized(QSize size);
  bool onWindowCloseRequested();

  TForm* form_;  // null once the form is gone
  Application& app_;
  EventLoopDriver& driver_;
  std::unique_ptr<FormWindow> window_;
  PopupMenuPresenter popups_;
  std::unordered_set<TComponent*> observed_;
  std::unordered_map<const TComponent*, QPointer<QWidget>> widgets_;
  std::unordered_set<const QWidget*> windowedWidgets_;
  std::unordered_set<TComponent*> batchedItems_;
  int syncHook_ = 0;
  bool tearingDown_ = false;
};

}  // namespace hl::qt
