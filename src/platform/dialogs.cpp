#include "platform/dialogs.h"

#include "platform/application.h"

namespace hl {

bool TColorDialog::execute() {
  ColorDialogRequest working = request_;
  if (!application().dialogs().executeColorDialog(working)) return false;
  request_ = working;
  return true;
}

bool TOpenDialog::execute() {
  FileDialogRequest working = request_;
  if (!application().dialogs().executeOpenDialog(working)) return false;
  request_ = working;
  return true;
}

bool TSaveDialog::execute() {
  FileDialogRequest working = request_;
  if (!application().dialogs().executeSaveDialog(working)) return false;
  request_ = working;
  return true;
}

}  // namespace hl
