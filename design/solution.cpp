#include "design/solution.h"

#include <cstddef>
#include <exception>
#include <optional>

#include "design/exact_text.h"
#include "design/texts.h"
#include "triangle/exact_measures.h"
#include "triangle/format_result.h"
#include "triangle/parse_number.h"

namespace design {
namespace {

using triangle::ExactValue;
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

// A piece of a line as written and as said; the spoken words are joined by blanks.
struct Phrase {
  std::string text;
  std::string spoken;

  Phrase& Say(std::string_view words) {
    if (words.empty()) return *this;
    const bool punctuation = words.front() == ':' || words.front() == ',' || words.front() == '.';
    if (!spoken.empty() && spoken.back() != ' ' && !punctuation) spoken += ' ';
    spoken += words;
    return *this;
  }
  Phrase& Add(const Phrase& piece) {
    text += piece.text;
    return Say(piece.spoken);
  }
  // A formula's text, said by SpokenFormula.
  Phrase& Formula(std::string_view formula) {
    text += formula;
    return Say(SpokenFormula(formula));
  }
  // A relation or an arrow between the line's parts, with a pause before it.
  Phrase& Between(std::string_view sign) {
    if (sign == "⇒") {
      text += texts::kFollowsSign;
    } else {
      text.append(" ").append(sign).append(" ");
    }
    if (!spoken.empty()) spoken += ',';
    return Say(SpokenFormula(sign));
  }
};

Phrase ResultPhrase(double value, const triangle::NumberFormat& format) {
  return {triangle::FormatResult(value, format), SpokenResult(value)};
}

Phrase ExactPhrase(const ExactValue& value, const triangle::NumberFormat& format) {
  return {ExactText(value, format), SpokenExact(value)};
}

Phrase UnitPhrase(LengthUnit unit, bool area) {
  return {UnitText(unit, area), SpokenUnit(unit, area)};
}

// A number put into a formula: in parentheses when negative or a fraction, so that "2·(-3)" is
// not "2·-3" nor "3·10/3" unclear; also a root before its square ("(4·⁴√3)²").
Phrase Operand(const Phrase& number, bool squared) {
  const bool negative = number.text.starts_with('-');
  const bool wrapped = number.text.starts_with('(');
  const bool compound = number.text.find('/') != std::string::npos ||
                        (squared && number.text.find("√") != std::string::npos);
  if (wrapped || !(negative || compound)) return number;
  return {std::string("(").append(number.text).append(")"), number.spoken};
}

// The formula's right side with every `symbol` replaced by `number`.
Phrase Substituted(std::string_view formula, std::string_view symbol, const Phrase& number) {
  Phrase phrase;
  std::size_t written = 0;
  for (std::size_t at = formula.find(symbol); at != std::string_view::npos;
       at = formula.find(symbol, at + symbol.size())) {
    phrase.Formula(formula.substr(written, at - written));
    const bool squared = formula.substr(at + symbol.size()).starts_with("²");
    phrase.Add(Operand(number, squared));
    written = at + symbol.size();
  }
  return phrase.Formula(formula.substr(written));
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

// What a measure's line ends in after the numbers put into its formula (`substituted`): its
// exact value where it has one (unless the numbers already write it), then "≈" and the field's
// text unless that is the exact value; without an exact value, the field's text after "=" or
// "≈" as it reads back. Each with the unit.
void AddResult(Phrase& line, const Phrase& substituted, bool exact_inputs,
               const std::optional<ExactValue>& exact, double value,
               const triangle::NumberFormat& format, const Phrase& unit) {
  const Phrase field = ResultPhrase(value, format);
  line.Add(substituted);
  if (exact) {
    const Phrase exact_value = ExactPhrase(*exact, format);
    if (exact_value.text != substituted.text) line.Between("=").Add(exact_value);
    line.Add(unit);
    if (ExactFieldText(*exact, format) == field.text) return;
    line.Between("≈").Add(field).Add(unit);
    return;
  }
  // Exact numbers put in, a value past the integers: nothing says that the double is it.
  line.Between(exact_inputs ? "≈" : Relation(field.text, value, format)).Add(field).Add(unit);
}

bool IsOneLength(QuantityIndex measure) {
  return measure == triangle::kMedian || measure == triangle::kHeight ||
         measure == triangle::kBisector;
}

}  // namespace

std::string UnitText(LengthUnit unit, bool area) {
  const std::string_view name = texts::kUnitNames.at(static_cast<std::size_t>(unit));
  if (name.empty()) return {};
  return std::string(" ").append(name).append(area ? "²" : "");
}

std::string SpokenUnit(LengthUnit unit, bool area) {
  const std::string_view name = texts::kSpokenUnitNames.at(static_cast<std::size_t>(unit));
  if (name.empty()) return {};
  return (area ? std::string(texts::kSpokenSquarePrefix) : std::string()) + std::string(name);
}

std::string GivenValueText(double value, const triangle::NumberFormat& format) {
  std::string text = triangle::FormatResult(value, format);
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

std::vector<SolutionLine> SolutionSteps(QuantityIndex given,
                                        const std::array<double, triangle::kQuantityCount>& values,
                                        const triangle::NumberFormat& format, LengthUnit unit) {
  const auto value = [&](QuantityIndex k) { return values.at(static_cast<std::size_t>(k)); };
  const auto formula = [](QuantityIndex k) {
    return texts::kFormulaFromSide.at(static_cast<std::size_t>(k));
  };
  const auto unit_of = [unit](QuantityIndex k) { return UnitPhrase(unit, k == triangle::kArea); };
  const auto exact = triangle::ExactMeasures(given, value(given));
  const auto exact_of = [&](QuantityIndex k) { return exact.at(static_cast<std::size_t>(k)); };
  std::vector<SolutionLine> lines;
  const auto add = [&lines](Phrase&& line) {
    lines.push_back({std::move(line.text), std::move(line.spoken)});
  };

  // The given value as read: its exact decimal, or as GivenValueText writes it.
  const std::optional<triangle::Rational> given_exact = triangle::ExactGiven(value(given));
  Phrase given_value;
  std::string_view given_relation = "=";
  if (given_exact) {
    given_value = ExactPhrase(triangle::Exact(*given_exact), format);
  } else {
    given_value = {GivenValueText(value(given), format), SpokenFullPrecision(value(given))};
    given_relation = Relation(given_value.text, value(given), format);
  }

  if (!(value(given) > 0)) {  // zero, below zero: no triangle has it
    Phrase line;
    const std::string_view name = texts::kMeasureNames.at(static_cast<std::size_t>(given));
    line.Formula(texts::kNoTriangleBefore);
    line.Formula(name.starts_with("с") || name.starts_with("з") ? texts::kWithBeforeSz
                                                                : texts::kWith);
    line.Formula(name);
    line.text += " ";
    line.Add(given_value).Add(unit_of(given)).Formula(texts::kNoTriangleAfter);
    add(std::move(line));
  }
  {
    Phrase line;
    line.Formula(texts::kGivenPrefix);
    line.Formula(Symbol(given));
    line.Between(given_relation).Add(given_value).Add(unit_of(given));
    add(std::move(line));
  }

  // The side from the given measure; what the later lines put in: its exact value, or the
  // field's text where it has none.
  Phrase side = ExactPhrase(triangle::Exact(given_exact.value_or(triangle::Rational{})), format);
  if (!given_exact) side = given_value;
  bool side_exact = given_exact.has_value();
  if (given != triangle::kSide) {
    const std::string_view side_formula =
        texts::kSideFromMeasure.at(static_cast<std::size_t>(given));
    Phrase line;
    line.Formula(formula(given)).Between("⇒");
    if (given == triangle::kArea) line.Formula(texts::kSquaredSideFromArea).Between("⇒");
    line.Formula(side_formula).Between("=");
    AddResult(line, Substituted(RightSide(side_formula), Symbol(given), given_value),
              given_exact.has_value(), exact_of(triangle::kSide), value(triangle::kSide), format,
              unit_of(triangle::kSide));
    add(std::move(line));
    side_exact = exact_of(triangle::kSide).has_value();
    side = exact_of(triangle::kSide) ? ExactPhrase(*exact_of(triangle::kSide), format)
                                     : ResultPhrase(value(triangle::kSide), format);
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
    const std::string_view right_side = RightSide(formula(k));
    Phrase line;
    line.Formula(names).Between("=").Formula(right_side).Between("=");
    AddResult(line, Substituted(right_side, Symbol(triangle::kSide), side), side_exact, exact_of(k),
              value(k), format, unit_of(k));
    add(std::move(line));
  }
  return lines;
}

std::vector<std::string> SolutionLines(QuantityIndex given,
                                       const std::array<double, triangle::kQuantityCount>& values,
                                       const triangle::NumberFormat& format, LengthUnit unit) {
  std::vector<std::string> lines;
  for (SolutionLine& step : SolutionSteps(given, values, format, unit)) {
    lines.push_back(std::move(step.text));
  }
  return lines;
}

std::string SolutionText(QuantityIndex given,
                         const std::array<double, triangle::kQuantityCount>& values,
                         const triangle::NumberFormat& format, std::string_view line_break,
                         LengthUnit unit) {
  std::string text;
  for (const std::string& line : SolutionLines(given, values, format, unit)) {
    text.append(line).append(line_break);
  }
  return text;
}

std::string_view SolutionTitle() { return texts::kSolutionTitle; }

}  // namespace design
