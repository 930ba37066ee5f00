// Prints the spoken form of every solution line and result explanation of a set of
// calculations, one a line, for spoken_lines_test.sh to give to the Bulgarian voice. With
// --text, each spoken line follows its written one, for a person to read.
#include <algorithm>
#include <array>
#include <iostream>
#include <string>
#include <string_view>

#include "calculation_values.h"
#include "design/derived_texts.h"
#include "design/solution.h"

int main(int argc, char** argv) {
  const bool with_text = argc > 1 && std::string_view(argv[1]) == "--text";
  using design::LengthUnit;
  const struct {
    triangle::QuantityIndex given;
    double value;
    LengthUnit unit;
  } calculations[] = {
      {triangle::kSide, 10, LengthUnit::kCentimetre},
      {triangle::kPerimeter, 10, LengthUnit::kNone},
      {triangle::kArea, 12, LengthUnit::kCentimetre},
      {triangle::kArea, 5.26433, LengthUnit::kMetre},  // no exact side
      {triangle::kMedian, 6, LengthUnit::kMillimetre},
      {triangle::kHeight, -3, LengthUnit::kDecimetre},
      {triangle::kBisector, 1000, LengthUnit::kKilometre},
      {triangle::kCircumradius, 2.5, LengthUnit::kNone},
      {triangle::kInradius, 0.5, LengthUnit::kCentimetre},
      {triangle::kSide, 1e-7, LengthUnit::kNone},
      {triangle::kSide, 0, LengthUnit::kNone},
  };
  for (const auto& [given, value, unit] : calculations) {
    const auto values = design::test_support::Calculation(given, value);
    for (const triangle::NumberFormat& format :
         {triangle::DecimalPointFormat(), triangle::BulgarianFormat()}) {
      for (const design::SolutionLine& line : design::SolutionSteps(given, values, format, unit)) {
        if (with_text) std::cout << line.text << '\n';
        std::cout << line.spoken << '\n';
      }
      // The explanations are said alike under every number format: once is enough.
      for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
        if (k == given || format != triangle::DecimalPointFormat()) continue;
        const auto index = static_cast<std::size_t>(k);
        if (with_text) {  // on one line
          std::string text = design::ResultExplanations(given, values, format)[index];
          std::replace(text.begin(), text.end(), '\n', ' ');
          std::cout << text << '\n';
        }
        std::cout << design::SpokenExplanations(given, values, format)[index] << '\n';
      }
    }
  }
}
