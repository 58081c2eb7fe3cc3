#include "qt/app_font.h"

#include <QStringList>

namespace hl::qt {

// The layout was designed for an 8 point font of narrow letters; the wider
// stand-ins need one point more to stay legible without outgrowing the boxes.
constexpr double kApplicationPointSize = 9;

QFont applicationFont() {
  QFont font;
  font.setFamilies({QStringLiteral("Tahoma"), QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK SC")});
  font.setPointSizeF(kApplicationPointSize);
  return font;
}

}  // namespace hl::qt
