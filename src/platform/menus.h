#pragma once
// Popup menus and their items.
#include <string>
#include <vector>

#include "platform/controls.h"

namespace hl {

class TMenuItem : public TComponent {
 public:
  TMenuItem(TComponent* owner, std::string name);
  const char* className() const override { return "TMenuItem"; }

  const std::string& caption() const { return caption_; }
  void setCaption(const std::string& c);
  const std::string& hint() const { return hint_; }
  void setHint(const std::string& h);
  bool enabled() const { return enabled_; }
  void setEnabled(bool v);
  bool visible() const { return visible_; }
  void setVisible(bool v);

  // Sub-items, in menu order.
  const std::vector<TMenuItem*>& items() const { return items_; }
  void add(TMenuItem* item);
  TMenuItem* parentItem() const { return parentItem_; }

  TNotifyEvent OnClick;
  void click();
  // The user chooses the item: raises OnClick when it is enabled.
  void userClick();

 private:
  std::string caption_, hint_;
  bool enabled_ = true, visible_ = true;
  std::vector<TMenuItem*> items_;
  TMenuItem* parentItem_ = nullptr;
};

class TPopupMenu : public TComponent {
 public:
  TPopupMenu(TComponent* owner, std::string name);
  const char* className() const override { return "TPopupMenu"; }
  const std::vector<TMenuItem*>& items() const { return items_; }
  void add(TMenuItem* item);

  // Shows the menu at a screen point. The front-end shows it and waits for
  // the choice; headless, the point is recorded and the caller clicks an item.
  void popup(int x, int y);
  TPoint popupPoint() const { return popupPoint_; }
  int popupCount() const { return popupCount_; }

 private:
  std::vector<TMenuItem*> items_;
  TPoint popupPoint_;
  int popupCount_ = 0;
};

}  // namespace hl
