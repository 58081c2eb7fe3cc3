#pragma once
// A headless application with a virtual clock and a scripted dialog host,
// and a bare window to put controls on.
#include <memory>

#include "platform/toolkit.h"
#include "platform/scripted_dialog_host.h"

namespace hl::test {

struct ToolkitFixture {
  VirtualClock clock;
  ScriptedDialogHost dialogs;
  Application app{clock, dialogs};
  std::unique_ptr<TForm> form = std::make_unique<TForm>(app, "Form1");

  template <class T>
  T* add(const std::string& name, TWinControl* parent = nullptr) {
    T* control = form->create<T>(name);
    if constexpr (std::is_base_of_v<TControl, T>) control->setParent(parent ? parent : form.get());
    return control;
  }
  std::size_t errorBoxes() const { return dialogs.shownOf(ScriptedDialogHost::Kind::Exception).size(); }
};

}  // namespace hl::test
