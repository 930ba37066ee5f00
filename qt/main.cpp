#include <QApplication>
#include <QLocale>
#include <QScreen>
#include <memory>

#include "qt/application.h"
#include "qt/calculator_window.h"
#include "qt/locale_format.h"
#include "qt/start_up.h"

int main(int argc, char* argv[]) {
  qt_ui::RunWithoutABusWhereThereIsNone();
  auto no_display = std::make_unique<qt_ui::ExitCleanlyWithoutDisplay>();
  QApplication application(argc, argv);
  no_display.reset();
  qt_ui::ConfigureApplication();
  qt_ui::InstallQtTranslations(QLocale::system());

  // Numbers are read and written in the user's regional format (LC_ALL, LC_NUMERIC, LANG).
  qt_ui::CalculatorWindow window(qt_ui::NumberFormatFromLocale(QLocale::system()));
  window.Load();
  window.move(window.screen()->availableGeometry().center() - window.rect().center());
  window.show();
  return QApplication::exec();
}
