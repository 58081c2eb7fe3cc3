#pragma once
// Colour tables fixed for the life of the program.
#include <array>

#include "model/types.h"

namespace hl {

// Shades for the brightness level of a single-colour cell, from white
// (index 0) fading to pure red (index 15).
inline constexpr std::array<CellColor, 16> levelColours = {
    0x00FFFFFF, 0x00EFEFFF, 0x00E0E0FF, 0x00CCCCFF, 0x00BCBCFF, 0x00ADADFF, 0x009999FF, 0x008989FF,
    0x007A7AFF, 0x006565FF, 0x005656FF, 0x004747FF, 0x003232FF, 0x002323FF, 0x001414FF, 0x000000FF,
};

// Cell colour of each spreadsheet colour index 0..56.
inline constexpr std::array<CellColor, 57> spreadsheetPalette = {
    0x00000000, 0x00000000, 0x00FFFFFF, 0x000000FF, 0x0000FF00, 0x00FF0000, 0x0000FFFF, 0x00FFFF00,  //  0.. 7
    0x00FF00FF, 0x00008000, 0x00000080, 0x00800000, 0x00008080, 0x00808000, 0x00800080, 0x00C0C0C0,  //  8..15
    0x00808080, 0x00FF9999, 0x00669933, 0x00CCFFFF, 0x00FFCCFF, 0x00666600, 0x0080FF80, 0x00CC0066,  // 16..23
    0x00FFCCCC, 0x00800000, 0x00FFFF00, 0x0000FFFF, 0x00FF00FF, 0x00808000, 0x00008000, 0x00800080,  // 24..31
    0x00FF0000, 0x00FF00CC, 0x00FFCCFF, 0x00CCCCFF, 0x0099FFFF, 0x00FF99CC, 0x00CCFF99, 0x00FFCC99,  // 32..39
    0x0099FFCC, 0x00FF3366, 0x00CC33CC, 0x000099CC, 0x0000FFCC, 0x0000FF99, 0x0000FF66, 0x00996666,  // 40..47
    0x00969696, 0x00660033, 0x00663399, 0x00000033, 0x00003333, 0x00009933, 0x00669933, 0x00993333,  // 48..55
    0x00333333,                                                                                      // 56
};

}  // namespace hl
