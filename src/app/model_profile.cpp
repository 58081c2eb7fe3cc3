// Applying the selected controller model's profile to the window.
#include <initializer_list>
#include <string>

#include "app/form2.h"
#include "app/settings_glue.h"
#include "platform/paths.h"

namespace hl {

int TForm2::ApplyProfile() {
  const int model = ComboBox6->itemIndex();
  const ControllerProfile& profile = controllerProfile(model);
  // 2. Everything model-specific starts hidden.
  for (TControl* c : std::initializer_list<TControl*>{GroupBox12, BitBtnfeiqu, GroupBox10, BitBtn12, Label25, ComboBox10, GroupBox13})
    c->hide();
  ComboBox4->setEnabled(true);
  BitBtn5->setEnabled(false);
  // 3.
  applyLampLimit(profile);
  GroupBox5->setEnabled(true);
  if (profile.triggerButton) BitBtn12->show();
  if (profile.zoneModeButton) BitBtnfeiqu->show();
  showZoneTabs(profile);
  project.familyMode = profile.familyMode;
  project.blockSize = profile.blockSize;
  if (profile.lastUploadZone != kKeepLastUploadZone) project.lastUploadZone = profile.lastUploadZone;
  BitBtn5->setEnabled(profile.allZonesSend);
  // 4.
  TabControl1->setTabIndex(0);
  project.currentZone = 0;
  // 5.
  RestoreWorkingPattern();
  // 6.
  return StrToInt(ComboBox4->text());
}

void TForm2::applyLampLimit(const ControllerProfile& profile) {
  const int model = ComboBox6->itemIndex();
  if (profile.fixedLampCount) {
    ComboBox4->setText(std::to_string(profile.lampMaximum));
    ComboBox4->setEnabled(false);
    return;
  }
  const int maximum = lampMaximum(model, CheckBox9->checked());
  if (StrToInt(ComboBox4->text()) > maximum) ComboBox4->setText(std::to_string(maximum));
  ComboBox4->setEnabled(true);
}

void TForm2::showZoneTabs(const ControllerProfile& profile) {
  std::vector<std::string> tabs;
  for (int tab = 0; tab < profile.tabCount(); ++tab) tabs.push_back(zoneTabCaption(profile, tab, languageCode));
  TabControl1->setTabs(tabs);
}

void TForm2::RestoreWorkingPattern() { restoreFamilyWorkingPattern(*this); }

void TForm2::ComboBox6Change(TObject*) {
  ApplyProfile();
  SetupZoneGrid();
}

}  // namespace hl
