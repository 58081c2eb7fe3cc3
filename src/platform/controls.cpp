#include "platform/controls.h"

#include <algorithm>

#include "platform/application.h"

namespace hl {

TControl::TControl(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

TControl::~TControl() {
  if (parent_) parent_->detach(this);
}

void TControl::setParent(TWinControl* parent) {
  if (parent == parent_) return;
  if (parent_) parent_->detach(this);
  parent_ = parent;
  if (parent_) parent_->attach(this);
  changed(Change::Bounds);
}

void TControl::setBounds(int left, int top, int width, int height) {
  const int dw = width - width_, dh = height - height_;
  if (left == left_ && top == top_ && dw == 0 && dh == 0) return;
  left_ = left;
  top_ = top;
  width_ = width;
  height_ = height;
  changed(Change::Bounds);
  if ((dw || dh) && dynamic_cast<TWinControl*>(this))
    for (TControl* child : static_cast<TWinControl*>(this)->controls()) child->parentResized(dw, dh);
}

void TControl::parentResized(int dw, int dh) {
  int l = left_, t = top_, w = width_, h = height_;
  if (anchors_ & akRight) {
    if (anchors_ & akLeft) w += dw;
    else l += dw;
  }
  if (anchors_ & akBottom) {
    if (anchors_ & akTop) h += dh;
    else t += dh;
  }
  setBounds(l, t, w, h);
}

TPoint TControl::clientOrigin() const {
  if (!parent_) return {left_, top_};
  const TPoint o = parent_->clientOrigin();
  return {o.x + left_, o.y + top_};
}

void TControl::setVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  changed(Change::Visible);
}

bool TControl::showing() const {
  for (const TControl* c = this; c; c = c->parent_)
    if (!c->visible_) return false;
  return true;
}

void TControl::setEnabled(bool v) {
  if (v == enabled_) return;
  enabled_ = v;
  changed(Change::Enabled);
}

void TControl::setCaption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  changed(Change::Text);
}

void TControl::setColor(TColor c) {
  if (c == color_) return;
  color_ = c;
  changed(Change::Colour);
}

void TControl::setFontColor(TColor c) {
  if (c == fontColor_) return;
  fontColor_ = c;
  changed(Change::Colour);
}

void TControl::setFontSize(int points) {
  if (points == fontSize_) return;
  fontSize_ = points;
  changed(Change::Colour);
}

void TControl::setHint(const std::string& h) {
  if (h == hint_) return;
  hint_ = h;
  changed(Change::Hint);
}

void TControl::click() {
  if (OnClick) OnClick(this);
}

void TControl::asUser(const std::function<void()>& fn) { application().guard(fn); }

void TControl::userClick() {
  if (!enabled_) return;
  asUser([this] { click(); });
}

void TControl::userMouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!enabled_) return;
  asUser([&] {
    if (OnMouseDown) OnMouseDown(this, button, shift, x, y);
  });
}

void TControl::userMouseMove(TShiftState shift, int x, int y) {
  if (!enabled_) return;
  asUser([&] {
    if (OnMouseMove) OnMouseMove(this, shift, x, y);
  });
}

void TControl::userMouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!enabled_) return;
  asUser([&] {
    if (OnMouseUp) OnMouseUp(this, button, shift, x, y);
  });
}

void TControl::userMouseLeave() {
  asUser([&] {
    if (OnMouseLeave) OnMouseLeave(this);
  });
}

TWinControl::~TWinControl() {
  for (TControl* child : children_) child->parent_ = nullptr;
}

void TWinControl::attach(TControl* child) { children_.push_back(child); }

void TWinControl::detach(TControl* child) { std::erase(children_, child); }

void TWinControl::userExit() {
  asUser([this] {
    if (OnExit) OnExit(this);
  });
}

void TWinControl::userKeyPress(char key) {
  if (!enabled()) return;
  asUser([&] {
    char k = key;
    if (OnKeyPress) OnKeyPress(this, k);
    if (k != 0) acceptKey(k);
  });
}

void TWinControl::userType(const std::string& text) {
  for (char c : text) userKeyPress(c);
}

void TWinControl::acceptKey(char) {}

}  // namespace hl
