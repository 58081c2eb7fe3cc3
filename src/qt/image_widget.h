#pragma once
// Shows the pixels of a picture control.
#include <QImage>
#include <QWidget>

#include "platform/std_controls.h"

namespace hl::qt {

class ImageWidget final : public QWidget {
 public:
  explicit ImageWidget(QWidget* parent);
  // Copies the picture's pixels; called when the model repaints it.
  void showPixelsOf(const TImage& image);
  const QImage& image() const { return image_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage image_;
};

}  // namespace hl::qt
