#include "app/form_link.h"

#include <exception>

#include "app/form2.h"

namespace hl {

FormLink::FormLink(TForm2& form) : form_(form), link(form.application(), form.handle(), form.project, *this) {}

std::string FormLink::status() const { return form_.Label13->caption(); }
void FormLink::setStatus(const std::string& text) { form_.Label13->setCaption(text); }
void FormLink::setZoneTitle(const std::string& text) { form_.Label80->setCaption(text); }
void FormLink::showProgress() { form_.cxProgressBar1->show(); }
void FormLink::setProgress(int percent) { form_.cxProgressBar1->setPosition(percent); }
void FormLink::setPortLamp(bool held) { form_.Shape1->setBrushColor(held ? clRed : clWhite); }

void FormLink::setEnabled(Control control, bool on) {
  switch (control) {
    case Control::AllZonesButton: form_.BitBtn5->setEnabled(on); break;
    case Control::ZoneButton: form_.BitBtn7->setEnabled(on); break;
    case Control::PortList: form_.ComboBox5->setEnabled(on); break;
    case Control::SettingsSendButton: form_.Button19->setEnabled(on); break;
    case Control::EditingPanels:
      form_.GroupBox5->setEnabled(on);
      form_.StringGrid1->setEnabled(on);
      form_.GroupBox3->setEnabled(on);
      break;
  }
}

void FormLink::setTimer(Timer timer, bool on) {
  switch (timer) {
    case Timer::Connect:
      if (on) form_.Timer1->setInterval(ControllerLink::kConnectIntervalMs);
      form_.Timer1->setEnabled(on);
      break;
    case Timer::Watchdog: form_.Timer5->setEnabled(on); break;
    case Timer::Close: form_.Timer2->setEnabled(on); break;
    case Timer::SettingsHandshake: form_.TRG_Timer->setEnabled(on); break;
  }
}

void FormLink::clearLog() { form_.Memo1->clearLines(); }
void FormLink::logLine(const std::string& line) { form_.Memo1->addLine(line); }
void FormLink::showAnswer(const std::string& hex) { form_.Label6->setCaption(hex); }
std::string FormLink::portName() const { return form_.ComboBox5->text(); }
int FormLink::linkMode() const { return form_.linkMode; }
void FormLink::setLinkMode(int mode) { form_.linkMode = mode; }
int FormLink::selectedModel() const { return form_.ComboBox6->itemIndex(); }
void FormLink::selectModel(int model) { form_.ComboBox6->setItemIndex(model); }

void FormLink::applyModelProfile() {
  form_.ApplyProfile();
  form_.SetupZoneGrid();
}

int FormLink::currentZone() const { return form_.project.currentZone; }

std::optional<std::vector<std::uint8_t>> FormLink::uploadImage(int zone) {
  try {
    return EncodePatternImage(form_.project, form_.encoderInputs(), zone, ImagePurpose::Upload, true);
  } catch (...) {
    // A lamp count that is not a number, or no memory: the reason goes to the
    // default error box, and the link stops the upload.
    form_.application().handleException(std::current_exception());
    return std::nullopt;
  }
}

}  // namespace hl
