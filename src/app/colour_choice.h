#pragma once
// Choosing colours with ColorDialog1, shared by the colour commands and the
// grid's click-to-paint.
#include <optional>

#include "model/types.h"

namespace hl {

class TForm2;

// Opens ColorDialog1 at the last colour chosen in it. Gives the chosen
// colour, or nothing when the user cancels.
std::optional<CellColor> askColour(TForm2& form);

// The colour becomes the paint and the fill colour; Label14 shows its components.
void usePaintAndFillColour(TForm2& form, CellColor colour);

}  // namespace hl
