// hueloom-cli info and convert on real files in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>

#include "cli/commands.h"
#include "formats/headless_project.h"
#include "formats/project_files.h"
#include "support/temp_dir.h"

namespace hl::test {
namespace {

struct CliRun {
  int status;
  std::string out, err;
};

CliRun run(const cli::Arguments& args) {
  std::ostringstream out, err;
  const int status = cli::runCommand(args, out, err);
  return {status, out.str(), err.str()};
}

std::vector<std::string> lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) out.push_back(line);
  return out;
}

// Files of a model 15 project with four lamps: zone 1 two frames, zone 3 one.
struct PatternFileCommands : ::testing::Test {
  TempDir folder;
  Project project;
  EncoderInputs inputs = headlessInputs(15, 4, 5, /*WS2814*/ 1);
  void SetUp() override {
    prepareHeadlessProject(project, 15, 4);
    project.setCell(0, 3, 2, 0x0000FF);
    project.setCell(0, 6, 3, 0x00FF00);
    project.setCell(2, 4, 2, 0xFF0000);
    project.zoneSettings(0).loopMode = LoopMode::Counted;
    project.zoneSettings(0).loopCount = 4;
    project.zoneSettings(2).endAction = EndAction::AllOff;
    project.zoneSettings(2).defaultTimes[1] = DefaultTime{3, DefaultTimeUnit::Seconds};
    ASSERT_EQ(writePatternFile(folder.file("show.Aled"), encodeAllZonesFile(project, inputs)), "");
    ASSERT_EQ(writePatternFile(folder.file("zone3.led"), encodeOneZoneFile(project, inputs, 2)), "");
  }
  std::string bytes(const std::string& name) const { return folder.read(name); }
};

TEST_F(PatternFileCommands, InfoPrintsOneLinePerImage) {
  const CliRun all = run({"info", folder.file("show.Aled")});
  ASSERT_EQ(all.status, 0) << all.err;
  const auto rows = lines(all.out);
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0],
            "zone=1 channel-bytes=12 lamps=4 frames=2 times=1000ms,800ms,600ms,400ms,200ms loop=counted loop-count=4 "
            "end=next-zone model=15 chip=00.01.00 family=Standard");
  EXPECT_EQ(rows[2],
            "zone=3 channel-bytes=12 lamps=4 frames=1 times=1000ms,3s,600ms,400ms,200ms loop=infinite loop-count=0 "
            "end=all-off model=15 chip=00.01.00 family=Standard");
  const CliRun one = run({"info", folder.file("zone3.led")});
  ASSERT_EQ(one.status, 0);
  EXPECT_EQ(lines(one.out).size(), 1u);
  EXPECT_EQ(one.out.rfind("zone=- ", 0), 0u);
}

TEST_F(PatternFileCommands, ConvertWritesByTheExtensionOfOut) {
  ASSERT_EQ(run({"convert", folder.file("show.Aled"), folder.file("copy.Aled")}).status, 0);
  EXPECT_EQ(bytes("copy.Aled"), bytes("show.Aled")) << "model, lamps and chip come from the file";
  ASSERT_EQ(run({"convert", folder.file("show.Aled"), folder.file("z3.led"), "--zone", "3"}).status, 0);
  EXPECT_EQ(bytes("z3.led"), bytes("zone3.led"));
  ASSERT_EQ(run({"convert", folder.file("zone3.led"), folder.file("z3.ZKD"), "--order", "RGB"}).status, 0);
  const std::string zkd = bytes("z3.ZKD");
  ASSERT_EQ(zkd.size(), 30u + 15);
  EXPECT_EQ(zkd.substr(33, 6), std::string("\x00\x00\x00\x00\x00\xFF", 6)) << "channel 2 blue in RGB order";
}

TEST_F(PatternFileCommands, ConvertMergesPortPairsForTheController) {
  Project pairs;
  prepareHeadlessProject(pairs, 5, 2);
  pairs.setCell(2, 3, 2, 0x0000FF);
  pairs.setCell(3, 4, 3, 0x00FF00);
  ASSERT_EQ(writePatternFile(folder.file("pairs.Aled"), encodeAllZonesFile(pairs, headlessInputs(5, 2))), "");
  ASSERT_EQ(run({"convert", folder.file("pairs.Aled"), folder.file("p.ZKD"), "--zone", "4"}).status, 0);
  const auto expected = encodeExportFile(pairs, headlessInputs(5, 2), 2).front();
  EXPECT_EQ(bytes("p.ZKD"), std::string(expected.begin(), expected.end()));
  const CliRun info = run({"info", folder.file("p.ZKD")});
  ASSERT_EQ(info.status, 0) << info.err;
  EXPECT_NE(info.out.find("frames=2"), std::string::npos);
}

TEST_F(PatternFileCommands, BadInputGivesOneLineAndStatusOne) {
  folder.write("cut.Aled", bytes("show.Aled").substr(0, 100));
  const std::vector<cli::Arguments> cases = {
      {"info"},
      {"info", folder.file("nothing.led")},
      {"info", folder.file("cut.Aled")},
      {"convert", folder.file("show.Aled")},
      {"convert", folder.file("cut.Aled"), folder.file("x.Aled")},
      {"convert", folder.file("show.Aled"), folder.file("x.Aled"), "--model", "16"},
      {"convert", folder.file("show.Aled"), folder.file("x.Aled"), "--lamps", "0"},
      {"convert", folder.file("show.Aled"), folder.file("x.Aled"), "--order", "RGBW"},
      {"convert", folder.file("show.Aled"), folder.file("x.Aled"), "--zone", "11"},
      {"convert", folder.file("show.Aled"), folder.file("x.txt")},
      {"convert", folder.file("x.ZKD"), folder.file("x.Aled")},
      {"convert", folder.file("show.Aled"), folder.file("no-folder/x.Aled")},
      // Two frames do not fit a 1024-lamp zone of model 2 (120 lamps at most, 4 frames of 1024).
      {"convert", folder.file("show.Aled"), folder.file("x.Aled"), "--model", "13", "--lamps", "1024"},
  };
  for (const auto& args : cases) {
    const CliRun r = run(args);
    EXPECT_EQ(r.status, 1) << args.back();
    EXPECT_EQ(lines(r.err).size(), 1u) << r.err;
    EXPECT_EQ(r.out, "");
  }
  EXPECT_FALSE(std::filesystem::exists(folder.file("x.Aled")));
}

TEST_F(PatternFileCommands, HelpOfEachCommand) {
  for (const char* command : {"info", "convert"}) {
    const CliRun r = run({command, "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.out.rfind(std::string("usage: hueloom-cli ") + command, 0), 0u);
  }
}

}  // namespace
}  // namespace hl::test
