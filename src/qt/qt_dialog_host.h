#pragma once
// Message boxes and the colour, open and save dialogs as real Qt dialogs.
// Each is modal; Qt's nested event loop keeps timers and posted messages
// going while it is open, as the program expects of a modal box.
#include <QWidget>
#include <functional>

#include "platform/dialog_host.h"

namespace hl::qt {

class QtDialogHost final : public DialogHost {
 public:
  // Runs before a box opens, so that the window behind shows the latest state.
  void setBeforeShow(std::function<void()> hook) { beforeShow_ = std::move(hook); }

  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void showException(const std::string& title, const std::string& message) override;
  bool executeColorDialog(ColorDialogRequest& request) override;
  bool executeOpenDialog(FileDialogRequest& request) override;
  bool executeSaveDialog(FileDialogRequest& request) override;

 private:
  QWidget* prepareToShow();
  std::function<void()> beforeShow_;
};

}  // namespace hl::qt
