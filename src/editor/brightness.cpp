#include "editor/brightness.h"

#include <algorithm>

#include "model/display_tables.h"
#include "platform/errors.h"

namespace hl {

CellColor brightnessFromText(const std::string& text) { return std::clamp(StrToInt(text), 0, kMaxBrightness); }

int shadeIndexOf(CellColor level) {
  constexpr int kLastShade = static_cast<int>(levelColours.size()) - 1;
  if (level < 16) return 1;
  return std::min(level / 16, kLastShade);
}

}  // namespace hl
