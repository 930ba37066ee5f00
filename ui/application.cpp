#include "ui/application.h"

#include <QApplication>
#include <QIcon>
#include <QStyleFactory>

namespace ui {

void ConfigureApplication() {
  // Fusion paints push buttons and option buttons with their palette colours everywhere.
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QApplication::setApplicationName(QStringLiteral("equilateral-triangle"));
  QApplication::setOrganizationDomain(QStringLiteral("ravnostranen.example"));
  QApplication::setApplicationVersion(QStringLiteral(TRIANGLE_VERSION_TEXT));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/equilateral-triangle.xpm")));
}

}  // namespace ui
