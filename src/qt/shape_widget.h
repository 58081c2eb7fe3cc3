#pragma once
// A painted shape: rectangle, square, rounded, ellipse or circle, filled
// with a brush colour and outlined with a pen colour.
#include <QColor>
#include <QWidget>

#include "platform/std_controls.h"

namespace hl::qt {

class ShapeWidget final : public QWidget {
 public:
  explicit ShapeWidget(QWidget* parent);
  void setLook(TShapeType shape, const QColor& brush, const QColor& pen);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  TShapeType shape_ = TShapeType::stRectangle;
  QColor brush_ = Qt::white;
  QColor pen_ = Qt::black;
};

}  // namespace hl::qt
