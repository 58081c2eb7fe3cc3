#pragma once
// Typing into edit boxes, combo boxes and memos goes to the model: each key
// passes the control's key filter there, and the widget then shows the
// text the model decided on. Qt never edits the text itself; only
// navigation, selection and copying stay with the widget.
#include <QObject>
#include <QString>

#include "platform/controls.h"

class QKeyEvent;

namespace hl::qt {

class ModelGateway;

class TextInputFilter final : public QObject {
 public:
  TextInputFilter(TWinControl& control, ModelGateway& gateway, QObject* parent);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool onKeyPress(QObject* watched, QKeyEvent& event);
  void typeText(const QString& text);
  void replaceText(const QString& text);
  void leave();
  void showModelText();

  TWinControl* control_;
  ModelGateway& gateway_;
};

}  // namespace hl::qt
