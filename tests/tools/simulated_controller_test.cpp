// The simulated controller: frames cut from a byte stream however it arrives,
// the answers of the table, the received images, and the faults it plays.
#include <gtest/gtest.h>

#include <chrono>

#include "sim/pty_controller.h"
#include "sim/simulated_controller.h"

namespace hl::test {
namespace {

using sim::Bytes;
using sim::ControllerBehaviour;
using sim::SimulatedController;

const Bytes kConnect{0xAA, 0xCC, 0x02, 0x7F, 0x02, 0x55};
const Bytes kErase{0xAA, 0xCC, 0x02, 0x9F, 0x02, 0x55};
const Bytes kEnd{0xAA, 0xCC, 0x02, 0xDD, 0x02, 0x55};

Bytes shortPacket(const Bytes& payload) {
  Bytes f{0xAA, static_cast<std::uint8_t>(payload.size() >> 8), static_cast<std::uint8_t>(payload.size())};
  f.insert(f.end(), payload.begin(), payload.end());
  f.push_back(0x55);
  return f;
}

TEST(SimulatedController, AnswersAnUploadAndKeepsTheImageWithoutTheExtraByte) {
  SimulatedController c;
  Bytes stream = kConnect;
  for (const Bytes& f : {kErase, shortPacket({1, 2, 3}), shortPacket({4, 0xFF}), kEnd}) stream.insert(stream.end(), f.begin(), f.end());
  Bytes answers;
  for (std::uint8_t byte : stream) {  // one byte at a time: frames span reads
    const Bytes a = c.feed({byte});
    answers.insert(answers.end(), a.begin(), a.end());
  }
  EXPECT_EQ(answers, (Bytes{0x8F, 0x3C, 0xAA, 0xAA, 0xDD}));
  ASSERT_EQ(c.images().size(), 1u);
  EXPECT_EQ(c.images()[0].zone, 2);
  EXPECT_EQ(c.images()[0].bytes, (Bytes{1, 2, 3, 4}));
}

TEST(SimulatedController, ReadsTheFramedLayoutAndAnnouncesItsPacketSize) {
  SimulatedController c(ControllerBehaviour::announcing(200));
  EXPECT_EQ(c.feed({0xAA, 0xCC, 0xFA, 0x05, 0x00, 0x02, 0x7F, 0x07, 0xBB, 0xEE, 0xA5, 0x5A}), (Bytes{0x7E, 0x00, 0xC8}));
  EXPECT_EQ(c.feed({0xAA, 0xCC, 0xFA, 0x05, 0x00, 0x02, 0x9F, 0x07, 0xBB, 0xEE, 0xA5, 0x5A}), (Bytes{0x3C}));
  EXPECT_EQ(c.feed({0xAA, 0xCC, 0xFA, 0xAF, 0x00, 0x04, 0xEE, 0x07, 9, 0xFF, 0xBB, 0xEE, 0xA5, 0x5A}), (Bytes{0xAA}));
  EXPECT_EQ(c.feed({0xAA, 0xCC, 0xFA, 0x05, 0x00, 0x02, 0xDD, 0x07, 0xBB, 0xEE, 0xA5, 0x5A}), (Bytes{0xDD}));
  ASSERT_EQ(c.images().size(), 1u);
  EXPECT_EQ(c.images()[0].bytes, (Bytes{9}));
}

TEST(SimulatedController, PlaysItsFaults) {
  SimulatedController failing(ControllerBehaviour::failingAt(1, 0x55));
  failing.feed(kErase);
  EXPECT_EQ(failing.feed(shortPacket({1})), (Bytes{0xAA}));
  EXPECT_EQ(failing.feed(shortPacket({2})), (Bytes{0x55}));
  SimulatedController silent(ControllerBehaviour::quiet());
  EXPECT_TRUE(silent.feed(kConnect).empty());
  EXPECT_EQ(silent.commands().size(), 1u);
  SimulatedController vanishing(ControllerBehaviour::vanishingAt(0));
  vanishing.feed(kErase);
  EXPECT_TRUE(vanishing.feed(shortPacket({1})).empty());
  EXPECT_TRUE(vanishing.vanished());
}

TEST(PtyController, AnswersOnThePseudoTerminalAfterItsDelay) {
  ControllerBehaviour slow;
  slow.answerDelayMs = 150;
  sim::PtyController controller(slow);
  // The test plays the program: open the device side like a port would.
  FILE* port = std::fopen(controller.devicePath().c_str(), "r+b");
  ASSERT_NE(port, nullptr);
  const auto start = std::chrono::steady_clock::now();
  std::fwrite(kConnect.data(), 1, kConnect.size(), port);
  std::fflush(port);
  const int answer = std::fgetc(port);
  const auto took = std::chrono::steady_clock::now() - start;
  std::fclose(port);
  EXPECT_EQ(answer, 0x8F);
  EXPECT_GE(took, std::chrono::milliseconds(140));
  EXPECT_LT(took, std::chrono::milliseconds(1500));
}

}  // namespace
}  // namespace hl::test
