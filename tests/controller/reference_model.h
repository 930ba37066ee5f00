#pragma once

#include <array>
#include <string_view>

#include "fake_window.h"
#include "triangle/failures.h"
#include "triangle/format_result.h"
#include "triangle/number_format.h"
#include "triangle/parse_number.h"
#include "triangle/quantities.h"

namespace controller::testing {

// What the window must show after each user action, written from the calculator's state table
// rather than from the controller: Fresh, Choosing, Calculated, Cleared, and where a failed
// calculation stops.
class ReferenceModel {
 public:
  enum class Failure { kNone, kOverflow, kInvalidArgument };

  explicit ReferenceModel(triangle::NumberFormat format) : format_(std::move(format)) {}

  int selected = -1;
  std::array<bool, triangle::kQuantityCount> chosen{};
  std::array<Field, triangle::kQuantityCount> fields{};

  void Load() {
    Clear();
    selected = -1;
  }

  void Choose(triangle::QuantityIndex option) {
    chosen.fill(false);
    chosen[option] = true;
    if (selected >= 0) fields[selected] = {"", false, fields[selected].max_length};
    selected = option;
    fields[option].enabled = true;
  }

  void Type(triangle::QuantityIndex field, std::string_view text) { TypeInto(fields[field], text); }

  Failure Calculate() {
    if (selected < 0) return Failure::kNone;  // Fresh: the button does nothing
    for (Field& field : fields) field = {field.text, false, 0};
    try {
      const double side =
          triangle::SideFromInput(static_cast<triangle::QuantityIndex>(selected),
                                  triangle::ParseNumber(fields[selected].text, format_));
      for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
        if (k != selected) {
          fields[k].text = triangle::FormatResult(triangle::QuantityOfSide(k, side), format_);
        }
      }
    } catch (const triangle::OverflowError&) {
      return Failure::kOverflow;
    } catch (const triangle::InvalidArgumentError&) {
      return Failure::kInvalidArgument;
    }
    return Failure::kNone;
  }

  void Clear() {
    chosen.fill(false);
    fields.fill({"", false, 4});
  }

 private:
  triangle::NumberFormat format_;
};

}  // namespace controller::testing
