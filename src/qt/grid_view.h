#pragma once
// The owner-drawn grid: a scroll area whose viewport paints only the cells
// in view, through the grid's draw-cell handler. Scroll bars, the mouse
// wheel and the arrow keys move the grid's first scrolled column and row;
// the model keeps the scroll position, the view only mirrors it.
#include <QAbstractScrollArea>
#include <QPoint>
#include <exception>

#include "platform/grid.h"

namespace hl::qt {

class ModelGateway;

class GridView final : public QAbstractScrollArea {
 public:
  GridView(TStringGrid& grid, ModelGateway& gateway, QWidget* parent);

  // The grid is gone: nothing more is painted or sent.
  void detachModel() { grid_ = nullptr; }
  // Scroll bar ranges and positions from the grid's scroll position.
  void syncScrollBars();
  void repaintCells();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void paintPlaceholder(QPainter& painter, const QRect& area);
  void scrollBy(int columns, int rows);
  void scrollTo(int leftCol, int topRow);
  int visibleScrolledColumns() const;
  int visibleScrolledRows() const;
  void reportPaintError(std::exception_ptr error);

  TStringGrid* grid_;
  ModelGateway& gateway_;
  QPoint wheelRemainder_;
  bool paintErrorPending_ = false;
  bool mirroring_ = false;  // scroll bars being set from the model
};

}  // namespace hl::qt
