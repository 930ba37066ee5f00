#include <QApplication>
#include <QLocale>
#include <QScreen>

#include "ui/application.h"
#include "ui/calculator_window.h"
#include "ui/locale_format.h"

int main(int argc, char* argv[]) {
  QApplication application(argc, argv);
  ui::ConfigureApplication();

  // Numbers are read and written in the user's regional format (LC_ALL, LC_NUMERIC, LANG).
  ui::CalculatorWindow window(ui::NumberFormatFromLocale(QLocale::system()));
  window.Load();
  window.move(window.screen()->availableGeometry().center() - window.rect().center());
  window.show();
  return QApplication::exec();
}
