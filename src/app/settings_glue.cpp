// Config.ini and the working pattern of the main window.
#include "app/settings_glue.h"

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/form2.h"
#include "formats/working_pattern.h"
#include "platform/paths.h"

namespace hl {
namespace {

constexpr const char* kSection = "Config";
constexpr const char* kConfigFile = "Config.ini";
constexpr const char* kInfoTitle = "信息提示";

void exitProcess(int status) { std::exit(status); }
ProcessExit writeFailureExit = exitProcess;

std::string configPath(const TForm2& form) { return joinPath(form.environment.startupDir, kConfigFile); }

// One integer key of the file: its name, its default and where its value goes.
struct IndexKey {
  std::string key;
  std::string fallback;
  std::function<void(int)> apply;
};

using ListGroup = std::pair<std::string, std::vector<TComboBox*>>;  // key prefix, lists numbered from 1

// The lists stored by selected index before the default times, in file order.
std::vector<std::pair<std::string, TComboBox*>> leadingLists(TForm2& f) {
  return {{"HYTYPE", f.ComboBox6}, {"NUM", f.ComboBox4},  {"LEFT", f.ComboBox9},
          {"RGB", f.ComboBox8},    {"SET1", f.ComboBox3}, {"SET2", f.ComboBox1}};
}

std::vector<TComboBox*> timeBoxes(TForm2& f) { return {f.time1, f.time2, f.time3, f.time4, f.time5}; }
std::vector<TComboBox*> unitLists(TForm2& f) { return {f.timeT1, f.timeT2, f.timeT3, f.timeT4, f.timeT5}; }

// Trigger lists, then the zone-mode panel's lists, in file order.
std::vector<ListGroup> triggerGroups(TForm2& f) {
  return {{"ComboTrigger", {f.ComboTrigger1, f.ComboTrigger2, f.ComboTrigger3}},
          {"ComboTriggerOpen", {f.ComboTriggerOpen1, f.ComboTriggerOpen2, f.ComboTriggerOpen3}},
          {"ComboTriggerClose", {f.ComboTriggerClose1, f.ComboTriggerClose2, f.ComboTriggerClose3}}};
}
std::vector<ListGroup> zoneModeGroups(TForm2& f) {
  return {{"oddset",
           {f.ComboBox12, f.ComboBox13, f.ComboBox14, f.ComboBox15, f.ComboBox16, f.ComboBox30, f.ComboBox32,
            f.ComboBox34}},
          {"Cddset", {f.ComboBox17, f.ComboBox18, f.ComboBox19, f.ComboBox20}},
          {"pgset",
           {f.ComboBox21, f.ComboBox23, f.ComboBox24, f.ComboBox25, f.ComboBox26, f.ComboBox31, f.ComboBox33,
            f.ComboBox35}},
          {"Cpgset", {f.ComboBox22, f.ComboBox27, f.ComboBox28, f.ComboBox29}}};
}

void addListKeys(std::vector<IndexKey>& keys, const ListGroup& group) {
  for (std::size_t i = 0; i < group.second.size(); ++i)
    keys.push_back(
        {group.first + std::to_string(i + 1), "0", [box = group.second[i]](int v) { box->setItemIndex(v); }});
}

// The integer keys after the default times, in file order, up to Cpgset4.
std::vector<IndexKey> keysAfterTimes(TForm2& f) {
  std::vector<IndexKey> keys;
  // A missing unit key means milliseconds: a first start without a settings
  // file is not a read failure.
  addListKeys(keys, {"TIMETYPE", unitLists(f)});
  for (int zone = 0; zone < kZoneSlots; ++zone)
    keys.push_back({"XunHuanType" + std::to_string(zone + 1), "0",
                    [&f, zone](int v) { f.project.zoneSettings(zone).endAction = v; }});
  for (const ListGroup& group : triggerGroups(f)) addListKeys(keys, group);
  keys.push_back({"ComboBoot", "0", [&f](int v) { f.ComboBoot->setItemIndex(v); }});  // read, never written
  for (const ListGroup& group : zoneModeGroups(f)) addListKeys(keys, group);
  return keys;
}

int readIndex(const TIniFile& ini, const std::string& key, const std::string& fallback) {
  return StrToInt(ini.ReadString(kSection, key, fallback));
}

// Every key in order; raises EConvertError at the first value that is not
// a number, leaving the keys before it applied.
void readKeys(TForm2& f, const TIniFile& ini) {
  readIndex(ini, "Dtype", "1");
  // Without a stored port the list keeps the port start-up chose: "COM1"
  // names no port here, where ports are device paths.
  if (ini.ValueExists(kSection, "COM")) f.ComboBox5->setText(ini.ReadString(kSection, "COM", "COM1"));
  for (const auto& [key, box] : leadingLists(f)) box->setItemIndex(readIndex(ini, key, key == "RGB" ? "5" : "0"));
  const char* const timeDefaults[] = {"1000", "800", "600", "400", "200"};
  const auto boxes = timeBoxes(f);
  for (int k = 0; k < kDefaultTimeCount; ++k)
    boxes[std::size_t(k)]->setText(ini.ReadString(kSection, "TIME" + std::to_string(k + 1), timeDefaults[k]));
  for (const IndexKey& key : keysAfterTimes(f)) key.apply(readIndex(ini, key.key, key.fallback));
  f.ComboBox6Change(&f);
  // Without a stored flag the grid set-up's 1 stays, as it always did on a
  // first start.
  if (ini.ValueExists(kSection, "Languages")) f.project.englishCaptions = readIndex(ini, "Languages", "0");
}

void writeKeys(TForm2& f, TIniFile& ini) {
  ini.WriteString(kSection, "COM", f.ComboBox5->text());
  for (const auto& [key, box] : leadingLists(f)) ini.WriteInteger(kSection, key, box->itemIndex());
  const auto boxes = timeBoxes(f);
  const auto units = unitLists(f);
  for (std::size_t k = 0; k < boxes.size(); ++k) {
    ini.WriteString(kSection, "TIME" + std::to_string(k + 1), boxes[k]->text());
    ini.WriteInteger(kSection, "TIMETYPE" + std::to_string(k + 1), units[k]->itemIndex());
  }
  const std::string model = f.ComboBox6->text();
  if (model.find_first_not_of(" \t") == std::string::npos || model == "0") f.ComboBox6->setItemIndex(0);
  ini.WriteInteger(kSection, "Type", f.ComboBox6->itemIndex());
  ini.WriteInteger(kSection, "Languages", f.project.englishCaptions > 1 ? 0 : f.project.englishCaptions);
  for (int zone = 0; zone < kZoneSlots; ++zone)
    ini.WriteInteger(kSection, "XunHuanType" + std::to_string(zone + 1), f.project.zoneSettings(zone).endAction);
  std::vector<ListGroup> groups = triggerGroups(f);
  for (ListGroup& group : zoneModeGroups(f)) groups.push_back(std::move(group));
  for (const auto& [prefix, lists] : groups)
    for (std::size_t i = 0; i < lists.size(); ++i)
      ini.WriteInteger(kSection, prefix + std::to_string(i + 1), lists[i]->itemIndex());
}

}  // namespace

void setSettingsWriteFailureExit(ProcessExit exit) { writeFailureExit = exit ? exit : exitProcess; }

void loadSettingsFile(TForm2& form) {
  const TIniFile ini(configPath(form));
  try {
    readKeys(form, ini);
  } catch (const EConvertError&) {
    form.application().dialogs().messageBox("读取配置文件config.ini失败!", "信息提示!", MB_OK | MB_ICONINFORMATION);
  }
  form.RestoreWorkingPattern();
}

void saveSettingsFile(TForm2& form) {
  std::string failure;
  try {
    TIniFile ini(configPath(form));
    writeKeys(form, ini);
    failure = writeFamilyWorkingPattern(form);
  } catch (const Exception& e) {
    failure = e.what();
  }
  if (failure.empty()) return;
  form.application().dialogs().messageBox("写入配置文件config.ini失败!", form.application().title(), MB_OK);
  writeFailureExit(-1);
}

std::string writeFamilyWorkingPattern(TForm2& form) {
  const std::string path = workingPatternPath(form.environment.startupDir, form.project.familyMode);
  return writeWorkingPattern(path, form.project, form.encoderInputs());
}

void restoreFamilyWorkingPattern(TForm2& form) {
  const std::string path = workingPatternPath(form.environment.startupDir, form.project.familyMode);
  const WorkingPatternRestore restore = restoreWorkingPattern(form.project, path);
  using Outcome = WorkingPatternRestore::Outcome;
  if (restore.outcome == Outcome::Unreadable || restore.outcome == Outcome::Damaged) {
    std::string text =
        (restore.outcome == Outcome::Damaged ? "工作花样文件已损坏，未载入：\n" : "无法读取工作花样文件：\n") + path +
        "\n" + restore.reason + "\n";
    text +=
        restore.movedTo.empty() ? "文件无法改名保存，关闭程序时会被覆盖。" : "原文件已改名保存为：\n" + restore.movedTo;
    form.application().dialogs().messageBox(text, kInfoTitle, MB_OK);
  }
  form.StringGrid1->repaint();
}

}  // namespace hl
