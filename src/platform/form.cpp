#include "platform/form.h"

namespace hl {

TForm::TForm(Application& app, std::string name) : TWinControl(nullptr, std::move(name)), app_(app) {
  handle_ = app_.registerWindow(this);
}

TForm::~TForm() { app_.unregisterWindow(handle_); }

void TForm::doCreate() {
  app_.guard([this] {
    if (OnCreate) OnCreate(this);
  });
}

bool TForm::userResize(int newClientWidth, int newClientHeight) {
  int w = newClientWidth + kFrameWidth, h = newClientHeight + kFrameHeight;
  bool allowed = true;
  app_.guard([&] {
    if (OnCanResize) OnCanResize(this, w, h, allowed);
  });
  if (allowed) setBounds(left(), top(), w, h);
  return allowed;
}

bool TForm::userClose() {
  TCloseAction action = TCloseAction::caFree;
  app_.guard([&] {
    if (OnClose) OnClose(this, action);
  });
  // Only freeing or hiding the main window ends the program.
  if (action == TCloseAction::caNone || action == TCloseAction::caMinimize) return false;
  closed_ = true;
  app_.Terminate();
  return true;
}

void TForm::dispatchMessage(Message& message) { defaultHandler(message); }

void TForm::defaultHandler(Message&) {}

}  // namespace hl
