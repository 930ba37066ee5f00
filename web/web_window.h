#pragma once

#include <optional>
#include <string>

#include "controller/main_window.h"
#include "design/solution.h"
#include "platform/window_view.h"
#include "triangle/number_format.h"

namespace web {

// The calculator window as a page: the window interface over the page's controls, and the
// event boundary where the page's clicks reach the behaviour and failures are reported.
class WebWindow final : public platform::WindowView {
 public:
  // Takes the page over as it was written: in the state loading the window leaves it in
  // (start_state.h), which is the state a new controller is in. Loading it again would only
  // write every control with what it already shows.
  explicit WebWindow(triangle::NumberFormat format);

  void OnOptionClick(int index);
  // The chosen option chosen once more: after a calculation its field takes a new value.
  void OnChosenOptionChosenAgain();
  void OnCommandClick(int index);
  // The unit the solution and the figure label lengths with (design::LengthUnit's order);
  // they are redrawn with it at once. Others are ignored.
  void OnUnitChoice(int index);
  // Every measure as "caption: text" lines, what Ctrl+C copies and the announcement reads.
  std::string MeasuresAsText() const;

  void ClearOption(triangle::QuantityIndex option) override;
  std::string FieldText(triangle::QuantityIndex field) const override;
  void SetFieldText(triangle::QuantityIndex field, std::string_view text) override;
  void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override;
  void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override;
  void ShowReadingNotice(triangle::QuantityIndex field, const ReadingNotice& notice) override;

 private:
  void ShowCalculation();
  void ShowTeaching();  // the figure, the solution and the results' titles
  void ShowLink();      // the calculation in the page's address
  void ReportFailure(std::string_view message);

  controller::MainWindow controller_;
  // The calculation the figure, the solution and the results' titles show. The page is written
  // showing none, so that loading the module redraws nothing.
  std::optional<controller::MainWindow::Calculation> shown_;
  design::LengthUnit unit_ = design::LengthUnit::kNone;
  // The fragment the page's address was last given (none: the address as the page was opened).
  std::string link_;
};

}  // namespace web
