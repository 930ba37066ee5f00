#pragma once

#include <QString>
#include <QStringList>

#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

// Texts the window derives from a calculation: the result fields' tooltips and the clipboard.
namespace qt_ui {

// The formula that gave measure `field` when `chosen` was given, and its full-precision value.
QString ResultTooltip(triangle::QuantityIndex field, triangle::QuantityIndex chosen, double value,
                      const triangle::NumberFormat& format);

// One line "caption: text" for each measure, in the fields' order.
QString MeasuresAsText(const QStringList& field_texts);

}  // namespace qt_ui
