#include "qt/window_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace qt_ui {
namespace {

// Asked for each class of an object from the most derived on: a class Qt knows (a dialog, a
// field, a label) has answered before a window reaches QWidget.
QAccessibleInterface* WindowInterface(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("QWidget") || object == nullptr || !object->isWidgetType()) {
    return nullptr;
  }
  auto* widget = static_cast<QWidget*>(object);
  if (!widget->isWindow()) return nullptr;
  return new QAccessibleWidget(widget, QAccessible::Window);
}

}  // namespace

void InstallWindowAccessibility() { QAccessible::installFactory(&WindowInterface); }

}  // namespace qt_ui
