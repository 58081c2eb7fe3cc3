#pragma once
// The main window talking to a controller on a pseudo-terminal: either the
// simulated controller answering on its own thread, or the test answering by
// hand. The virtual clock drives the window's timers; pumpUntil lets real
// bytes arrive while it moves the clock on in small steps.
#include <chrono>
#include <functional>
#include <memory>
#include <thread>

#include "formats/pattern_image.h"
#include "platform/pseudo_terminal.h"
#include "sim/pty_controller.h"
#include "window_fixture.h"

namespace hl::test {

struct UploadFixture : WindowFixture {
  std::unique_ptr<sim::PtyController> controller;  // the simulated controller, when used
  std::unique_ptr<PseudoTerminal> line;            // the test's own controller side, when used
  TForm2* f = nullptr;

  // Starts the window with model m and lamps lamps, and a pattern of
  // frames frames in zones 0..9 (so every zone has an image of its own).
  void startWindow(int model = 0, int lamps = 10, int frames = 40) {
    f = &start();
    f->ComboBox6->userSelect(model);
    if (f->ComboBox4->enabled()) f->ComboBox4->userSelect(lamps - 1);
    for (int zone = 0; zone < 10; ++zone)
      for (int frame = 0; frame < frames; ++frame)
        f->project.setCell(zone, 3 + frame % 3, 2 + frame, 0x10 * (zone + 1) + frame);
  }
  void withSimulator(sim::ControllerBehaviour behaviour = {}) {
    controller = std::make_unique<sim::PtyController>(behaviour);
    f->ComboBox5->setText(controller->devicePath());
  }
  void withHandAnswers() {
    line = std::make_unique<PseudoTerminal>();
    f->ComboBox5->setText(line->devicePath());
  }

  // Delivers messages and lets real time pass. While the window waits for a
  // connect answer the virtual clock moves stepMs for each idle real
  // millisecond (so connect attempts come quickly); once connected it keeps
  // pace with real time, so a slow machine never trips the watchdog. False
  // when virtualLimitMs passed first.
  bool pumpUntil(const std::function<bool()>& done, std::int64_t virtualLimitMs = 20000, int stepMs = 5) {
    const std::int64_t end = clock.nowMs() + virtualLimitMs;
    const auto realEnd = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    while (clock.nowMs() < end && std::chrono::steady_clock::now() < realEnd) {
      app.deliverPostedMessages();
      if (done()) return true;
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      if (app.pendingMessageCount() == 0) clock.advance(f->link.link.state.awaitConnect ? stepMs : 1);
    }
    return done();
  }
  // Lets real bytes arrive for a while without moving the clock.
  void settle(int realMs = 40) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(realMs);
    while (std::chrono::steady_clock::now() < end) {
      app.deliverPostedMessages();
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    app.deliverPostedMessages();
  }
  // Hand answers: the frame the window sent last, and an answer to it.
  std::vector<std::uint8_t> sent(int timeoutMs = 500) { return line->receive(timeoutMs, 20); }
  void answer(const std::vector<std::uint8_t>& bytes) {
    line->send(bytes);
    settle();
  }

  std::string status() const { return f->Label13->caption(); }
  PatternImage expectedImage(int zone) const {
    return EncodePatternImage(f->project, f->encoderInputs(), zone, ImagePurpose::Upload, true);
  }
  std::vector<std::string> boxes() const {
    std::vector<std::string> texts;
    for (const auto& s : dialogs.shownOf(ScriptedDialogHost::Kind::MessageBox)) texts.push_back(s.text);
    return texts;
  }
};

}  // namespace hl::test
