#include "design/full_value.h"

#include <cmath>

#include "triangle/format_result.h"

namespace design {

std::string FullValueText(double value, const triangle::NumberFormat& format) {
  const double magnitude = std::fabs(value);
  const std::string digits = triangle::FormatFullPrecision(magnitude, format);
  if (!std::isfinite(value) || digits.find('e') != std::string::npos) {
    return triangle::FormatFullPrecision(value, format);
  }
  // The integer part as a result's text writes it (grouped, with or without a leading zero),
  // without its four decimals; then every decimal of the full value.
  std::string text = triangle::FormatResult(std::trunc(magnitude), format);
  text.resize(text.size() - format.decimal_separator.size() - 4);
  if (const auto point = digits.find(format.decimal_separator); point != std::string::npos) {
    text += digits.substr(point);
  }
  if (!std::signbit(value) || magnitude == 0) return text;
  return format.negative_style == triangle::NegativeStyle::kParentheses ? "(" + text + ")"
                                                                        : "-" + text;
}

}  // namespace design
