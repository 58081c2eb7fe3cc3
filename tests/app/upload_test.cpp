// Whole uploads through the window: the simulated controller on a
// pseudo-terminal, the window's timers on the virtual clock.
#include <gtest/gtest.h>

#include "upload_fixture.h"

namespace hl::test {
namespace {

struct Upload : UploadFixture, ::testing::Test {};

TEST_F(Upload, OneZoneGoesOutWholeAndEndsWithSendOk) {
  startWindow();
  withSimulator();
  f->TabControl1->userSelectTab(0);
  f->BitBtn7->click();
  EXPECT_FALSE(f->GroupBox5->enabled());
  EXPECT_EQ(f->Shape1->brushColor(), clRed);
  ASSERT_TRUE(pumpUntil([&] { return status() == "Send OK !"; })) << status();
  const auto images = controller->images();
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].zone, 0);
  EXPECT_EQ(images[0].bytes, expectedImage(0));
  EXPECT_EQ(controller->commands(), (std::vector<std::string>{"7F 0", "9F 0", "DD 0"}));
  EXPECT_EQ(f->Label80->caption(), "No[1]area");
  EXPECT_EQ(f->cxProgressBar1->position(), 0);
  EXPECT_TRUE(f->GroupBox5->enabled() && f->StringGrid1->enabled() && f->GroupBox3->enabled());
  EXPECT_TRUE(f->ComboBox5->enabled());
  EXPECT_FALSE(f->Timer5->enabled());
  EXPECT_EQ(f->Memo1->lines().back(), "END-OK");
  // The port stays held for two seconds, then the close timer lets it go.
  EXPECT_TRUE(f->link.link.engine.IsOpen());
  EXPECT_FALSE(f->BitBtn7->enabled());
  clock.advance(2000);
  EXPECT_FALSE(f->link.link.engine.IsOpen());
  EXPECT_EQ(f->Shape1->brushColor(), clWhite);
  EXPECT_TRUE(f->BitBtn5->enabled() && f->BitBtn7->enabled() && f->Button19->enabled());
  EXPECT_FALSE(f->Timer2->enabled());
  EXPECT_TRUE(boxes().empty());
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(Upload, AllZonesGoOutUpToTheLastUploadZone) {
  startWindow(8);  // last upload zone 2, packets of 1500 bytes
  withSimulator();
  ASSERT_EQ(f->project.lastUploadZone, 2);
  f->BitBtn5->click();
  ASSERT_TRUE(pumpUntil([&] { return status() == "Send OK !"; })) << status();
  const auto images = controller->images();
  ASSERT_EQ(images.size(), 3u);
  for (int zone = 0; zone < 3; ++zone) {
    EXPECT_EQ(images[zone].zone, zone);
    EXPECT_EQ(images[zone].bytes, expectedImage(zone)) << "zone " << zone;
  }
  EXPECT_EQ(f->link.link.state.uploadZone, 2);
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(Upload, ASilentControllerGetsElevenConnectAttemptsThenTheFailureBox) {
  startWindow();
  withSimulator(sim::ControllerBehaviour::quiet());
  f->BitBtn7->click();
  std::vector<std::string> counted;
  for (int attempt = 1; attempt <= 11; ++attempt) {
    clock.advance(800);
    counted.push_back(status());
  }
  std::vector<std::string> expected;
  for (int i = 1; i <= 10; ++i) expected.push_back("连接控制器。。。" + std::to_string(i));
  expected.push_back("无法连接到控制器，请确认控制器已经连接！");
  EXPECT_EQ(counted, expected);
  EXPECT_EQ(boxes(), (std::vector<std::string>{"无法连接到控制器，请确认控制器已经连接！"}));
  EXPECT_FALSE(f->Timer1->enabled());
  EXPECT_TRUE(f->Timer2->enabled());
  EXPECT_TRUE(f->BitBtn5->enabled() && f->BitBtn7->enabled() && f->ComboBox5->enabled() && f->GroupBox5->enabled());
  EXPECT_FALSE(f->link.link.imageHeld());
  pumpUntil([&] { return controller->commands().size() >= 11; }, 100, 0);
  EXPECT_EQ(controller->commands().size(), 11u);
}

struct FailureCase {
  std::uint8_t answer;
  std::string statusAfter;  // "{prev}" stands for the status before the answer
};

class FailureAnswers : public UploadFixture, public ::testing::TestWithParam<FailureCase> {};

TEST_P(FailureAnswers, EndTheUploadAndCloseThePortAtOnce) {
  const FailureCase& c = GetParam();
  startWindow(0, 10, 60);  // three packets
  withSimulator(sim::ControllerBehaviour::failingAt(1, c.answer));
  f->BitBtn5->click();  // an all-zones upload ends too
  ASSERT_TRUE(pumpUntil([&] { return !f->link.link.engine.IsOpen() && f->Timer2->enabled(); })) << status();
  std::string expected = c.statusAfter;
  if (auto at = expected.find("{prev}"); at != std::string::npos) expected.replace(at, 6, "0");
  EXPECT_EQ(status(), expected);
  EXPECT_TRUE(f->BitBtn5->enabled() && f->ComboBox5->enabled() && f->GroupBox5->enabled());
  EXPECT_FALSE(f->Timer5->enabled());
  EXPECT_EQ(f->cxProgressBar1->position(), 0);
  EXPECT_FALSE(f->link.link.imageHeld());
  settle(60);
  EXPECT_TRUE(controller->images().empty());
  EXPECT_EQ(f->link.link.state.uploadZone, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FailureAnswers,
    ::testing::Values(FailureCase{0xFF, "花样接收失败，请重试"}, FailureCase{0xAF, "花样接收失败，请重试"},
                      FailureCase{0xFE, "{prev} 数据效验失败，控制器返回信息报错:接收失败"},
                      FailureCase{0x55, "{prev} 数据存储失败，控制器返回信息报错:存储失败"}),
    [](const ::testing::TestParamInfo<FailureCase>& info) {
      static const char* digits = "0123456789ABCDEF";
      return std::string("Answer") + digits[info.param.answer >> 4] + digits[info.param.answer & 15];
    });

TEST_F(Upload, TheSingleColourModelUsesTheAnnouncedPacketSizeAndTheFramedLayout) {
  startWindow(10, 50, 30);
  withSimulator(sim::ControllerBehaviour::announcing(120));
  f->TabControl1->userSelectTab(6);  // a full-colour zone
  f->BitBtn7->click();
  ASSERT_TRUE(pumpUntil([&] { return status() == "Send OK !"; })) << status();
  EXPECT_EQ(f->project.blockSize, 120);
  const auto images = controller->images();
  ASSERT_EQ(images.size(), 1u);
  EXPECT_EQ(images[0].zone, 6);
  EXPECT_EQ(images[0].bytes, expectedImage(6));
  EXPECT_EQ(controller->packetsReceived(), static_cast<int>(expectedImage(6).size() / 120 + 1));
}

TEST_F(Upload, ThePacketSizeAnswerWithAnotherModelSwitchesToTheSingleColourModel) {
  startWindow(11, 50, 30);
  withSimulator(sim::ControllerBehaviour::announcing(200));
  f->BitBtn7->click();
  ASSERT_TRUE(pumpUntil([&] { return status() == "控制器型号错误请重新发送！"; })) << status();
  EXPECT_EQ(f->ComboBox6->itemIndex(), 10);
  EXPECT_EQ(f->project.familyMode, FamilyMode::SingleBank) << "the profile of model 10 is applied";
  EXPECT_FALSE(f->Timer1->enabled());
  EXPECT_TRUE(f->Timer2->enabled());
  EXPECT_TRUE(f->ComboBox5->enabled() && f->GroupBox5->enabled());
  EXPECT_FALSE(f->link.link.imageHeld());
  settle(60);
  EXPECT_EQ(controller->commands(), (std::vector<std::string>{"7F 0"})) << "no erase";
}

TEST_F(Upload, APacketSizeThatDoesNotFitAFrameEndsTheUpload) {
  startWindow(10, 50, 30);
  withSimulator(sim::ControllerBehaviour::announcing(2990));
  f->BitBtn7->click();
  ASSERT_TRUE(pumpUntil([&] { return !f->link.link.engine.IsOpen() && f->Timer2->enabled(); })) << status();
  EXPECT_EQ(status(), std::string(ControllerLink::kBadBlockSize) + " (2990)");
  EXPECT_FALSE(f->Timer1->enabled());
  EXPECT_NE(f->project.blockSize, 2990);
  settle(60);
  EXPECT_EQ(controller->commands(), (std::vector<std::string>{"7F 0"}));
}

TEST_F(Upload, AControllerThatVanishesEndsTheUploadWithAClearStatus) {
  startWindow(0, 10, 60);
  withSimulator(sim::ControllerBehaviour::vanishingAt(1));
  f->BitBtn7->click();
  ASSERT_TRUE(pumpUntil([&] { return status() == ControllerLink::kDeviceLost; })) << status();
  EXPECT_FALSE(f->link.link.engine.IsOpen());
  EXPECT_EQ(f->Shape1->brushColor(), clWhite);
  EXPECT_TRUE(f->BitBtn5->enabled() && f->ComboBox5->enabled() && f->GroupBox5->enabled());
  clock.advance(5000);
  settle(50);
  EXPECT_EQ(status(), ControllerLink::kDeviceLost);
  EXPECT_EQ(app.pendingMessageCount(), 0u);
  EXPECT_TRUE(boxes().empty());
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(Upload, APortThatCannotBeOpenedShowsTheOpenFailureThenTheConnectFailure) {
  startWindow();
  f->ComboBox5->setText("没串口");
  f->BitBtn7->click();
  ASSERT_EQ(boxes().size(), 1u);
  EXPECT_EQ(boxes()[0].rfind(ControllerLink::kOpenFailed, 0), 0u) << boxes()[0];
  EXPECT_EQ(f->Shape1->brushColor(), clWhite);
  EXPECT_TRUE(f->GroupBox5->enabled());
  clock.advance(11 * 800);
  EXPECT_EQ(boxes().size(), 2u);
  EXPECT_EQ(status(), ControllerLink::kNoConnection);
}

TEST_F(Upload, AZoneWithoutAnImageStopsAtOnceWithAMessage) {
  startWindow();
  withSimulator();
  f->ComboBox4->setText("many");  // the encoder cannot read the lamp count
  f->BitBtn7->click();
  EXPECT_EQ(errorBoxes(), 1u) << "the conversion error itself";
  EXPECT_EQ(boxes(), (std::vector<std::string>{ControllerLink::kNoImage}));
  EXPECT_EQ(status(), ControllerLink::kNoImage);
  EXPECT_FALSE(f->link.link.engine.IsOpen());
  EXPECT_FALSE(f->Timer1->enabled());
  EXPECT_TRUE(f->GroupBox5->enabled() && f->BitBtn7->enabled() && f->ComboBox5->enabled());
}

TEST_F(Upload, AfterAnExchangeTheAllZonesButtonIsEnabledEvenWhereTheModelHasNone) {
  startWindow(1);
  withSimulator();
  ASSERT_FALSE(f->BitBtn5->enabled());
  f->BitBtn7->click();
  ASSERT_TRUE(pumpUntil([&] { return status() == "Send OK !"; })) << status();
  clock.advance(2000);
  EXPECT_TRUE(f->BitBtn5->enabled());
}

TEST_F(Upload, TheAllZonesButtonWhileDisabledOnlyShowsItsText) {
  startWindow(1);  // a model without all-zones send
  withSimulator();
  ASSERT_FALSE(f->BitBtn5->enabled());
  f->BitBtn5Click(f->BitBtn5);
  EXPECT_EQ(status(), "全区发送");
  EXPECT_FALSE(f->Timer1->enabled());
  EXPECT_FALSE(f->link.link.engine.IsOpen());
}

}  // namespace
}  // namespace hl::test
