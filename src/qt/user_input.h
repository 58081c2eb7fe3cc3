#pragma once
// Widget to model: connects a control's widget so that what the user does
// with it reaches the control's user-action entry points. Where Qt changed
// the widget before the model decided (a toggled box, a chosen item), the
// widget shows the model's state again afterwards.
#include <QWidget>

#include "platform/controls.h"

namespace hl::qt {

class ModelGateway;

void connectUserInput(TControl& control, QWidget& widget, ModelGateway& gateway);

}  // namespace hl::qt
