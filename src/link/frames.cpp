#include "link/frames.h"

namespace hl {
namespace {

constexpr std::size_t kShortOverhead = 4;    // AA, two length bytes, 55
constexpr std::size_t kFramedOverhead = 12;  // AA CC FA AF, length, EE, zone, BB EE A5 5A

void putLength(Frame& f, std::size_t value) {
  f.push_back(static_cast<std::uint8_t>((value >> 8) & 0xFF));
  f.push_back(static_cast<std::uint8_t>(value & 0xFF));
}

}  // namespace

bool usesFramedLayout(FamilyMode mode) { return mode == FamilyMode::SingleBank || mode == FamilyMode::SingleAlternate; }

std::uint8_t commandZoneByte(FamilyMode mode, int zone) {
  return static_cast<std::uint8_t>(mode == FamilyMode::PortPairs ? zone / 2 : zone);
}

Frame commandFrame(FamilyMode mode, std::uint8_t command, int zone) {
  const std::uint8_t z = commandZoneByte(mode, zone);
  if (!usesFramedLayout(mode)) return {0xAA, 0xCC, 0x02, command, z, 0x55};
  return {0xAA, 0xCC, 0xFA, static_cast<std::uint8_t>(mode), 0x00, 0x02, command, z, 0xBB, 0xEE, 0xA5, 0x5A};
}

Packet packetOf(std::size_t imageLength, int blockSize, int k) {
  const std::size_t s = static_cast<std::size_t>(blockSize);
  const std::size_t offset = static_cast<std::size_t>(k) * s;
  if (imageLength > offset + s) return {offset, s, false};
  return {offset, imageLength >= offset ? imageLength - offset + 1 : 1, true};
}

std::vector<std::uint8_t> packetPayload(const std::vector<std::uint8_t>& image, const Packet& packet) {
  std::vector<std::uint8_t> payload(packet.length, 0xFF);
  for (std::size_t i = 0; i < packet.length && packet.offset + i < image.size(); ++i) payload[i] = image[packet.offset + i];
  return payload;
}

Frame dataFrame(FamilyMode mode, int uploadZone, const std::vector<std::uint8_t>& payload) {
  Frame f;
  f.reserve(payload.size() + kFramedOverhead);
  if (!usesFramedLayout(mode)) {
    f.push_back(0xAA);
    putLength(f, payload.size());
    f.insert(f.end(), payload.begin(), payload.end());
    f.push_back(0x55);
    return f;
  }
  f.insert(f.end(), {0xAA, 0xCC, 0xFA, 0xAF});
  putLength(f, payload.size() + 2);
  f.push_back(0xEE);
  f.push_back(static_cast<std::uint8_t>(uploadZone & 0xFF));
  f.insert(f.end(), payload.begin(), payload.end());
  f.insert(f.end(), {0xBB, 0xEE, 0xA5, 0x5A});
  return f;
}

bool blockSizeFits(FamilyMode mode, int blockSize) {
  if (blockSize < 1) return false;
  const std::size_t overhead = usesFramedLayout(mode) ? kFramedOverhead : kShortOverhead;
  return static_cast<std::size_t>(blockSize) + 1 + overhead <= kFrameBufferBytes;
}

}  // namespace hl
