#include "platform/scripted_dialog_host.h"

namespace hl {

std::vector<ScriptedDialogHost::Shown> ScriptedDialogHost::shownOf(Kind kind) const {
  std::vector<Shown> out;
  for (const Shown& s : shown_)
    if (s.kind == kind) out.push_back(s);
  return out;
}

int ScriptedDialogHost::messageBox(const std::string& text, const std::string& caption, unsigned flags) {
  shown_.push_back({Kind::MessageBox, text, caption, flags, {}, {}});
  runWhileOpen();
  if (!boxAnswers_.empty()) {
    const int answer = boxAnswers_.front();
    boxAnswers_.pop_front();
    return answer;
  }
  const unsigned buttons = flags & MB_BUTTONMASK;
  return buttons == MB_YESNO || buttons == MB_YESNOCANCEL ? IDYES : IDOK;
}

void ScriptedDialogHost::showException(const std::string& title, const std::string& message) {
  shown_.push_back({Kind::Exception, message, title, 0, {}, {}});
  runWhileOpen();
}

bool ScriptedDialogHost::executeColorDialog(ColorDialogRequest& request) {
  shown_.push_back({Kind::ColorDialog, "", "", 0, {}, request});
  runWhileOpen();
  if (colors_.empty()) return false;
  const auto answer = colors_.front();
  colors_.pop_front();
  if (!answer) return false;
  request.color = *answer;
  return true;
}

bool ScriptedDialogHost::answerFile(std::deque<std::optional<std::string>>& queue, FileDialogRequest& request) {
  runWhileOpen();
  if (queue.empty()) return false;
  const auto answer = queue.front();
  queue.pop_front();
  if (!answer) return false;
  request.fileName = *answer;
  return true;
}

bool ScriptedDialogHost::executeOpenDialog(FileDialogRequest& request) {
  shown_.push_back({Kind::OpenDialog, request.fileName, request.title, 0, request, {}});
  return answerFile(openFiles_, request);
}

bool ScriptedDialogHost::executeSaveDialog(FileDialogRequest& request) {
  shown_.push_back({Kind::SaveDialog, request.fileName, request.title, 0, request, {}});
  return answerFile(saveFiles_, request);
}

}  // namespace hl
