#include "qt/text_input_filter.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "platform/std_controls.h"
#include "qt/model_gateway.h"
#include "qt/text.h"

namespace hl::qt {
namespace {

// What the widget holds and where its cursor and selection are.
struct EditorText {
  QString text;
  int cursor = 0;
  int selectionStart = -1;
  int selectionLength = 0;
};

EditorText editorTextOf(QObject* watched) {
  QLineEdit* line = qobject_cast<QLineEdit*>(watched);
  if (auto* combo = qobject_cast<QComboBox*>(watched)) line = combo->lineEdit();
  if (line) return {line->text(), line->cursorPosition(), line->selectionStart(), int(line->selectedText().size())};
  if (auto* memo = qobject_cast<QPlainTextEdit*>(watched)) {
    const QTextCursor cursor = memo->textCursor();
    const int start = cursor.hasSelection() ? cursor.selectionStart() : -1;
    return {memo->toPlainText(), cursor.position(), start, cursor.selectionEnd() - cursor.selectionStart()};
  }
  return {};
}

// The text after replacing the selection (or inserting at the cursor) with inserted.
QString textWith(const EditorText& editor, const QString& inserted) {
  QString result = editor.text;
  if (editor.selectionStart >= 0) return result.replace(editor.selectionStart, editor.selectionLength, inserted);
  return result.insert(editor.cursor, inserted);
}

bool isNavigation(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Up: case Qt::Key_Down:
    case Qt::Key_Home: case Qt::Key_End: case Qt::Key_PageUp: case Qt::Key_PageDown:
    case Qt::Key_Tab: case Qt::Key_Backtab: case Qt::Key_F4:
    case Qt::Key_Shift: case Qt::Key_Control: case Qt::Key_Alt: case Qt::Key_Meta:
      return true;
    default:
      return event.matches(QKeySequence::Copy) || event.matches(QKeySequence::SelectAll);
  }
}

// The character a key stands for in a key-press filter, 0 for none.
char controlCharacter(int key) {
  switch (key) {
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Return: case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return 27;
    default: return 0;
  }
}

// Function keys may come with a control character as their text.
QString printablePart(const QString& text) {
  QString printable;
  for (const QChar ch : text)
    if (ch.isPrint()) printable += ch;
  return printable;
}

}  // namespace

TextInputFilter::TextInputFilter(TWinControl& control, ModelGateway& gateway, QObject* parent)
    : QObject(parent), control_(&control), gateway_(gateway) {}

bool TextInputFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      return onKeyPress(watched, *static_cast<QKeyEvent*>(event));
    case QEvent::InputMethod: {
      const QString committed = static_cast<QInputMethodEvent*>(event)->commitString();
      if (!committed.isEmpty()) typeText(committed);
      return true;
    }
    case QEvent::FocusOut: {
      // Leaving for a popup or another window is not leaving the control.
      const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
      if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) leave();
      return false;
    }
    default:
      return false;
  }
}

bool TextInputFilter::onKeyPress(QObject* watched, QKeyEvent& event) {
  if (isNavigation(event)) return false;
  const EditorText editor = editorTextOf(watched);
  if (event.matches(QKeySequence::Paste)) {
    replaceText(textWith(editor, QApplication::clipboard()->text()));
  } else if (event.matches(QKeySequence::Cut) && editor.selectionStart >= 0) {
    QApplication::clipboard()->setText(editor.text.mid(editor.selectionStart, editor.selectionLength));
    replaceText(textWith(editor, {}));
  } else if (event.key() == Qt::Key_Delete) {
    if (editor.selectionStart >= 0) replaceText(textWith(editor, {}));
  } else if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) {
    // Qt's editing shortcuts (undo, delete word, ...) are not the model's keys.
  } else if (const char key = controlCharacter(event.key())) {
    typeText(QString(QChar(key)));
  } else if (const QString typed = printablePart(event.text()); !typed.isEmpty()) {
    typeText(typed);
  }
  return true;  // the model has decided; Qt does not edit on its own
}

void TextInputFilter::typeText(const QString& text) {
  TWinControl* control = control_;
  const std::string typed = toUtf8(text);
  gateway_.act(control, [control, typed] { control->userType(typed); });  // byte by byte through the key filter
  showModelText();
}

void TextInputFilter::replaceText(const QString& text) {
  TWinControl* control = control_;
  const std::string replaced = toUtf8(text);
  gateway_.act(control, [control, replaced] {
    if (auto* edit = dynamic_cast<TCustomEdit*>(control)) edit->userSetText(replaced);
    else if (auto* combo = dynamic_cast<TComboBox*>(control)) combo->userSetText(replaced);
  });
  showModelText();
}

void TextInputFilter::leave() {
  TWinControl* control = control_;
  gateway_.act(control, [control] { control->userExit(); });
}

void TextInputFilter::showModelText() { gateway_.resync(control_, Change::Text); }

}  // namespace hl::qt
