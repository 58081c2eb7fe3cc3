#include "qt/user_input.h"

#include <QAbstractScrollArea>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

#include "platform/std_controls.h"
#include "qt/grid_view.h"
#include "qt/model_gateway.h"
#include "qt/mouse_forwarder.h"
#include "qt/tab_control_widget.h"
#include "qt/text.h"
#include "qt/text_input_filter.h"

namespace hl::qt {
namespace {

// The grid's pixels start at its viewport; other controls start at their widget.
void forwardMouse(TControl& control, QWidget& widget, ModelGateway& gateway) {
  widget.setAttribute(Qt::WA_NoMousePropagation);  // only the control under the pointer hears it
  if (auto* grid = dynamic_cast<GridView*>(&widget)) {
    new MouseForwarder(control, *grid->viewport(), gateway);
    return;
  }
  auto* forwarder = new MouseForwarder(control, widget, gateway);
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) forwarder->watch(*combo->lineEdit());
  else if (auto* area = qobject_cast<QAbstractScrollArea*>(&widget)) forwarder->watch(*area->viewport());
  else if (auto* tabs = dynamic_cast<TabControlWidget*>(&widget)) forwarder->watch(*tabs->tabBar());
}

void connectClick(QAbstractButton& button, TControl* c, ModelGateway& g, bool resyncChecked) {
  QObject::connect(&button, &QAbstractButton::clicked, &button, [c, &g, resyncChecked] {
    g.act(c, [c] { c->userClick(); });
    if (resyncChecked) g.resync(c, Change::ItemIndex);
  });
}

void connectTyping(TWinControl& control, QWidget& widget, ModelGateway& g) {
  widget.installEventFilter(new TextInputFilter(control, g, &widget));
}

// Edits that slip past the key filter (the widget's own context menu)
// reach the model as a replaced text.
template <class Edit>
void replaceTextAsUser(Edit* edit, const QString& text, ModelGateway& g) {
  const std::string t = toUtf8(text);
  g.act(edit, [edit, t] { edit->userSetText(t); });
  g.resync(edit, Change::Text);
}

void connectComboBox(TComboBox* c, QComboBox& combo, ModelGateway& g) {
  QObject::connect(&combo, &QComboBox::activated, &combo, [c, &g](int index) {
    g.act(c, [c, index] { c->userSelect(index); });
    g.resync(c, Change::ItemIndex);
  });
  QObject::connect(combo.lineEdit(), &QLineEdit::textEdited, &combo,
                   [c, &g](const QString& text) { replaceTextAsUser(c, text, g); });
  connectTyping(*c, combo, g);
}

void connectLineEdit(TCustomEdit* c, QLineEdit& edit, ModelGateway& g) {
  QObject::connect(&edit, &QLineEdit::textEdited, &edit,
                   [c, &g](const QString& text) { replaceTextAsUser(c, text, g); });
  connectTyping(*c, edit, g);
}

void connectMemo(TCustomEdit* c, QPlainTextEdit& memo, ModelGateway& g) {
  QObject::connect(&memo, &QPlainTextEdit::textChanged, &memo,
                   [c, &g, m = &memo] { replaceTextAsUser(c, m->toPlainText(), g); });
  connectTyping(*c, memo, g);
}

void connectTabs(TTabControl* c, TabControlWidget& tabs, ModelGateway& g) {
  QObject::connect(tabs.tabBar(), &QTabBar::currentChanged, &tabs, [c, &g](int index) {
    g.act(c, [c, index] { c->userSelectTab(index); });
    g.resync(c, Change::ItemIndex);
  });
}

void connectList(TListBox* c, QListWidget& list, ModelGateway& g) {
  QObject::connect(&list, &QListWidget::currentRowChanged, &list, [c, &g](int row) {
    g.act(c, [c, row] { c->userSelect(row); });
    g.resync(c, Change::ItemIndex);
  });
}

}  // namespace

void connectUserInput(TControl& control, QWidget& widget, ModelGateway& g) {
  forwardMouse(control, widget, g);
  if (auto* push = qobject_cast<QPushButton*>(&widget)) connectClick(*push, &control, g, false);
  else if (auto* check = qobject_cast<QCheckBox*>(&widget)) connectClick(*check, &control, g, true);
  else if (auto* radio = qobject_cast<QRadioButton*>(&widget)) connectClick(*radio, &control, g, true);
  else if (auto* combo = qobject_cast<QComboBox*>(&widget)) connectComboBox(static_cast<TComboBox*>(&control), *combo, g);
  else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) connectLineEdit(static_cast<TCustomEdit*>(&control), *edit, g);
  else if (auto* memo = qobject_cast<QPlainTextEdit*>(&widget)) connectMemo(static_cast<TCustomEdit*>(&control), *memo, g);
  else if (auto* tabs = dynamic_cast<TabControlWidget*>(&widget)) connectTabs(static_cast<TTabControl*>(&control), *tabs, g);
  else if (auto* list = qobject_cast<QListWidget*>(&widget)) connectList(static_cast<TListBox*>(&control), *list, g);
}

}  // namespace hl::qt
