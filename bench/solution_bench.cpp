// The solution with its exact values and spoken forms beside the solution as it was written
// before exact values (decimals only, kept below as the baseline): what a click now costs more.
#include <benchmark/benchmark.h>

#include <array>
#include <exception>
#include <string>
#include <vector>

#include "design/derived_texts.h"
#include "design/solution.h"
#include "design/texts.h"
#include "triangle/format_result.h"
#include "triangle/parse_number.h"
#include "triangle/quantities.h"

namespace {

using triangle::QuantityIndex;
using Values = std::array<double, triangle::kQuantityCount>;

Values Calculation(QuantityIndex given, double value) {
  Values values{};
  const double side = triangle::SideFromInput(given, value);
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    values[static_cast<std::size_t>(k)] = k == given ? value : triangle::QuantityOfSide(k, side);
  }
  return values;
}

// The solution's lines as they were written before exact values: each measure from the side's
// rounded text, "=" or "≈" by reading the text back.
namespace before {

std::string_view Symbol(QuantityIndex measure) {
  const std::string_view formula =
      design::texts::kFormulaFromSide.at(static_cast<std::size_t>(measure));
  return formula.substr(0, formula.find(' '));
}

std::string_view RightSide(std::string_view formula) {
  return formula.substr(formula.find(" = ") + 3);
}

std::string Substituted(std::string_view formula, std::string_view symbol,
                        const std::string& number) {
  const std::string operand = number.starts_with('-') ? "(" + number + ")" : number;
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

std::string_view Relation(const std::string& text, double value,
                          const triangle::NumberFormat& format) {
  try {
    return triangle::ParseNumber(text, format) == value ? "=" : "≈";
  } catch (const std::exception&) {
    return "≈";
  }
}

std::vector<std::string> SolutionLines(QuantityIndex given, const Values& values,
                                       const triangle::NumberFormat& format) {
  namespace texts = design::texts;
  const auto value = [&](QuantityIndex k) { return values.at(static_cast<std::size_t>(k)); };
  const auto formula = [](QuantityIndex k) {
    return texts::kFormulaFromSide.at(static_cast<std::size_t>(k));
  };
  std::vector<std::string> lines;
  const std::string given_text = design::GivenValueText(value(given), format);
  lines.push_back(std::string(texts::kGivenPrefix) + std::string(Symbol(given)) + " " +
                  std::string(Relation(given_text, value(given), format)) + " " + given_text);
  std::string side = given_text;
  if (given != triangle::kSide) {
    const std::string_view side_formula =
        texts::kSideFromMeasure.at(static_cast<std::size_t>(given));
    side = triangle::FormatResult(value(triangle::kSide), format);
    lines.push_back(std::string(formula(given)) + std::string(texts::kFollowsSign) +
                    std::string(side_formula) + " = " +
                    Substituted(RightSide(side_formula), Symbol(given), given_text) + " " +
                    std::string(Relation(side, value(triangle::kSide), format)) + " " + side);
  }
  bool one_length_written = false;
  for (QuantityIndex k = triangle::kPerimeter; k < triangle::kQuantityCount; ++k) {
    if (k == given) continue;
    std::string names(Symbol(k));
    if (k == triangle::kMedian || k == triangle::kHeight || k == triangle::kBisector) {
      if (one_length_written) continue;
      one_length_written = true;
      names.clear();
      for (QuantityIndex one : {triangle::kHeight, triangle::kMedian, triangle::kBisector}) {
        if (one == given) continue;
        names += std::string(Symbol(one)) + " = ";
      }
      names.resize(names.size() - 3);
    }
    const std::string text = triangle::FormatResult(value(k), format);
    const std::string_view right_side = RightSide(formula(k));
    lines.push_back(names + " = " + std::string(right_side) + " = " +
                    Substituted(right_side, Symbol(triangle::kSide), side) + " " +
                    std::string(Relation(text, value(k), format)) + " " + text);
  }
  return lines;
}

}  // namespace before

// One calculation per given measure, as pupils type them: integers, decimals, the area's
// fourth roots, one without an exact side.
const std::vector<std::pair<QuantityIndex, double>> kCalculations = {
    {triangle::kSide, 10},      {triangle::kPerimeter, 10},   {triangle::kArea, 12},
    {triangle::kArea, 5.26433}, {triangle::kMedian, 6},       {triangle::kHeight, 2.5},
    {triangle::kBisector, 7},   {triangle::kCircumradius, 2}, {triangle::kInradius, 0.5}};

void BM_SolutionBeforeExactValues(benchmark::State& state) {
  std::vector<Values> values;
  for (const auto& [given, value] : kCalculations) values.push_back(Calculation(given, value));
  const auto format = triangle::BulgarianFormat();
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++ % kCalculations.size();
    benchmark::DoNotOptimize(before::SolutionLines(kCalculations[k].first, values[k], format));
  }
}
BENCHMARK(BM_SolutionBeforeExactValues);

// What a calculation now makes for the solution: its steps with exact and spoken forms, and
// the results' explanations with theirs.
void BM_SolutionWithExactAndSpokenForms(benchmark::State& state) {
  std::vector<Values> values;
  for (const auto& [given, value] : kCalculations) values.push_back(Calculation(given, value));
  const auto format = triangle::BulgarianFormat();
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++ % kCalculations.size();
    const QuantityIndex given = kCalculations[k].first;
    benchmark::DoNotOptimize(
        design::SolutionSteps(given, values[k], format, design::LengthUnit::kCentimetre));
    benchmark::DoNotOptimize(design::ResultExplanations(given, values[k], format));
    benchmark::DoNotOptimize(design::SpokenExplanations(given, values[k], format));
  }
}
BENCHMARK(BM_SolutionWithExactAndSpokenForms);

// The steps alone, as the solution window asks for them.
void BM_SolutionSteps(benchmark::State& state) {
  std::vector<Values> values;
  for (const auto& [given, value] : kCalculations) values.push_back(Calculation(given, value));
  const auto format = triangle::BulgarianFormat();
  std::size_t i = 0;
  for (auto _ : state) {
    const std::size_t k = i++ % kCalculations.size();
    benchmark::DoNotOptimize(design::SolutionSteps(kCalculations[k].first, values[k], format,
                                                   design::LengthUnit::kCentimetre));
  }
}
BENCHMARK(BM_SolutionSteps);

}  // namespace
