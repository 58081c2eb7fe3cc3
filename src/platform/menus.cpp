#include "platform/menus.h"

#include "platform/application.h"

namespace hl {

TMenuItem::TMenuItem(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

void TMenuItem::setCaption(const std::string& c) {
  caption_ = c;
  changed(Change::Text);
}

void TMenuItem::setHint(const std::string& h) {
  hint_ = h;
  changed(Change::Hint);
}

void TMenuItem::setEnabled(bool v) {
  enabled_ = v;
  changed(Change::Enabled);
}

void TMenuItem::setVisible(bool v) {
  visible_ = v;
  changed(Change::Visible);
}

void TMenuItem::add(TMenuItem* item) {
  item->parentItem_ = this;
  items_.push_back(item);
  changed(Change::Items);
}

void TMenuItem::click() {
  if (OnClick) OnClick(this);
}

void TMenuItem::userClick() {
  if (!enabled_) return;
  application().guard([this] { click(); });
}

TPopupMenu::TPopupMenu(TComponent* owner, std::string name) : TComponent(owner, std::move(name)) {}

void TPopupMenu::add(TMenuItem* item) {
  items_.push_back(item);
  changed(Change::Items);
}

void TPopupMenu::popup(int x, int y) {
  popupPoint_ = {x, y};
  ++popupCount_;
  changed(Change::Popup);
}

}  // namespace hl
