#pragma once
// The main window's side of the controller link: the link itself, and the
// window's controls as the link sees them (LinkWindow).
#include "link/controller_link.h"
#include "link/link_window.h"

namespace hl {

class TForm2;

class FormLink final : public LinkWindow {
 public:
  explicit FormLink(TForm2& form);
  FormLink(const FormLink&) = delete;
  FormLink& operator=(const FormLink&) = delete;

  std::string status() const override;
  void setStatus(const std::string& text) override;
  void setZoneTitle(const std::string& text) override;
  void showProgress() override;
  void setProgress(int percent) override;
  void setPortLamp(bool held) override;
  void setEnabled(Control control, bool on) override;
  void setTimer(Timer timer, bool on) override;
  void clearLog() override;
  void logLine(const std::string& line) override;
  void showAnswer(const std::string& hex) override;
  std::string portName() const override;
  int linkMode() const override;
  void setLinkMode(int mode) override;
  int selectedModel() const override;
  void selectModel(int model) override;
  void applyModelProfile() override;
  int currentZone() const override;
  std::optional<std::vector<std::uint8_t>> uploadImage(int zone) override;

 private:
  TForm2& form_;

 public:
  // After form_: the link keeps a reference to this window.
  ControllerLink link;
};

}  // namespace hl
