#pragma once
// The control base classes: geometry, anchors, visibility, enabling, caption,
// colours, hint, the mouse and key events, and the user-action entry points
// that tests and the front-end call.
#include <functional>
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/types.h"

namespace hl {

class TWinControl;
class TPopupMenu;

using TNotifyEvent = std::function<void(TObject* sender)>;
using TKeyPressEvent = std::function<void(TObject* sender, char& key)>;
using TMouseEvent = std::function<void(TObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(TObject* sender, TShiftState shift, int x, int y)>;

class TControl : public TComponent {
 public:
  TControl(TComponent* owner, std::string name);
  ~TControl() override;

  TWinControl* parent() const { return parent_; }
  void setParent(TWinControl* parent);

  int left() const { return left_; }
  int top() const { return top_; }
  int width() const { return width_; }
  int height() const { return height_; }
  TRect boundsRect() const { return {left_, top_, left_ + width_, top_ + height_}; }
  // Screen position of a point given in this control's own coordinates, and back.
  virtual TPoint clientOrigin() const;
  TPoint clientToScreen(TPoint p) const { const TPoint o = clientOrigin(); return {p.x + o.x, p.y + o.y}; }
  TPoint screenToClient(TPoint p) const { const TPoint o = clientOrigin(); return {p.x - o.x, p.y - o.y}; }
  void setBounds(int left, int top, int width, int height);
  void setLeft(int v) { setBounds(v, top_, width_, height_); }
  void setTop(int v) { setBounds(left_, v, width_, height_); }
  void setWidth(int v) { setBounds(left_, top_, v, height_); }
  void setHeight(int v) { setBounds(left_, top_, width_, v); }

  TAnchors anchors() const { return anchors_; }
  void setAnchors(TAnchors a) { anchors_ = a; }

  bool visible() const { return visible_; }
  void setVisible(bool v);
  void show() { setVisible(true); }
  void hide() { setVisible(false); }
  // Visible itself and every parent up to the window.
  bool showing() const;
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);

  // Caption of labels, buttons, boxes and panels; edit-like controls keep
  // their text separately (see TCustomEdit). Setting it raises no event.
  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& text);

  TColor color() const { return color_; }
  void setColor(TColor c);
  TColor fontColor() const { return fontColor_; }
  void setFontColor(TColor c);
  int fontSize() const { return fontSize_; }
  void setFontSize(int points);
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& h);

  TPopupMenu* popupMenu() const { return popupMenu_; }
  void setPopupMenu(TPopupMenu* menu) { popupMenu_ = menu; }

  // Events the owner binds to its handlers.
  TNotifyEvent OnClick;
  TMouseEvent OnMouseDown;
  TMouseEvent OnMouseUp;
  TMouseMoveEvent OnMouseMove;
  TNotifyEvent OnMouseLeave;

  // Raises OnClick as a program would; exceptions pass to the caller.
  virtual void click();

  // User actions. Exceptions raised by handlers go to the application's
  // default error box; the program goes on.
  virtual void userClick();
  void userMouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void userMouseMove(TShiftState shift, int x, int y);
  void userMouseUp(TMouseButton button, TShiftState shift, int x, int y);
  void userMouseLeave();

  // Called by the parent when its client area changed size by (dw, dh).
  void parentResized(int dw, int dh);

 protected:
  // Runs fn as a user action: exceptions reach the default error box.
  void asUser(const std::function<void()>& fn);

 private:
  friend class TWinControl;
  TWinControl* parent_ = nullptr;
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  TAnchors anchors_ = akLeft | akTop;
  bool visible_ = true;
  bool enabled_ = true;
  std::string caption_;
  TColor color_ = clBtnFace;
  TColor fontColor_ = clWindowText;
  int fontSize_ = 8;
  std::string hint_;
  TPopupMenu* popupMenu_ = nullptr;
};

// A control that can hold other controls and take the keyboard focus.
class TWinControl : public TControl {
 public:
  using TControl::TControl;
  ~TWinControl() override;

  // Child controls in the order they were given this parent.
  const std::vector<TControl*>& controls() const { return children_; }

  TNotifyEvent OnExit;
  TNotifyEvent OnEnter;
  TKeyPressEvent OnKeyPress;

  // The user leaves the control (focus moves elsewhere).
  void userExit();
  // The user types one character; OnKeyPress may swallow it by setting it to 0.
  void userKeyPress(char key);
  // Types each byte of text in turn, as userKeyPress does.
  void userType(const std::string& text);

 protected:
  // What a character that passed the key filter does to the control.
  virtual void acceptKey(char key);

 private:
  friend class TControl;
  void attach(TControl* child);
  void detach(TControl* child);
  std::vector<TControl*> children_;
};

}  // namespace hl
