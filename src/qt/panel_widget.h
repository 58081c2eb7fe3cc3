#pragma once
// A raised panel that shows its caption in the middle, as panels do.
#include <QFrame>
#include <QString>

namespace hl::qt {

class PanelWidget final : public QFrame {
 public:
  explicit PanelWidget(QWidget* parent);
  void setCaption(const QString& caption);
  const QString& caption() const { return caption_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString caption_;
};

}  // namespace hl::qt
