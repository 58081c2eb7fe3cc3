#include "formats/image_layout.h"

#include <algorithm>

namespace hl {

ImageHeader parseImageHeader(const std::uint8_t* h) {
  ImageHeader header;
  header.channelBytes = getU16(h + kChannelBytesAt);
  header.frameCount = getU16(h + kFrameCountAt);
  for (int k = 0; k < kDefaultTimeCount; ++k)
    header.defaultTimes[k] = DefaultTime{getU16(h + kDefaultTimesAt + 3 * k), h[kDefaultTimesAt + 3 * k + 2]};
  header.loopMode = h[kLoopModeAt];
  header.loopCount = getU16(h + kLoopCountAt);
  header.endAction = h[kEndActionAt];
  header.model = h[kModelAt];
  std::copy_n(h + kChipFlagsAt, 3, header.chipFlags);
  header.familyMode = h[kFamilyModeAt];
  return header;
}

}  // namespace hl
