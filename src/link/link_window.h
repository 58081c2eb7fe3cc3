#pragma once
// What the controller link needs of the window it serves: the status line,
// the progress bar, the port lamp, the log, the controls it enables, the
// timers it starts, the port list, the model list and the pattern image of a
// zone. The main window implements it over its controls.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace hl {

class LinkWindow {
 public:
  enum class Control {
    AllZonesButton,      // "全区发送"
    ZoneButton,          // "当前区发送"
    PortList,
    EditingPanels,       // the zone bar, the grid and the default times
    SettingsSendButton,  // the trigger dialog's send button
  };
  enum class Timer {
    Connect,            // connect attempts, every 800 ms
    Watchdog,           // answer watchdog, every second
    Close,              // closes the port 2 s after an exchange
    SettingsHandshake,  // the settings handshake
  };

  virtual ~LinkWindow() = default;

  virtual std::string status() const = 0;
  virtual void setStatus(const std::string& text) = 0;
  virtual void setZoneTitle(const std::string& text) = 0;
  virtual void showProgress() = 0;
  virtual void setProgress(int percent) = 0;
  virtual void setPortLamp(bool held) = 0;  // red while the port is held, else white
  virtual void setEnabled(Control control, bool on) = 0;
  // Timer::Connect is (re)started at 800 ms.
  virtual void setTimer(Timer timer, bool on) = 0;
  virtual void clearLog() = 0;
  virtual void logLine(const std::string& line) = 0;
  virtual void showAnswer(const std::string& hex) = 0;

  virtual std::string portName() const = 0;  // the port list's text
  virtual int linkMode() const = 0;          // 0 upload, 1 read address, 2 burn address
  virtual void setLinkMode(int mode) = 0;
  virtual int selectedModel() const = 0;
  virtual void selectModel(int model) = 0;    // without applying it
  virtual void applyModelProfile() = 0;       // profile and zone grid of the selected model
  virtual int currentZone() const = 0;
  // The upload image of a zone; nullopt when it cannot be made.
  virtual std::optional<std::vector<std::uint8_t>> uploadImage(int zone) = 0;
};

}  // namespace hl
