#include "design/solution.h"

#include <cstddef>
#include <exception>

#include "design/texts.h"
#include "triangle/format_result.h"
#include "triangle/parse_number.h"

namespace design {
namespace {

using triangle::QuantityIndex;

// The letter a measure goes by: "P" of "P = 3·a", "a" for the side.
std::string_view Symbol(QuantityIndex measure) {
  const std::string_view formula = texts::kFormulaFromSide.at(static_cast<std::size_t>(measure));
  return formula.substr(0, formula.find(' '));
}

// What follows "X = " in a formula.
std::string_view RightSide(std::string_view formula) {
  return formula.substr(formula.find(" = ") + 3);
}

// A number put into a formula: a negative one in parentheses, so that "2·(-3)" is not "2·-3".
std::string Operand(const std::string& number) {
  return number.starts_with('-') ? "(" + number + ")" : number;
}

// The formula's right side with every `symbol` replaced by `number`.
std::string Substituted(std::string_view formula, std::string_view symbol,
                        const std::string& number) {
  const std::string operand = Operand(number);
  std::string text;
  for (std::size_t at = 0; at < formula.size();) {
    if (formula.substr(at, symbol.size()) == symbol) {
      text += operand;
      at += symbol.size();
    } else {
      text += formula[at++];
    }
  }
  return text;
}

// "=" when `text` reads back as exactly `value`, "≈" when it is rounded.
std::string_view Relation(const std::string& text, double value,
                          const triangle::NumberFormat& format) {
  try {
    return triangle::ParseNumber(text, format) == value ? "=" : "≈";
  } catch (const std::exception&) {  // a text beyond the double range is no exact value
    return "≈";
  }
}

std::string Result(double value, const triangle::NumberFormat& format) {
  return triangle::FormatResult(value, format);
}

std::string Equation(const std::string& text, double value, const triangle::NumberFormat& format) {
  return std::string(Relation(text, value, format)) + " " + text;
}

bool IsOneLength(QuantityIndex measure) {
  return measure == triangle::kMedian || measure == triangle::kHeight ||
         measure == triangle::kBisector;
}

}  // namespace

std::string GivenValueText(double value, const triangle::NumberFormat& format) {
  std::string text = Result(value, format);
  const std::size_t separator = text.rfind(format.decimal_separator);
  if (format.decimal_separator.empty() || separator == std::string::npos) return text;
  const std::size_t digits = separator + format.decimal_separator.size();
  std::size_t end = digits;
  while (end < text.size() && text[end] >= '0' && text[end] <= '9') ++end;
  std::size_t kept = end;
  while (kept > digits && text[kept - 1] == '0') --kept;
  const std::size_t cut_from = kept == digits ? separator : kept;
  text.erase(cut_from, end - cut_from);
  // A value typed with more decimals than a result has is written with all its digits, as
  // the pupil typed it, rather than rounded away from the field beside it.
  if (Relation(text, value, format) != "=") return triangle::FormatFullPrecision(value, format);
  return text;
}

std::vector<std::string> SolutionLines(QuantityIndex given,
                                       const std::array<double, triangle::kQuantityCount>& values,
                                       const triangle::NumberFormat& format) {
  const auto value = [&](QuantityIndex k) { return values.at(static_cast<std::size_t>(k)); };
  const auto formula = [](QuantityIndex k) {
    return texts::kFormulaFromSide.at(static_cast<std::size_t>(k));
  };
  std::vector<std::string> lines;
  const std::string given_text = GivenValueText(value(given), format);
  lines.push_back(std::string(texts::kGivenPrefix) + std::string(Symbol(given)) + " " +
                  std::string(Relation(given_text, value(given), format)) + " " + given_text);

  // The side from the given measure, as the program computes it.
  std::string side = given_text;
  if (given != triangle::kSide) {
    const std::string_view side_formula =
        texts::kSideFromMeasure.at(static_cast<std::size_t>(given));
    side = Result(value(triangle::kSide), format);
    lines.push_back(std::string(formula(given)) + std::string(texts::kFollowsSign) +
                    std::string(side_formula) + " = " +
                    Substituted(RightSide(side_formula), Symbol(given), given_text) + " " +
                    Equation(side, value(triangle::kSide), format));
  }

  // Every other measure from the side; the median, the height and the bisector are one length.
  bool one_length_written = false;
  for (QuantityIndex k = triangle::kPerimeter; k < triangle::kQuantityCount; ++k) {
    if (k == given) continue;
    std::string names(Symbol(k));
    if (IsOneLength(k)) {
      if (one_length_written) continue;
      one_length_written = true;
      names.clear();
      for (QuantityIndex one : {triangle::kHeight, triangle::kMedian, triangle::kBisector}) {
        if (one == given) continue;
        names += std::string(Symbol(one)) + " = ";
      }
      names.resize(names.size() - 3);
    }
    const std::string text = Result(value(k), format);
    const std::string_view right_side = RightSide(formula(k));
    lines.push_back(names + " = " + std::string(right_side) + " = " +
                    Substituted(right_side, Symbol(triangle::kSide), side) + " " +
                    Equation(text, value(k), format));
  }
  return lines;
}

std::vector<SolutionLine> SolutionSteps(QuantityIndex given,
                                        const std::array<double, triangle::kQuantityCount>& values,
                                        const triangle::NumberFormat& format, LengthUnit) {
  // TODO(exact): units and spoken forms; until then each line is spoken as written.
  std::vector<SolutionLine> steps;
  for (std::string& line : SolutionLines(given, values, format)) {
    steps.push_back({line, line});
  }
  return steps;
}

std::string SolutionText(QuantityIndex given,
                         const std::array<double, triangle::kQuantityCount>& values,
                         const triangle::NumberFormat& format, std::string_view line_break) {
  std::string text;
  for (const std::string& line : SolutionLines(given, values, format)) {
    text.append(line).append(line_break);
  }
  return text;
}

}  // namespace design
