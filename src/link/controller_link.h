#pragma once
// The controller link of the main window: the serial engine, the link state,
// opening the port for the controller, the upload sequence of one zone or of
// all zones, and the rules that act on the controller's answers. It runs on
// the window's thread; what it shows and enables goes through LinkWindow, so
// the window and the command-line tool drive the same code.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "link/link_window.h"
#include "link/serial_engine.h"
#include "model/project.h"
#include "platform/application.h"

namespace hl {

// Window-wide state of an exchange with the controller.
struct LinkState {
  int uploadZone = 0;            // zone being uploaded; the zone byte of every command
  bool allZonesUpload = false;   // go on with the next zone after each zone
  bool linkActive = false;       // answers other than settings and end answers are interpreted
  bool awaitConnect = false;     // the connect answer is still expected
  bool awaitErase = false;       // the erase answer is still expected
  bool lastPacketSent = false;   // the packet just sent was the last of the image
  int packetIndex = 0;           // packet last sent, from 0
  int attemptCount = 0;          // connect attempts of the running connect step
  std::int64_t lastAnswerTime = 0;  // whole seconds of the clock at the last answer
};

class ControllerLink {
 public:
  // Line settings of every exchange: 115200 baud, 8 data bits, no parity, one stop bit.
  static constexpr std::uint32_t kBaudRate = 115200;
  static constexpr int kConnectIntervalMs = 800;
  static constexpr int kMaxConnectAttempts = 11;

  ControllerLink(Application& app, WindowHandle owner, Project& project, LinkWindow& window);

  SerialEngine engine;
  LinkState state;

  // --- Port and connection -------------------------------------------------
  // Opens the port named by the window's port list; failures show the
  // open-failure box and leave the engine closed.
  void openForController();
  void startConnectTimer();
  void closeTimerTick();  // the close timer, 2 s after an exchange ended

  // --- Upload ----------------------------------------------------------------
  void sendAllZones(bool buttonEnabled);
  void sendCurrentZone(bool buttonEnabled);
  void sendZone(int zone);
  void sendCommand(std::uint8_t command, int zone);
  void sendPacket(int k);
  void connectTick();   // one connect attempt
  void watchdogTick();  // fails the exchange after more than 3 s of silence
  void finish();        // the end answer of a zone
  void fail();          // a failure answer
  bool imageHeld() const { return image_.has_value(); }
  std::size_t imageLength() const { return image_ ? image_->size() : 0; }

  // --- Answers ---------------------------------------------------------------
  // A receive notification of the engine with its WPARAM.
  void onReceive(std::uintptr_t port);
  // The rules for one read of n bytes (the bytes after n count as 0).
  void handleAnswer(const std::uint8_t* bytes, std::size_t n);

  // Status texts the link shows besides the ones the answers bring.
  static constexpr const char* kOpenFailed = "串口未能打开！请检查串口是否占用或硬件连接是否正确！";
  static constexpr const char* kNoConnection = "无法连接到控制器，请确认控制器已经连接！";
  static constexpr const char* kSendFailed = "发送失败！请重新发送。";
  static constexpr const char* kPortError = "串口出错";
  static constexpr const char* kNoImage = "无法生成花样数据，发送已停止！";
  static constexpr const char* kDeviceLost = "串口已断开，发送失败！请检查串口连接。";
  static constexpr const char* kBadBlockSize = "控制器返回的数据包长度无效，发送已停止！";

 private:
  using Control = LinkWindow::Control;
  using Timer = LinkWindow::Timer;

  void showBox(const std::string& text);
  void recordAnswerTime();
  void releaseImage() { image_.reset(); }
  void writeFrame(const std::vector<std::uint8_t>& frame);
  void enableEditing(bool on) { window_.setEnabled(Control::EditingPanels, on); }
  void endWithoutConnection();
  void endOnLostDevice();
  void endOnBadBlockSize(int blockSize);
  void endOnWrongModel();
  bool applyRules(std::uint8_t b0, const std::uint8_t* bytes, std::size_t n);

  Application& app_;
  WindowHandle owner_;
  Project& project_;
  LinkWindow& window_;
  // The image of the zone being uploaded; released when that zone's upload ends.
  std::optional<std::vector<std::uint8_t>> image_;
};

}  // namespace hl
