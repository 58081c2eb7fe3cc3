// The upload of one zone or of all zones: command and data frames, and the
// two end paths.
#include "link/controller_link.h"
#include "link/frames.h"

namespace hl {

void ControllerLink::sendAllZones(bool buttonEnabled) {
  window_.setStatus("全区发送");
  window_.setLinkMode(0);
  if (!buttonEnabled) return;
  state.allZonesUpload = true;
  state.uploadZone = 0;
  sendZone(0);
}

void ControllerLink::sendCurrentZone(bool buttonEnabled) {
  window_.setStatus("当前区发送");
  window_.setLinkMode(0);
  if (!buttonEnabled) return;
  state.allZonesUpload = false;
  sendZone(window_.currentZone());
}

void ControllerLink::sendZone(int zone) {
  const std::string number = std::to_string(zone + 1);
  window_.setZoneTitle(project_.englishCaptions == 0 ? "第[" + number + "]区" : "No[" + number + "]area");
  enableEditing(false);
  state.uploadZone = zone;
  window_.showAnswer("");
  window_.setStatus("分析花样。。。");
  app_.ProcessMessages();
  image_ = window_.uploadImage(zone);
  if (!image_) {
    // Nothing to send from: stop here rather than stream a missing image.
    state.linkActive = false;
    enableEditing(true);
    window_.setEnabled(Control::AllZonesButton, true);
    window_.setEnabled(Control::ZoneButton, true);
    window_.setEnabled(Control::PortList, true);
    window_.setStatus(kNoImage);
    showBox(kNoImage);
    return;
  }
  window_.clearLog();
  state.awaitErase = true;
  state.linkActive = true;
  state.lastPacketSent = false;
  state.awaitConnect = true;
  state.packetIndex = 0;
  startConnectTimer();
  window_.setEnabled(Control::AllZonesButton, false);
  window_.setEnabled(Control::ZoneButton, false);
  window_.setEnabled(Control::PortList, false);
  openForController();
  if (engine.IsOpen()) window_.setStatus("连接控制器。。。");
  else enableEditing(true);
}

void ControllerLink::writeFrame(const std::vector<std::uint8_t>& frame) {
  try {
    engine.Write(frame.data(), static_cast<std::uint32_t>(frame.size()));
  } catch (...) {
    window_.setProgress(0);
    showBox(kPortError);
  }
}

void ControllerLink::sendCommand(std::uint8_t command, int zone) {
  if (!engine.IsOpen()) return;
  writeFrame(commandFrame(project_.familyMode, command, zone));
}

void ControllerLink::sendPacket(int k) {
  if (!image_) return;  // the zone's upload has ended; a late answer sends nothing
  const int blockSize = project_.blockSize;
  if (!blockSizeFits(project_.familyMode, blockSize)) {
    endOnBadBlockSize(blockSize);
    return;
  }
  state.linkActive = false;  // answers arriving while a box of this send is open wait
  const Packet packet = packetOf(image_->size(), blockSize, k);
  state.lastPacketSent = packet.last;
  if (engine.IsOpen()) writeFrame(dataFrame(project_.familyMode, state.uploadZone, packetPayload(*image_, packet)));
  state.linkActive = true;
  const double length = static_cast<double>(image_ ? image_->size() : 0);
  const double sent = static_cast<double>(k + 1) * blockSize;
  window_.setProgress(length > 0 ? static_cast<int>(sent / length * 100) : 100);
}

void ControllerLink::finish() {
  releaseImage();
  state.packetIndex = 0;
  if (state.allZonesUpload && state.uploadZone < project_.lastUploadZone) {
    ++state.uploadZone;
    window_.setTimer(Timer::Watchdog, false);
    sendZone(state.uploadZone);
    return;
  }
  window_.setProgress(100);
  window_.setStatus("Send OK !");
  window_.setEnabled(Control::PortList, true);
  window_.setProgress(0);
  window_.setTimer(Timer::Watchdog, false);
  enableEditing(true);
  window_.setTimer(Timer::Close, true);
}

void ControllerLink::fail() {
  engine.Close(500);
  window_.setEnabled(Control::AllZonesButton, true);
  window_.setEnabled(Control::PortList, true);
  window_.setProgress(0);
  window_.setTimer(Timer::Watchdog, false);
  window_.setTimer(Timer::Close, true);
  state.packetIndex = 0;
  enableEditing(true);
  releaseImage();
}

void ControllerLink::endOnBadBlockSize(int blockSize) {
  window_.setTimer(Timer::Connect, false);
  state.linkActive = false;
  window_.setStatus(std::string(kBadBlockSize) + " (" + std::to_string(blockSize) + ")");
  fail();
}

}  // namespace hl
