#include "qt/painter_canvas.h"

#include <algorithm>

#include "qt/colours.h"
#include "qt/text.h"

namespace hl::qt {

QPainterCanvas::QPainterCanvas(QPainter& painter, const QFont& baseFont) : painter_(painter), font_(baseFont) {}

const QFontMetrics& QPainterCanvas::useFont() {
  if (fontSize != fontSizeInUse_ || !metrics_) {
    font_.setPointSizeF(std::max(1, fontSize));
    metrics_.emplace(font_, painter_.device());
    fontSizeInUse_ = fontSize;
  }
  painter_.setFont(font_);
  return *metrics_;
}

QPen QPainterCanvas::currentPen() const {
  QPen pen(toQColor(penColor));
  pen.setWidth(std::max(1, penWidth));
  pen.setJoinStyle(Qt::MiterJoin);
  return pen;
}

void QPainterCanvas::fillRect(const TRect& r) {
  if (r.width() <= 0 || r.height() <= 0) return;
  painter_.fillRect(QRect(r.left, r.top, r.width(), r.height()), toQColor(brushColor));
}

void QPainterCanvas::rectangle(const TRect& r) {
  if (r.width() <= 0 || r.height() <= 0) return;
  painter_.setPen(currentPen());
  if (brushStyle == TBrushStyle::bsClear) painter_.setBrush(Qt::NoBrush);
  else painter_.setBrush(toQColor(brushColor));
  // A one-pixel pen draws right of and below the outline, so the shape covers
  // exactly the pixels of r (right and bottom exclusive).
  painter_.drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void QPainterCanvas::textOut(int x, int y, const std::string& text) {
  const QFontMetrics& metrics = useFont();
  const QString shown = toQString(text);
  if (brushStyle != TBrushStyle::bsClear)
    painter_.fillRect(QRect(x, y, metrics.horizontalAdvance(shown), metrics.height()), toQColor(brushColor));
  painter_.setPen(toQColor(fontColor));
  painter_.drawText(x, y + metrics.ascent(), shown);
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2) {
  painter_.setPen(currentPen());
  painter_.drawLine(x1, y1, x2, y2);
}

int QPainterCanvas::textWidth(const std::string& text) { return useFont().horizontalAdvance(toQString(text)); }

int QPainterCanvas::textHeight(const std::string&) { return useFont().height(); }

}  // namespace hl::qt
