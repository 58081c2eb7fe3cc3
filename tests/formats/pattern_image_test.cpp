// The pattern image encoder: header, records, colour orders and the family
// modes, byte for byte.
#include "formats/pattern_image.h"

#include <gtest/gtest.h>

#include "image_test_support.h"

namespace hl::test {
namespace {

// A zone of model 0 with two lamps: default times
// 1000/800/600/400/200 ms, played once, two frames.
struct TwoLampZone : ::testing::Test {
  Project project;
  void SetUp() override {
    prepareHeadlessProject(project, 0, 2);
    ZoneSettings& s = project.zoneSettings(0);
    s.loopMode = LoopMode::Once;
    project.setFrameTime(0, 2, 1, TimeUnit::Default);
    project.setFrameTime(0, 3, 2, TimeUnit::Seconds);
    paint(project, 0, 0, 0, kRed);
    paint(project, 0, 1, 0, kGreen);
    paint(project, 0, 0, 1, kBlue);
    paint(project, 0, 1, 1, kWhite);
  }
};

constexpr const char* kTwoLampHeader =
    "00 06 · 00 02 · 03 E8 00 · 03 20 00 · 02 58 00 · 01 90 00 · 00 C8 00 · 01 · 03 · 00 00 · 00 · 00 · 00 00 00 · 00 "
    "· "
    "00 ";

TEST_F(TwoLampZone, FileImageByteForByte) {
  const auto expected = hexBytes(std::string(kTwoLampHeader) +
                                 "00 01 · 00 · 00 00 FF · FF 00 00 "
                                 "00 02 · 02 · 00 FF 00 · FF FF FF");
  ASSERT_EQ(expected.size(), 48u);
  EXPECT_EQ(EncodePatternImage(project, headlessInputs(0, 2), 0, ImagePurpose::File, false), expected);
}

TEST_F(TwoLampZone, UploadImageInGrbDiffersOnlyInColourBytes) {
  const auto expected = hexBytes(std::string(kTwoLampHeader) +
                                 "00 01 · 00 · 00 FF 00 · FF 00 00 "
                                 "00 02 · 02 · 00 00 FF · FF FF FF");
  EXPECT_EQ(EncodePatternImage(project, headlessInputs(0, 2, /*GRB*/ 2), 0, ImagePurpose::Upload, true), expected);
}

TEST(PatternImage, ColourOrdersOfAnUploadImage) {
  Project project;
  prepareHeadlessProject(project, 0, 1);
  paint(project, 0, 0, 0, 0x332211);  // red 11, green 22, blue 33
  const struct {
    int order;
    const char* bytes;
  } cases[] = {{0, "11 22 33"}, {1, "11 33 22"}, {2, "22 11 33"}, {3, "22 33 11"},
               {4, "33 22 11"}, {5, "33 11 22"}, {-1, "33 11 22"} /* none chosen: BRG */};
  for (const auto& c : cases) {
    const PatternImage image =
        EncodePatternImage(project, headlessInputs(0, 1, c.order), 0, ImagePurpose::Upload, false);
    ASSERT_EQ(image.size(), 36u);
    EXPECT_EQ(PatternImage(image.begin() + 33, image.end()), hexBytes(c.bytes)) << "order " << c.order;
  }
}

TEST(PatternImage, FrameCountFollowsTheLastNonBlackFrame) {
  const struct {
    const char* name;
    std::vector<int> paintedFrames;  // frames (from 0) with a red channel 1
    int frameCount;
  } cases[] = {
      {"empty zone", {}, 0},
      {"only the first frame", {0}, 1},
      {"black frames between are kept", {0, 3}, 4},
      {"trailing black frames are dropped", {1}, 2},
  };
  for (const auto& c : cases) {
    Project project;
    prepareHeadlessProject(project, 0, 4);
    for (int f : c.paintedFrames) paint(project, 0, 0, f, kRed);
    const PatternImage image = EncodePatternImage(project, headlessInputs(0, 4), 0, ImagePurpose::File, false);
    EXPECT_EQ((image[0] << 8) | image[1], 12) << c.name << ": channel bytes stay 3N";
    EXPECT_EQ((image[2] << 8) | image[3], c.frameCount) << c.name;
    EXPECT_EQ(image.size(), 30u + std::size_t(c.frameCount) * (3 + 12)) << c.name;
  }
}

TEST(PatternImage, TwoByteFieldsKeepTheirLow16Bits) {
  Project project;
  prepareHeadlessProject(project, 0, 1);
  ZoneSettings& s = project.zoneSettings(0);
  s.defaultTimes[0].value = 1000;
  s.loopMode = LoopMode::Counted;
  s.loopCount = 70000;
  s.endAction = EndAction::AllOff;
  paint(project, 0, 0, 0, kRed);
  project.setFrameTime(0, 2, 65537, TimeUnit::Milliseconds);
  const PatternImage image = EncodePatternImage(project, headlessInputs(0, 1), 0, ImagePurpose::File, false);
  EXPECT_EQ(PatternImage(image.begin() + 4, image.begin() + 6), hexBytes("03 E8"));
  EXPECT_EQ(PatternImage(image.begin() + 20, image.begin() + 24), hexBytes("02 11 70 02"));
  EXPECT_EQ(PatternImage(image.begin() + 30, image.begin() + 33), hexBytes("00 01 01"));
}

TEST(PatternImage, ChipFlagsOnlyForTheRgbwModel) {
  const struct {
    int model, chip;
    const char* flags;
  } cases[] = {{15, 0, "00 00 00"},  {15, 1, "00 01 00"}, {15, 2, "01 01 01"},
               {15, -1, "00 00 00"}, {14, 1, "00 00 00"}, {0, 2, "00 00 00"}};
  for (const auto& c : cases) {
    Project project;
    prepareHeadlessProject(project, c.model, 1);
    const PatternImage image =
        EncodePatternImage(project, headlessInputs(c.model, 1, 5, c.chip), 0, ImagePurpose::File, false);
    EXPECT_EQ(image[24], c.model);
    EXPECT_EQ(PatternImage(image.begin() + 25, image.begin() + 28), hexBytes(c.flags))
        << "model " << c.model << " chip " << c.chip;
  }
}

// Model 5: zones 2 and 3 are the two ports of one pair sharing record 2.
struct PortPairs : ::testing::Test {
  Project project;
  EncoderInputs inputs = headlessInputs(5, 1, /*RGB*/ 0);
  void SetUp() override {
    prepareHeadlessProject(project, 5, 1);
    project.zoneSettings(2).loopCount = 7;
    project.zoneSettings(3).loopCount = 9;
    project.setFrameTime(2, 2, 300, TimeUnit::Milliseconds);
    project.setFrameTime(3, 2, 400, TimeUnit::Milliseconds);
    paint(project, 2, 0, 0, kRed);
    paint(project, 3, 0, 2, kBlue);  // zone 3 runs longer
  }
};

TEST_F(PortPairs, UploadMergesThePairUnderTheEvenZone) {
  const PatternImage fromOdd = EncodePatternImage(project, inputs, 3, ImagePurpose::Upload, true);
  EXPECT_EQ(fromOdd, EncodePatternImage(project, inputs, 2, ImagePurpose::Upload, true));
  // Header of zone 2, three frames (the longer zone), channel bytes still 3N.
  EXPECT_EQ(PatternImage(fromOdd.begin(), fromOdd.begin() + 4), hexBytes("00 03 00 03"));
  EXPECT_EQ(PatternImage(fromOdd.begin() + 21, fromOdd.begin() + 23), hexBytes("00 07"));
  ASSERT_EQ(fromOdd.size(), 30u + 3 * (3 + 2 * 3));
  EXPECT_EQ(PatternImage(fromOdd.begin() + 30, fromOdd.begin() + 39), hexBytes("01 2C 01 · FF 00 00 · 00 00 00"));
  EXPECT_EQ(PatternImage(fromOdd.begin() + 48, fromOdd.end()), hexBytes("00 01 00 · 00 00 00 · 00 00 FF"));
}

TEST_F(PortPairs, FileImagesEncodeEachZoneWithItsOwnRecord) {
  const PatternImage odd = EncodePatternImage(project, inputs, 3, ImagePurpose::File, false);
  ASSERT_EQ(odd.size(), 30u + 3 * 6);
  EXPECT_EQ(PatternImage(odd.begin() + 21, odd.begin() + 23), hexBytes("00 09"));
  EXPECT_EQ(PatternImage(odd.begin() + 30, odd.begin() + 33), hexBytes("01 90 01"));
  const PatternImage even = EncodePatternImage(project, inputs, 2, ImagePurpose::File, false);
  EXPECT_EQ(even.size(), 30u + 6);
}

TEST(PatternImage, SingleColourZones) {
  {
    Project project;  // model 10: zones 0-4 hold one brightness byte per row, rows 3-5
    prepareHeadlessProject(project, 10, 50);
    project.setCell(0, 3, 2, 0x1234);
    project.setCell(0, 4, 2, 7);
    project.setCell(0, 5, 2, 200);
    project.setCell(0, 6, 2, 99);  // beyond the three encoded rows
    const PatternImage image = EncodePatternImage(project, headlessInputs(10, 50), 0, ImagePurpose::Upload, true);
    EXPECT_EQ(PatternImage(image.begin(), image.begin() + 4), hexBytes("00 03 00 01"));
    EXPECT_EQ(PatternImage(image.begin() + 29, image.end()), hexBytes("05 · 00 01 00 · 34 07 C8"));
  }
  {
    Project project;  // model 11: zone 2 single-colour with 3N rows, zone 1 full-colour
    prepareHeadlessProject(project, 11, 2);
    project.setCell(2, 3, 2, 10);
    project.setCell(2, 8, 2, 60);  // row 3N + 2
    paint(project, 1, 1, 0, kRed);
    const PatternImage levels = EncodePatternImage(project, headlessInputs(11, 2), 2, ImagePurpose::File, false);
    EXPECT_EQ(PatternImage(levels.begin() + 33, levels.end()), hexBytes("0A 00 00 00 00 3C"));
    const PatternImage colours = EncodePatternImage(project, headlessInputs(11, 2), 1, ImagePurpose::File, false);
    EXPECT_EQ(PatternImage(colours.begin() + 33, colours.end()), hexBytes("00 00 00 · 00 00 FF"));
  }
}

TEST(PatternImage, HasAnyPatternNeedsASecondFrame) {
  Project project;
  prepareHeadlessProject(project, 0, 8);
  for (int zone = 0; zone < kZoneSlots; ++zone) paint(project, zone, 7, 0, kRed);
  EXPECT_EQ(FindLastUsedColumn(project, 4, 8), 2);
  EXPECT_FALSE(HasAnyPattern(project, 8));
  project.setCell(4, 8 + 5, 3, kGreen);  // three rows past the last channel still count
  EXPECT_TRUE(HasAnyPattern(project, 8));
  EXPECT_EQ(FindLastUsedColumn(project, 4, 8), 3);
}

TEST(PatternImage, FullColourZoneOfSingleBankKeepsFramesWhileASingleColourZoneIsShown) {
  Project project;
  prepareHeadlessProject(project, 10, 50);  // zone 0 shown: its grid has 403 columns
  ASSERT_EQ(project.frameColumns, 403);
  paint(project, 6, 0, 700, kRed);  // zone 6 holds 797 columns
  EXPECT_EQ(FindLastUsedColumn(project, 6, 50), 702);
  const PatternImage image = EncodePatternImage(project, headlessInputs(10, 50), 6, ImagePurpose::File, false);
  EXPECT_EQ((image[2] << 8) | image[3], 701);
}

}  // namespace
}  // namespace hl::test
