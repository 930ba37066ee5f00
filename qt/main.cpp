#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "qt/application.h"
#include "qt/calculator_window.h"
#include "qt/locale_format.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  qt_ui::ConfigureApplication();

  // Numbers are read and written in the user's regional format (LC_ALL, LC_NUMERIC, LANG).
  qt_ui::CalculatorWindow window(qt_ui::NumberFormatFromLocale(QLocale::system()));
  window.Load();
  window.move(window.screen()->availableGeometry().center() - window.rect().center());
  window.show();
  return QApplication::exec();
}
