// FormatResult and ParseNumber beside the bare standard conversions they are built on.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "triangle/format_result.h"
#include "triangle/parse_number.h"

namespace {

std::vector<double> MixedMagnitudes() {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> exponent(-3, 12);
  std::vector<double> values(1024);
  for (std::size_t i = 0; i < values.size(); ++i) {
    values[i] = (i % 3 == 0 ? -1 : 1) * std::pow(10.0, exponent(random));
  }
  return values;
}

const std::vector<std::string> kTypicalTexts = {"12", "5.2643", "1e-3", "-0.5"};

void BM_FormatResult(benchmark::State& state) {
  const auto values = MixedMagnitudes();
  const auto format = triangle::DecimalPointFormat();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(triangle::FormatResult(values[i++ % values.size()], format));
  }
}
BENCHMARK(BM_FormatResult);

// std::to_chars alone, and (as_string) returned as a std::string as FormatResult must be:
// the latter is the floor for any function of that shape.
void BM_ToCharsFixed4(benchmark::State& state, bool as_string) {
  const auto values = MixedMagnitudes();
  std::size_t i = 0;
  char buffer[400];
  for (auto _ : state) {
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, values[i++ % values.size()],
                                      std::chars_format::fixed, 4);
    if (as_string) {
      benchmark::DoNotOptimize(std::string(buffer, result.ptr));
    } else {
      benchmark::DoNotOptimize(result.ptr);
      benchmark::ClobberMemory();
    }
  }
}
BENCHMARK_CAPTURE(BM_ToCharsFixed4, chars, false)->Name("BM_ToCharsFixed4");
BENCHMARK_CAPTURE(BM_ToCharsFixed4, string, true)->Name("BM_ToCharsFixed4String");

void BM_ParseNumber(benchmark::State& state) {
  const auto format = triangle::DecimalPointFormat();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        triangle::ParseNumber(kTypicalTexts[i++ % kTypicalTexts.size()], format));
  }
}
BENCHMARK(BM_ParseNumber);

void BM_FromChars(benchmark::State& state) {
  std::size_t i = 0;
  for (auto _ : state) {
    const std::string& text = kTypicalTexts[i++ % kTypicalTexts.size()];
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    benchmark::DoNotOptimize(value);
  }
}
BENCHMARK(BM_FromChars);

}  // namespace
