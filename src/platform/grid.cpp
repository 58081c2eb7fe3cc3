#include "platform/grid.h"

#include <algorithm>
#include <stdexcept>

namespace hl {

TStringGrid::TStringGrid(TComponent* owner, std::string name) : TWinControl(owner, std::move(name)) { setColor(clWindow); }

TCanvas& TStringGrid::canvas() const {
  if (!canvas_) throw std::logic_error("grid canvas used outside painting");
  return *canvas_;
}

void TStringGrid::layoutChanged() {
  clampScroll();
  changed(Change::GridLayout);
  changed(Change::Repaint);
}

void TStringGrid::setColCount(int n) {
  colCount_ = std::max(n, fixedCols_ + 1);
  layoutChanged();
}

void TStringGrid::setRowCount(int n) {
  rowCount_ = std::max(n, fixedRows_ + 1);
  layoutChanged();
}

void TStringGrid::setFixedCols(int n) {
  fixedCols_ = std::clamp(n, 0, colCount_ - 1);
  layoutChanged();
}

void TStringGrid::setFixedRows(int n) {
  fixedRows_ = std::clamp(n, 0, rowCount_ - 1);
  layoutChanged();
}

void TStringGrid::setDefaultColWidth(int w) {
  defaultColWidth_ = std::max(0, w);
  colWidths_.clear();
  layoutChanged();
}

void TStringGrid::setDefaultRowHeight(int h) {
  defaultRowHeight_ = std::max(0, h);
  rowHeights_.clear();
  layoutChanged();
}

int TStringGrid::colWidth(int col) const {
  auto it = colWidths_.find(col);
  return it == colWidths_.end() ? defaultColWidth_ : it->second;
}

int TStringGrid::rowHeight(int row) const {
  auto it = rowHeights_.find(row);
  return it == rowHeights_.end() ? defaultRowHeight_ : it->second;
}

void TStringGrid::setColWidth(int col, int w) {
  if (col < 0) return;
  if (w == defaultColWidth_) colWidths_.erase(col);
  else colWidths_[col] = std::max(0, w);
  layoutChanged();
}

void TStringGrid::setRowHeight(int row, int h) {
  if (row < 0) return;
  if (h == defaultRowHeight_) rowHeights_.erase(row);
  else rowHeights_[row] = std::max(0, h);
  layoutChanged();
}

void TStringGrid::setGridLineWidth(int w) {
  gridLineWidth_ = std::max(0, w);
  layoutChanged();
}

int TStringGrid::colSpan(int from, int to) const {
  if (to <= from) return 0;
  long long total = static_cast<long long>(to - from) * (defaultColWidth_ + gridLineWidth_);
  for (auto it = colWidths_.lower_bound(from); it != colWidths_.end() && it->first < to; ++it)
    total += it->second - defaultColWidth_;
  return static_cast<int>(std::min<long long>(total, 1 << 30));
}

int TStringGrid::rowSpan(int from, int to) const {
  if (to <= from) return 0;
  long long total = static_cast<long long>(to - from) * (defaultRowHeight_ + gridLineWidth_);
  for (auto it = rowHeights_.lower_bound(from); it != rowHeights_.end() && it->first < to; ++it)
    total += it->second - defaultRowHeight_;
  return static_cast<int>(std::min<long long>(total, 1 << 30));
}

long long TStringGrid::totalWidth() const { return colSpan(0, colCount_); }
long long TStringGrid::totalHeight() const { return rowSpan(0, rowCount_); }

int TStringGrid::maxLeftCol() const {
  // The last column must be reachable: scroll until the rest fits.
  int room = width() - colSpan(0, fixedCols_);
  int col = colCount_ - 1;
  while (col > fixedCols_ && room - (colWidth(col) + gridLineWidth_) >= colWidth(col - 1) + gridLineWidth_) {
    room -= colWidth(col) + gridLineWidth_;
    --col;
  }
  return std::max(fixedCols_, col);
}

int TStringGrid::maxTopRow() const {
  int room = height() - rowSpan(0, fixedRows_);
  int row = rowCount_ - 1;
  while (row > fixedRows_ && room - (rowHeight(row) + gridLineWidth_) >= rowHeight(row - 1) + gridLineWidth_) {
    room -= rowHeight(row) + gridLineWidth_;
    --row;
  }
  return std::max(fixedRows_, row);
}

void TStringGrid::clampScroll() {
  leftCol_ = std::clamp(leftCol_, fixedCols_, std::max(fixedCols_, colCount_ - 1));
  topRow_ = std::clamp(topRow_, fixedRows_, std::max(fixedRows_, rowCount_ - 1));
}

void TStringGrid::setLeftCol(int col) {
  const int v = std::clamp(col, fixedCols_, maxLeftCol());
  if (v == leftCol_) return;
  leftCol_ = v;
  changed(Change::GridLayout);
  changed(Change::Repaint);
}

void TStringGrid::setTopRow(int row) {
  const int v = std::clamp(row, fixedRows_, maxTopRow());
  if (v == topRow_) return;
  topRow_ = v;
  changed(Change::GridLayout);
  changed(Change::Repaint);
}

TRect TStringGrid::cellRect(int col, int row) const {
  if (col < 0 || row < 0 || col >= colCount_ || row >= rowCount_) return {};
  if (col >= fixedCols_ && col < leftCol_) return {};
  if (row >= fixedRows_ && row < topRow_) return {};
  const int x = col < fixedCols_ ? colSpan(0, col) : colSpan(0, fixedCols_) + colSpan(leftCol_, col);
  const int y = row < fixedRows_ ? rowSpan(0, row) : rowSpan(0, fixedRows_) + rowSpan(topRow_, row);
  if (x >= width() || y >= height()) return {};
  return {x, y, x + colWidth(col), y + rowHeight(row)};
}

TPoint TStringGrid::mouseToCell(int x, int y) const {
  auto find = [](int pos, int count, int fixed, int first, int extent, auto sizeOf, int line) {
    if (pos < 0 || pos >= extent) return -1;
    int edge = 0;
    for (int i = 0; i < fixed; ++i) {
      edge += sizeOf(i) + line;
      if (pos < edge) return i;
    }
    for (int i = first; i < count && edge < extent; ++i) {
      edge += sizeOf(i) + line;
      if (pos < edge) return i;
    }
    return -1;
  };
  const int col = find(x, colCount_, fixedCols_, leftCol_, width(), [this](int c) { return colWidth(c); }, gridLineWidth_);
  const int row = find(y, rowCount_, fixedRows_, topRow_, height(), [this](int r) { return rowHeight(r); }, gridLineWidth_);
  return {col, row};
}

void TStringGrid::paint(TCanvas& canvas, const TRect& area) {
  if (!OnDrawCell) return;
  // OnDrawCell paints on canvas() while this runs.
  TCanvas* previous = canvas_;
  canvas_ = &canvas;
  struct Restore {
    TCanvas*& slot;
    TCanvas* value;
    ~Restore() { slot = value; }
  } restore{canvas_, previous};
  auto visible = [](int i, int fixed, int first) { return i < fixed || i >= first; };
  for (int row = 0; row < rowCount_; ++row) {
    if (!visible(row, fixedRows_, topRow_)) row = topRow_;
    const TRect rowRect = cellRect(fixedCols_ > 0 ? 0 : leftCol_, row);
    if (rowRect == TRect{}) break;  // below the visible area
    if (rowRect.bottom <= area.top || rowRect.top >= area.bottom) continue;
    for (int col = 0; col < colCount_; ++col) {
      if (!visible(col, fixedCols_, leftCol_)) col = leftCol_;
      const TRect r = cellRect(col, row);
      if (r == TRect{}) break;  // right of the visible area
      if (r.right <= area.left || r.left >= area.right) continue;
      OnDrawCell(this, col, row, r, col < fixedCols_ || row < fixedRows_ ? gdFixed : 0u);
    }
  }
}

}  // namespace hl
