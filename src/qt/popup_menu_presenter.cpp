#include "qt/popup_menu_presenter.h"

#include <QAction>
#include <QMenu>
#include <QPointer>
#include <QTimer>
#include <unordered_map>

#include "qt/model_gateway.h"
#include "qt/text.h"

namespace hl::qt {
namespace {

using ItemOfAction = std::unordered_map<QAction*, TMenuItem*>;

// A caption of a single dash is a separator line.
void addItems(QMenu& menu, const std::vector<TMenuItem*>& items, ItemOfAction& itemOf) {
  for (TMenuItem* item : items) {
    if (!item->visible()) continue;
    if (item->caption() == "-") {
      menu.addSeparator();
      continue;
    }
    if (!item->items().empty()) {
      QMenu* sub = menu.addMenu(toQString(item->caption()));
      sub->setEnabled(item->enabled());
      addItems(*sub, item->items(), itemOf);
      continue;
    }
    QAction* action = menu.addAction(toQString(item->caption()));
    action->setEnabled(item->enabled());
    action->setToolTip(toQString(item->hint()));
    itemOf[action] = item;
  }
}

}  // namespace

QPoint globalPointOf(const TForm& form, const QWidget& window, TPoint screen) {
  const TPoint client = form.screenToClient(screen);
  return window.mapToGlobal(QPoint(client.x, client.y));
}

void PopupMenuPresenter::show(const TPopupMenu& model, const TForm& form, QWidget& window) {
  QMenu menu(&window);
  ItemOfAction itemOf;
  addItems(menu, model.items(), itemOf);
  if (menu.isEmpty()) return;
  QAction* chosen = menu.exec(globalPointOf(form, window, model.popupPoint()));
  const auto it = itemOf.find(chosen);
  if (it == itemOf.end()) return;
  TMenuItem* item = it->second;
  ModelGateway& gateway = gateway_;
  QTimer::singleShot(0, &window, [item, &gateway] { gateway.act(item, [item] { item->userClick(); }); });
}

}  // namespace hl::qt
