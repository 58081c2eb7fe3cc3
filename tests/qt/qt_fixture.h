#pragma once
// A small window built from toolkit controls, shown through the Qt
// front-end and driven by Qt's event loop on the real clock.
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "platform/scripted_dialog_host.h"
#include "platform/toolkit.h"
#include "qt/event_loop_driver.h"
#include "qt/front_end.h"

namespace hl::test {

// Records the window messages it receives and on which thread.
class RecordingForm : public TForm {
 public:
  using TForm::TForm;
  void dispatchMessage(Message& message) override {
    received.push_back(message.msg);
    receivedOn = std::this_thread::get_id();
  }
  std::vector<unsigned> received;
  std::thread::id receivedOn;
};

class QtFormTest : public ::testing::Test {
 protected:
  QtFormTest() {
    form->setClientSize(400, 300);
    form->setCaption("Test window");
  }
  ~QtFormTest() override {
    frontEnd.reset();
    form.reset();
  }

  // A control on parent (the form when null) at the given place.
  template <class T>
  T* add(const std::string& name, int left, int top, int width, int height, TWinControl* parent = nullptr) {
    T* control = form->create<T>(name);
    control->setParent(parent ? parent : form.get());
    control->setBounds(left, top, width, height);
    return control;
  }

  // Builds the front-end and shows its window.
  void start() {
    frontEnd = std::make_unique<qt::QtFrontEnd>(*form, driver);
    frontEnd->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
  }

  QWidget& window() { return frontEnd->window(); }

  template <class W = QWidget>
  W* widget(const TComponent* component) {
    return dynamic_cast<W*>(frontEnd->widgetOf(component));
  }

  // Lets Qt deliver what is queued, including widgets deleted later.
  static void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
  }

  std::size_t errorBoxes() const { return dialogs.shownOf(ScriptedDialogHost::Kind::Exception).size(); }

  RealClock clock;
  ScriptedDialogHost dialogs;
  Application app{clock, dialogs};
  qt::EventLoopDriver driver{app};
  std::unique_ptr<RecordingForm> form = std::make_unique<RecordingForm>(app, "TestForm");
  std::unique_ptr<qt::QtFrontEnd> frontEnd;
};

}  // namespace hl::test
