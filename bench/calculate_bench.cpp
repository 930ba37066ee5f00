// One whole calculation through the controller beside the same arithmetic and formatting
// called directly: the price of the controller and its view interface.
#include <benchmark/benchmark.h>

#include <string>

#include "controller/main_window.h"
#include "triangle/format_result.h"
#include "triangle/parse_number.h"
#include "triangle/quantities.h"

namespace {

// A window that keeps nothing but the typed text.
class NoOpWindow final : public platform::WindowView {
 public:
  void ClearOption(triangle::QuantityIndex) override {}
  std::string FieldText(triangle::QuantityIndex) const override { return "12"; }
  void SetFieldText(triangle::QuantityIndex, std::string_view text) override {
    benchmark::DoNotOptimize(text.data());
  }
  void SetFieldEnabled(triangle::QuantityIndex, bool) override {}
  void SetFieldMaxLength(triangle::QuantityIndex, int) override {}
  void ShowReadingNotice(triangle::QuantityIndex, const ReadingNotice&) override {}
};

void BM_CalculateThroughController(benchmark::State& state) {
  NoOpWindow view;
  controller::MainWindow window(view, triangle::DecimalPointFormat());
  window.OnFormLoad();
  window.OnOptionClick(triangle::kArea);
  for (auto _ : state) window.OnCommandClick(controller::MainWindow::kCalculateButton);
}
BENCHMARK(BM_CalculateThroughController);

void BM_CalculateDirectly(benchmark::State& state) {
  const auto format = triangle::DecimalPointFormat();
  const std::string typed = "12";
  for (auto _ : state) {
    const double side =
        triangle::SideFromInput(triangle::kArea, triangle::ParseNumber(typed, format));
    for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      if (k == triangle::kArea) continue;
      benchmark::DoNotOptimize(triangle::FormatResult(triangle::QuantityOfSide(k, side), format));
    }
  }
}
BENCHMARK(BM_CalculateDirectly);

}  // namespace
