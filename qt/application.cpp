#include "qt/application.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QPixmap>
#include <QStyleFactory>
#include <QTranslator>

#include "qt/equilateral-triangle.xpm"
#include "qt/field_accessibility.h"
#include "qt/window_accessibility.h"

namespace qt_ui {

void ConfigureApplication() {
  // Fusion draws the same everywhere; the command buttons paint their colours themselves.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("equilateral-triangle"));
  QApplication::setOrganizationDomain(QStringLiteral("ravnostranen.example"));
  QApplication::setApplicationVersion(QStringLiteral(TRIANGLE_VERSION_TEXT));
  // Docks match the window to its launcher by this name (Wayland's app id); on X11 the
  // entry's StartupWMClass names the window's class, the application name.
  QGuiApplication::setDesktopFileName(QStringLiteral("example.ravnostranen.EquilateralTriangle"));
  // Built from the XPM's own C array: loading it from a file or resource would load every
  // image-format plugin at start.
  QApplication::setWindowIcon(QPixmap(equilateral_triangle_xpm));
  InstallWindowAccessibility();
  InstallFieldAccessibility();
}

QTranslator* InstallQtTranslations(const QLocale& locale) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
      QCoreApplication::installTranslator(translator)) {
    return translator;
  }
  delete translator;
  return nullptr;
}

}  // namespace qt_ui
