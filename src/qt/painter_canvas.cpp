#include "qt/painter_canvas.h"

#include <QtMath>
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
    fontOnPainter_ = false;
  }
  if (!fontOnPainter_) {
    painter_.setFont(font_);
    fontOnPainter_ = true;
  }
  return *metrics_;
}

const QStaticText& QPainterCanvas::laidOut(const QString& text) {
  // One cache per thread and font; bounded so that odd texts cannot grow it without end.
  thread_local QHash<QString, QStaticText> cache;
  thread_local QFont cachedFor;
  constexpr qsizetype kMaxEntries = 4096;
  if (cachedFor != font_ || cache.size() > kMaxEntries) {
    cache.clear();
    cachedFor = font_;
  }
  auto it = cache.find(text);
  if (it == cache.end()) {
    QStaticText laid(text);
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(painter_.transform(), font_);
    it = cache.insert(text, laid);
  }
  return *it;
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
  usePen();
  if (brushStyle == TBrushStyle::bsClear) painter_.setBrush(Qt::NoBrush);
  else painter_.setBrush(toQColor(brushColor));
  // A one-pixel pen draws right of and below the outline, so the shape covers
  // exactly the pixels of r (right and bottom exclusive).
  painter_.drawRect(QRect(r.left, r.top, r.width() - 1, r.height() - 1));
}

void QPainterCanvas::usePen() {
  // Text drawing changes the painter's pen, so the outline pen is set again after it.
  if (penOnPainter_ && penColor == penColorInUse_ && penWidth == penWidthInUse_) return;
  painter_.setPen(currentPen());
  penColorInUse_ = penColor;
  penWidthInUse_ = penWidth;
  penOnPainter_ = true;
}

void QPainterCanvas::textOut(int x, int y, const std::string& text) {
  const QFontMetrics& metrics = useFont();
  const QStaticText& laid = laidOut(toQString(text));
  if (brushStyle != TBrushStyle::bsClear)
    painter_.fillRect(QRect(x, y, qCeil(laid.size().width()), metrics.height()), toQColor(brushColor));
  painter_.setPen(toQColor(fontColor));
  penOnPainter_ = false;
  painter_.drawStaticText(x, y, laid);
}

void QPainterCanvas::line(int x1, int y1, int x2, int y2) {
  usePen();
  painter_.drawLine(x1, y1, x2, y2);
}

int QPainterCanvas::textWidth(const std::string& text) { return useFont().horizontalAdvance(toQString(text)); }

int QPainterCanvas::textHeight(const std::string&) { return useFont().height(); }

}  // namespace hl::qt
