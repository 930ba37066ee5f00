#include "qt/result_texts.h"

#include "design/texts.h"
#include "qt/qt_text.h"
#include "triangle/format_result.h"

namespace qt_ui {

QString ResultTooltip(triangle::QuantityIndex field, triangle::QuantityIndex chosen, double value,
                      const triangle::NumberFormat& format) {
  // The side comes from the chosen measure; every other result comes from the side.
  const std::string_view formula = field == triangle::kSide
                                       ? design::texts::kSideFromMeasure.at(chosen)
                                       : design::texts::kFormulaFromSide.at(field);
  return ToQString(formula) + QStringLiteral("\n= ") +
         ToQString(triangle::FormatFullPrecision(value, format));
}

QString MeasuresAsText(const QStringList& field_texts) {
  QString text;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    text += ToQString(design::texts::kOptionCaptions.at(k)).trimmed() + QStringLiteral(": ") +
            field_texts.value(k) + QLatin1Char('\n');
  }
  return text;
}

}  // namespace qt_ui
