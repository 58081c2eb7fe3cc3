#pragma once
// The real main window, started with temporary folders and shown through the
// Qt front-end on the real clock.
#include <memory>

#include "app/entry.h"
#include "app/form2.h"
#include "qt_fixture.h"
#include "support/temp_dir.h"

namespace hl::test {

class QtMainWindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    prepareApplication(app);
    form = createMainForm(app, FormEnvironment{exeDir.path().string(), startDir.path().string()});
    beforeShowing();
    frontEnd = std::make_unique<qt::QtFrontEnd>(*form, driver);
    frontEnd->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window()));
  }
  void TearDown() override {
    frontEnd.reset();
    form.reset();
  }
  // Changes to the window made before its widgets exist.
  virtual void beforeShowing() {}

  QWidget& window() { return frontEnd->window(); }
  template <class W = QWidget>
  W* widget(const TComponent* component) {
    return dynamic_cast<W*>(frontEnd->widgetOf(component));
  }
  std::size_t errorBoxes() const { return dialogs.shownOf(ScriptedDialogHost::Kind::Exception).size(); }

  TempDir exeDir, startDir;
  RealClock clock;
  ScriptedDialogHost dialogs;
  Application app{clock, dialogs};
  qt::EventLoopDriver driver{app};
  std::unique_ptr<TForm2> form;
  std::unique_ptr<qt::QtFrontEnd> frontEnd;
};

}  // namespace hl::test
