#include "app/form2.h"

namespace hl {

TForm2::TForm2(Application& app, const FormEnvironment& env) : Form2Controls(app), environment(env) {
  bindEvents();
}

TForm2::~TForm2() = default;

void TForm2::dispatchMessage(Message& message) {
  if (message.msg == SE_MSG_RECEIVE) {
    OnCommReceive(message);
    return;
  }
  Form2Controls::dispatchMessage(message);
}

std::unique_ptr<TForm2> createMainForm(Application& app, const FormEnvironment& environment) {
  auto form = std::make_unique<TForm2>(app, environment);
  form->doCreate();
  return form;
}

}  // namespace hl
