#include "qt/panel_widget.h"

#include <QPainter>

namespace hl::qt {

PanelWidget::PanelWidget(QWidget* parent) : QFrame(parent) {
  setFrameStyle(QFrame::Panel | QFrame::Raised);
  setLineWidth(1);
}

void PanelWidget::setCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  update();
}

void PanelWidget::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  if (caption_.isEmpty()) return;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(contentsRect(), Qt::AlignCenter | Qt::TextSingleLine, caption_);
}

}  // namespace hl::qt
