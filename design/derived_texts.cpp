#include "design/derived_texts.h"

#include "design/exact_text.h"
#include "design/full_value.h"
#include "design/texts.h"
#include "triangle/exact_measures.h"
#include "triangle/format_result.h"

namespace design {
namespace {

std::string_view WithoutBlanksAround(std::string_view text) {
  const std::size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// At most this many characters of what was not read are quoted: enough to recognise it.
constexpr std::size_t kQuotedCharacters = 24;

// The first `count` characters of UTF-8 `text` (a character is a lead byte and its
// continuation bytes), with "…" when the text goes on.
std::string FirstCharacters(std::string_view text, std::size_t count) {
  std::size_t end = 0;
  for (std::size_t seen = 0; end < text.size(); ++end) {
    const bool starts_character = (static_cast<unsigned char>(text[end]) & 0xC0) != 0x80;
    if (starts_character && seen++ == count) return std::string(text.substr(0, end)) + "…";
  }
  return std::string(text);
}

std::string_view WithoutTypedBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t\n");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t\n") - first + 1);
}

std::string DecimalSignName(const std::string& separator) {
  if (separator == ".") return std::string(texts::kFullStopName);
  if (separator == ",") return std::string(texts::kCommaName);
  return "„" + separator + "“";
}

// The side comes from the given measure; every other measure comes from the side.
std::string_view ExplainedFormula(triangle::QuantityIndex field, triangle::QuantityIndex given) {
  return field == triangle::kSide ? texts::kSideFromMeasure.at(static_cast<std::size_t>(given))
                                  : texts::kFormulaFromSide.at(static_cast<std::size_t>(field));
}

}  // namespace

std::string ResultExplanation(triangle::QuantityIndex field, triangle::QuantityIndex given,
                              double value, const triangle::NumberFormat& format,
                              const std::optional<triangle::ExactValue>& exact) {
  // An exact value that the double is needs no line of its own.
  const bool rounded = exact && !IsExactly(*exact, value);
  std::string text(ExplainedFormula(field, given));
  if (rounded) text.append(" = ").append(ExactText(*exact, format));
  return text + (rounded ? "\n≈ " : "\n= ") + FullValueText(value, format);
}

std::string SpokenExplanation(triangle::QuantityIndex field, triangle::QuantityIndex given,
                              double value, const std::optional<triangle::ExactValue>& exact) {
  const bool rounded = exact && !IsExactly(*exact, value);
  std::string spoken = SpokenFormula(ExplainedFormula(field, given));
  if (rounded)
    spoken.append(", ").append(SpokenFormula("=")).append(" ").append(SpokenExact(*exact));
  return spoken.append(", ")
      .append(SpokenFormula(rounded ? "≈" : "="))
      .append(" ")
      .append(SpokenFullPrecision(value));
}

std::array<std::string, triangle::kQuantityCount> ResultExplanations(
    triangle::QuantityIndex given, const std::array<double, triangle::kQuantityCount>& values,
    const triangle::NumberFormat& format) {
  const auto exact = triangle::ExactMeasures(given, values.at(static_cast<std::size_t>(given)));
  std::array<std::string, triangle::kQuantityCount> explanations;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    if (k == given) continue;
    const auto index = static_cast<std::size_t>(k);
    explanations[index] = ResultExplanation(k, given, values[index], format, exact[index]);
  }
  return explanations;
}

std::array<std::string, triangle::kQuantityCount> SpokenExplanations(
    triangle::QuantityIndex given, const std::array<double, triangle::kQuantityCount>& values,
    const triangle::NumberFormat&) {
  const auto exact = triangle::ExactMeasures(given, values.at(static_cast<std::size_t>(given)));
  std::array<std::string, triangle::kQuantityCount> explanations;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    if (k == given) continue;
    const auto index = static_cast<std::size_t>(k);
    explanations[index] = SpokenExplanation(k, given, values[index], exact[index]);
  }
  return explanations;
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

std::string MeasuresAsText(const platform::FieldControls& window, std::string_view line_break) {
  std::array<std::string, triangle::kQuantityCount> field_texts;
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    field_texts[static_cast<std::size_t>(k)] = window.FieldText(k);
  }
  return MeasuresAsText(field_texts, line_break);
}

std::string OptionTooltip(triangle::QuantityIndex option) {
  if (option == triangle::kSide) return std::string(texts::kSideOptionTooltip);
  return std::string(texts::kOptionTooltipPrefix) +
         std::string(texts::kSideFromMeasure.at(static_cast<std::size_t>(option)));
}

std::string OptionAccessibleName(triangle::QuantityIndex option) {
  const auto index = static_cast<std::size_t>(option);
  std::string name(WithoutBlanksAround(texts::kOptionCaptions.at(index)));
  const std::string_view full_name = texts::kMeasureNames.at(index);
  if (full_name != name) name.append(", ").append(full_name);
  return name;
}

std::string WithSolutionWindowLine(std::string tooltip) {
  if (!tooltip.empty()) tooltip.append("\n").append(texts::kSolutionTooltipLine);
  return tooltip;
}

std::string LengthLimitHint(int limit) {
  return std::string(texts::kLengthLimitHintBefore) + std::to_string(limit) +
         std::string(texts::kLengthLimitHintAfter);
}

std::string FieldHoverText(std::string_view text, bool text_is_cut, std::string_view explanation) {
  std::string hover(text_is_cut ? text : std::string_view());
  if (!hover.empty() && !explanation.empty()) hover.append("\n");
  return hover.append(explanation);
}

std::string_view LockedFieldHint() { return texts::kLockedFieldHint; }

std::string ReadingNoticeText(triangle::QuantityIndex field,
                              const platform::WindowView::ReadingNotice& notice,
                              const triangle::NumberFormat& format) {
  using Reason = platform::WindowView::ReadingNotice::Reason;
  std::string text(texts::kReadingNoticeField);
  text += WithoutBlanksAround(texts::kOptionCaptions.at(field));
  if (notice.reason == Reason::kEmptyField) {
    return text.append(texts::kReadingNoticeEmptyBefore).append(notice.value_text) + '.';
  }
  text.append(texts::kReadingNoticeReadAs).append(notice.value_text);
  const std::string quoted =
      FirstCharacters(WithoutTypedBlanks(notice.unread_text), kQuotedCharacters);
  if (notice.reason == Reason::kTextLeftUnread) {
    text.append(texts::kReadingNoticeUnreadBefore).append(quoted);
    text.append(texts::kReadingNoticeUnreadAfter);
  } else {
    text.append(texts::kReadingNoticeNoNumberBefore).append(quoted);
    text.append(texts::kReadingNoticeNoNumberAfter);
  }
  return text.append(texts::kReadingNoticeDecimalSign)
             .append(DecimalSignName(format.decimal_separator)) +
         '.';
}

std::string FailureMessage(triangle::FailureKind kind) {
  switch (kind) {
    case triangle::FailureKind::kOverflow:
      return std::string(texts::kOverflowMessage);
    case triangle::FailureKind::kNegativeSquareRoot:
      return std::string(texts::kNegativeAreaMessage);
  }
  return std::string(texts::kUnexpectedFailureMessage);
}

std::string FailureMessage(const std::exception& failure) {
  if (const auto* core = dynamic_cast<const triangle::CalculationError*>(&failure)) {
    return FailureMessage(core->Kind());
  }
  return std::string(texts::kUnexpectedFailureMessage) + '\n' + failure.what();
}

}  // namespace design
