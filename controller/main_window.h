#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "platform/window_view.h"
#include "triangle/number_format.h"
#include "triangle/quantity_index.h"

namespace controller {

// The calculator window's behaviour: which measure the user chose, and what loading the
// window, choosing a measure and pressing a button do to the controls.
//
// A failed computation (triangle::CalculationError) stops Calculate at the failing step and
// reaches the caller of OnCommandClick, which reports it. The fields written so far keep their
// new text; the later ones are emptied, so that no result of an earlier triangle stays beside
// the new input.
class MainWindow {
 public:
  static constexpr std::int16_t kNoOption = -1;
  static constexpr std::int16_t kCalculateButton = 0;
  static constexpr std::int16_t kClearButton = 1;
  // The length limit of an empty field, which keeps typed values far from overflow.
  static constexpr int kInitialMaxLength = 4;
  // The length limit once a calculation has lifted the initial one: far above any number a
  // user can mean and above the longest result the fields show (about 420 characters near
  // the largest double, grouped), yet short enough that no paste can keep the window busy.
  static constexpr int kLiftedMaxLength = 1024;

  // `view` must outlive this object. `format` is how numbers are read and written.
  MainWindow(platform::WindowView& view, triangle::NumberFormat format);

  void OnFormLoad();
  // Indices outside 0..7 are ignored.
  void OnOptionClick(std::int16_t index);
  // The user chose the measure already chosen once more (the front ends report no click for
  // it, which would empty its field). After a calculation its field, locked with the rest,
  // takes a new value again, its text kept; the fields no longer show a whole calculation.
  void OnChosenOptionChosenAgain();
  void OnCommandClick(std::int16_t index);

  // Whether a calculation, done or failed, locked every field, the chosen one too: until a
  // measure is chosen (again) or the fields are cleared.
  bool FieldsLockedByCalculation() const { return chosen_field_locked_; }

  // kNoOption until the user first chooses a measure; the clear button does not reset it.
  std::int16_t SelectedOption() const { return selected_option_; }

  // What the last calculation computed, at full precision: the given measure and the value of
  // every measure (the given one as read from its field). Empty when the fields do not show a
  // whole calculation: before the first, after choosing or clearing, and after a failure.
  struct Calculation {
    triangle::QuantityIndex given;
    std::array<double, triangle::kQuantityCount> values;
  };
  const std::optional<Calculation>& LastCalculation() const { return last_calculation_; }

  // How numbers are read and written.
  const triangle::NumberFormat& Format() const { return format_; }

 private:
  void Calculate();
  // Reads the chosen field's text, and tells the window when the number is not the whole text.
  double ReadGivenMeasure();
  void ClearAll();

  platform::WindowView& view_;
  triangle::NumberFormat format_;
  std::int16_t selected_option_ = kNoOption;
  bool chosen_field_locked_ = false;  // by a calculation, until a measure is chosen
  std::optional<Calculation> last_calculation_;
};

}  // namespace controller
