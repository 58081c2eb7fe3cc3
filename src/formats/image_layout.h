#pragma once
// Byte layout of a pattern image, shared by the encoder, the reader and the
// tools that describe images. Two-byte fields are big-endian and hold the
// low 16 bits of their value; one-byte fields the low 8 bits.
#include <cstddef>
#include <cstdint>

#include "model/limits.h"
#include "model/types.h"

namespace hl {

inline constexpr std::size_t kImageHeaderBytes = 30;
inline constexpr std::size_t kFrameTimeBytes = 3;  // two-byte time value, one-byte unit

// Header offsets.
inline constexpr std::size_t kChannelBytesAt = 0;
inline constexpr std::size_t kFrameCountAt = 2;
inline constexpr std::size_t kDefaultTimesAt = 4;  // five times of value (2) and unit (1)
inline constexpr std::size_t kReservedOneAt = 19;
inline constexpr std::size_t kLoopModeAt = 20;
inline constexpr std::size_t kLoopCountAt = 21;
inline constexpr std::size_t kEndActionAt = 23;
inline constexpr std::size_t kModelAt = 24;
inline constexpr std::size_t kChipFlagsAt = 25;
inline constexpr std::size_t kReservedZeroAt = 28;
inline constexpr std::size_t kFamilyModeAt = 29;

inline void putU16(std::uint8_t* at, std::int64_t value) {
  at[0] = static_cast<std::uint8_t>((value >> 8) & 0xFF);
  at[1] = static_cast<std::uint8_t>(value & 0xFF);
}

inline void putU8(std::uint8_t* at, std::int64_t value) { at[0] = static_cast<std::uint8_t>(value & 0xFF); }

inline int getU16(const std::uint8_t* at) { return (at[0] << 8) | at[1]; }

// The header fields of one image as stored.
struct ImageHeader {
  int channelBytes = 0;
  int frameCount = 0;
  DefaultTime defaultTimes[kDefaultTimeCount] = {};
  int loopMode = 0;
  int loopCount = 0;
  int endAction = 0;
  int model = 0;
  std::uint8_t chipFlags[3] = {};
  int familyMode = 0;
};

// Reads the header at the start of at, which must hold kImageHeaderBytes.
ImageHeader parseImageHeader(const std::uint8_t* at);

}  // namespace hl
