#pragma once
// A surface that owner-drawn controls paint on. The front-end paints it with
// the window system; tests record what was drawn.
#include <string>

#include "platform/types.h"

namespace hl {

enum class TBrushStyle { bsSolid, bsClear };

class TCanvas {
 public:
  virtual ~TCanvas() = default;

  TColor brushColor = clWhite;
  TBrushStyle brushStyle = TBrushStyle::bsSolid;
  TColor penColor = clBlack;
  int penWidth = 1;
  TColor fontColor = clWindowText;
  int fontSize = 8;

  // Fills the rectangle with the brush; no outline.
  virtual void fillRect(const TRect& r) = 0;
  // Outline with the pen, filled with the brush unless the brush is clear.
  virtual void rectangle(const TRect& r) = 0;
  // Text with its top-left corner at (x, y), on the brush colour unless the brush is clear.
  virtual void textOut(int x, int y, const std::string& text) = 0;
  virtual void line(int x1, int y1, int x2, int y2) = 0;
  virtual int textWidth(const std::string& text) = 0;
  virtual int textHeight(const std::string& text) = 0;
};

}  // namespace hl
