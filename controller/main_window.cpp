#include "controller/main_window.h"

#include <string>
#include <utility>

#include "triangle/format_result.h"
#include "triangle/parse_number.h"
#include "triangle/quantities.h"

namespace controller {

using platform::WindowView;
using triangle::kQuantityCount;
using triangle::QuantityIndex;

MainWindow::MainWindow(WindowView& view, triangle::NumberFormat format)
    : view_(view), format_(std::move(format)) {}

void MainWindow::OnFormLoad() {
  ClearAll();
  selected_option_ = kNoOption;
}

void MainWindow::OnOptionClick(std::int16_t index) {
  if (!triangle::IsQuantityIndex(index)) return;
  last_calculation_.reset();
  if (selected_option_ != kNoOption) {
    view_.SetFieldText(selected_option_, "");
    view_.SetFieldEnabled(selected_option_, false);
  }
  selected_option_ = index;
  chosen_field_locked_ = false;
  view_.SetFieldEnabled(index, true);
}

void MainWindow::OnChosenOptionChosenAgain() {
  if (selected_option_ == kNoOption || !chosen_field_locked_) return;
  last_calculation_.reset();
  chosen_field_locked_ = false;
  view_.SetFieldEnabled(selected_option_, true);
}

void MainWindow::OnCommandClick(std::int16_t index) {
  if (index == kCalculateButton && selected_option_ != kNoOption) Calculate();
  if (index == kClearButton) ClearAll();
}

// The steps run in this order so that a failure leaves a predictable window: every field
// disabled with the lifted length limit, the fields before the failing one written, the rest empty.
void MainWindow::Calculate() {
  last_calculation_.reset();
  chosen_field_locked_ = true;
  for (QuantityIndex k = 0; k < kQuantityCount; ++k) {
    view_.SetFieldMaxLength(k, kLiftedMaxLength);
    view_.SetFieldEnabled(k, false);
  }
  Calculation calculation{.given = selected_option_, .values = {}};
  QuantityIndex next = 0;  // the first field this calculation has not written yet
  try {
    const double given = ReadGivenMeasure();
    const double side = triangle::SideFromInput(selected_option_, given);
    calculation.values[static_cast<std::size_t>(selected_option_)] = given;
    for (; next < kQuantityCount; ++next) {
      if (next == selected_option_) continue;  // the typed text stays as the user wrote it
      const double value = triangle::QuantityOfSide(next, side);
      calculation.values[static_cast<std::size_t>(next)] = value;
      view_.SetFieldText(next, triangle::FormatResult(value, format_));
    }
  } catch (...) {  // whatever stopped it, no result of an earlier triangle stays
    for (; next < kQuantityCount; ++next) {
      if (next != selected_option_) view_.SetFieldText(next, "");
    }
    throw;
  }
  last_calculation_ = calculation;
}

double MainWindow::ReadGivenMeasure() {
  const std::string text = view_.FieldText(selected_option_);
  const triangle::NumberReading reading = triangle::ReadNumber(text, format_);
  using enum triangle::NumberReading::Extent;
  using Reason = WindowView::ReadingNotice::Reason;
  if (reading.extent != kWholeText) {
    const bool empty = reading.extent == kNoNumber &&
                       reading.unread.find_first_not_of(" \t\n") == std::string_view::npos;
    const Reason reason = reading.extent == kLeadingPart ? Reason::kTextLeftUnread
                          : empty                        ? Reason::kEmptyField
                                                         : Reason::kNoNumber;
    view_.ShowReadingNotice(selected_option_,
                            {.reason = reason,
                             .value_text = triangle::FormatResult(reading.value, format_),
                             .unread_text = std::string(reading.unread)});
  }
  return reading.value;
}

void MainWindow::ClearAll() {
  last_calculation_.reset();
  chosen_field_locked_ = false;  // no option is shown chosen: choosing one starts afresh
  for (QuantityIndex k = 0; k < kQuantityCount; ++k) {
    view_.ClearOption(k);
    view_.SetFieldText(k, "");
    view_.SetFieldEnabled(k, false);
    view_.SetFieldMaxLength(k, kInitialMaxLength);
  }
}

}  // namespace controller
