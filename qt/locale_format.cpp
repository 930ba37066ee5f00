#include "qt/locale_format.h"

#include <QString>

namespace qt_ui {
namespace {

// Qt does not publish group sizes, so they are read off a formatted long integer: the
// groups right of the leading one, from the decimal side, with repeats of the last dropped.
std::vector<int> GroupSizes(const QLocale& locale) {
  const QString separator = locale.groupSeparator();
  const QString written = locale.toString(Q_INT64_C(1234567890123456789));
  if (separator.isEmpty() || !written.contains(separator)) return {};
  QStringList groups = written.split(separator);
  groups.removeFirst();  // the leading group may be short
  std::vector<int> sizes;
  for (auto group = groups.crbegin(); group != groups.crend(); ++group) {
    sizes.push_back(static_cast<int>(group->size()));
  }
  while (sizes.size() > 1 && sizes.back() == sizes[sizes.size() - 2]) sizes.pop_back();
  return sizes;
}

}  // namespace

triangle::NumberFormat NumberFormatFromLocale(const QLocale& locale) {
  triangle::NumberFormat format;
  format.decimal_separator = locale.decimalPoint().toStdString();
  format.group_separator = locale.groupSeparator().toStdString();
  format.group_sizes = GroupSizes(locale);
  return format;
}

}  // namespace qt_ui
