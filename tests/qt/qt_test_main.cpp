#include <gtest/gtest.h>

#include <QApplication>

#include "qt/application.h"

// Widget tests run headless unless a platform is chosen explicitly: the one place that says so,
// so that the binary runs the same from ctest, under valgrind or by hand.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  qt_ui::ConfigureApplication();
  return RUN_ALL_TESTS();
}
