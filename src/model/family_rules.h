#pragma once
// Rules that depend on the controller family: which settings record a zone
// uses, which zones hold brightness levels, which zone a tab shows and how
// many grid columns the controller's memory allows.
#include "model/types.h"

namespace hl {

// Index of the ZoneSettings record that zone uses: in PortPairs the even zone
// of its pair (1 -> 0, 3 -> 2, ...), otherwise the zone itself.
int settingsIndexOf(FamilyMode mode, int zone) noexcept;

// True for zones whose cells hold a brightness 0..255 instead of a colour:
// zones 0-4 in SingleBank, zones 0, 2, 4, 6 in SingleAlternate.
bool isSingleColourZone(FamilyMode mode, int zone) noexcept;

// Zone shown by a zone tab: tab + 2 * pair in PortPairs, otherwise the tab.
int zoneOfTab(FamilyMode mode, int tab, int pair) noexcept;

// Grid column count, the two header columns included, of a zone grid:
//   1. (memoryBytes - 29) / (3 * lampCount + 3), integer division;
//   2. 403 instead in SingleAlternate, and in SingleBank while currentZone < 5;
//   3. at most kMaxFrameColumns.
// A lampCount below 1 counts as 1: the lamp count comes from a user-editable
// box, and -1 would divide by zero while other values below 1 would give a
// meaningless column count. A memory too small for one frame gives 0 columns
// rather than a negative count.
int frameCapacity(int memoryBytes, int lampCount, FamilyMode mode, int currentZone) noexcept;

// Columns of a single-colour zone's capacity (step 2 above).
inline constexpr int kSingleColourCapacityColumns = 403;

}  // namespace hl
