#pragma once
// The toolkit's canvas painted with a QPainter: owner-drawn controls draw
// through it while their widget paints.
#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QStaticText>
#include <optional>

#include "platform/canvas.h"

namespace hl::qt {

class QPainterCanvas final : public TCanvas {
 public:
  // Text uses baseFont's family at the canvas's fontSize in points.
  QPainterCanvas(QPainter& painter, const QFont& baseFont);

  void fillRect(const TRect& r) override;
  void rectangle(const TRect& r) override;
  void textOut(int x, int y, const std::string& text) override;
  void line(int x1, int y1, int x2, int y2) override;
  int textWidth(const std::string& text) override;
  int textHeight(const std::string& text) override;

 private:
  // The font for the current fontSize, rebuilt only when the size changes.
  const QFontMetrics& useFont();
  QPen currentPen() const;
  // Puts the canvas's pen on the painter unless it is there already.
  void usePen();

  // Laid-out text kept between paints: a grid shows the same few hundred
  // numbers and captions over and over, and laying text out is what costs.
  const QStaticText& laidOut(const QString& text);

  QPainter& painter_;
  QFont font_;
  bool fontOnPainter_ = false;
  bool penOnPainter_ = false;
  TColor penColorInUse_ = 0;
  int penWidthInUse_ = 0;
  int fontSizeInUse_ = -1;
  std::optional<QFontMetrics> metrics_;
};

}  // namespace hl::qt
