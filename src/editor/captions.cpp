#include "editor/captions.h"

namespace hl {

std::string withLeadingBlank(const std::string& text) { return text.size() == 1 ? " " + text : text; }

std::string channelCaption(int channel) {
  const std::string number = std::to_string(channel);
  const std::string gap = number.size() == 1 ? "    " : number.size() == 2 ? "  " : "";
  return "  No." + gap + number;
}

std::string frameTimeUnitText(std::int32_t unit) {
  switch (unit) {
    case TimeUnit::Default: return "-";
    case TimeUnit::Milliseconds: return "ms";
    case TimeUnit::Seconds: return "s";
    case TimeUnit::Minutes: return "min";
    default: return "";
  }
}

std::string colourComponentText(CellColor colour) {
  return "R:" + std::to_string(colour & 0xFF) + " G:" + std::to_string((colour >> 8) & 0xFF) +
         " B:" + std::to_string((colour >> 16) & 0xFF);
}

std::string cellReadout(int column, int row, bool singleColour, CellColor value) {
  std::string text = "   No " + std::to_string(row - 2) + " Number" + "   No " + std::to_string(column - 1) + " step number ";
  if (singleColour) text += "(" + colourComponentText(value) + ")";
  return text;
}

}  // namespace hl
