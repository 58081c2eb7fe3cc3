#pragma once
// A canvas for tests: records each drawing operation with the brush, pen
// and font colours in force, and measures text as 6 by 13 pixels a character.
#include <string>
#include <vector>

#include "platform/canvas.h"

namespace hl {

class RecordingCanvas : public TCanvas {
 public:
  enum class Op { FillRect, Rectangle, TextOut, Line };
  struct Record {
    Op op;
    TRect rect;        // FillRect, Rectangle; TextOut and Line use left/top (and right/bottom for Line)
    std::string text;  // TextOut
    TColor brush;
    TBrushStyle brushStyle;
    TColor pen;
    TColor font;
  };

  void fillRect(const TRect& r) override;
  void rectangle(const TRect& r) override;
  void textOut(int x, int y, const std::string& text) override;
  void line(int x1, int y1, int x2, int y2) override;
  int textWidth(const std::string& text) override { return 6 * static_cast<int>(text.size()); }
  int textHeight(const std::string&) override { return 13; }

  const std::vector<Record>& records() const { return records_; }
  void clear() { records_.clear(); }
  // Texts drawn, in order.
  std::vector<std::string> texts() const;

 private:
  void add(Op op, TRect rect, std::string text = {});
  std::vector<Record> records_;
};

}  // namespace hl
