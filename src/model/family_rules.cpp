#include "model/family_rules.h"

#include <algorithm>
#include <cstdint>

namespace hl {

namespace {

// Bytes of pattern memory taken by the zone header before the first frame.
constexpr std::int64_t kZoneHeaderBytes = 29;

bool capacityFixedForSingleColour(FamilyMode mode, int currentZone) {
  return mode == FamilyMode::SingleAlternate || (mode == FamilyMode::SingleBank && currentZone < 5);
}

}  // namespace

int settingsIndexOf(FamilyMode mode, int zone) noexcept {
  if (mode == FamilyMode::PortPairs) return zone - zone % 2;
  return zone;
}

bool isSingleColourZone(FamilyMode mode, int zone) noexcept {
  switch (mode) {
    case FamilyMode::SingleBank:
      return zone >= 0 && zone < 5;
    case FamilyMode::SingleAlternate:
      return zone == 0 || zone == 2 || zone == 4 || zone == 6;
    default:
      return false;
  }
}

int zoneOfTab(FamilyMode mode, int tab, int pair) noexcept {
  if (mode == FamilyMode::PortPairs) return tab + 2 * pair;
  return tab;
}

int frameCapacity(int memoryBytes, int lampCount, FamilyMode mode, int currentZone) noexcept {
  // 64-bit so that no lamp count can overflow the divisor.
  const std::int64_t lamps = std::max(lampCount, 1);
  std::int64_t columns = std::max<std::int64_t>((memoryBytes - kZoneHeaderBytes) / (3 * lamps + 3), 0);
  if (capacityFixedForSingleColour(mode, currentZone)) columns = kSingleColourCapacityColumns;
  return static_cast<int>(std::min<std::int64_t>(columns, kMaxFrameColumns));
}

}  // namespace hl
