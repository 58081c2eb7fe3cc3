// Real dialogs: filters and custom colours converted both ways, message
// box buttons answered with the toolkit's results.
#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "qt/custom_colours.h"
#include "qt/file_filter.h"
#include "qt/qt_dialog_host.h"

namespace hl::test {
namespace {

TEST(QtFileFilter, ToolkitFiltersBecomeQtNameFilters) {
  const struct {
    std::string filter;
    QStringList expected;
  } cases[] = {
      {"All files (*.*)|*.*|led files (*.Aled)|*.Aled", {"All files (*)", "led files (*.Aled)"}},
      {"Excel files (*.xls)|*.xls", {"Excel files (*.xls)"}},
      {"Dat files (*.Dat)|*.Dat|cfg files (*.cfg)|*.cfg", {"Dat files (*.Dat)", "cfg files (*.cfg)"}},
      {"(*.txt)|*.txt", {"(*.txt)"}},
      {"Pictures|*.bmp;*.png", {"Pictures (*.bmp *.png)"}},
      {"Text|*.txt|", {"Text (*.txt)"}},
      {"", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.filter);
    EXPECT_EQ(qt::toQtNameFilters(c.filter), c.expected);
  }
}

TEST(QtCustomColours, EntriesParseAndFormat) {
  const struct {
    std::string entry;
    std::optional<std::pair<int, TColor>> expected;
  } cases[] = {
      {"ColorA=FFFFFF", std::make_pair(0, TColor(0xFFFFFF))},
      {"ColorP=0000FF", std::make_pair(15, clRed)},
      {"Colorb=10", std::make_pair(1, TColor(0x10))},
      {"ColorQ=FFFFFF", std::nullopt},
      {"ColorA=", std::nullopt},
      {"ColorA=XYZ", std::nullopt},
      {"Colour=1", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.entry);
    EXPECT_EQ(qt::parseCustomColour(c.entry), c.expected);
  }
  EXPECT_EQ(qt::formatCustomColour(2, clRed), "ColorC=0000FF");
}

// Presses a button of the message box once it is open, and remembers its texts.
struct BoxAnswer {
  QMessageBox::StandardButton press;
  QString title, text;
  QMessageBox::StandardButtons buttons;

  void arm() {
    QTimer::singleShot(20, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      ASSERT_NE(box, nullptr);
      title = box->windowTitle();
      text = box->text();
      buttons = box->standardButtons();
      if (QAbstractButton* b = box->button(press)) b->click();
      else QTest::keyClick(box, Qt::Key_Escape);
    });
  }
};

TEST(QtDialogHost, MessageBoxesAnswerWithTheButtonPressed) {
  const struct {
    unsigned flags;
    QMessageBox::StandardButton press;
    QMessageBox::StandardButtons shown;
    int result;
  } cases[] = {
      {MB_OK, QMessageBox::Ok, QMessageBox::Ok, IDOK},
      {MB_OKCANCEL | MB_ICONQUESTION, QMessageBox::Cancel, QMessageBox::Ok | QMessageBox::Cancel, IDCANCEL},
      {MB_YESNO, QMessageBox::No, QMessageBox::Yes | QMessageBox::No, IDNO},
      {MB_YESNOCANCEL, QMessageBox::Yes, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, IDYES},
      {MB_YESNO, QMessageBox::NoButton, QMessageBox::Yes | QMessageBox::No, IDNO},  // escaped
      {MB_OKCANCEL, QMessageBox::NoButton, QMessageBox::Ok | QMessageBox::Cancel, IDCANCEL},
  };
  qt::QtDialogHost host;
  int beforeShowRuns = 0;
  host.setBeforeShow([&] { ++beforeShowRuns; });
  for (const auto& c : cases) {
    SCOPED_TRACE(c.flags);
    BoxAnswer answer{c.press, {}, {}, {}};
    answer.arm();
    EXPECT_EQ(host.messageBox("发送成功", "信息提示", c.flags), c.result);
    EXPECT_EQ(answer.title, "信息提示");
    EXPECT_EQ(answer.text, "发送成功");
    EXPECT_EQ(answer.buttons, c.shown);
  }
  EXPECT_EQ(beforeShowRuns, 6);
}

TEST(QtDialogHost, ExceptionBoxCarriesTheApplicationTitle) {
  qt::QtDialogHost host;
  BoxAnswer answer{QMessageBox::Ok, {}, {}, {}};
  answer.arm();
  host.showException("全彩控制器软件", "'abc' is not a valid integer value");
  EXPECT_EQ(answer.title, "全彩控制器软件");
  EXPECT_EQ(answer.text, "'abc' is not a valid integer value");
}

}  // namespace
}  // namespace hl::test
