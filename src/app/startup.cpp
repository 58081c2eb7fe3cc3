// Start-up and shutdown of the main window, and its window-level handlers.
#include <initializer_list>

#include "app/form2.h"
#include "app/list_fill.h"
#include "app/settings_glue.h"
#include "platform/paths.h"

namespace hl {

void TForm2::FormCreate(TObject*) {
  // 1. The language code; the interface texts stay as built until a language button is pressed.
  languageIni = std::make_unique<TIniFile>(joinPath(environment.executableDir, "Language.ini"));
  languageCode = languageIni->ReadString("set", "val", "English");
  // 2.
  ComboBox6->setItemIndex(0);
  // 3. Default time boxes.
  for (TComboBox* box : {time1, time2, time3, time4, time5}) fillNumberItems(*box, 1, 1000);
  // 4.
  BitBtn5->setEnabled(true);
  BitBtn7->setEnabled(true);
  // 5.
  deleteAfterCopy = false;
  fillAfterCopy = false;
  // 6.
  FillPortList();
  // 7. Zone-mode lists.
  for (TComboBox* box : {ComboBox12, ComboBox13, ComboBox14, ComboBox15, ComboBox16, ComboBox30, ComboBox32, ComboBox34}) {
    box->clearItems();
    fillNumberItems(*box, 1, 150);
  }
  for (TComboBox* box : {ComboBox17, ComboBox18, ComboBox19, ComboBox20}) {
    box->clearItems();
    fillNumberItems(*box, 1, 50);
  }
  // 8. The same action as "clear all".
  ClearAllZones();
  // 9. Lamp count and preview width lists.
  ComboBox4->clearItems();
  ComboBox9->clearItems();
  GroupBox12->hide();
  fillNumberItems(*ComboBox4, 1, 1024);
  fillNumberItems(*ComboBox9, 1, 1024);
  // 10. Wireless address lists.
  for (TComboBox* box : {add1, add2, add3, add4, add5}) fillNumberItems(*box, 0, 255);
  // 11.
  project.initDefaultTimes();
  // 12. Settings and working pattern, first reading.
  LoadSettings();
  // 13. Preview lamps, 36 a row until the stored preview width is applied.
  LayoutPreviewLamps(StrToInt(ComboBox4->text()), 36);
  // 14. The shade table is a fixed table of the model (levelColours); nothing to build.
  project.currentZone = 0;
  // 15. The spreadsheet palette likewise (spreadsheetPalette).
  // 16.
  ComboBox10->setItemIndex(0);
  // 17. to 19.
  ComboBox4Change(this);
  TabControl1Change(this);
  ComboBox9Change(this);
  // 20. Pattern upload.
  linkMode = 0;
  // 21.
  ApplyProfile();
  SetupZoneGrid();
  // 22. Trigger enabling rule.
  ComboTrigger1Change(this);
  // 23. Settings, second reading.
  LoadSettings();
  // 24. The colour dialog starts from white.
  ColorDialog1->setColor(levelColours[0]);
  lastChosenColour = levelColours[0];
}

void TForm2::FormClose(TObject*, TCloseAction&) { saveSettingsFile(*this); }

void TForm2::FormCanResize(TObject*, int&, int&, bool&) {
  // The width before the resize: the panel lags one resize behind the edge.
  GroupBox4->setLeft(width() - GroupBox4->width() - 28);
}

void TForm2::FormMouseMove(TObject*, TShiftState, int, int) {
  for (TControl* c : std::initializer_list<TControl*>{cxLabel1, cxLabel2, cxLabel3, cxGroupBox1, TimeComb, TimeComb2})
    c->hide();
}

void TForm2::ClearAllZones() {
  project.resetProject();
  StringGrid1->repaint();
  TabControl1Change(this);
}

void TForm2::BitBtn3Click(TObject*) { ClearAllZones(); }

void TForm2::LoadSettings() { loadSettingsFile(*this); }

}  // namespace hl
