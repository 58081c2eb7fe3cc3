#include "platform/recording_canvas.h"

namespace hl {

void RecordingCanvas::add(Op op, TRect rect, std::string text) {
  records_.push_back({op, rect, std::move(text), brushColor, brushStyle, penColor, fontColor});
}

void RecordingCanvas::fillRect(const TRect& r) { add(Op::FillRect, r); }
void RecordingCanvas::rectangle(const TRect& r) { add(Op::Rectangle, r); }
void RecordingCanvas::textOut(int x, int y, const std::string& text) { add(Op::TextOut, {x, y, x, y}, text); }
void RecordingCanvas::line(int x1, int y1, int x2, int y2) { add(Op::Line, {x1, y1, x2, y2}); }

std::vector<std::string> RecordingCanvas::texts() const {
  std::vector<std::string> out;
  for (const Record& r : records_)
    if (r.op == Op::TextOut) out.push_back(r.text);
  return out;
}

}  // namespace hl
