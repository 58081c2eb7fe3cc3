#pragma once
// A top-level window: caption, client area, creation and closing events,
// and a message dispatch for posted window messages.
#include <functional>

#include "platform/application.h"
#include "platform/controls.h"

namespace hl {

enum class TCloseAction { caNone, caHide, caFree, caMinimize };
using TCloseEvent = std::function<void(TObject* sender, TCloseAction& action)>;
using TCanResizeEvent = std::function<void(TObject* sender, int& newWidth, int& newHeight, bool& resize)>;

class TForm : public TWinControl, public MessageTarget {
 public:
  // The frame around the client area, as the desktop draws it: borders of
  // 8 pixels and a title bar that makes the window 39 pixels higher.
  static constexpr int kFrameWidth = 16;
  static constexpr int kFrameHeight = 39;

  TForm(Application& app, std::string name);
  ~TForm() override;
  const char* className() const override { return "TForm"; }
  Application& application() const override { return app_; }

  WindowHandle handle() const { return handle_; }
  // The client area starts inside the left border and below the title bar.
  TPoint clientOrigin() const override { return {left() + kFrameWidth / 2, top() + kFrameHeight - kFrameWidth / 2}; }

  int clientWidth() const { return width() - kFrameWidth; }
  int clientHeight() const { return height() - kFrameHeight; }
  void setClientSize(int w, int h) { setBounds(left(), top(), w + kFrameWidth, h + kFrameHeight); }

  TNotifyEvent OnCreate;
  TCloseEvent OnClose;
  TCanResizeEvent OnCanResize;

  // Raises OnCreate as the toolkit does once the window is built; an
  // exception goes to the default error box.
  void doCreate();
  // The user resizes the client area: OnCanResize may refuse or change it.
  bool userResize(int clientWidth, int clientHeight);
  // The user closes the window: OnClose decides; returns true when it closes.
  bool userClose();
  bool closed() const { return closed_; }

  // Posted messages arrive here on the window's thread.
  void dispatchMessage(Message& message) override;

 protected:
  // What a message that the window does not handle itself gets.
  virtual void defaultHandler(Message& message);

 private:
  Application& app_;
  WindowHandle handle_;
  bool closed_ = false;
};

}  // namespace hl
