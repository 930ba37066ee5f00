#pragma once

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "platform/window_view.h"

namespace controller::testing {

// What a user sees of one quantity field.
struct Field {
  std::string text;
  bool enabled = true;
  int max_length = 4;

  bool operator==(const Field&) const = default;
};

// Appends what the field accepts of `typed`, as a user's typing would; returns how many
// characters it took: none while disabled, and no more than its maximum length allows.
inline std::size_t TypeInto(Field& field, std::string_view typed) {
  if (!field.enabled) return 0;
  const auto limit = static_cast<std::size_t>(field.max_length);
  const std::size_t taken =
      std::min(typed.size(), field.text.size() >= limit ? 0 : limit - field.text.size());
  field.text += typed.substr(0, taken);
  return taken;
}

// A window without a toolkit: it keeps what a user would see, and types and chooses as a user
// would, with the platform's rules (options exclude each other; a field takes at most its
// maximum length, and nothing while disabled).
class FakeWindow final : public platform::WindowView {
 public:
  std::array<bool, triangle::kQuantityCount> chosen{};
  std::array<Field, triangle::kQuantityCount> fields{};

  void ClearOption(triangle::QuantityIndex option) override { chosen.at(option) = false; }
  std::string FieldText(triangle::QuantityIndex field) const override {
    return fields.at(field).text;
  }
  void SetFieldText(triangle::QuantityIndex field, std::string_view text) override {
    fields.at(field).text = text;
  }
  void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override {
    fields.at(field).enabled = enabled;
  }
  void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override {
    fields.at(field).max_length = max_length;
  }

  void ShowReadingNotice(triangle::QuantityIndex field, const ReadingNotice& notice) override {
    notices.push_back({field, notice});
  }
  // Every notice shown, in order.
  struct ShownNotice {
    triangle::QuantityIndex field;
    ReadingNotice notice;
  };
  std::vector<ShownNotice> notices;

  // Marks the option chosen, as the platform does before it reports the click.
  void Choose(triangle::QuantityIndex option) {
    chosen.fill(false);
    chosen.at(option) = true;
  }

  // The user types into a field.
  std::size_t Type(triangle::QuantityIndex field, std::string_view typed) {
    return TypeInto(fields.at(field), typed);
  }
};

}  // namespace controller::testing
