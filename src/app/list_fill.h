#pragma once
// Filling list controls with runs of numbers.
#include "platform/std_controls.h"

namespace hl {

// Appends the items "from" .. "to" in decimal.
void fillNumberItems(TComboBox& box, int from, int to);

}  // namespace hl
