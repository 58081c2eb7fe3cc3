// Reading pattern images back: the three uses, what they keep, and the
// refusal of files that would reach outside the store.
#include "formats/pattern_reader.h"

#include <gtest/gtest.h>

#include "formats/project_files.h"
#include "image_test_support.h"

namespace hl::test {
namespace {

std::vector<std::uint8_t> joined(const PatternFileImages& images) {
  std::vector<std::uint8_t> bytes;
  for (const PatternImage& image : images) bytes.insert(bytes.end(), image.begin(), image.end());
  return bytes;
}

constexpr PatternReadRequest kAllZones{PatternReadUse::AllZones, 0};
constexpr PatternReadRequest kWorking{PatternReadUse::WorkingPattern, 0};
PatternReadRequest oneZone(int zone) { return {PatternReadUse::OneZone, zone}; }

TEST(PatternReader, SavedAndReadBackGivesTheSameZones) {
  Project saved;
  prepareHeadlessProject(saved, 0, 3);
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    ZoneSettings& s = saved.zoneSettings(zone);
    s.loopMode = zone % 3 + 1;
    s.loopCount = 10 * zone;
    s.endAction = EndAction::KeepLast;
    s.defaultTimes[zone % 5] = DefaultTime{zone == 4 ? 0 : 40 + zone, DefaultTimeUnit::Seconds};
    for (int f = 0; f < zone + 2; ++f) {
      saved.setFrameTime(zone, kFirstFrameColumn + f, f + 1, f % 4);
      for (int c = 0; c < 3; ++c) paint(saved, zone, c, f, (zone << 16) | (f << 8) | (c + 1));
    }
  }
  Project read;
  prepareHeadlessProject(read, 0, 3);
  ASSERT_FALSE(ReadPatternImages(read, joined(encodeAllZonesFile(saved, headlessInputs(0, 3))), kAllZones).problem);
  for (int zone = 0; zone < kZoneSlots; ++zone) {
    const ZoneSettings& s = saved.zoneSettings(zone);
    const ZoneSettings& r = read.zoneSettings(zone);
    EXPECT_EQ(r.loopMode, s.loopMode);
    EXPECT_EQ(r.loopCount, s.loopCount);
    EXPECT_EQ(r.endAction, EndAction::NextZone) << "end actions stay as they were";
    for (int k = 0; k < kDefaultTimeCount; ++k) {
      constexpr int kReplaced[] = {100, 500, 1000, 2000, 2500};
      const DefaultTime expected =
          s.defaultTimes[k].value == 0 ? DefaultTime{kReplaced[k], s.defaultTimes[k].unit} : s.defaultTimes[k];
      EXPECT_EQ(r.defaultTimes[k], expected) << "zone " << zone << " time " << k;
    }
    for (int f = 0; f < zone + 2; ++f) {
      EXPECT_EQ(read.frameTime(zone, kFirstFrameColumn + f), saved.frameTime(zone, kFirstFrameColumn + f));
      for (int c = 0; c < 3; ++c) EXPECT_EQ(cellAt(read, zone, c, f), cellAt(saved, zone, c, f));
    }
  }
}

TEST(PatternReader, ZeroDefaultTimesAreReplacedExceptInTheOneZoneImport) {
  Project source;
  prepareHeadlessProject(source, 0, 1);
  for (DefaultTime& t : source.zoneSettings(0).defaultTimes) t = DefaultTime{0, DefaultTimeUnit::Minutes};
  const auto image = EncodePatternImage(source, headlessInputs(0, 1), 0, ImagePurpose::File, false);
  std::vector<std::uint8_t> tenImages;
  for (int i = 0; i < 10; ++i) tenImages.insert(tenImages.end(), image.begin(), image.end());

  for (const auto& [request, bytes, expected] :
       {std::tuple{kAllZones, tenImages, std::vector<int>{100, 500, 1000, 2000, 2500}},
        std::tuple{kWorking, tenImages, std::vector<int>{100, 500, 1000, 2000, 2500}},
        std::tuple{oneZone(0), image, std::vector<int>{0, 0, 0, 0, 0}}}) {
    Project project;
    prepareHeadlessProject(project, 0, 1);
    const PatternReadResult result = ReadPatternImages(project, bytes, request);
    ASSERT_FALSE(result.problem);
    for (int k = 0; k < 5; ++k) {
      EXPECT_EQ(project.zoneSettings(0).defaultTimes[k].value, expected[std::size_t(k)]);
      EXPECT_EQ(project.zoneSettings(0).defaultTimes[k].unit, DefaultTimeUnit::Minutes);
    }
    EXPECT_EQ(result.headers.at(0).defaultTimes[2].value, 0) << "headers tell what the file said";
  }
}

TEST(PatternReader, ReadsOnlyWhatTheImageCovers) {
  Project source;  // three frames of ten lamps
  prepareHeadlessProject(source, 0, 10);
  for (int f = 0; f < 3; ++f)
    for (int c = 0; c < 10; ++c) paint(source, 0, c, f, kBlue);
  const auto image = EncodePatternImage(source, headlessInputs(0, 10), 0, ImagePurpose::File, false);

  Project project;  // twenty lamps and ten frames already there
  prepareHeadlessProject(project, 0, 20);
  for (int f = 0; f < 10; ++f)
    for (int c = 0; c < 20; ++c) {
      paint(project, 3, c, f, kGreen);
      project.setFrameTime(3, kFirstFrameColumn + f, 9, TimeUnit::Seconds);
    }
  ASSERT_FALSE(ReadPatternImages(project, image, oneZone(3)).problem);
  EXPECT_EQ(cellAt(project, 3, 9, 2), kBlue);
  EXPECT_EQ(cellAt(project, 3, 10, 2), kGreen) << "rows past the image's ten lamps stay";
  EXPECT_EQ(cellAt(project, 3, 0, 3), kGreen) << "frames 4 to 10 stay";
  EXPECT_EQ(project.frameTime(3, kFirstFrameColumn + 2), kResetFrameTime);
  EXPECT_EQ(project.frameTime(3, kFirstFrameColumn + 3), (FrameTime{9, TimeUnit::Seconds}));
}

TEST(PatternReader, FileColourBytesAreGreenBlueRed) {
  Project project;
  prepareHeadlessProject(project, 0, 3);
  const auto image = hexBytes(
      "00 09 00 01 · 03 E8 00 03 20 00 02 58 00 01 90 00 00 C8 00 · 01 03 00 00 00 00 00 00 00 00 00 · "
      "00 01 00 · 00 00 FF · FF 00 00 · 00 FF 00");
  ASSERT_FALSE(ReadPatternImages(project, image, oneZone(0)).problem);
  EXPECT_EQ(cellAt(project, 0, 0, 0), kRed);
  EXPECT_EQ(cellAt(project, 0, 1, 0), kGreen);
  EXPECT_EQ(cellAt(project, 0, 2, 0), kBlue);
}

TEST(PatternReader, TheSelectedFamilyDecidesHowRecordsAreRead) {
  Project alternate;  // zone 0 of model 11 is single-colour: 3N level bytes
  prepareHeadlessProject(alternate, 11, 2);
  for (int row = 0; row < 6; ++row) alternate.setCell(0, kFirstChannelRow + row, 2, 0x10 * (row + 1));
  const auto image = EncodePatternImage(alternate, headlessInputs(11, 2), 0, ImagePurpose::File, false);

  Project standard;  // read under model 0: two colour triples
  prepareHeadlessProject(standard, 0, 2);
  ASSERT_FALSE(ReadPatternImages(standard, image, oneZone(0)).problem);
  EXPECT_EQ(cellAt(standard, 0, 0, 0), 0x201030);
  EXPECT_EQ(cellAt(standard, 0, 1, 0), 0x504060);

  Project back;  // and under model 11 again: the same levels
  prepareHeadlessProject(back, 11, 2);
  ASSERT_FALSE(ReadPatternImages(back, image, oneZone(0)).problem);
  for (int row = 0; row < 6; ++row) EXPECT_EQ(back.cell(0, kFirstChannelRow + row, 2), 0x10 * (row + 1));
}

TEST(PatternReader, SingleBankZonesOfTheWorkingPatternTakeThreeBytes) {
  // An image with 2 lamps (6 colour bytes) for zone 0 of model 10.
  Project source;
  prepareHeadlessProject(source, 0, 2);
  for (int c = 0; c < 2; ++c) paint(source, 0, c, 0, 0x030201 * (c + 1));
  std::vector<std::uint8_t> bytes;
  for (int zone = 0; zone < 10; ++zone) {
    const auto image = EncodePatternImage(source, headlessInputs(0, 2), 0, ImagePurpose::File, false);
    bytes.insert(bytes.end(), image.begin(), image.end());
  }
  Project working;
  prepareHeadlessProject(working, 10, 50);
  ASSERT_FALSE(ReadPatternImages(working, bytes, kWorking).problem);
  EXPECT_EQ(working.cell(0, 5, 2), 0x01);
  EXPECT_EQ(working.cell(0, 6, 2), 0) << "only rows 3 to 5";
  Project imported;
  prepareHeadlessProject(imported, 10, 50);
  ASSERT_FALSE(ReadPatternImages(imported, bytes, kAllZones).problem);
  EXPECT_EQ(imported.cell(0, 6, 2), 0x04) << "the imports read all 3 x NN bytes";
  EXPECT_EQ(imported.cell(1, 8, 2), 0x02);
}

// A project with something in every zone, to show that a refused file
// changes nothing.
struct Refusal : ::testing::Test {
  Project project;
  void SetUp() override {
    prepareHeadlessProject(project, 0, 4);
    for (int zone = 0; zone < kZoneSlots; ++zone) {
      paint(project, zone, 1, 1, kWhite);
      project.zoneSettings(zone).loopCount = 33;
      project.setFrameTime(zone, 3, 7, TimeUnit::Minutes);
    }
  }
  void expectUnchanged() const {
    for (int zone = 0; zone < kZoneSlots; ++zone) {
      EXPECT_EQ(cellAt(project, zone, 1, 1), kWhite);
      EXPECT_EQ(cellAt(project, zone, 0, 0), 0);
      EXPECT_EQ(project.zoneSettings(zone).loopCount, 33);
      EXPECT_EQ(project.zoneSettings(zone).defaultTimes[0].value, 1000);
      EXPECT_EQ(project.frameTime(zone, 3), (FrameTime{7, TimeUnit::Minutes}));
    }
  }
  // A well-formed image of one red frame with the given header counts.
  static std::vector<std::uint8_t> image(int channelBytes, int frames, int recordsPresent) {
    std::vector<std::uint8_t> bytes(30 + std::size_t(recordsPresent) * (3 + 3 * std::size_t(channelBytes / 3)), 0xFF);
    putU16(bytes.data(), channelBytes);
    putU16(bytes.data() + 2, frames);
    return bytes;
  }
};

TEST_F(Refusal, MalformedFilesChangeNothing) {
  auto ten = [](std::vector<std::uint8_t> first, int more) {
    for (int i = 0; i < more; ++i) {
      const auto next = image(12, 1, 1);
      first.insert(first.end(), next.begin(), next.end());
    }
    return first;
  };
  auto cut = [](std::vector<std::uint8_t> bytes, std::size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
  };
  auto fifthTooWide = ten(image(12, 1, 1), 3);
  const auto wide = image(3 * 2000, 1, 1);
  fifthTooWide.insert(fifthTooWide.end(), wide.begin(), wide.end());
  fifthTooWide = ten(fifthTooWide, 5);
  const struct {
    const char* name;
    std::vector<std::uint8_t> bytes;
    PatternReadRequest request;
    ImageProblem::Kind kind;
    int image;
  } cases[] = {
      {"empty one-zone file", {}, oneZone(2), ImageProblem::Kind::EndsInsideImage, 0},
      {"header cut short", cut(image(12, 0, 0), 1), oneZone(2), ImageProblem::Kind::EndsInsideImage, 0},
      {"last record cut short", cut(image(12, 2, 2), 1), oneZone(2), ImageProblem::Kind::EndsInsideImage, 0},
      {"more channels than rows", image(3 * 1028, 1, 1), oneZone(2), ImageProblem::Kind::TooManyRows, 0},
      {"more frames than columns", image(3, 20499, 20499), oneZone(2), ImageProblem::Kind::TooManyFrames, 0},
      {"one image in an all-zones file", image(12, 1, 1), kAllZones, ImageProblem::Kind::TooFewImages, 1},
      {"nine images in a working pattern", ten(image(12, 1, 1), 8), kWorking, ImageProblem::Kind::TooFewImages, 9},
      {"tenth image cut short", cut(ten(image(12, 1, 1), 9), 1), kAllZones, ImageProblem::Kind::EndsInsideImage, 9},
      {"fifth image too wide", fifthTooWide, kAllZones, ImageProblem::Kind::TooManyRows, 4},
  };
  for (const auto& c : cases) {
    const PatternReadResult result = ReadPatternImages(project, c.bytes, c.request);
    ASSERT_TRUE(result.problem) << c.name;
    EXPECT_EQ(result.problem->kind, c.kind) << c.name;
    EXPECT_EQ(result.problem->image, c.image) << c.name;
    expectUnchanged();
  }
}

TEST_F(Refusal, LimitsOfTheStoreAreAccepted) {
  // 1027 channels and 20498 frames are the most a zone holds.
  EXPECT_FALSE(checkPatternImages(image(3 * 1027, 1, 1), oneZone(0), FamilyMode::Standard));
  EXPECT_FALSE(checkPatternImages(image(3, 20498, 20498), oneZone(0), FamilyMode::Standard));
  // Single-colour zones of SingleAlternate take three rows per lamp.
  EXPECT_TRUE(checkPatternImages(image(3 * 343, 1, 1), oneZone(0), FamilyMode::SingleAlternate));
  EXPECT_FALSE(checkPatternImages(image(3 * 343, 1, 1), oneZone(1), FamilyMode::SingleAlternate));
}

}  // namespace
}  // namespace hl::test
