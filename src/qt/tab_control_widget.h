#pragma once
// A tab strip with a pane below it; the tab control's child controls are
// placed on top of it, as in the toolkit, where the strip holds no pages.
#include <QTabBar>
#include <QWidget>

namespace hl::qt {

class TabControlWidget final : public QWidget {
 public:
  explicit TabControlWidget(QWidget* parent);
  QTabBar* tabBar() const { return tabBar_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int stripHeight() const;
  QTabBar* tabBar_;
};

}  // namespace hl::qt
