// hueloom-cli upload against the simulated controller on a pseudo-terminal.
#include <gtest/gtest.h>

#include <sstream>

#include "cli/commands.h"
#include "formats/headless_project.h"
#include "formats/project_files.h"
#include "sim/pty_controller.h"
#include "support/temp_dir.h"

namespace hl::test {
namespace {

struct CliUpload : ::testing::Test {
  TempDir dir;
  Project project;
  std::string file = dir.file("pattern.Aled");
  std::ostringstream out, err;

  void SetUp() override {
    prepareHeadlessProject(project, 0, 10);
    for (int zone = 0; zone < 10; ++zone)
      for (int frame = 0; frame < 30; ++frame) project.setCell(zone, 3 + frame % 4, 2 + frame, 0x20 * zone + frame + 1);
    ASSERT_EQ(writePatternFile(file, encodeAllZonesFile(project, headlessInputs(0, 10))), "");
  }
  int upload(const std::vector<std::string>& extra) {
    cli::Arguments args{"upload"};
    args.insert(args.end(), extra.begin(), extra.end());
    return cli::runCommand(args, out, err);
  }
};

TEST_F(CliUpload, SendsOneZoneAndExitsZeroOnSendOk) {
  sim::PtyController controller;
  ASSERT_EQ(upload({"--port", controller.devicePath(), "--lamps", "10", "--order", "GRB", "--zone", "2", file}), 0)
      << err.str();
  EXPECT_NE(out.str().find("Send OK !"), std::string::npos) << out.str();
  EXPECT_NE(out.str().find("连接控制器。。。"), std::string::npos);
  const auto images = controller.images();
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].zone, 1);
  EXPECT_EQ(images[0].bytes, EncodePatternImage(project, headlessInputs(0, 10, 2), 1, ImagePurpose::Upload, true));
}

TEST_F(CliUpload, AFailureAnswerExitsOneWithItsText) {
  sim::PtyController controller(sim::ControllerBehaviour::failingAt(0, 0xFF));
  EXPECT_EQ(upload({"--port", controller.devicePath(), "--lamps", "10", "--zone", "1", file}), 1);
  EXPECT_NE(err.str().find("花样接收失败，请重试"), std::string::npos) << err.str();
}

TEST_F(CliUpload, BadArgumentsAndUnreadableFilesExitOneWithAMessage) {
  struct Case {
    std::vector<std::string> args;
    std::string message;
  };
  for (const Case& c : {Case{{"--zone", "1", file}, "--port is required"},
                        Case{{"--port", "/dev/null", file}, "give either --zone K or --all"},
                        Case{{"--port", "/dev/null", "--zone", "11", file}, "--zone takes 1..10"},
                        Case{{"--port", "/dev/null", "--order", "XYZ", "--all", file}, "--order takes"},
                        Case{{"--port", "/dev/null", "--zone", "1", dir.file("missing.Aled")}, "cannot read"}}) {
    err.str("");
    EXPECT_EQ(upload(c.args), 1);
    EXPECT_NE(err.str().find(c.message), std::string::npos) << err.str();
  }
}

}  // namespace
}  // namespace hl::test
