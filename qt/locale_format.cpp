#include "qt/locale_format.h"

#include <QString>

#include "triangle/group_sizes.h"

namespace qt_ui {

triangle::NumberFormat NumberFormatFromLocale(const QLocale& locale) {
  triangle::NumberFormat format;
  format.decimal_separator = locale.decimalPoint().toStdString();
  format.group_separator = locale.groupSeparator().toStdString();
  // Qt publishes no group sizes: they are read off a long integer it writes.
  format.group_sizes = triangle::GroupSizesOf(
      locale.toString(Q_INT64_C(1234567890123456789)).toStdString(), format.group_separator);
  return format;
}

}  // namespace qt_ui
