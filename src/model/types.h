#pragma once
// Value types of the project: cell colours, frame times, zone settings and
// the codes stored in them. Codes that live in int32 fields are plain
// constants so they compare directly with those fields.
#include <cstdint>

#include "model/limits.h"

namespace hl {

// A colour with red in bits 0-7, green 8-15, blue 16-23 and bits 24-31 zero;
// 0 is black (lamp off). In a single-colour zone a brightness level 0..255.
using CellColor = std::int32_t;

// Unit code of a frame time.
namespace TimeUnit {
inline constexpr std::int32_t Default = 0;       // value is the number 1..5 of a zone default time
inline constexpr std::int32_t Milliseconds = 1;
inline constexpr std::int32_t Seconds = 2;
inline constexpr std::int32_t Minutes = 3;
}  // namespace TimeUnit

struct FrameTime {
  std::int32_t value = 0;
  std::int32_t unit = 0;  // a TimeUnit code
  friend bool operator==(const FrameTime&, const FrameTime&) = default;
};

// What every frame holds until written: use default time 1 of the zone.
inline constexpr FrameTime kResetFrameTime{1, TimeUnit::Default};

// Unit code of a zone default time: the index in the panel's unit lists,
// which is not the TimeUnit code of a frame.
namespace DefaultTimeUnit {
inline constexpr std::int32_t Milliseconds = 0;
inline constexpr std::int32_t Seconds = 1;
inline constexpr std::int32_t Minutes = 2;
}  // namespace DefaultTimeUnit

struct DefaultTime {
  std::int32_t value = 0;
  std::int32_t unit = 0;  // a DefaultTimeUnit code
  friend bool operator==(const DefaultTime&, const DefaultTime&) = default;
};

namespace LoopMode {
inline constexpr std::int32_t Infinite = 1;
inline constexpr std::int32_t Counted = 2;
inline constexpr std::int32_t Once = 3;  // 0 is seen only before the first reset
}  // namespace LoopMode

// What happens when a single or counted run of a zone ends.
namespace EndAction {
inline constexpr std::int32_t NextZone = 0;
inline constexpr std::int32_t KeepLast = 1;
inline constexpr std::int32_t AllOff = 2;
}  // namespace EndAction

// Settings of one zone, fields in this order.
struct ZoneSettings {
  DefaultTime defaultTimes[kDefaultTimeCount];
  std::int32_t loopMode = 0;   // a LoopMode code
  std::int32_t loopCount = 0;  // repetitions of a counted loop
  std::int32_t endAction = 0;  // an EndAction code
  friend bool operator==(const ZoneSettings&, const ZoneSettings&) = default;
};

// How a family of controller models lays out, encodes and uploads zones.
enum class FamilyMode : std::int32_t {
  Standard = 0,         // every zone full-colour
  PortPairs = 1,        // two tabs are the two ports of a zone pair sharing settings
  SingleBank = 5,       // zones 0-4 single-colour
  SingleAlternate = 6,  // zones 0, 2, 4, 6 single-colour
};

}  // namespace hl
