// The zone settings of the zone bar and the default time boxes. Every
// change is stored at once in the settings record of the zone shown.
#include <string>

#include "app/form2.h"

namespace hl {

ZoneSettings& TForm2::shownZoneSettings() { return project.zoneSettings(project.settingsIndexOf(project.currentZone)); }

void TForm2::RadioButton1Click(TObject*) {
  if (!RadioButton1->checked()) return;
  ZoneSettings& s = shownZoneSettings();
  s.loopMode = LoopMode::Once;
  s.loopCount = StrToInt(Edit6->text());
}

void TForm2::RadioButton2Click(TObject*) {
  if (!RadioButton2->checked()) return;
  ZoneSettings& s = shownZoneSettings();
  s.loopMode = LoopMode::Counted;
  s.loopCount = StrToInt(Edit6->text());
}

void TForm2::RadioButton3Click(TObject*) {
  if (!RadioButton3->checked()) return;
  ZoneSettings& s = shownZoneSettings();
  s.loopMode = LoopMode::Infinite;
  s.loopCount = StrToInt(Edit6->text());
}

void TForm2::Edit6Change(TObject*) { shownZoneSettings().loopCount = StrToInt(Edit6->text()); }

void TForm2::Edit6KeyPress(TObject*, char& Key) {
  const bool digit = Key >= '0' && Key <= '9';
  if (!digit && Key != VK_BACK) Key = 0;
}

void TForm2::ComboBox11Change(TObject*) { shownZoneSettings().endAction = ComboBox11->itemIndex(); }

void TForm2::storeDefaultTime(int k) {
  TComboBox* const values[] = {time1, time2, time3, time4, time5};
  TComboBox* const units[] = {timeT1, timeT2, timeT3, timeT4, timeT5};
  DefaultTime& time = shownZoneSettings().defaultTimes[k];
  time.value = StrToInt(values[k]->text());
  time.unit = units[k]->itemIndex();
}

void TForm2::time1Change(TObject*) {
  for (int k = 0; k < kDefaultTimeCount; ++k) storeDefaultTime(k);
}

void TForm2::emptyDefaultTimeBecomesTen(TComboBox& box, int k) {
  if (!box.text().empty()) return;
  box.setText("10");
  storeDefaultTime(k);
}

void TForm2::time2Exit(TObject*) { emptyDefaultTimeBecomesTen(*time2, 1); }
void TForm2::time3Exit(TObject*) { emptyDefaultTimeBecomesTen(*time3, 2); }
void TForm2::time4Exit(TObject*) { emptyDefaultTimeBecomesTen(*time4, 3); }
void TForm2::time5Exit(TObject*) { emptyDefaultTimeBecomesTen(*time5, 4); }

void TForm2::CheckBox9Click(TObject*) {
  const int limit = CheckBox9->checked() ? 128 : 170;
  if (StrToInt(ComboBox4->text()) > limit) ComboBox4->setItemIndex(limit - 1);
  SetupZoneGrid();
}

void TForm2::CheckBox4Click(TObject*) { GroupBox1->setVisible(CheckBox4->checked()); }

void TForm2::CheckBox2Click(TObject*) {}

void TForm2::TimeCombChange(TObject*) {
  const int column = clickedCell.x;
  if (column >= kFirstFrameColumn && column < kStoreColumns)
    project.setFrameTimeUnit(project.currentZone, column, TimeComb->itemIndex());
  TimeComb->hide();
  StringGrid1->repaint();
}

void TForm2::TimeComb2Change(TObject*) {
  const int column = clickedCell.x;
  const int value = StrToInt(TimeComb2->text());
  if (column >= kFirstFrameColumn && column < kStoreColumns) project.setFrameTimeValue(project.currentZone, column, value);
  TimeComb2->hide();
  StringGrid1->repaint();
}

void TForm2::ComboBox10Change(TObject*) {
  TabControl1Change(this);
  StringGrid1->repaint();
}

}  // namespace hl
