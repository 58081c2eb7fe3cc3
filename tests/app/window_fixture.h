#pragma once
// The main window built headless: virtual clock, scripted dialogs, and
// temporary folders for the executable's folder and the start-up directory.
#include <memory>

#include "app/entry.h"
#include "app/form2.h"
#include "platform/scripted_dialog_host.h"
#include "platform/toolkit.h"
#include "support/temp_dir.h"

namespace hl::test {

struct WindowFixture {
  TempDir exeDir;
  TempDir startDir;
  VirtualClock clock;
  ScriptedDialogHost dialogs;
  Application app{clock, dialogs};
  std::unique_ptr<TForm2> form;

  // Builds and starts the window; call after placing files in the folders.
  TForm2& start() {
    prepareApplication(app);
    form = createMainForm(app, FormEnvironment{exeDir.path().string(), startDir.path().string()});
    return *form;
  }
  std::size_t errorBoxes() const { return dialogs.shownOf(ScriptedDialogHost::Kind::Exception).size(); }
};

}  // namespace hl::test
