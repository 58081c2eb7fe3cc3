// The buttons that save, open and export pattern files: thin glue between
// the file dialogs and the pattern files of the formats layer.
#include <string>

#include "app/form2.h"
#include "formats/project_files.h"

namespace hl {
namespace {

constexpr const char* kInfoTitle = "信息提示";
constexpr const char* kAllZonesFilter = "All files (*.*)|*.*|led files (*.Aled)|*.Aled";
constexpr const char* kOneZoneFilter = "All files (*.*)|*.*|led files (*.led)|*.led";
constexpr const char* kExportFilter = "All files (*.*)|*.*|ZKD files (*.ZKD)|*.ZKD";

void showMessage(TForm2& form, const std::string& text) {
  form.application().dialogs().messageBox(text, kInfoTitle, MB_OK);
}

// The saves refuse when no zone has a non-black cell in its second frame.
bool somethingToSave(TForm2& form) {
  if (HasAnyPattern(form.project, form.encoderInputs().lampCount)) return true;
  showMessage(form, "没有花样需要保存");
  return false;
}

// Sets up a file dialog; its initial folder is the executable's folder with
// its trailing separator followed by suffix.
void setUpDialog(TForm2& form, TFileDialog& dialog, const char* filter, const std::string& suffix) {
  dialog.setFilter(filter);
  dialog.setFilterIndex(2);
  dialog.setInitialDir(form.environment.executableDir + "/" + suffix);
}

void writeChosenFile(TForm2& form, const std::string& path, const PatternFileImages& images) {
  const std::string failure = writePatternFile(path, images);
  if (!failure.empty()) showMessage(form, "无法保存文件：\n" + path + "\n" + failure);
}

// Reads the chosen file; a file that cannot be read or fails the check is
// reported and changes nothing.
bool readChosenFile(TForm2& form, const std::string& path, const PatternReadRequest& request,
                    std::vector<ImageHeader>& headers) {
  const PatternFileResult result = readPatternFile(form.project, path, request);
  if (result.status == PatternFileResult::Status::Read) {
    headers = result.headers;
    return true;
  }
  const char* what =
      result.status == PatternFileResult::Status::Malformed ? "花样文件有误，未导入：\n" : "无法读取文件：\n";
  showMessage(form, what + path + "\n" + result.reason);
  return false;
}

}  // namespace

void TForm2::BitBtn6Click(TObject*) {
  if (!somethingToSave(*this)) return;
  setUpDialog(*this, *SaveDialog1, kAllZonesFilter, ".Aled");
  if (!SaveDialog1->execute()) return;
  const std::string path = withExtension(SaveDialog1->fileName(), kAllZonesExtension);
  Memo1->clearLines();
  writeChosenFile(*this, path, encodeAllZonesFile(project, encoderInputs()));
}

void TForm2::BitBtn8Click(TObject*) {
  if (!somethingToSave(*this)) return;
  setUpDialog(*this, *SaveDialog1, kOneZoneFilter, ".led");
  if (!SaveDialog1->execute()) return;
  const std::string path = withExtension(SaveDialog1->fileName(), kOneZoneExtension);
  writeChosenFile(*this, path, encodeOneZoneFile(project, encoderInputs(), project.currentZone));
}

void TForm2::BitBtn17Click(TObject*) {
  if (!somethingToSave(*this)) return;
  setUpDialog(*this, *SaveDialog1, kExportFilter, ".ZKD");
  SaveDialog1->setFileName(exportPresetName(ComboBox6->itemIndex()));
  if (!SaveDialog1->execute()) return;
  const std::string path = withExtension(SaveDialog1->fileName(), kExportExtension);
  writeChosenFile(*this, path, encodeExportFile(project, encoderInputs(), project.currentZone));
}

void TForm2::BitBtn4Click(TObject*) {
  setUpDialog(*this, *OpenDialog1, kAllZonesFilter, "Aled");
  if (!OpenDialog1->execute()) return;
  std::vector<ImageHeader> headers;
  if (!readChosenFile(*this, OpenDialog1->fileName(), {PatternReadUse::AllZones, 0}, headers)) return;
  TabControl1Change(this);
  StringGrid1->repaint();
}

void TForm2::BitBtn9Click(TObject*) {
  setUpDialog(*this, *OpenDialog1, kOneZoneFilter, "led");
  if (!OpenDialog1->execute()) return;
  std::vector<ImageHeader> headers;
  if (!readChosenFile(*this, OpenDialog1->fileName(), {PatternReadUse::OneZone, project.currentZone}, headers)) return;
  // The default-time fields show what the file holds, then the panel shows
  // the zone's record (which in PortPairs is the pair's even record).
  TComboBox* const values[] = {time1, time2, time3, time4, time5};
  TComboBox* const units[] = {timeT1, timeT2, timeT3, timeT4, timeT5};
  for (int k = 0; k < kDefaultTimeCount; ++k) {
    values[k]->setText(std::to_string(headers.front().defaultTimes[k].value));
    units[k]->setItemIndex(headers.front().defaultTimes[k].unit);
  }
  TabControl1Change(this);
  StringGrid1->repaint();
}

}  // namespace hl
