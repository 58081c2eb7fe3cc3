#include "qt/tab_control_widget.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionTabWidgetFrame>
#include <algorithm>

namespace hl::qt {

TabControlWidget::TabControlWidget(QWidget* parent) : QWidget(parent), tabBar_(new QTabBar(this)) {
  tabBar_->setDrawBase(true);
  tabBar_->setExpanding(false);
  tabBar_->setUsesScrollButtons(true);
}

int TabControlWidget::stripHeight() const { return std::min(tabBar_->sizeHint().height(), height()); }

void TabControlWidget::resizeEvent(QResizeEvent*) { tabBar_->setGeometry(0, 0, width(), stripHeight()); }

void TabControlWidget::paintEvent(QPaintEvent*) {
  const int top = stripHeight();
  if (height() <= top) return;
  QStyleOptionTabWidgetFrame pane;
  pane.initFrom(this);
  pane.rect = QRect(0, top - 1, width(), height() - top + 1);
  QPainter painter(this);
  style()->drawPrimitive(QStyle::PE_FrameTabWidget, &pane, &painter, this);
}

}  // namespace hl::qt
