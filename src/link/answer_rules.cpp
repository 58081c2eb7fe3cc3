// The controller's answers: reading them on a receive notification, and the
// rules that move the exchange on.
#include <cstdio>

#include "link/controller_link.h"
#include "link/frames.h"

namespace hl {
namespace {

constexpr std::size_t kAnswerBytes = 64;
constexpr int kSingleColourModel = 10;  // announces its own packet size

// Two upper-case hexadecimal digits and a blank per byte, up to the first zero byte.
std::string hexLog(const std::uint8_t* bytes, std::size_t n) {
  std::string text;
  for (std::size_t i = 0; i < n && bytes[i] != 0; ++i) {
    char digits[4];
    std::snprintf(digits, sizeof digits, "%02X ", bytes[i]);
    text += digits;
  }
  return text;
}

}  // namespace

void ControllerLink::onReceive(std::uintptr_t port) {
  engine.AcknowledgeReceive();
  if (port != engine.Port()) return;
  if (engine.DeviceLost()) {
    endOnLostDevice();
    return;
  }
  // A notification that outlived its port, or whose bytes an earlier read
  // already took, must not make the window's thread wait out a read.
  if (!engine.IsOpen() || engine.QueueCount(true) == 0) return;
  std::uint8_t buffer[kAnswerBytes + 1] = {};
  const std::uint32_t n = engine.Read(buffer, kAnswerBytes, kInfiniteWait);
  buffer[n] = 0;
  handleAnswer(buffer, n);
}

void ControllerLink::endOnLostDevice() {
  window_.setTimer(Timer::Connect, false);
  state.linkActive = false;
  state.attemptCount = 0;
  window_.setStatus(kDeviceLost);
  fail();
  window_.setPortLamp(false);
}

void ControllerLink::handleAnswer(const std::uint8_t* bytes, std::size_t n) {
  const auto at = [&](std::size_t i) -> std::uint8_t { return i < n ? bytes[i] : 0; };
  const std::string hex = hexLog(bytes, n);
  window_.logLine(hex);
  window_.showAnswer(hex);
  const std::uint8_t b0 = at(0);
  if (b0 == 0xEB || b0 == 0xE1) {
    // The settings handshake answered; the settings frames of the trigger and
    // zone-mode panels are sent from here once those panels are built.
    window_.setTimer(Timer::SettingsHandshake, false);
    recordAnswerTime();
    window_.setTimer(Timer::Watchdog, true);
  }
  if (b0 == 0xDD) {
    window_.logLine("END-OK");
    finish();
  }
  if (!state.linkActive || n < 1) return;
  applyRules(b0, bytes, n);
}

bool ControllerLink::applyRules(std::uint8_t b0, const std::uint8_t* bytes, std::size_t n) {
  const auto at = [&](std::size_t i) -> std::uint8_t { return i < n ? bytes[i] : 0; };
  if (b0 == 0x8F && state.awaitConnect) {
    window_.setTimer(Timer::Connect, false);
    recordAnswerTime();
    state.awaitConnect = false;
    window_.setTimer(Timer::Watchdog, true);
    const int mode = window_.linkMode();
    if (mode == 1) {
      window_.setStatus("连接成功读取地址请稍后！");
      sendCommand(Command::ReadAddress, state.uploadZone);
    } else if (mode == 2) {
      window_.setStatus("连接成功烧录地址请稍后！");  // the burn-address frame joins with the address panel
    } else {
      window_.setStatus("连接成功正在檫除原花样分区请稍后！");
      sendCommand(Command::Erase, state.uploadZone);
    }
    return true;
  }
  if (b0 == 0x7E && state.awaitConnect) {
    if (window_.selectedModel() != kSingleColourModel) {
      endOnWrongModel();
      return true;
    }
    const int announced = at(1) * 256 + at(2);
    if (!blockSizeFits(project_.familyMode, announced)) {
      endOnBadBlockSize(announced);
      return true;
    }
    project_.blockSize = announced;
    window_.setTimer(Timer::Connect, false);
    recordAnswerTime();
    state.awaitConnect = false;
    window_.setTimer(Timer::Watchdog, true);
    window_.setStatus("连接成功准备檫除原花样分区！");
    sendCommand(Command::Erase, state.uploadZone);
    return true;
  }
  if (at(1) == 0xBB && at(2) == 0x05 && at(8) == 0x55) return true;  // wireless address: the address panel's
  if (b0 == 0x2D) return true;                                        // address burned: the address panel's
  if (b0 == 0x3C && state.awaitErase) {
    window_.setProgress(14);
    state.awaitErase = false;
    if (state.packetIndex == 0) sendPacket(0);
    window_.setStatus("檫除花样成功开始发送花样！");
    recordAnswerTime();
    window_.setTimer(Timer::Watchdog, true);
    return true;
  }
  if (b0 == 0xAA) {
    window_.setStatus(std::to_string(state.packetIndex));
    recordAnswerTime();
    if (state.lastPacketSent) {
      sendCommand(Command::End, state.uploadZone);
    } else {
      ++state.packetIndex;
      sendPacket(state.packetIndex);
    }
    window_.setTimer(Timer::Watchdog, true);
    return true;
  }
  if (b0 == 0xFF || b0 == 0xAF) {
    window_.setStatus("花样接收失败，请重试");
    fail();
    return true;
  }
  if (b0 == 0x55 || b0 == 0xFE) {
    releaseImage();
    window_.setStatus(window_.status() + (b0 == 0x55 ? " 数据存储失败，控制器返回信息报错:存储失败"
                                                     : " 数据效验失败，控制器返回信息报错:接收失败"));
    fail();
    return true;
  }
  return false;
}

void ControllerLink::endOnWrongModel() {
  window_.setStatus("控制器型号错误请重新发送！");
  window_.selectModel(kSingleColourModel);
  window_.setEnabled(Control::PortList, true);
  window_.setProgress(0);
  window_.setTimer(Timer::Connect, false);
  window_.setTimer(Timer::Close, true);
  window_.setTimer(Timer::Watchdog, false);
  enableEditing(true);
  releaseImage();
  // The upload has ended: a further connect answer must not start an erase.
  state.linkActive = false;
  state.awaitConnect = false;
  window_.applyModelProfile();
}

}  // namespace hl
