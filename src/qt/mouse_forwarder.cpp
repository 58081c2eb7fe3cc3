#include "qt/mouse_forwarder.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <optional>

#include "platform/menus.h"
#include "qt/model_gateway.h"

namespace hl::qt {
namespace {

std::optional<TMouseButton> toolkitButton(Qt::MouseButton button) {
  switch (button) {
    case Qt::LeftButton: return TMouseButton::mbLeft;
    case Qt::RightButton: return TMouseButton::mbRight;
    case Qt::MiddleButton: return TMouseButton::mbMiddle;
    default: return std::nullopt;
  }
}

// A control without a menu of its own shows its parent's, as the toolkit does.
TPopupMenu* popupMenuFor(TControl* control) {
  for (TControl* c = control; c; c = c->parent())
    if (c->popupMenu()) return c->popupMenu();
  return nullptr;
}

}  // namespace

TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
  TShiftState shift = 0;
  if (modifiers & Qt::ShiftModifier) shift |= ssShift;
  if (modifiers & Qt::AltModifier) shift |= ssAlt;
  if (modifiers & Qt::ControlModifier) shift |= ssCtrl;
  if (buttons & Qt::LeftButton) shift |= ssLeft;
  if (buttons & Qt::RightButton) shift |= ssRight;
  if (buttons & Qt::MiddleButton) shift |= ssMiddle;
  return shift;
}

MouseForwarder::MouseForwarder(TControl& control, QWidget& origin, ModelGateway& gateway)
    : QObject(&origin), control_(&control), origin_(&origin), gateway_(gateway) {
  watch(origin);
}

void MouseForwarder::watch(QWidget& watched) {
  watched.setMouseTracking(true);  // moves without a button pressed reach the model too
  watched.installEventFilter(this);
}

QPoint MouseForwarder::inControl(QObject* watched, const QPointF& position) const {
  const QPoint p = position.toPoint();
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || !origin_ || widget == origin_) return p;
  return widget->mapTo(origin_, p);
}

bool MouseForwarder::showContextMenu(const QPoint& position) {
  TPopupMenu* menu = popupMenuFor(control_);
  if (!menu) return false;
  const TPoint screen = control_->clientToScreen({position.x(), position.y()});
  TControl* control = control_;
  gateway_.act(control, [control, screen] {
    if (TPopupMenu* m = popupMenuFor(control)) m->popup(screen.x, screen.y);
  });
  return true;
}

bool MouseForwarder::eventFilter(QObject* watched, QEvent* event) {
  TControl* c = control_;
  if (!gateway_.exists(c)) return false;  // the widget outlives its control until deleted
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      // A double click is the second press of a pair; the toolkit sees a press.
      auto* e = static_cast<QMouseEvent*>(event);
      const auto button = toolkitButton(e->button());
      if (!c->OnMouseDown || !button) return false;
      const QPoint p = inControl(watched, e->position());
      const TShiftState shift = shiftStateOf(e->modifiers(), e->buttons());
      gateway_.act(c, [c, b = *button, shift, p] { c->userMouseDown(b, shift, p.x(), p.y()); });
      return false;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      if (!c->OnMouseMove) return false;
      const QPoint p = inControl(watched, e->position());
      const TShiftState shift = shiftStateOf(e->modifiers(), e->buttons());
      gateway_.act(c, [c, shift, p] { c->userMouseMove(shift, p.x(), p.y()); });
      return false;
    }
    case QEvent::MouseButtonRelease: {
      auto* e = static_cast<QMouseEvent*>(event);
      const auto button = toolkitButton(e->button());
      if (!c->OnMouseUp || !button) return false;
      const QPoint p = inControl(watched, e->position());
      const TShiftState shift = shiftStateOf(e->modifiers(), e->buttons());
      gateway_.act(c, [c, b = *button, shift, p] { c->userMouseUp(b, shift, p.x(), p.y()); });
      return false;
    }
    case QEvent::Leave:
      if (watched == origin_ && c->OnMouseLeave) gateway_.act(c, [c] { c->userMouseLeave(); });
      return false;
    case QEvent::ContextMenu: {
      auto* e = static_cast<QContextMenuEvent*>(event);
      return showContextMenu(inControl(watched, e->pos()));
    }
    default:
      return false;
  }
}

}  // namespace hl::qt
