// The zone bar: showing a zone, the zone grid set-up and the preview layout.
#include <cmath>
#include <string>

#include "app/form2.h"
#include "model/family_rules.h"

namespace hl {
namespace {

// Rounds to the nearest integer, halves to the even neighbour.
int roundHalfEven(double value) {
  const double floorValue = std::floor(value);
  const double fraction = value - floorValue;
  long long result = static_cast<long long>(floorValue);
  if (fraction > 0.5 || (fraction == 0.5 && result % 2 != 0)) ++result;
  return static_cast<int>(result);
}

}  // namespace

void TForm2::SetupZoneGrid() {
  // 1. and 2.
  project.englishCaptions = 1;
  ComboBox10->setEnabled(false);
  CheckBox9->hide();
  BitBtn16->hide();
  // 3. The model's limits.
  const int model = ComboBox6->itemIndex();
  const ControllerProfile& profile = controllerProfile(model);
  const int maximum = lampMaximum(model, CheckBox9->checked());
  if (StrToInt(ComboBox4->text()) > maximum) ComboBox4->setItemIndex(maximum - 1);
  project.memoryBytes = profile.memoryBytes;
  if (profile.pairSelector) ComboBox10->setEnabled(true);
  if (profile.rgbwSwitch) CheckBox9->show();
  if (profile.chipButton) BitBtn16->show();
  // 4. and 5. A count below 1 (typed "0" or "-5") becomes 1: no grid, store
  // or preview has room for fewer lamps.
  if (StrToInt(ComboBox4->text()) < 1) ComboBox4->setText("1");
  const int lamps = StrToInt(ComboBox4->text());
  project.applyFrameCapacity(lamps);
  // 6.
  Label92->setCaption("step number:" + std::to_string(project.frameColumns));
  // 7. The preview width list follows the lamp count.
  const int previousWidth = ComboBox9->itemIndex();
  ComboBox9->clearItems();
  fillPreviewWidths(lamps);
  ComboBox9->setItemIndex(previousWidth < 0 ? 0 : previousWidth >= lamps ? lamps - 1 : previousWidth);
  // 8.
  sizeGridForCurrentZone(lamps);
}

void TForm2::fillPreviewWidths(int lamps) {
  std::vector<std::string> items;
  items.reserve(static_cast<std::size_t>(std::max(lamps, 0)));
  for (int i = 1; i <= lamps; ++i) items.push_back(std::to_string(i));
  ComboBox9->setItems(items);
}

void TForm2::sizeGridForCurrentZone(int lamps) {
  TStringGrid& grid = *StringGrid1;
  if (project.isSingleColourZone(project.currentZone)) {
    grid.setDefaultColWidth(25);
    grid.setDefaultRowHeight(15);
    grid.setRowCount(project.familyMode == FamilyMode::SingleBank ? 4 : 3 * lamps + 3);
    grid.setColCount(402);
    grid.setColWidth(1, 5);
  } else {
    grid.setDefaultColWidth(15);
    grid.setDefaultRowHeight(15);
    grid.setRowCount(lamps + 3);
    grid.setColCount(project.frameColumns);
    grid.setColWidth(1, 10);
  }
  grid.setRowHeight(0, 15);
  grid.setColWidth(0, 60);
  grid.setFontSize(8);
  grid.setGridLineWidth(1);
  grid.repaint();
}

void TForm2::ComboBox4Change(TObject*) { SetupZoneGrid(); }

void TForm2::TabControl1Change(TObject*) {
  // 1.
  project.currentZone = project.zoneOfTab(TabControl1->tabIndex(), ComboBox10->itemIndex());
  const ZoneSettings& settings = project.zoneSettings(project.settingsIndexOf(project.currentZone));
  // 2.
  BitBtn7->setCaption("[" + std::to_string(project.currentZone + 1) + "]area Send");
  // 3. to 6. Each control shows what is stored, so the change events store it again unchanged.
  Edit6->setText(std::to_string(settings.loopCount));
  if (settings.loopMode == LoopMode::Infinite) RadioButton3->setChecked(true);
  else if (settings.loopMode == LoopMode::Counted) RadioButton2->setChecked(true);
  else if (settings.loopMode == LoopMode::Once) RadioButton1->setChecked(true);
  ComboBox11->setItemIndex(settings.endAction);
  TComboBox* const values[] = {time1, time2, time3, time4, time5};
  TComboBox* const units[] = {timeT1, timeT2, timeT3, timeT4, timeT5};
  for (int k = 0; k < 5; ++k) {
    values[k]->setText(std::to_string(settings.defaultTimes[k].value));
    units[k]->setItemIndex(settings.defaultTimes[k].unit);
  }
  // 7.
  SetupZoneGrid();
  StringGrid1->repaint();
}

void TForm2::ComboBox9Change(TObject*) {
  const int lamps = StrToInt(ComboBox4->text());
  const int width = StrToInt(ComboBox9->text());
  if (width <= 0) throw Exception("The preview width must be at least 1.");
  const int length = roundHalfEven(static_cast<double>(lamps) / width);
  Label3->setCaption((project.englishCaptions == 1 ? "long：" : "预览长：") + std::to_string(length));
  LayoutPreviewLamps(lamps, width);
}
}  // namespace hl
