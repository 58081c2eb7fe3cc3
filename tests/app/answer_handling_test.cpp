// The controller's answers, given by hand on a pseudo-terminal at chosen
// clock times: the watchdog and the answer rules in each phase.
#include <gtest/gtest.h>

#include "upload_fixture.h"

namespace hl::test {
namespace {

using Bytes = std::vector<std::uint8_t>;

struct HandAnswers : UploadFixture, ::testing::Test {
  // Starts an upload of zone z and answers the first connect attempt.
  void connect(int zone = 0, int frames = 40) {
    startWindow(0, 10, frames);
    withHandAnswers();
    f->TabControl1->userSelectTab(zone);
    f->BitBtn7->click();
    clock.advance(800);
    ASSERT_EQ(sent(), (Bytes{0xAA, 0xCC, 0x02, 0x7F, static_cast<std::uint8_t>(zone), 0x55}));
    answer({0x8F});
    ASSERT_EQ(status(), "连接成功正在檫除原花样分区请稍后！");
    ASSERT_EQ(sent(), (Bytes{0xAA, 0xCC, 0x02, 0x9F, static_cast<std::uint8_t>(zone), 0x55}));
  }
  // Answers the erase; gives packet 0 as sent.
  Bytes erase() {
    answer({0x3C});
    return sent();
  }
};

TEST_F(HandAnswers, TheWatchdogWaitsWhileAnswersComeWithinFourSecondsAlsoAcrossAMinute) {
  clock.set(57'500);  // the answers straddle the minute
  connect(0, 60);     // three packets
  EXPECT_EQ(erase().size(), 500u + 4);
  for (int packet = 0; packet < 2; ++packet) {
    clock.advance(3400);
    EXPECT_EQ(status(), packet == 0 ? "檫除花样成功开始发送花样！" : "0") << "no failure after 3.4 s";
    answer({0xAA});
    EXPECT_FALSE(sent().empty());
  }
  EXPECT_GT(clock.nowMs(), 60'000);
  clock.advance(3000);
  EXPECT_EQ(status(), "1");
  clock.advance(1500);  // silence of more than 3 whole seconds
  EXPECT_EQ(status(), "发送失败！请重新发送。");
  EXPECT_FALSE(f->Timer5->enabled());
  EXPECT_TRUE(f->Timer2->enabled());
  EXPECT_TRUE(f->ComboBox5->enabled() && f->GroupBox5->enabled());
  EXPECT_FALSE(f->link.link.imageHeld());
  EXPECT_EQ(f->cxProgressBar1->position(), 0);
  answer({0xAA});  // a late acknowledgement while the port is still held
  EXPECT_TRUE(sent(100).empty()) << "the image is gone: nothing is sent from it";
}

TEST_F(HandAnswers, ASecondConnectAnswerChangesNothing) {
  connect();
  answer({0x8F});
  EXPECT_EQ(status(), "连接成功正在檫除原花样分区请稍后！");
  EXPECT_TRUE(sent(100).empty());
  EXPECT_EQ(f->Label6->caption(), "8F ");
}

TEST_F(HandAnswers, TheEraseAnswerAfterAPacketSendsNothingButRestartsTheWatchdog) {
  connect(0, 60);
  erase();
  answer({0xAA});
  ASSERT_FALSE(sent().empty());
  clock.advance(3000);
  f->link.link.state.awaitErase = true;  // an erase answer the controller repeats late
  answer({0x3C});
  EXPECT_TRUE(sent(100).empty()) << "packet 1 is out; no packet is sent again";
  EXPECT_EQ(f->link.link.state.lastAnswerTime, clock.nowMs() / 1000);
  clock.advance(3000);
  EXPECT_NE(status(), "发送失败！请重新发送。");
}

TEST_F(HandAnswers, TheLastAcknowledgementSendsTheEndCommandWithTheZoneByte) {
  connect(3, 10);  // one packet
  const Bytes packet = erase();
  EXPECT_EQ(packet.size(), f->link.link.imageLength() + 1 + 4);
  EXPECT_EQ(packet[packet.size() - 2], 0xFF) << "the byte past the image";
  answer({0xAA});
  EXPECT_EQ(sent(), (Bytes{0xAA, 0xCC, 0x02, 0xDD, 0x03, 0x55}));
  EXPECT_EQ(status(), "0");
  answer({0xDD});
  EXPECT_EQ(status(), "Send OK !");
}

TEST_F(HandAnswers, TheEndAnswerOfAnAllZonesUploadStartsTheNextZoneAtOnce) {
  startWindow(0, 10, 10);
  withHandAnswers();
  f->BitBtn5->click();
  clock.advance(800);
  sent();
  answer({0x8F});
  sent();
  erase();
  answer({0xAA});
  sent();
  answer({0xDD});
  EXPECT_EQ(f->link.link.state.uploadZone, 1);
  EXPECT_EQ(status(), "连接控制器。。。");
  EXPECT_TRUE(f->link.link.imageHeld());
  EXPECT_TRUE(f->Timer1->enabled());
  clock.advance(800);
  EXPECT_EQ(sent(), (Bytes{0xAA, 0xCC, 0x02, 0x7F, 0x01, 0x55}));
}

TEST_F(HandAnswers, TheLogStopsAtTheFirstZeroByteAndTheFirstByteDecides) {
  connect(0, 60);
  erase();
  answer({0xAA, 0x00, 0x55});
  EXPECT_EQ(f->Label6->caption(), "AA ");
  EXPECT_EQ(f->Memo1->lines().back(), "AA ");
  EXPECT_EQ(status(), "0") << "handled as AA";
  EXPECT_FALSE(sent().empty());
}

TEST_F(HandAnswers, UnknownBytesAreLoggedAndOtherwiseIgnored) {
  connect();
  answer({0x42, 0x43});
  EXPECT_EQ(f->Memo1->lines().back(), "42 43 ");
  EXPECT_EQ(status(), "连接成功正在檫除原花样分区请稍后！");
  EXPECT_TRUE(sent(100).empty());
  EXPECT_EQ(errorBoxes(), 0u);
}

TEST_F(HandAnswers, ANotificationForAnotherPortIsIgnoredWithoutReading) {
  connect();
  line->send({0x3C});
  std::this_thread::sleep_for(std::chrono::milliseconds(30));
  Message foreign{SE_MSG_RECEIVE, f->link.link.engine.Port() + 1, 0, 0};
  f->OnCommReceive(foreign);
  EXPECT_EQ(f->link.link.engine.QueueCount(true), 1u) << "the byte is still waiting";
  EXPECT_EQ(f->Label6->caption(), "8F ");
  settle();
  EXPECT_EQ(status(), "檫除花样成功开始发送花样！") << "the engine's own notification reads it";
}

TEST_F(HandAnswers, SettingsHandshakeAnswersRestartTheWatchdogInAnyPhase) {
  connect();
  f->TRG_Timer->setEnabled(true);
  clock.advance(3500);
  answer({0xEB});
  EXPECT_FALSE(f->TRG_Timer->enabled());
  EXPECT_TRUE(f->Timer5->enabled());
  EXPECT_EQ(f->link.link.state.lastAnswerTime, clock.nowMs() / 1000);
  EXPECT_TRUE(sent(100).empty());
}

TEST_F(HandAnswers, ANotificationWithNothingToReadDoesNotHoldTheWindow) {
  connect();
  const auto start = std::chrono::steady_clock::now();
  Message late{SE_MSG_RECEIVE, f->link.link.engine.Port(), 0, 0};
  f->OnCommReceive(late);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
  EXPECT_EQ(f->Memo1->lines().back(), "8F ") << "nothing read, nothing logged";
}

TEST_F(HandAnswers, RefreshingThePortListKeepsTheOpenPort) {
  connect();
  f->BitBtn2->click();
  EXPECT_TRUE(f->link.link.engine.IsOpen());
  answer({0x3C});
  EXPECT_EQ(status(), "檫除花样成功开始发送花样！");
}

TEST_F(HandAnswers, ThePacketSizeAnswerOfTheSingleColourModelSetsTheSizeAndSendsTheFramedErase) {
  startWindow(10, 50, 30);
  withHandAnswers();
  f->TabControl1->userSelectTab(5);
  f->BitBtn7->click();
  clock.advance(800);
  EXPECT_EQ(sent(), (Bytes{0xAA, 0xCC, 0xFA, 0x05, 0x00, 0x02, 0x7F, 0x05, 0xBB, 0xEE, 0xA5, 0x5A}));
  f->project.blockSize = 500;  // so that the answer's own value shows
  answer({0x7E, 0x00, 0xC8});
  EXPECT_EQ(f->project.blockSize, 200);
  EXPECT_EQ(status(), "连接成功准备檫除原花样分区！");
  EXPECT_FALSE(f->Timer1->enabled());
  EXPECT_TRUE(f->Timer5->enabled());
  EXPECT_EQ(sent(), (Bytes{0xAA, 0xCC, 0xFA, 0x05, 0x00, 0x02, 0x9F, 0x05, 0xBB, 0xEE, 0xA5, 0x5A}));
}

TEST_F(HandAnswers, AfterTheWrongModelEndedTheUploadAFurtherPacketSizeAnswerStartsNothing) {
  startWindow(11, 50, 30);
  withHandAnswers();
  f->BitBtn7->click();
  clock.advance(800);
  sent();
  answer({0x7E, 0x00, 0xC8});
  ASSERT_EQ(status(), "控制器型号错误请重新发送！");
  ASSERT_EQ(f->ComboBox6->itemIndex(), 10);
  answer({0x7E, 0x00, 0xC8});  // the answer to an earlier attempt, now with model 10 selected
  EXPECT_EQ(status(), "控制器型号错误请重新发送！");
  EXPECT_TRUE(sent(100).empty()) << "no erase";
  EXPECT_EQ(f->project.blockSize, 200) << "model 10's own packet size, from its profile";
}

}  // namespace
}  // namespace hl::test
