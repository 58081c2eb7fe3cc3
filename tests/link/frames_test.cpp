// Command and data frames byte for byte, and how an image is cut into packets.
#include <gtest/gtest.h>

#include "link/frames.h"

namespace hl::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct CommandCase {
  FamilyMode mode;
  std::uint8_t command;
  int zone;
  Bytes expected;
};

class CommandFrames : public ::testing::TestWithParam<CommandCase> {};

TEST_P(CommandFrames, MatchTheLayoutOfTheFamily) {
  const CommandCase& c = GetParam();
  EXPECT_EQ(commandFrame(c.mode, c.command, c.zone), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, CommandFrames,
    ::testing::Values(CommandCase{FamilyMode::Standard, 0x7F, 2, {0xAA, 0xCC, 0x02, 0x7F, 0x02, 0x55}},
                      CommandCase{FamilyMode::PortPairs, 0x7F, 2, {0xAA, 0xCC, 0x02, 0x7F, 0x01, 0x55}},
                      CommandCase{FamilyMode::PortPairs, 0x9F, 5, {0xAA, 0xCC, 0x02, 0x9F, 0x02, 0x55}},
                      CommandCase{FamilyMode::PortPairs, 0xDD, 9, {0xAA, 0xCC, 0x02, 0xDD, 0x04, 0x55}},
                      CommandCase{FamilyMode::SingleBank, 0x9F, 3,
                                  {0xAA, 0xCC, 0xFA, 0x05, 0x00, 0x02, 0x9F, 0x03, 0xBB, 0xEE, 0xA5, 0x5A}},
                      CommandCase{FamilyMode::SingleAlternate, 0xDD, 7,
                                  {0xAA, 0xCC, 0xFA, 0x06, 0x00, 0x02, 0xDD, 0x07, 0xBB, 0xEE, 0xA5, 0x5A}}));

Bytes imageOf(std::size_t length) {
  Bytes image(length);
  for (std::size_t i = 0; i < length; ++i) image[i] = static_cast<std::uint8_t>(i % 251);
  return image;
}

// Every packet of an image in turn, as the upload sends them.
std::vector<Frame> allFrames(FamilyMode mode, int zone, const Bytes& image, int blockSize) {
  std::vector<Frame> frames;
  for (int k = 0;; ++k) {
    const Packet p = packetOf(image.size(), blockSize, k);
    frames.push_back(dataFrame(mode, zone, packetPayload(image, p)));
    if (p.last) break;
  }
  return frames;
}

TEST(DataFrames, An1234ByteImageGoesOutAs500And500And235WithTheFFByte) {
  const Bytes image = imageOf(1234);
  const std::vector<Frame> frames = allFrames(FamilyMode::Standard, 0, image, 500);
  ASSERT_EQ(frames.size(), 3u);
  const Bytes lengths[] = {{0x01, 0xF4}, {0x01, 0xF4}, {0x00, 0xEB}};
  Bytes joined;
  for (std::size_t i = 0; i < 3; ++i) {
    const Frame& f = frames[i];
    EXPECT_EQ(f.front(), 0xAA);
    EXPECT_EQ(Bytes(f.begin() + 1, f.begin() + 3), lengths[i]);
    EXPECT_EQ(f.back(), 0x55);
    joined.insert(joined.end(), f.begin() + 3, f.end() - 1);
  }
  EXPECT_EQ(frames[2].size(), 235u + 4);
  EXPECT_EQ(joined.back(), 0xFF) << "the byte read past the end of the image";
  joined.pop_back();
  EXPECT_EQ(joined, image);
}

TEST(DataFrames, TheLastPacketCarriesTheRemainderAndOneByteMore) {
  struct Case {
    std::size_t length;
    int blockSize;
    std::vector<std::size_t> payloads;
  };
  for (const Case& c : {Case{1000, 500, {500, 501}},  // an exact multiple ends with S + 1
                        Case{30, 500, {31}},          // shorter than S: one packet of L + 1
                        Case{501, 500, {500, 2}},
                        Case{0, 200, {1}}}) {
    std::vector<std::size_t> payloads;
    for (int k = 0;; ++k) {
      const Packet p = packetOf(c.length, c.blockSize, k);
      payloads.push_back(p.length);
      if (p.last) break;
    }
    EXPECT_EQ(payloads, c.payloads) << c.length << " bytes in packets of " << c.blockSize;
  }
}

TEST(DataFrames, TheFramedLayoutCarriesTheUnhalvedZoneAndTheLengthPlusTwo) {
  const Bytes payload(200, 0x11);
  const Frame f = dataFrame(FamilyMode::SingleAlternate, 7, payload);
  EXPECT_EQ(Bytes(f.begin(), f.begin() + 8), (Bytes{0xAA, 0xCC, 0xFA, 0xAF, 0x00, 0xCA, 0xEE, 0x07}));
  EXPECT_EQ(Bytes(f.end() - 4, f.end()), (Bytes{0xBB, 0xEE, 0xA5, 0x5A}));
  EXPECT_EQ(f.size(), 200u + 12);
  const Frame pairs = dataFrame(FamilyMode::PortPairs, 5, Bytes{1, 2});
  EXPECT_EQ(pairs, (Bytes{0xAA, 0x00, 0x02, 1, 2, 0x55})) << "no zone byte in the short layout";
}

TEST(DataFrames, ABlockSizeFitsWhenItsLongestFrameFitsTheBuffer) {
  EXPECT_TRUE(blockSizeFits(FamilyMode::Standard, 2995));   // 2996 payload bytes + 4
  EXPECT_FALSE(blockSizeFits(FamilyMode::Standard, 2996));
  EXPECT_TRUE(blockSizeFits(FamilyMode::SingleBank, 2987));  // 2988 payload bytes + 12
  EXPECT_FALSE(blockSizeFits(FamilyMode::SingleBank, 2988));
  EXPECT_FALSE(blockSizeFits(FamilyMode::SingleBank, 0));
  EXPECT_TRUE(blockSizeFits(FamilyMode::SingleBank, 200));
}

}  // namespace
}  // namespace hl::test
