#include "qt/shape_widget.h"

#include <QPainter>
#include <algorithm>

namespace hl::qt {
namespace {

bool isSquare(TShapeType s) {
  return s == TShapeType::stSquare || s == TShapeType::stRoundSquare || s == TShapeType::stCircle;
}

// The area the outline runs along: square kinds are centred in the widget.
QRect outlineRect(TShapeType shape, const QSize& size) {
  QRect r(0, 0, size.width() - 1, size.height() - 1);
  if (!isSquare(shape)) return r;
  const int side = std::min(r.width(), r.height());
  return QRect(r.left() + (r.width() - side) / 2, r.top() + (r.height() - side) / 2, side, side);
}

}  // namespace

ShapeWidget::ShapeWidget(QWidget* parent) : QWidget(parent) {}

void ShapeWidget::setLook(TShapeType shape, const QColor& brush, const QColor& pen) {
  shape_ = shape;
  brush_ = brush;
  pen_ = pen;
  update();
}

void ShapeWidget::paintEvent(QPaintEvent*) {
  if (width() <= 0 || height() <= 0) return;
  QPainter painter(this);
  painter.setPen(pen_);
  painter.setBrush(brush_);
  const QRect r = outlineRect(shape_, size());
  switch (shape_) {
    case TShapeType::stRectangle:
    case TShapeType::stSquare:
      painter.drawRect(r);
      break;
    case TShapeType::stRoundRect:
    case TShapeType::stRoundSquare: {
      const int radius = std::min(r.width(), r.height()) / 4;
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawRoundedRect(r, radius, radius);
      break;
    }
    case TShapeType::stEllipse:
    case TShapeType::stCircle:
      painter.setRenderHint(QPainter::Antialiasing);
      painter.drawEllipse(r);
      break;
  }
}

}  // namespace hl::qt
