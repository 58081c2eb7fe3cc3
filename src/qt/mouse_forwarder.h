#pragma once
// Mouse presses, moves and releases over a control go to the model's mouse
// entry points, in the control's own pixels; leaving it and asking for a
// context menu too. Events are forwarded only where the program bound a
// handler, and Qt still sees them afterwards.
#include <QObject>
#include <QPointer>
#include <QWidget>

#include "platform/controls.h"

namespace hl::qt {

class ModelGateway;

class MouseForwarder final : public QObject {
 public:
  // origin is the widget whose top-left is the control's pixel (0, 0).
  MouseForwarder(TControl& control, QWidget& origin, ModelGateway& gateway);

  // Forwards what happens over watched, a part of origin or origin itself.
  void watch(QWidget& watched);
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QPoint inControl(QObject* watched, const QPointF& position) const;
  bool showContextMenu(const QPoint& position);

  TControl* control_;
  QPointer<QWidget> origin_;
  ModelGateway& gateway_;
};

// Mouse buttons and modifier keys as the toolkit counts them.
TShiftState shiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons);

}  // namespace hl::qt
