#pragma once

#include <QLocale>

#include "triangle/number_format.h"

namespace qt_ui {

// The number settings of a Qt locale: its decimal and group separators and its group sizes.
// Qt offers no leading-zero or negative-style setting; those keep the usual defaults.
triangle::NumberFormat NumberFormatFromLocale(const QLocale& locale);

}  // namespace qt_ui
