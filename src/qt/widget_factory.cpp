#include "qt/widget_factory.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>

#include "platform/grid.h"
#include "platform/std_controls.h"
#include "qt/grid_view.h"
#include "qt/image_widget.h"
#include "qt/panel_widget.h"
#include "qt/shape_widget.h"
#include "qt/tab_control_widget.h"

namespace hl::qt {
namespace {

QWidget* makeLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  return label;
}

QWidget* makeComboBox(QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setEditable(true);
  // The model decides the text; Qt neither completes nor adds typed items.
  combo->setInsertPolicy(QComboBox::NoInsert);
  combo->setCompleter(nullptr);
  combo->setMaxVisibleItems(20);
  return combo;
}

QWidget* makeLineEdit(QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setAcceptDrops(false);
  return edit;
}

QWidget* makeMemo(QWidget* parent) {
  auto* memo = new QPlainTextEdit(parent);
  memo->setAcceptDrops(false);
  memo->setLineWrapMode(QPlainTextEdit::NoWrap);
  return memo;
}

QWidget* makeRadioButton(QWidget* parent) {
  auto* radio = new QRadioButton(parent);
  // The model unchecks the siblings itself.
  radio->setAutoExclusive(false);
  return radio;
}

QWidget* makeProgressBar(QWidget* parent) {
  auto* bar = new QProgressBar(parent);
  bar->setTextVisible(false);
  return bar;
}

}  // namespace

bool isWindowedControl(const TControl& control) { return dynamic_cast<const TWinControl*>(&control) != nullptr; }

QWidget* createControlWidget(TControl& control, QWidget* parent, ModelGateway& gateway) {
  if (auto* grid = dynamic_cast<TStringGrid*>(&control)) return new GridView(*grid, gateway, parent);
  if (dynamic_cast<TLabel*>(&control)) return makeLabel(parent);
  if (dynamic_cast<TButton*>(&control)) return new QPushButton(parent);
  if (dynamic_cast<TMemo*>(&control)) return makeMemo(parent);
  if (dynamic_cast<TEdit*>(&control)) return makeLineEdit(parent);
  if (dynamic_cast<TComboBox*>(&control)) return makeComboBox(parent);
  if (dynamic_cast<TCheckBox*>(&control)) return new QCheckBox(parent);
  if (dynamic_cast<TRadioButton*>(&control)) return makeRadioButton(parent);
  if (dynamic_cast<TGroupBox*>(&control)) return new QGroupBox(parent);
  if (dynamic_cast<TPanel*>(&control)) return new PanelWidget(parent);
  if (dynamic_cast<TTabControl*>(&control)) return new TabControlWidget(parent);
  if (dynamic_cast<TShape*>(&control)) return new ShapeWidget(parent);
  if (dynamic_cast<TProgressBar*>(&control)) return makeProgressBar(parent);
  if (dynamic_cast<TImage*>(&control)) return new ImageWidget(parent);
  if (dynamic_cast<TListBox*>(&control)) return new QListWidget(parent);
  return new QWidget(parent);
}

}  // namespace hl::qt
