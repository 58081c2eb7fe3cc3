#pragma once
// A project prepared for a controller model and lamp count without a window,
// as the command-line tool and the format tests use it: reset, default times
// set, and the model's family, memory and grid capacity applied for zone 0.
#include "formats/pattern_image.h"

namespace hl {

void prepareHeadlessProject(Project& project, int model, int lampCount);

// The encoder inputs that go with it.
EncoderInputs headlessInputs(int model, int lampCount, int colourOrder = 5, int pixelChip = -1);

}  // namespace hl
