// Qt's event loop drives the application: messages posted from other
// threads are delivered on the window's thread, timers fire on time.
#include <QPushButton>
#include <thread>

#include "qt_fixture.h"

namespace hl::test {
namespace {

using QtEventLoopTest = QtFormTest;

TEST_F(QtEventLoopTest, MessagesFromAnotherThreadArriveOnTheWindowsThread) {
  start();

  std::thread poster([this] {
    for (unsigned msg : {1642u, 1643u}) app.postMessage(form->handle(), msg, 0, 0);
  });
  poster.join();

  EXPECT_TRUE(QTest::qWaitFor([this] { return form->received.size() == 2; }, 2000));
  EXPECT_EQ(form->received, (std::vector<unsigned>{1642, 1643}));
  EXPECT_EQ(form->receivedOn, std::this_thread::get_id());
}

TEST_F(QtEventLoopTest, MessagesPostedBeforeTheLoopRunsAreDelivered) {
  app.postMessage(form->handle(), 7, 0, 0);
  start();
  EXPECT_TRUE(QTest::qWaitFor([this] { return !form->received.empty(); }, 2000));
}

TEST_F(QtEventLoopTest, TimersFireUnderTheQtLoop) {
  auto* timer = form->create<TTimer>("Timer");
  timer->setInterval(15);
  int ticks = 0;
  timer->setOnTimer([&](TObject*) { ++ticks; });
  start();

  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks >= 3; }, 2000));
}

TEST_F(QtEventLoopTest, ATimerStartedByAHandlerIsArmedWithoutMoreAdo) {
  auto* timer = form->create<TTimer>("Timer");
  timer->setEnabled(false);
  timer->setInterval(10);
  int ticks = 0;
  timer->setOnTimer([&](TObject*) {
    ++ticks;
    timer->setEnabled(false);  // a one-shot, as the link's watchdogs are used
  });
  auto* button = add<TButton>("Start", 10, 10, 75, 25);
  button->OnClick = [&](TObject*) { timer->setEnabled(true); };
  start();

  widget<QPushButton>(button)->click();

  EXPECT_TRUE(QTest::qWaitFor([&] { return ticks == 1; }, 2000));
  QTest::qWait(40);
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(driver.msUntilNextTimer(), -1);
}

}  // namespace
}  // namespace hl::test
