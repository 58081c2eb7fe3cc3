// Runs the front-end tests inside one QApplication on the offscreen
// platform, so that they need no display.
#include <QApplication>
#include <gtest/gtest.h>

#include "qt/app_font.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QApplication::setFont(hl::qt::applicationFont());
  return RUN_ALL_TESTS();
}
