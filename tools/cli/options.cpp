#include "cli/options.h"

#include <algorithm>
#include <iterator>

#include "platform/errors.h"

namespace hl::cli {

std::optional<int> integerIn(const std::string& text, int low, int high) {
  try {
    const int value = StrToInt(text);
    if (value >= low && value <= high) return value;
  } catch (const EConvertError&) {
  }
  return std::nullopt;
}

std::optional<int> colourOrderIndex(const std::string& name) {
  static constexpr const char* kOrders[] = {"RGB", "RBG", "GRB", "GBR", "BGR", "BRG"};
  const auto found = std::find(std::begin(kOrders), std::end(kOrders), name);
  if (found == std::end(kOrders)) return std::nullopt;
  return static_cast<int>(found - std::begin(kOrders));
}

}  // namespace hl::cli
