#include "qt/colours.h"

#include <QGuiApplication>
#include <QPalette>

namespace hl::qt {
namespace {

QColor systemQColor(int index) {
  const QPalette palette = QGuiApplication::palette();
  switch (index) {
    case COLOR_BTNFACE: return palette.color(QPalette::Button);
    case COLOR_MENU: return palette.color(QPalette::Window);
    case COLOR_WINDOW: return palette.color(QPalette::Base);
    case COLOR_WINDOWTEXT: return palette.color(QPalette::Text);
    case COLOR_GRAYTEXT: return palette.color(QPalette::Disabled, QPalette::Text);
    // No palette role matches these; the desktop's customary values keep
    // the grid headings and outlines looking as designed.
    case COLOR_BACKGROUND: return QColor(0, 0, 0);
    case COLOR_INACTIVECAPTION: return QColor(191, 205, 219);
    case COLOR_INACTIVECAPTIONTEXT: return QColor(0, 0, 0);
    case COLOR_HOTLIGHT: return QColor(0, 102, 204);
    default: return palette.color(QPalette::Window);
  }
}

}  // namespace

QColor toQColor(TColor colour) {
  if (isSystemColour(colour)) return systemQColor(colour & 0xFF);
  return QColor(redOf(colour), greenOf(colour), blueOf(colour));
}

TColor fromQColor(const QColor& colour) { return rgbColour(colour.red(), colour.green(), colour.blue()); }

}  // namespace hl::qt
