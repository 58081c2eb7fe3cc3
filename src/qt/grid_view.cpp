#include "qt/grid_view.h"

#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "platform/application.h"
#include "qt/colours.h"
#include "qt/model_gateway.h"
#include "qt/painter_canvas.h"
#include "qt/text.h"

namespace hl::qt {
namespace {

constexpr int kWheelStep = 120;     // one notch of a mouse wheel
constexpr int kLinesPerNotch = 3;

// Offsets of the columns (or rows) in view, starting with the fixed ones,
// up to the first one that starts beyond extent: only what is on screen.
template <class SizeOf, class Visit>
void forEachInView(int count, int fixed, int first, int extent, int line, SizeOf sizeOf, Visit visit) {
  int edge = 0;
  for (int i = 0; i < count && edge < extent; ++i) {
    if (i == fixed) i = std::max(i, first);
    if (i >= count) break;
    visit(i, edge, sizeOf(i));
    edge += sizeOf(i) + line;
  }
}

}  // namespace

GridView::GridView(TStringGrid& grid, ModelGateway& gateway, QWidget* parent)
    : QAbstractScrollArea(parent), grid_(&grid), gateway_(gateway) {
  setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
  setFocusPolicy(Qt::StrongFocus);
  viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, [this](int col) { scrollTo(col, -1); });
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, [this](int row) { scrollTo(-1, row); });
}

int GridView::visibleScrolledColumns() const {
  if (!grid_) return 1;
  const int step = std::max(1, grid_->defaultColWidth() + grid_->gridLineWidth());
  int fixedWidth = 0;
  for (int c = 0; c < grid_->fixedCols(); ++c) fixedWidth += grid_->colWidth(c) + grid_->gridLineWidth();
  return std::max(1, (viewport()->width() - fixedWidth) / step);
}

int GridView::visibleScrolledRows() const {
  if (!grid_) return 1;
  const int step = std::max(1, grid_->defaultRowHeight() + grid_->gridLineWidth());
  int fixedHeight = 0;
  for (int r = 0; r < grid_->fixedRows(); ++r) fixedHeight += grid_->rowHeight(r) + grid_->gridLineWidth();
  return std::max(1, (viewport()->height() - fixedHeight) / step);
}

void GridView::syncScrollBars() {
  if (!grid_) return;
  QScrollBar* h = horizontalScrollBar();
  QScrollBar* v = verticalScrollBar();
  // Not a signal blocker: the scroll area shows or hides a bar when its range signal arrives.
  mirroring_ = true;
  h->setRange(grid_->fixedCols(), grid_->maxLeftCol());
  h->setPageStep(visibleScrolledColumns());
  h->setValue(grid_->leftCol());
  v->setRange(grid_->fixedRows(), grid_->maxTopRow());
  v->setPageStep(visibleScrolledRows());
  v->setValue(grid_->topRow());
  mirroring_ = false;
}

void GridView::repaintCells() { viewport()->update(); }

void GridView::scrollContentsBy(int, int) {
  // The model moves the scroll position; its repaint request redraws the cells.
}

void GridView::scrollTo(int leftCol, int topRow) {
  if (mirroring_) return;
  TStringGrid* grid = grid_;
  gateway_.act(grid, [grid, leftCol, topRow] {
    if (leftCol >= 0) grid->setLeftCol(leftCol);
    if (topRow >= 0) grid->setTopRow(topRow);
  });
  gateway_.resync(grid, Change::GridLayout);
}

void GridView::scrollBy(int columns, int rows) {
  if (!grid_ || (columns == 0 && rows == 0)) return;
  scrollTo(columns ? grid_->leftCol() + columns : -1, rows ? grid_->topRow() + rows : -1);
}

void GridView::paintEvent(QPaintEvent* event) {
  if (!grid_) return;
  QPainter painter(viewport());
  const QRect dirty = event->rect();
  painter.fillRect(dirty, toQColor(grid_->color()));
  try {
    if (!grid_->OnDrawCell) {
      paintPlaceholder(painter, dirty);
      return;
    }
    QPainterCanvas canvas(painter, font());
    grid_->paint(canvas, TRect{dirty.left(), dirty.top(), dirty.right() + 1, dirty.bottom() + 1});
  } catch (...) {
    reportPaintError(std::current_exception());
  }
}

// Until the program draws the cells itself: plain cells with grid lines,
// so that scrolling shows.
void GridView::paintPlaceholder(QPainter& painter, const QRect& area) {
  const TStringGrid& g = *grid_;
  const QColor fixedFace = palette().color(QPalette::Button);
  const QColor cellFace = palette().color(QPalette::Base);
  painter.fillRect(area, palette().color(QPalette::Mid));
  const int line = g.gridLineWidth();
  forEachInView(g.rowCount(), g.fixedRows(), g.topRow(), area.bottom() + 1, line,
                [&g](int r) { return g.rowHeight(r); }, [&](int row, int y, int h) {
    forEachInView(g.colCount(), g.fixedCols(), g.leftCol(), area.right() + 1, line,
                  [&g](int c) { return g.colWidth(c); }, [&](int col, int x, int w) {
      const bool fixed = row < g.fixedRows() || col < g.fixedCols();
      painter.fillRect(QRect(x, y, w, h), fixed ? fixedFace : cellFace);
    });
  });
}

void GridView::reportPaintError(std::exception_ptr error) {
  // A box cannot open inside a paint event; it opens once painting is over.
  if (paintErrorPending_) return;
  paintErrorPending_ = true;
  QTimer::singleShot(0, this, [this, error] {
    paintErrorPending_ = false;
    if (grid_) grid_->application().handleException(error);
  });
}

void GridView::wheelEvent(QWheelEvent* event) {
  QPoint delta = event->angleDelta();
  if ((event->modifiers() & Qt::ShiftModifier) && delta.x() == 0) delta = QPoint(delta.y(), 0);
  wheelRemainder_ += delta;
  const int columnNotches = wheelRemainder_.x() / kWheelStep;
  const int rowNotches = wheelRemainder_.y() / kWheelStep;
  wheelRemainder_ -= QPoint(columnNotches * kWheelStep, rowNotches * kWheelStep);
  scrollBy(-columnNotches * kLinesPerNotch, -rowNotches * kLinesPerNotch);
  event->accept();
}

void GridView::keyPressEvent(QKeyEvent* event) {
  if (!grid_) return;
  switch (event->key()) {
    case Qt::Key_Left: scrollBy(-1, 0); return;
    case Qt::Key_Right: scrollBy(1, 0); return;
    case Qt::Key_Up: scrollBy(0, -1); return;
    case Qt::Key_Down: scrollBy(0, 1); return;
    case Qt::Key_PageUp: scrollBy(0, -visibleScrolledRows()); return;
    case Qt::Key_PageDown: scrollBy(0, visibleScrolledRows()); return;
    case Qt::Key_Home: scrollTo(grid_->fixedCols(), -1); return;
    case Qt::Key_End: scrollTo(grid_->maxLeftCol(), -1); return;
    default: break;
  }
  const std::string typed = toUtf8(event->text());
  if (typed.empty()) {
    QAbstractScrollArea::keyPressEvent(event);
    return;
  }
  TStringGrid* grid = grid_;
  gateway_.act(grid, [grid, typed] { grid->userType(typed); });
}

void GridView::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  syncScrollBars();
}

}  // namespace hl::qt
