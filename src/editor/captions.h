#pragma once
// Texts the pattern grid shows: header captions, the read-out of the cell
// under the pointer and the component text of a colour.
#include <string>

#include "model/types.h"

namespace hl {

// A text of exactly one character gets one leading blank; longer texts stay.
std::string withLeadingBlank(const std::string& text);

// "  No." followed by the channel number: four blanks before one digit, two
// before two digits, none before three or more.
std::string channelCaption(int channel);

// "-", "ms", "s", "min" for the frame time unit codes 0..3; "" for any other.
std::string frameTimeUnitText(std::int32_t unit);

// "R:" red " G:" green " B:" blue, components in decimal.
std::string colourComponentText(CellColor colour);

// Read-out of the grid cell (column, row): channel row - 2 and frame
// column - 1, plus the three bytes of the cell value in single-colour zones.
std::string cellReadout(int column, int row, bool singleColour, CellColor value);

}  // namespace hl
