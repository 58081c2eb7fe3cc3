#pragma once
// The toolkit's colours as Qt colours: plain colours are 0x00BBGGRR, system
// colours are resolved from the application palette or the desktop's usual
// values where Qt has no matching role.
#include <QColor>

#include "platform/types.h"

namespace hl::qt {

QColor toQColor(TColor colour);
TColor fromQColor(const QColor& colour);

}  // namespace hl::qt
