#pragma once
// The Qt widget that shows one control, chosen by the control's kind.
#include <QWidget>

#include "platform/controls.h"

namespace hl::qt {

class ModelGateway;

// A new widget for control, child of parent, not yet filled with the
// control's state. Kinds without a widget of their own get a plain QWidget.
QWidget* createControlWidget(TControl& control, QWidget* parent, ModelGateway& gateway);

// Controls drawn on their parent (labels, shapes, pictures) lie below the
// parent's windowed controls whatever the creation order.
bool isWindowedControl(const TControl& control);

}  // namespace hl::qt
