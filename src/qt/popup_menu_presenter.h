#pragma once
// Shows a popup menu of the model as a QMenu at the point the program asked
// for, and clicks the chosen item once the menu has closed, as the window
// system delivers a menu command after the popup call returns.
#include <QWidget>

#include "platform/form.h"
#include "platform/menus.h"

namespace hl::qt {

class ModelGateway;

// The point on the desktop of a point in the model's screen coordinates:
// the model places the form's client area at form.clientOrigin(), Qt at
// the window's own position.
QPoint globalPointOf(const TForm& form, const QWidget& window, TPoint screen);

class PopupMenuPresenter {
 public:
  explicit PopupMenuPresenter(ModelGateway& gateway) : gateway_(gateway) {}
  // Modal until the menu closes.
  void show(const TPopupMenu& menu, const TForm& form, QWidget& window);

 private:
  ModelGateway& gateway_;
};

}  // namespace hl::qt
