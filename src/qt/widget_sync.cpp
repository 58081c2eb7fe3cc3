#include "qt/widget_sync.h"

#include <QApplication>
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
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStringList>
#include <algorithm>

#include "platform/form.h"
#include "platform/grid.h"
#include "platform/std_controls.h"
#include "qt/colours.h"
#include "qt/grid_view.h"
#include "qt/image_widget.h"
#include "qt/panel_widget.h"
#include "qt/shape_widget.h"
#include "qt/tab_control_widget.h"
#include "qt/text.h"

namespace hl::qt {
namespace {

QStringList toQStringList(const std::vector<std::string>& items) {
  QStringList list;
  list.reserve(static_cast<qsizetype>(items.size()));
  for (const std::string& item : items) list << toQString(item);
  return list;
}

Qt::Alignment horizontalAlignment(TAlignment a) {
  switch (a) {
    case TAlignment::taCenter: return Qt::AlignHCenter;
    case TAlignment::taRightJustify: return Qt::AlignRight;
    case TAlignment::taLeftJustify: break;
  }
  return Qt::AlignLeft;
}

void setRole(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
  QPalette palette = widget.palette();
  // The disabled group keeps the style's greyed colours.
  palette.setColor(QPalette::Active, role, colour);
  palette.setColor(QPalette::Inactive, role, colour);
  widget.setPalette(palette);
}

// --- Text -------------------------------------------------------------------

void showMemoText(QPlainTextEdit& memo, const QString& text) {
  const QString current = memo.toPlainText();
  if (current == text) return;
  // Lines added at the end are appended, so a long log stays cheap.
  if (!current.isEmpty() && text.size() > current.size() && text.startsWith(current) && text.at(current.size()) == '\n')
    memo.appendPlainText(text.mid(current.size() + 1));
  else
    memo.setPlainText(text);
  memo.moveCursor(QTextCursor::End);
}

void showComboState(QComboBox& combo, const TComboBox& model) {
  const int index = model.itemIndex() < combo.count() ? model.itemIndex() : -1;
  if (combo.currentIndex() != index) combo.setCurrentIndex(index);
  const QString text = toQString(model.text());
  if (combo.currentText() != text) combo.setEditText(text);
}

void showLineEditText(QLineEdit& edit, const TEdit& model) {
  const QString text = toQString(model.text());
  if (edit.text() != text) edit.setText(text);  // the cursor goes to the end
  edit.setAlignment(horizontalAlignment(model.alignment()) | Qt::AlignVCenter);
}

void mirrorText(TControl& control, QWidget& widget) {
  const QString caption = toQString(control.caption());
  if (auto* label = qobject_cast<QLabel*>(&widget)) {
    label->setText(caption);
    if (auto* model = dynamic_cast<TLabel*>(&control))
      label->setAlignment(horizontalAlignment(model->alignment()) | Qt::AlignTop);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
    button->setText(caption);
  } else if (auto* box = qobject_cast<QGroupBox*>(&widget)) {
    box->setTitle(caption);
  } else if (auto* panel = dynamic_cast<PanelWidget*>(&widget)) {
    panel->setCaption(caption);
  } else if (auto* edit = qobject_cast<QLineEdit*>(&widget)) {
    if (auto* model = dynamic_cast<TEdit*>(&control)) showLineEditText(*edit, *model);
  } else if (auto* memo = qobject_cast<QPlainTextEdit*>(&widget)) {
    if (auto* model = dynamic_cast<TMemo*>(&control)) showMemoText(*memo, toQString(model->text()));
  } else if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    if (auto* model = dynamic_cast<TComboBox*>(&control)) showComboState(*combo, *model);
  } else if (dynamic_cast<TForm*>(&control)) {
    widget.setWindowTitle(caption);
  }
}

// --- Items and selection ------------------------------------------------------

void showComboItems(QComboBox& combo, const TComboBox& model) {
  const QStringList items = toQStringList(model.items());
  bool same = combo.count() == items.size();
  for (int i = 0; same && i < combo.count(); ++i) same = combo.itemText(i) == items[i];
  if (!same) {
    combo.clear();
    combo.addItems(items);
  }
  showComboState(combo, model);
}

void showListItems(QListWidget& list, const TListBox& model) {
  const QStringList items = toQStringList(model.items());
  bool same = list.count() == items.size();
  for (int i = 0; same && i < list.count(); ++i) same = list.item(i)->text() == items[i];
  if (!same) {
    list.clear();
    list.addItems(items);
  }
  list.setCurrentRow(model.itemIndex());
}

void showTabs(QTabBar& bar, const TTabControl& model) {
  const QStringList tabs = toQStringList(model.tabs());
  bool same = bar.count() == tabs.size();
  for (int i = 0; same && i < bar.count(); ++i) same = bar.tabText(i) == tabs[i];
  if (!same) {
    while (bar.count() > 0) bar.removeTab(bar.count() - 1);
    for (const QString& tab : tabs) bar.addTab(tab);
  }
  bar.setCurrentIndex(model.tabIndex());
}

void mirrorItems(TControl& control, QWidget& widget) {
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    if (auto* model = dynamic_cast<TComboBox*>(&control)) showComboItems(*combo, *model);
  } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
    if (auto* model = dynamic_cast<TListBox*>(&control)) showListItems(*list, *model);
  } else if (auto* tabs = dynamic_cast<TabControlWidget*>(&widget)) {
    const QSignalBlocker block(tabs->tabBar());
    if (auto* model = dynamic_cast<TTabControl*>(&control)) showTabs(*tabs->tabBar(), *model);
  }
}

void mirrorItemIndex(TControl& control, QWidget& widget) {
  if (auto* combo = qobject_cast<QComboBox*>(&widget)) {
    if (auto* model = dynamic_cast<TComboBox*>(&control)) showComboState(*combo, *model);
  } else if (auto* check = qobject_cast<QCheckBox*>(&widget)) {
    if (auto* model = dynamic_cast<TCheckBox*>(&control)) check->setChecked(model->checked());
  } else if (auto* radio = qobject_cast<QRadioButton*>(&widget)) {
    if (auto* model = dynamic_cast<TRadioButton*>(&control)) radio->setChecked(model->checked());
  } else if (auto* list = qobject_cast<QListWidget*>(&widget)) {
    if (auto* model = dynamic_cast<TListBox*>(&control)) list->setCurrentRow(model->itemIndex());
  } else if (auto* tabs = dynamic_cast<TabControlWidget*>(&widget)) {
    const QSignalBlocker block(tabs->tabBar());
    if (auto* model = dynamic_cast<TTabControl*>(&control)) tabs->tabBar()->setCurrentIndex(model->tabIndex());
  } else if (auto* bar = qobject_cast<QProgressBar*>(&widget)) {
    if (auto* model = dynamic_cast<TProgressBar*>(&control)) {
      bar->setRange(model->min(), model->max());
      bar->setValue(model->position());
    }
  }
}

// --- Colours and fonts ----------------------------------------------------------

bool paintsOwnBackground(const TControl& control) {
  return dynamic_cast<const TForm*>(&control) || dynamic_cast<const TGroupBox*>(&control) ||
         dynamic_cast<const TPanel*>(&control);
}

bool isEntryField(const TControl& control) {
  return dynamic_cast<const TCustomEdit*>(&control) || dynamic_cast<const TComboBox*>(&control) ||
         dynamic_cast<const TListBox*>(&control);
}

void mirrorFont(TControl& control, QWidget& widget) {
  if (control.fontSize() == kDesignedPointSize) {
    widget.setFont(QFont());  // follows the parent
  } else {
    QFont font = QApplication::font();
    font.setPointSizeF(font.pointSizeF() * control.fontSize() / kDesignedPointSize);
    widget.setFont(font);
  }
  const QColor text = toQColor(control.fontColor());
  setRole(widget, QPalette::WindowText, text);
  setRole(widget, QPalette::Text, text);
  setRole(widget, QPalette::ButtonText, text);
}

void mirrorColours(TControl& control, QWidget& widget) {
  if (auto* shape = dynamic_cast<TShape*>(&control)) {
    if (auto* view = dynamic_cast<ShapeWidget*>(&widget))
      view->setLook(shape->shape(), toQColor(shape->brushColor()), toQColor(shape->penColor()));
    return;
  }
  mirrorFont(control, widget);
  if (paintsOwnBackground(control)) {
    setRole(widget, QPalette::Window, toQColor(control.color()));
    widget.setAutoFillBackground(true);
  } else if (isEntryField(control)) {
    setRole(widget, QPalette::Base, toQColor(control.color()));
  } else if (auto* grid = dynamic_cast<GridView*>(&widget)) {
    grid->repaintCells();
  }
}

void mirrorRepaint(TControl& control, QWidget& widget) {
  if (auto* grid = dynamic_cast<GridView*>(&widget)) grid->repaintCells();
  else if (auto* image = dynamic_cast<ImageWidget*>(&widget)) image->showPixelsOf(static_cast<TImage&>(control));
  else if (dynamic_cast<ShapeWidget*>(&widget)) mirrorColours(control, widget);
  else widget.update();
}

}  // namespace

QRect shownGeometry(const TControl& control, const QWidget& widget) {
  QRect bounds(control.left(), control.top(), control.width(), control.height());
  const auto* label = qobject_cast<const QLabel*>(&widget);
  const auto* model = dynamic_cast<const TLabel*>(&control);
  if (!label || !model || label->text().isEmpty()) return bounds;
  const QSize text = label->sizeHint();
  bounds.setHeight(std::max(bounds.height(), text.height()));
  if (model->alignment() == TAlignment::taLeftJustify) bounds.setWidth(std::max(bounds.width(), text.width()));
  return bounds;
}

bool itemsAreBatched(const TControl& control) {
  return dynamic_cast<const TComboBox*>(&control) || dynamic_cast<const TListBox*>(&control);
}

void mirrorChange(TControl& control, QWidget& widget, Change what) {
  const QSignalBlocker block(&widget);
  switch (what) {
    case Change::Text: mirrorText(control, widget); break;
    case Change::Items: mirrorItems(control, widget); break;
    case Change::ItemIndex: mirrorItemIndex(control, widget); break;
    case Change::Enabled: widget.setEnabled(control.enabled()); break;
    case Change::Colour: mirrorColours(control, widget); break;
    case Change::Hint: widget.setToolTip(toQString(control.hint())); break;
    case Change::Repaint: mirrorRepaint(control, widget); break;
    case Change::GridLayout:
      if (auto* grid = dynamic_cast<GridView*>(&widget)) grid->syncScrollBars();
      break;
    case Change::Bounds:
    case Change::Visible:
    case Change::Popup:
    case Change::Destroyed:
      break;  // placed by the front-end, or not a widget's concern
  }
}

void mirrorState(TControl& control, QWidget& widget) {
  for (Change what : {Change::Colour, Change::Items, Change::ItemIndex, Change::Text, Change::Enabled, Change::Hint,
                      Change::GridLayout, Change::Repaint})
    mirrorChange(control, widget, what);
}

}  // namespace hl::qt
