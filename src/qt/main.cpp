// The program's entry point: the Qt application, the application object of
// the toolkit with the real clock and real dialogs, the main window and its
// front-end; then Qt's event loop runs until the window closes.
#include <QApplication>
#include <QMessageBox>
#include <exception>
#include <string>

#include "app/entry.h"
#include "app/form2.h"
#include "platform/application.h"
#include "platform/clock.h"
#include "platform/paths.h"
#include "qt/app_font.h"
#include "qt/event_loop_driver.h"
#include "qt/front_end.h"
#include "qt/qt_dialog_host.h"
#include "qt/text.h"

namespace {

// title receives the application's title as soon as it has one, for the
// error box of an exception that ends the program.
int runProgram(QApplication& qapp, std::string& title) {
  hl::RealClock clock;
  hl::qt::QtDialogHost dialogs;
  hl::Application app(clock, dialogs);
  hl::prepareApplication(app);
  title = app.title();

  hl::qt::EventLoopDriver driver(app);
  driver.setTerminateHandler([] { QCoreApplication::quit(); });
  dialogs.setBeforeShow([&driver] { driver.afterModelWork(); });

  auto form = hl::createMainForm(app, hl::FormEnvironment{hl::executableDirectory(), hl::currentDirectory()});
  hl::qt::QtFrontEnd frontEnd(*form, driver);
  frontEnd.show();
  return qapp.exec();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setFont(hl::qt::applicationFont());
  std::string title;
  try {
    return runProgram(qapp, title);
  } catch (const std::exception& error) {
    QMessageBox::critical(nullptr, hl::qt::toQString(title), hl::qt::toQString(error.what()));
  } catch (...) {
    // Something that is not an exception is shown with an empty message.
    QMessageBox::critical(nullptr, hl::qt::toQString(title), QString());
  }
  return 1;
}
