#pragma once
// An owner-drawn grid: rows and columns of cells, some fixed at the top and
// left, the rest scrolled. It holds no cell data; OnDrawCell paints each
// cell. The grid gives hit tests, cell rectangles and the scroll position
// so that painting and mouse handling need no window system.
#include <functional>
#include <map>

#include "platform/canvas.h"
#include "platform/controls.h"

namespace hl {

using TDrawCellEvent = std::function<void(TObject* sender, int col, int row, const TRect& rect, unsigned state)>;

enum TGridDrawState : unsigned { gdSelected = 1, gdFocused = 2, gdFixed = 4 };

class TStringGrid : public TWinControl {
 public:
  TStringGrid(TComponent* owner, std::string name);
  const char* className() const override { return "TStringGrid"; }

  int colCount() const { return colCount_; }
  int rowCount() const { return rowCount_; }
  void setColCount(int n);
  void setRowCount(int n);
  int fixedCols() const { return fixedCols_; }
  int fixedRows() const { return fixedRows_; }
  void setFixedCols(int n);
  void setFixedRows(int n);

  int defaultColWidth() const { return defaultColWidth_; }
  int defaultRowHeight() const { return defaultRowHeight_; }
  // Setting a default size drops the sizes set for single columns or rows.
  void setDefaultColWidth(int w);
  void setDefaultRowHeight(int h);
  int colWidth(int col) const;
  int rowHeight(int row) const;
  void setColWidth(int col, int w);
  void setRowHeight(int row, int h);
  int gridLineWidth() const { return gridLineWidth_; }
  void setGridLineWidth(int w);

  // First scrolled column and row shown after the fixed ones.
  int leftCol() const { return leftCol_; }
  int topRow() const { return topRow_; }
  void setLeftCol(int col);
  void setTopRow(int row);
  int maxLeftCol() const;
  int maxTopRow() const;

  // Cell under the point (grid pixels); {-1, -1} parts where there is none.
  TPoint mouseToCell(int x, int y) const;
  // Rectangle of a visible cell in grid pixels; empty for a hidden cell.
  TRect cellRect(int col, int row) const;
  // Total size of all columns and rows with grid lines, in pixels.
  long long totalWidth() const;
  long long totalHeight() const;

  // Paints every visible cell that meets area through OnDrawCell.
  void paint(TCanvas& canvas, const TRect& area);
  // Asks the front-end to paint the whole visible grid again.
  void invalidate() { changed(Change::Repaint); }
  void repaint() { invalidate(); }

  TDrawCellEvent OnDrawCell;
  // The canvas being painted; valid inside OnDrawCell only.
  TCanvas& canvas() const;

 private:
  int colSpan(int from, int to) const;  // width of columns [from, to) with lines
  int rowSpan(int from, int to) const;
  void clampScroll();
  void layoutChanged();

  int colCount_ = 5, rowCount_ = 5;
  int fixedCols_ = 1, fixedRows_ = 1;
  int defaultColWidth_ = 64, defaultRowHeight_ = 24;
  int gridLineWidth_ = 1;
  std::map<int, int> colWidths_, rowHeights_;  // only sizes that differ from the default
  int leftCol_ = 1, topRow_ = 1;
  TCanvas* canvas_ = nullptr;
};

}  // namespace hl
