#pragma once
// The pattern image: the byte image of one zone that is both the upload
// payload and the content of every pattern file. A 30-byte header with the
// zone's settings, then one record per frame (time, unit, colour bytes).
#include <cstdint>
#include <vector>

#include "model/project.h"

namespace hl {

enum class ImagePurpose {
  File,    // colour bytes green, blue, red; zones never merged
  Upload,  // colour bytes in the chosen colour order; port pairs merged when asked
};

// Window-wide values the encoder reads besides the project.
struct EncoderInputs {
  int lampCount = 1;    // 1..1024
  int model = 0;        // controller model 0..15
  int colourOrder = 5;  // 0 RGB, 1 RBG, 2 GRB, 3 GBR, 4 BGR, 5 BRG
  int pixelChip = -1;   // model 15 only: 0 UCS2904, 1 WS2814, 2 TM1814, -1 none
};

using PatternImage = std::vector<std::uint8_t>;

// Encodes zone 0..9. The image length is the size of the result.
PatternImage EncodePatternImage(const Project& project, const EncoderInputs& inputs, int zone, ImagePurpose purpose,
                                bool mergePortPairs);

// Highest store column of the zone holding a non-black cell, or 0.
int FindLastUsedColumn(const Project& project, int zone, int lampCount);

// True when some zone has a non-black cell in its second frame or later.
bool HasAnyPattern(const Project& project, int lampCount);

}  // namespace hl
