#include "qt/custom_colours.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace hl::qt {

std::optional<std::pair<int, TColor>> parseCustomColour(const std::string& entry) {
  const std::string prefix = "Color";
  const auto equals = entry.find('=');
  if (equals != prefix.size() + 1 || entry.compare(0, prefix.size(), prefix) != 0) return std::nullopt;
  const int slot = std::toupper(static_cast<unsigned char>(entry[prefix.size()])) - 'A';
  if (slot < 0 || slot >= kCustomColourSlots) return std::nullopt;
  const std::string hex = entry.substr(equals + 1);
  if (hex.empty() || hex.size() > 6) return std::nullopt;
  for (char ch : hex)
    if (!std::isxdigit(static_cast<unsigned char>(ch))) return std::nullopt;
  return std::make_pair(slot, static_cast<TColor>(std::strtol(hex.c_str(), nullptr, 16)));
}

std::string formatCustomColour(int slot, TColor colour) {
  char buffer[24];
  std::snprintf(buffer, sizeof buffer, "Color%c=%06X", 'A' + slot, static_cast<unsigned>(colour) & 0xFFFFFFu);
  return buffer;
}

}  // namespace hl::qt
