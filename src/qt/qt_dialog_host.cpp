#include "qt/qt_dialog_host.h"

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>

#include "qt/colours.h"
#include "qt/custom_colours.h"
#include "qt/file_filter.h"
#include "qt/text.h"

namespace hl::qt {
namespace {

QMessageBox::StandardButtons buttonsOf(unsigned flags) {
  switch (flags & MB_BUTTONMASK) {
    case MB_OKCANCEL: return QMessageBox::Ok | QMessageBox::Cancel;
    case MB_YESNOCANCEL: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::Yes | QMessageBox::No;
    default: return QMessageBox::Ok;
  }
}

QMessageBox::Icon iconOf(unsigned flags) {
  switch (flags & 0xF0u) {
    case MB_ICONERROR: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONWARNING: return QMessageBox::Warning;
    case MB_ICONINFORMATION: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

// Closing the box without a button counts as its cancelling button.
QMessageBox::StandardButton escapeButtonOf(unsigned flags) {
  switch (flags & MB_BUTTONMASK) {
    case MB_OKCANCEL: case MB_YESNOCANCEL: return QMessageBox::Cancel;
    case MB_YESNO: return QMessageBox::No;
    default: return QMessageBox::Ok;
  }
}

int resultOf(int button) {
  switch (button) {
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    default: return IDOK;
  }
}

void loadCustomColours(const std::vector<std::string>& entries) {
  for (const std::string& entry : entries)
    if (const auto parsed = parseCustomColour(entry)) QColorDialog::setCustomColor(parsed->first, toQColor(parsed->second));
}

std::vector<std::string> savedCustomColours() {
  std::vector<std::string> entries;
  for (int slot = 0; slot < kCustomColourSlots; ++slot)
    entries.push_back(formatCustomColour(slot, fromQColor(QColorDialog::customColor(slot))));
  return entries;
}

QString startFolderOf(const FileDialogRequest& request) {
  if (!request.initialDir.empty()) return toQString(request.initialDir);
  const QFileInfo preset(toQString(request.fileName));
  return preset.isAbsolute() ? preset.absolutePath() : QString();
}

bool runFileDialog(QWidget* parent, FileDialogRequest& request, QFileDialog::AcceptMode mode) {
  QFileDialog dialog(parent, toQString(request.title), startFolderOf(request));
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The program's save dialogs ask no overwrite question; it decides itself.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  const QStringList filters = toQtNameFilters(request.filter);
  if (!filters.isEmpty()) {
    dialog.setNameFilters(filters);
    if (request.filterIndex >= 1 && request.filterIndex <= filters.size()) dialog.selectNameFilter(filters[request.filterIndex - 1]);
  }
  if (!request.defaultExt.empty()) dialog.setDefaultSuffix(toQString(request.defaultExt));
  if (!request.fileName.empty()) dialog.selectFile(QFileInfo(toQString(request.fileName)).fileName());
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
  request.fileName = toUtf8(dialog.selectedFiles().first());
  if (const int chosen = static_cast<int>(filters.indexOf(dialog.selectedNameFilter())); chosen >= 0) request.filterIndex = chosen + 1;
  return true;
}

}  // namespace

QWidget* QtDialogHost::prepareToShow() {
  if (beforeShow_) beforeShow_();
  return QApplication::activeWindow();
}

int QtDialogHost::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
  QMessageBox box(iconOf(flags), toQString(caption), toQString(text), buttonsOf(flags), prepareToShow());
  box.setEscapeButton(escapeButtonOf(flags));
  box.exec();
  const QMessageBox::StandardButton pressed = box.standardButton(box.clickedButton());
  return resultOf(pressed == QMessageBox::NoButton ? escapeButtonOf(flags) : pressed);
}

void QtDialogHost::showException(const std::string& title, const std::string& message) {
  QMessageBox box(QMessageBox::Critical, toQString(title), toQString(message), QMessageBox::Ok, prepareToShow());
  box.exec();
}

bool QtDialogHost::executeColorDialog(ColorDialogRequest& request) {
  QWidget* parent = prepareToShow();
  loadCustomColours(request.customColors);
  QColorDialog dialog(toQColor(request.color), parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  request.color = fromQColor(dialog.selectedColor());
  request.customColors = savedCustomColours();
  return true;
}

bool QtDialogHost::executeOpenDialog(FileDialogRequest& request) {
  return runFileDialog(prepareToShow(), request, QFileDialog::AcceptOpen);
}

bool QtDialogHost::executeSaveDialog(FileDialogRequest& request) {
  return runFileDialog(prepareToShow(), request, QFileDialog::AcceptSave);
}

}  // namespace hl::qt
