// Opening the port for the controller, the connect timer and the close timer.
#include "link/controller_link.h"

#include "link/frames.h"
#include "platform/clock.h"
#include "platform/dialog_host.h"
#include "platform/errors.h"
#include "platform/port_table.h"

namespace hl {

ControllerLink::ControllerLink(Application& app, WindowHandle owner, Project& project, LinkWindow& window)
    : engine(app, SerialEngine::EN_WATCH_THREAD | SerialEngine::EN_OVERLAPPED_IO),
      app_(app),
      owner_(owner),
      project_(project),
      window_(window) {}

void ControllerLink::showBox(const std::string& text) { app_.dialogs().messageBox(text, "信息提示", MB_OK); }

void ControllerLink::recordAnswerTime() { state.lastAnswerTime = app_.clock().nowMs() / 1000; }

void ControllerLink::openForController() {
  std::string reason;
  try {
    if (engine.IsOpen()) engine.Close(500);
    if (engine.IsOpen()) return;
    window_.clearLog();
    engine.SetNotifyWindow(owner_);
    // The list shows device paths; the port table gives each its number.
    const std::string name = window_.portName();
    const std::optional<unsigned> port = portNumberOf(name);
    if (!port) throw Exception("'" + name + "' is not a serial device");
    window_.logLine(std::to_string(*port));
    window_.setPortLamp(true);
    window_.setEnabled(Control::AllZonesButton, false);
    window_.setEnabled(Control::ZoneButton, false);
    window_.showProgress();
    window_.setProgress(1);
    engine.Open(*port, kBaudRate, 0, 8, 0);
    return;
  } catch (const std::exception& e) {
    reason = e.what();
  } catch (...) {
  }
  // A step after the device opened may have failed: never keep a port the user was told is not open.
  try {
    engine.Close(500);
  } catch (...) {
  }
  window_.setProgress(0);
  window_.setPortLamp(false);
  window_.setEnabled(Control::AllZonesButton, true);
  window_.setEnabled(Control::ZoneButton, true);
  if (!reason.empty()) window_.logLine(reason);
  // The system's reason (a busy port, a missing dialout membership) on a line of its own.
  showBox(reason.empty() ? std::string(kOpenFailed) : std::string(kOpenFailed) + "\n" + reason);
}

void ControllerLink::startConnectTimer() {
  window_.setTimer(Timer::Connect, true);
  window_.setStatus("打开超时检查。。。");
  state.attemptCount = 0;
}

void ControllerLink::closeTimerTick() {
  engine.Close(500);
  window_.setPortLamp(false);
  window_.setTimer(Timer::Close, false);
  window_.setEnabled(Control::AllZonesButton, true);
  window_.setEnabled(Control::ZoneButton, true);
  window_.setEnabled(Control::SettingsSendButton, true);
}

void ControllerLink::connectTick() {
  ++state.attemptCount;
  sendCommand(Command::Connect, state.uploadZone);
  window_.setStatus("连接控制器。。。" + std::to_string(state.attemptCount));
  if (state.attemptCount >= kMaxConnectAttempts) endWithoutConnection();
}

void ControllerLink::endWithoutConnection() {
  window_.setTimer(Timer::Connect, false);
  state.linkActive = false;
  state.attemptCount = 0;
  window_.setTimer(Timer::Watchdog, false);
  window_.setTimer(Timer::Close, true);
  showBox(kNoConnection);
  window_.setEnabled(Control::AllZonesButton, true);
  window_.setProgress(0);
  window_.setEnabled(Control::PortList, true);
  window_.setEnabled(Control::ZoneButton, true);
  enableEditing(true);
  window_.setStatus(kNoConnection);
  releaseImage();
}

void ControllerLink::watchdogTick() {
  if (app_.clock().nowMs() / 1000 - state.lastAnswerTime <= 3) return;
  window_.setTimer(Timer::Watchdog, false);
  window_.setEnabled(Control::PortList, true);
  window_.setStatus(kSendFailed);
  window_.setProgress(0);
  enableEditing(true);
  window_.setTimer(Timer::Close, true);
  releaseImage();
}

}  // namespace hl
