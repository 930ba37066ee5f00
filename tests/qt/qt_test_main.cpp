#include <gtest/gtest.h>

#include <QApplication>

#include "qt/application.h"

// Widget tests run headless unless a platform is chosen explicitly.
int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  testing::InitGoogleTest(&argc, argv);
  QApplication application(argc, argv);
  qt_ui::ConfigureApplication();
  return RUN_ALL_TESTS();
}
