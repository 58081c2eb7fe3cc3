#pragma once
// Brightness levels of single-colour cells: the number typed into the cell
// editor and the shade a level is drawn with.
#include <string>

#include "model/types.h"

namespace hl {

inline constexpr int kMaxBrightness = 255;

// The level a typed number stands for, kept to 0..kMaxBrightness so that a
// stored level always has a shade. Text that is not an integer raises the
// platform's conversion error.
CellColor brightnessFromText(const std::string& text);

// Index into levelColours for a non-zero level: 1 below 16, otherwise the
// level divided by 16, at most the last entry (stored levels above 255 can
// come from pattern files).
int shadeIndexOf(CellColor level);

}  // namespace hl
