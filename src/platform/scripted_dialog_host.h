#pragma once
// A dialog host for tests: answers come from a queue, and every box or
// dialog shown is recorded. With nothing queued a message box answers with
// its first button and a dialog is cancelled.
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/dialog_host.h"

namespace hl {

class ScriptedDialogHost : public DialogHost {
 public:
  enum class Kind { MessageBox, Exception, ColorDialog, OpenDialog, SaveDialog };
  struct Shown {
    Kind kind;
    std::string text;     // message, or the dialog's preset file name
    std::string caption;  // box title, or the dialog's title
    unsigned flags = 0;
    FileDialogRequest file;    // for file dialogs
    ColorDialogRequest color;  // for the colour dialog
  };

  void queueMessageBoxAnswer(int result) { boxAnswers_.push_back(result); }
  // nullopt cancels the dialog.
  void queueColor(std::optional<TColor> color) { colors_.push_back(color); }
  void queueOpenFile(std::optional<std::string> path) { openFiles_.push_back(std::move(path)); }
  void queueSaveFile(std::optional<std::string> path) { saveFiles_.push_back(std::move(path)); }
  // Runs while any box or dialog is open, as the message loop would.
  void setWhileOpen(std::function<void()> fn) { whileOpen_ = std::move(fn); }

  const std::vector<Shown>& shown() const { return shown_; }
  std::vector<Shown> shownOf(Kind kind) const;
  void clearShown() { shown_.clear(); }

  int messageBox(const std::string& text, const std::string& caption, unsigned flags) override;
  void showException(const std::string& title, const std::string& message) override;
  bool executeColorDialog(ColorDialogRequest& request) override;
  bool executeOpenDialog(FileDialogRequest& request) override;
  bool executeSaveDialog(FileDialogRequest& request) override;

 private:
  bool answerFile(std::deque<std::optional<std::string>>& queue, FileDialogRequest& request);
  void runWhileOpen() {
    if (whileOpen_) whileOpen_();
  }

  std::deque<int> boxAnswers_;
  std::deque<std::optional<TColor>> colors_;
  std::deque<std::optional<std::string>> openFiles_, saveFiles_;
  std::function<void()> whileOpen_;
  std::vector<Shown> shown_;
};

}  // namespace hl
