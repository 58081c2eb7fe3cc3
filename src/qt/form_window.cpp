#include "qt/form_window.h"

#include <QCloseEvent>
#include <QResizeEvent>

namespace hl::qt {

FormWindow::FormWindow() : QWidget(nullptr) {}

void FormWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (onResized) onResized(event->size());
}

void FormWindow::closeEvent(QCloseEvent* event) {
  if (!onCloseRequested || onCloseRequested()) event->accept();
  else event->ignore();
}

}  // namespace hl::qt
