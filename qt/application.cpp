#include "qt/application.h"

#include <QApplication>
#include <QIcon>
#include <QPixmap>
#include <QStyleFactory>

#include "qt/equilateral-triangle.xpm"

namespace qt_ui {

void ConfigureApplication() {
  // Fusion paints push buttons and option buttons with their palette colours everywhere.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("equilateral-triangle"));
  QApplication::setOrganizationDomain(QStringLiteral("ravnostranen.example"));
  QApplication::setApplicationVersion(QStringLiteral(TRIANGLE_VERSION_TEXT));
  // Built from the XPM's own C array: loading it from a file or resource would load every
  // image-format plugin at start.
  QApplication::setWindowIcon(QPixmap(equilateral_triangle_xpm));
}

}  // namespace qt_ui
