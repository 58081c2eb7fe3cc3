#pragma once
// The top-level window of a form; its whole inside is the form's client
// area. Resizing and closing are reported to the front-end, which asks
// the model.
#include <QWidget>
#include <functional>

namespace hl::qt {

class FormWindow final : public QWidget {
 public:
  FormWindow();

  std::function<void(QSize clientSize)> onResized;
  // Returns whether the window may close.
  std::function<bool()> onCloseRequested;

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
};

}  // namespace hl::qt
