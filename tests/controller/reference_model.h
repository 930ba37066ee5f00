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
    for (Field& field : fields) field = {field.text, false, 1024};
    triangle::QuantityIndex written = 0;  // fields before this one hold this triangle's results
    try {
      const double side =
          triangle::SideFromInput(static_cast<triangle::QuantityIndex>(selected),
                                  triangle::ParseNumber(fields[selected].text, format_));
      for (; written < triangle::kQuantityCount; ++written) {
        if (written != selected) {
          fields[written].text =
              triangle::FormatResult(triangle::QuantityOfSide(written, side), format_);
        }
      }
    } catch (const triangle::OverflowError&) {
      EmptyResultsFrom(written);
      return Failure::kOverflow;
    } catch (const triangle::InvalidArgumentError&) {
      EmptyResultsFrom(written);
      return Failure::kInvalidArgument;
    }
    return Failure::kNone;
  }

  void Clear() {
    chosen.fill(false);
    fields.fill({"", false, 4});
  }

 private:
  // A failed calculation leaves no result of an earlier one beside the new input.
  void EmptyResultsFrom(triangle::QuantityIndex first) {
    for (triangle::QuantityIndex k = first; k < triangle::kQuantityCount; ++k) {
      if (k != selected) fields[k].text.clear();
    }
  }

  triangle::NumberFormat format_;
};

}  // namespace controller::testing
