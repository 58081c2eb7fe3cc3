#pragma once
// Model to widget: shows one aspect of a control in its widget, with the
// widget's signals blocked so that nothing echoes back into the model.
// Geometry, parent and visibility are placed by the front-end, which knows
// the widget tree.
#include <QWidget>

#include "platform/controls.h"

namespace hl::qt {

// The point size the window was designed with; other sizes scale from it.
constexpr int kDesignedPointSize = 8;

void mirrorChange(TControl& control, QWidget& widget, Change what);
// Text, items, state, colours, fonts and hint of a widget just created.
void mirrorState(TControl& control, QWidget& widget);
// Where the widget goes inside its parent: the control's bounds, except
// that a label is never smaller than its text, as labels size themselves
// to their caption; a left-aligned one grows to the right.
QRect shownGeometry(const TControl& control, const QWidget& widget);
// Whether an Items change is costly enough to wait for the end of a batch
// (long lists filled one item at a time).
bool itemsAreBatched(const TControl& control);

}  // namespace hl::qt
