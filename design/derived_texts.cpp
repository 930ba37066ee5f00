#include "design/derived_texts.h"

#include "design/texts.h"
#include "triangle/failures.h"
#include "triangle/format_result.h"

namespace design {
namespace {

std::string_view WithoutBlanksAround(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

}  // namespace

std::string ResultExplanation(triangle::QuantityIndex field, triangle::QuantityIndex given,
                              double value, const triangle::NumberFormat& format) {
  // The side comes from the given measure; every other measure comes from the side.
  const std::string_view formula = field == triangle::kSide ? texts::kSideFromMeasure.at(given)
                                                            : texts::kFormulaFromSide.at(field);
  return std::string(formula) + "\n= " + triangle::FormatFullPrecision(value, format);
}

std::string MeasuresAsText(const std::array<std::string, triangle::kQuantityCount>& field_texts,
                           std::string_view line_break) {
  std::string text;
  for (std::size_t k = 0; k < field_texts.size(); ++k) {
    text.append(WithoutBlanksAround(texts::kOptionCaptions[k])).append(": ");
    text.append(field_texts[k]).append(line_break);
  }
  return text;
}

std::string LengthLimitHint(int limit) {
  return std::string(texts::kLengthLimitHintBefore) + std::to_string(limit) +
         std::string(texts::kLengthLimitHintAfter);
}

std::string FailureMessage(const std::exception& failure) {
  if (dynamic_cast<const triangle::OverflowError*>(&failure) != nullptr) {
    return std::string(texts::kOverflowMessage);
  }
  if (dynamic_cast<const triangle::InvalidArgumentError*>(&failure) != nullptr) {
    return std::string(texts::kNegativeAreaMessage);
  }
  return std::string(texts::kUnexpectedFailureMessage) + '\n' + failure.what();
}

}  // namespace design
