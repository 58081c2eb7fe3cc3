// The serial engine against a real pseudo-terminal: checks and their texts,
// opening and closing, the read time-outs, writes, and notifications.
#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <thread>

#include "link/serial_engine.h"
#include "platform/errors.h"
#include "platform/port_table.h"
#include "platform/pseudo_terminal.h"
#include "platform/scripted_dialog_host.h"
#include "platform/toolkit.h"

namespace hl::test {
namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<std::uint8_t>;

long long msSince(Clock::time_point start) {
  return std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
}

// A window that records the messages delivered to it and, like the main
// window, acknowledges each receive notification.
struct RecordingWindow : MessageTarget {
  SerialEngine* engine = nullptr;
  std::vector<Message> received;
  void dispatchMessage(Message& m) override {
    received.push_back(m);
    if (m.msg == SE_MSG_RECEIVE && engine) engine->AcknowledgeReceive();
  }
  std::size_t countOf(unsigned msg) const {
    std::size_t n = 0;
    for (const Message& m : received) n += m.msg == msg;
    return n;
  }
};

struct EngineOnPty : ::testing::Test {
  VirtualClock clock;
  ScriptedDialogHost dialogs;
  Application app{clock, dialogs};
  RecordingWindow window;
  WindowHandle handle = app.registerWindow(&window);
  PseudoTerminal pty;
  unsigned port = *portNumberOf(pty.devicePath());
  SerialEngine engine{app, 3};

  void SetUp() override { window.engine = &engine; }
  void open() {
    engine.SetNotifyWindow(handle);
    ASSERT_TRUE(engine.Open(port, 115200, 0, 8, 0));
  }
  // Delivers posted messages for a while, as the window's thread would.
  void pumpFor(int ms) {
    const auto start = Clock::now();
    while (msSince(start) < ms) {
      app.deliverPostedMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    app.deliverPostedMessages();
  }
  std::string failureOf(const std::function<void()>& fn) {
    try {
      fn();
    } catch (const Exception& e) {
      return e.what();
    }
    return "(nothing raised)";
  }
};

TEST_F(EngineOnPty, PortNumbersOutsideOneTo1024RaiseTheCheckTextAlone) {
  for (unsigned bad : {0u, 1025u})
    EXPECT_EQ(failureOf([&] { engine.Open(bad, 115200, 0, 8, 0); }),
              "SE_ASSERT(dwPort >= 1 && dwPort <= 1024) failed; SerialEngine(332); ")
        << bad;
  EXPECT_FALSE(engine.IsOpen());
}

TEST_F(EngineOnPty, AMissingDeviceRaisesTheOpenCheckWithTheSystemCode) {
  EXPECT_EQ(failureOf([&] { engine.Open(1024, 115200, 0, 8, 0); }),
            "SE_ASSERT(OpenPort()) failed; SerialEngine(337); Code:2;No such file or directory");
}

TEST_F(EngineOnPty, OpeningAnOpenPortRaisesAndKeepsItOpen) {
  open();
  EXPECT_EQ(failureOf([&] { engine.Open(port, 115200, 0, 8, 0); }), "SE_ASSERT(!IsOpen()) failed; SerialEngine(1709); ");
  EXPECT_TRUE(engine.IsOpen());
}

TEST_F(EngineOnPty, AnotherEngineCannotTakeAPortThatIsHeld) {
  open();
  SerialEngine other(app, 3);
  const std::string text = failureOf([&] { other.Open(port, 115200, 0, 8, 0); });
  EXPECT_EQ(text.rfind("SE_ASSERT(OpenPort()) failed; SerialEngine(337); Code:" + std::to_string(EBUSY) + ";", 0), 0u) << text;
  EXPECT_NE(text.find("in use by another program"), std::string::npos) << text;
}

TEST_F(EngineOnPty, CloseEndsTheWaitingWatchThreadQuicklyAndASecondCloseIsFalse) {
  open();
  std::this_thread::sleep_for(std::chrono::milliseconds(30));  // the watch thread is in its event wait
  const auto start = Clock::now();
  EXPECT_TRUE(engine.Close(500));
  EXPECT_LT(msSince(start), 300);
  EXPECT_FALSE(engine.IsOpen());
  EXPECT_FALSE(engine.Close(500));
}

TEST_F(EngineOnPty, ReadReturnsNothingAfterTheTotalTimeOut) {
  open();
  std::uint8_t buffer[64];
  const auto start = Clock::now();
  EXPECT_EQ(engine.Read(buffer, 64, kInfiniteWait), 0u);
  const long long took = msSince(start);
  EXPECT_GE(took, 400);
  EXPECT_LE(took, 1500);
}

TEST_F(EngineOnPty, ReadReturnsABurstShortlyAfterItsLastByte) {
  open();
  std::uint8_t buffer[64];
  pty.send({0x8F, 0x01, 0x02});
  const auto start = Clock::now();
  ASSERT_EQ(engine.Read(buffer, 64, kInfiniteWait), 3u);
  EXPECT_LT(msSince(start), 400) << "the 10 ms interval ends the read, not the 500 ms total";
  EXPECT_EQ(Bytes(buffer, buffer + 3), (Bytes{0x8F, 0x01, 0x02}));
}

TEST_F(EngineOnPty, ReadTakesNoMoreThanAskedAndLeavesTheRest) {
  open();
  Bytes hundred(100);
  for (int i = 0; i < 100; ++i) hundred[i] = static_cast<std::uint8_t>(i);
  pty.send(hundred);
  std::uint8_t buffer[64];
  ASSERT_EQ(engine.Read(buffer, 64, kInfiniteWait), 64u);
  EXPECT_EQ(Bytes(buffer, buffer + 64), Bytes(hundred.begin(), hundred.begin() + 64));
  ASSERT_EQ(engine.Read(buffer, 64, kInfiniteWait), 36u);
  EXPECT_EQ(buffer[0], 64);
  EXPECT_EQ(engine.BytesIn(), 100u);
}

TEST_F(EngineOnPty, ReadAndWriteOfNothingReturnZeroAndAClosedPortRaises) {
  std::uint8_t buffer[4] = {1, 2, 3, 4};
  EXPECT_EQ(failureOf([&] { engine.Read(buffer, 4); }), "SE_ASSERT(IsOpen()) failed; SerialEngine(418); ");
  EXPECT_EQ(failureOf([&] { engine.Write(buffer, 4); }), "SE_ASSERT(IsOpen()) failed; SerialEngine(511); ");
  EXPECT_EQ(failureOf([&] { engine.Read(nullptr, 4); }), "SE_ASSERT(pBuffer) failed; SerialEngine(478); ");
  open();
  EXPECT_EQ(engine.Read(buffer, 0), 0u);
  EXPECT_EQ(engine.Write(buffer, 0), 0u);
}

TEST_F(EngineOnPty, AWriteLargerThanTheDeviceTakesGoesOutWholeFromItsOwnCopy) {
  open();
  Bytes big(64 * 1024);
  for (std::size_t i = 0; i < big.size(); ++i) big[i] = static_cast<std::uint8_t>(i * 7);
  Bytes buffer = big;
  engine.Write(buffer.data(), static_cast<std::uint32_t>(buffer.size()));
  std::fill(buffer.begin(), buffer.end(), 0xEE);  // the caller reuses its buffer at once
  Bytes arrived;
  const auto start = Clock::now();
  while (arrived.size() < big.size() && msSince(start) < 3000) {
    const Bytes part = pty.receive(200);
    arrived.insert(arrived.end(), part.begin(), part.end());
  }
  EXPECT_EQ(arrived, big);
  EXPECT_EQ(engine.BytesOut(), big.size());
}

TEST_F(EngineOnPty, AnUnreadByteIsReportedAgainAndAgainWithThePortNumber) {
  open();
  pty.send({0xAA});
  pumpFor(200);
  EXPECT_GE(window.countOf(SE_MSG_RECEIVE), 4u) << "about every 10 ms while the byte stays unread";
  for (const Message& m : window.received)
    if (m.msg == SE_MSG_RECEIVE) {
      EXPECT_EQ(m.wParam, port);
      EXPECT_EQ(m.lParam, 0);
    }
}

TEST_F(EngineOnPty, AnUndeliveredReceiveNotificationIsNotRepeated) {
  open();
  pty.send({0xAA});
  std::this_thread::sleep_for(std::chrono::milliseconds(100));
  EXPECT_EQ(app.pendingMessageCount(), 1u);
  std::uint8_t buffer[64];
  EXPECT_EQ(engine.Read(buffer, 64), 1u);
  app.deliverPostedMessages();
  window.received.clear();
  pumpFor(60);
  EXPECT_EQ(window.countOf(SE_MSG_RECEIVE), 0u) << "nothing is left to read";
}

TEST_F(EngineOnPty, NothingIsPostedToAWindowThatIsGone) {
  open();
  app.unregisterWindow(handle);
  pty.send({0xAA});
  std::this_thread::sleep_for(std::chrono::milliseconds(60));
  EXPECT_EQ(app.pendingMessageCount(), 0u);
}

TEST_F(EngineOnPty, AVanishedDeviceIsReportedOnceAndItsReadFails) {
  open();
  pty.hangUp();
  pumpFor(150);
  EXPECT_TRUE(engine.DeviceLost());
  EXPECT_EQ(window.countOf(SE_MSG_RECEIVE), 1u);
  std::uint8_t buffer[64];
  const std::string text = failureOf([&] { engine.Read(buffer, 64); });
  EXPECT_EQ(text.rfind("SE_ASSERT(::GetOverlappedResult(hComm_, &RO_, &dwReadResult, TRUE)) failed; SerialEngine(433); Code:", 0), 0u)
      << text;
  const auto start = Clock::now();
  EXPECT_TRUE(engine.Close(500));
  EXPECT_LT(msSince(start), 300);
}

TEST(SerialEngineFailureMessage, AppendsTheCodeAndTextAndKeepsTo255Characters) {
  EXPECT_EQ(SerialEngine::failureMessage("check; ", 0), "check; ");
  EXPECT_EQ(SerialEngine::failureMessage("check; ", ENOENT), "check; Code:2;No such file or directory");
  const std::string denied = SerialEngine::failureMessage("check; ", EACCES);
  EXPECT_NE(denied.find("dialout"), std::string::npos) << denied;
  EXPECT_EQ(SerialEngine::failureMessage(std::string(300, 'x'), ENOENT).size(), 255u);
}

TEST(SerialEngineOptions, RefusesModesNotBuiltAndChangesOnlyWhileClosed) {
  VirtualClock clock;
  ScriptedDialogHost dialogs;
  Application app{clock, dialogs};
  SerialEngine engine(app, 3);
  EXPECT_THROW(engine.SetOptions(SerialEngine::EN_TX_BUFFER), Exception);
  EXPECT_EQ(engine.Options(), 3u);
  EXPECT_THROW(engine.SetNotifyWindow(kNoWindow), Exception);
}

}  // namespace
}  // namespace hl::test
