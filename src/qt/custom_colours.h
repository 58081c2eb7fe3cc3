#pragma once
// The colour dialog's custom colours as the toolkit lists them:
// "ColorA=FFFFFF" to "ColorP=...", each value a colour in hexadecimal
// 0xBBGGRR.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/types.h"

namespace hl::qt {

constexpr int kCustomColourSlots = 16;

// The slot (0 for A) and colour of one entry; nullopt when it is not one.
std::optional<std::pair<int, TColor>> parseCustomColour(const std::string& entry);
std::string formatCustomColour(int slot, TColor colour);

}  // namespace hl::qt
