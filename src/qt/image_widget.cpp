#include "qt/image_widget.h"

#include <QPainter>

namespace hl::qt {

ImageWidget::ImageWidget(QWidget* parent) : QWidget(parent) {}

void ImageWidget::showPixelsOf(const TImage& picture) {
  const int w = std::max(0, picture.width()), h = std::max(0, picture.height());
  if (image_.width() != w || image_.height() != h) image_ = QImage(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const TColor c = picture.pixel(x, y);
      line[x] = qRgb(redOf(c), greenOf(c), blueOf(c));
    }
  }
  update();
}

void ImageWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

}  // namespace hl::qt
