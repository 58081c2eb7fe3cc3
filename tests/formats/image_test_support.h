#pragma once
// Helpers of the pattern image tests: bytes from hexadecimal text, and a
// project prepared for a model without a window.
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "formats/headless_project.h"

namespace hl::test {

inline std::vector<std::uint8_t> hexBytes(const std::string& text) {
  std::vector<std::uint8_t> bytes;
  std::istringstream in(text);
  for (std::string word; in >> word;)
    if (word != "·") bytes.push_back(static_cast<std::uint8_t>(std::stoi(word, nullptr, 16)));
  return bytes;
}

constexpr CellColor kRed = 0x0000FF, kGreen = 0x00FF00, kBlue = 0xFF0000, kWhite = 0xFFFFFF;

// Channel c, frame f (both from 0) of a zone.
inline void paint(Project& project, int zone, int channel, int frame, CellColor colour) {
  project.setCell(zone, kFirstChannelRow + channel, kFirstFrameColumn + frame, colour);
}
inline CellColor cellAt(const Project& project, int zone, int channel, int frame) {
  return project.cell(zone, kFirstChannelRow + channel, kFirstFrameColumn + frame);
}

}  // namespace hl::test
