#pragma once

#include <cstdint>

#include "platform/window_view.h"
#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

namespace controller {

// The calculator window's behaviour: which measure the user chose, and what loading the
// window, choosing a measure and pressing a button do to the controls.
//
// There is no error handling here on purpose: a failed computation (triangle::CalculationError)
// leaves Calculate at the failing step, with the fields written so far showing their new text,
// and reaches the caller of OnCommandClick, which reports it.
class MainWindow {
 public:
  static constexpr std::int16_t kNoOption = -1;
  static constexpr std::int16_t kCalculateButton = 0;
  static constexpr std::int16_t kClearButton = 1;
  // The length limit of an empty field, which keeps typed values far from overflow.
  static constexpr int kInitialMaxLength = 4;

  // `view` must outlive this object. `format` is how numbers are read and written.
  MainWindow(platform::WindowView& view, triangle::NumberFormat format);

  void OnFormLoad();
  // Indices outside 0..7 are ignored.
  void OnOptionClick(std::int16_t index);
  void OnCommandClick(std::int16_t index);

  // kNoOption until the user first chooses a measure; the clear button does not reset it.
  std::int16_t SelectedOption() const { return selected_option_; }

 private:
  void Calculate();
  void ClearAll();

  platform::WindowView& view_;
  triangle::NumberFormat format_;
  std::int16_t selected_option_ = kNoOption;
};

}  // namespace controller
