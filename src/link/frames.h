#pragma once
// The frames the program sends to the controller during an upload: command
// frames and the data frames that carry the pattern image packet by packet.
// Two layouts: the short one of most families, and the framed one of the
// single-colour families (SingleBank, SingleAlternate).
#include <cstddef>
#include <cstdint>
#include <vector>

#include "model/types.h"

namespace hl {

using Frame = std::vector<std::uint8_t>;

// Frames are built in a buffer of this size; no frame may be longer.
inline constexpr std::size_t kFrameBufferBytes = 3000;

namespace Command {
inline constexpr std::uint8_t Connect = 0x7F;
inline constexpr std::uint8_t Erase = 0x9F;
inline constexpr std::uint8_t End = 0xDD;
inline constexpr std::uint8_t ReadAddress = 0x1F;
}  // namespace Command

bool usesFramedLayout(FamilyMode mode);

// The zone byte of a command: PortPairs sends the pair (zone / 2).
std::uint8_t commandZoneByte(FamilyMode mode, int zone);

// Short: AA CC 02 cmd z 55. Framed: AA CC FA mode 00 02 cmd z BB EE A5 5A.
Frame commandFrame(FamilyMode mode, std::uint8_t command, int zone);

// Which image bytes packet k carries: S bytes while more than (k + 1) * S
// remain in the image; otherwise the last packet, with every remaining byte
// and one more (the byte read past the end of the image, FF).
struct Packet {
  std::size_t offset = 0;  // k * S
  std::size_t length = 0;  // payload bytes n
  bool last = false;
};
Packet packetOf(std::size_t imageLength, int blockSize, int k);

// The payload of a packet: image bytes from its offset, FF past the end.
std::vector<std::uint8_t> packetPayload(const std::vector<std::uint8_t>& image, const Packet& packet);

// Short: AA, n (2 bytes, high first), payload, 55.
// Framed: AA CC FA AF, n + 2 (2 bytes), EE, zone, payload, BB EE A5 5A; the
// zone byte is the low byte of the zone, not halved.
Frame dataFrame(FamilyMode mode, int uploadZone, const std::vector<std::uint8_t>& payload);

// True when every packet of this size, the last one's extra byte included,
// fits the frame buffer; false for sizes below 1.
bool blockSizeFits(FamilyMode mode, int blockSize);

}  // namespace hl
