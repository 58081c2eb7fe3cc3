// Timers on the virtual clock and messages posted from other threads.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

#include "toolkit_fixture.h"

namespace hl::test {
namespace {

struct Timers : ToolkitFixture {
  std::vector<std::string> fired;
  TTimer* timer(const std::string& name, int interval) {
    TTimer* t = form->create<TTimer>(name);
    t->setInterval(interval);
    t->setOnTimer([this, name](TObject*) { fired.push_back(name + "@" + std::to_string(clock.nowMs())); });
    return t;
  }
};

TEST(TimersOnVirtualClock, FireInOrderOfDueTimeAndRearm) {
  Timers t;
  t.timer("fast", 300);
  t.timer("slow", 500);
  t.clock.advance(1000);
  EXPECT_EQ(t.fired, (std::vector<std::string>{"fast@300", "slow@500", "fast@600", "fast@900", "slow@1000"}));
}

TEST(TimersOnVirtualClock, DisabledOrUnboundTimersNeverFire) {
  Timers t;
  TTimer* off = t.timer("off", 100);
  off->setEnabled(false);
  TTimer* unbound = t.form->create<TTimer>("unbound");
  unbound->setInterval(100);
  t.clock.advance(1000);
  EXPECT_TRUE(t.fired.empty());
  EXPECT_FALSE(t.app.nextTimerDue().has_value());
}

TEST(TimersOnVirtualClock, AHandlerMayDisableOrRetimeItsOwnTimer) {
  Timers t;
  TTimer* once = t.timer("once", 200);
  once->setOnTimer([&](TObject*) {
    t.fired.push_back("once@" + std::to_string(t.clock.nowMs()));
    once->setEnabled(false);
  });
  TTimer* slower = t.timer("slower", 100);
  slower->setOnTimer([&](TObject*) {
    t.fired.push_back("slower@" + std::to_string(t.clock.nowMs()));
    slower->setInterval(slower->interval() * 2);
  });
  t.clock.advance(1000);
  EXPECT_EQ(t.fired, (std::vector<std::string>{"slower@100", "once@200", "slower@300", "slower@700"}));
}

TEST(TimersOnVirtualClock, EnablingRestartsTheCountFromNow) {
  Timers t;
  TTimer* x = t.timer("x", 500);
  t.clock.advance(400);
  x->setEnabled(false);
  x->setEnabled(true);
  t.clock.advance(400);
  EXPECT_TRUE(t.fired.empty());
  t.clock.advance(100);
  EXPECT_EQ(t.fired, (std::vector<std::string>{"x@900"}));
}

TEST(TimersOnVirtualClock, AFailingHandlerIsReportedAndTheTimerGoesOn) {
  Timers t;
  TTimer* bad = t.timer("bad", 100);
  int calls = 0;
  bad->setOnTimer([&](TObject*) {
    ++calls;
    throw Exception("boom");
  });
  t.clock.advance(300);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(t.errorBoxes(), 3u);
}

TEST(TimersOnVirtualClock, DestroyedTimerIsForgotten) {
  Timers t;
  TTimer* x = t.timer("x", 100);
  t.form->destroyComponent(x);
  t.clock.advance(500);
  EXPECT_TRUE(t.fired.empty());
}

class RecordingForm : public TForm {
 public:
  using TForm::TForm;
  std::vector<std::uintptr_t> received;
  void dispatchMessage(Message& m) override {
    if (m.msg == 1642) received.push_back(m.wParam);
  }
};

TEST(PostedMessages, FromAnotherThreadArriveInOrderOnTheWindowThread) {
  VirtualClock clock;
  ScriptedDialogHost dialogs;
  Application app(clock, dialogs);
  RecordingForm form(app, "Form");
  std::atomic<int> wakes{0};
  app.setWakeHandler([&] { ++wakes; });
  constexpr int kCount = 2000;
  std::thread poster([&] {
    for (int i = 0; i < kCount; ++i) ASSERT_TRUE(app.postMessage(form.handle(), 1642, static_cast<std::uintptr_t>(i), 0));
  });
  // The window thread keeps handling messages while the other thread posts.
  while (static_cast<int>(form.received.size()) < kCount) app.ProcessMessages();
  poster.join();
  ASSERT_EQ(static_cast<int>(form.received.size()), kCount);
  for (int i = 0; i < kCount; ++i) ASSERT_EQ(form.received[i], static_cast<std::uintptr_t>(i));
  EXPECT_EQ(wakes.load(), kCount);
}

TEST(PostedMessages, NothingReachesAWindowThatIsGone) {
  VirtualClock clock;
  ScriptedDialogHost dialogs;
  Application app(clock, dialogs);
  auto form = std::make_unique<RecordingForm>(app, "Form");
  const WindowHandle handle = form->handle();
  ASSERT_TRUE(app.postMessage(handle, 1642, 1, 0));
  form.reset();
  EXPECT_EQ(app.pendingMessageCount(), 0u);
  EXPECT_FALSE(app.postMessage(handle, 1642, 2, 0));
  auto another = std::make_unique<RecordingForm>(app, "Other");
  EXPECT_NE(another->handle(), handle) << "handles are never reused";
  app.ProcessMessages();
  EXPECT_TRUE(another->received.empty());
}

TEST(PostedMessages, AreDeliveredWhileTheVirtualClockAdvances) {
  VirtualClock clock;
  ScriptedDialogHost dialogs;
  Application app(clock, dialogs);
  RecordingForm form(app, "Form");
  app.postMessage(form.handle(), 1642, 7, 0);
  clock.advance(10);
  EXPECT_EQ(form.received, (std::vector<std::uintptr_t>{7}));
}

}  // namespace
}  // namespace hl::test
