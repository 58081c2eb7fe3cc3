// Popup menus of the model open as QMenus at the asked point; the chosen
// item is clicked after the popup call has returned.
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPushButton>
#include <QTimer>

#include "qt/popup_menu_presenter.h"
#include "qt_fixture.h"

namespace hl::test {
namespace {

class QtPopupMenuTest : public QtFormTest {
 protected:
  QtPopupMenuTest() {
    menu = form->create<TPopupMenu>("Menu");
    copy = item("Copy", "复制");
    item("Line", "-");
    paste = item("Paste", "粘贴");
    paste->setEnabled(false);
    auto* more = item("More", "&W模板生成");
    auto* sub = form->create<TMenuItem>("Sub");
    sub->setCaption("流水叠加");
    more->add(sub);
    hiddenItem = item("Hidden", "hidden");
    hiddenItem->setVisible(false);
    copy->OnClick = [this](TObject*) { events.push_back("copy"); };
  }

  TMenuItem* item(const std::string& name, const std::string& caption) {
    auto* i = form->create<TMenuItem>(name);
    i->setCaption(caption);
    menu->add(i);
    return i;
  }

  // Runs inspect on the menu once it is open, then closes it choosing text.
  void whenOpen(std::function<void(QMenu&)> inspect, const QString& choose) {
    QTimer::singleShot(20, [inspect, choose] {
      auto* open = qobject_cast<QMenu*>(QApplication::activePopupWidget());
      ASSERT_NE(open, nullptr);
      inspect(*open);
      for (QAction* action : open->actions())
        if (action->text() == choose) open->setActiveAction(action);
      QTest::keyClick(open, choose.isEmpty() ? Qt::Key_Escape : Qt::Key_Return);
    });
  }

  TPopupMenu* menu = nullptr;
  TMenuItem *copy = nullptr, *paste = nullptr, *hiddenItem = nullptr;
  std::vector<std::string> events;
};

TEST_F(QtPopupMenuTest, ShowsTheItemsAtThePointAndClicksTheChoiceAfterwards) {
  auto* button = add<TButton>("Open", 10, 10, 75, 25);
  button->OnClick = [&](TObject*) {
    const TPoint screen = form->clientToScreen({100, 80});
    menu->popup(screen.x, screen.y);
    events.push_back("popup returned");
  };
  start();
  QStringList texts;
  QPoint shownAt;
  bool pasteEnabled = true, hasSubmenu = false;
  whenOpen(
      [&](QMenu& open) {
        shownAt = open.pos();
        for (QAction* a : open.actions()) {
          texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
          if (a->text() == "粘贴") pasteEnabled = a->isEnabled();
          if (a->menu()) hasSubmenu = a->menu()->actions().size() == 1;
        }
      },
      "复制");

  widget<QPushButton>(button)->click();
  QTest::qWait(20);

  EXPECT_EQ(texts, (QStringList{"复制", "-", "粘贴", "&W模板生成"}));
  EXPECT_FALSE(pasteEnabled);
  EXPECT_TRUE(hasSubmenu);
  EXPECT_EQ(shownAt, window().mapToGlobal(QPoint(100, 80)));
  EXPECT_EQ(events, (std::vector<std::string>{"popup returned", "copy"}));
}

TEST_F(QtPopupMenuTest, RightClickOpensTheMenuOfTheControlOrItsParent) {
  auto* box = add<TGroupBox>("Box", 10, 10, 200, 100);
  box->setPopupMenu(menu);
  auto* label = add<TLabel>("Label", 10, 20, 80, 20, box);
  start();
  QPoint shownAt;
  whenOpen([&](QMenu& open) { shownAt = open.pos(); }, "");

  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 6), widget(label)->mapToGlobal(QPoint(5, 6)));
  QApplication::sendEvent(widget(label), &event);
  QTest::qWait(20);

  EXPECT_EQ(shownAt, widget(label)->mapToGlobal(QPoint(5, 6)));
  EXPECT_EQ(menu->popupCount(), 1);
  EXPECT_TRUE(events.empty());
}

TEST(QtPopupPoint, ModelScreenPointsMapThroughTheClientArea) {
  RealClock clock;
  ScriptedDialogHost dialogs;
  Application app(clock, dialogs);
  TForm form(app, "Form");
  form.setBounds(754, 231, 300, 200);
  QWidget window;
  window.move(0, 0);
  const TPoint origin = form.clientOrigin();
  EXPECT_EQ(qt::globalPointOf(form, window, {origin.x + 12, origin.y + 34}), window.mapToGlobal(QPoint(12, 34)));
}

}  // namespace
}  // namespace hl::test
