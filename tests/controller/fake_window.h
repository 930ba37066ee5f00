#pragma once

#include <array>
#include <string>
#include <string_view>

#include "platform/window_view.h"

namespace controller::testing {

// What a user sees of one quantity field.
struct Field {
  std::string text;
  bool enabled = true;
  int max_length = 4;

  bool operator==(const Field&) const = default;
};

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

  // Marks the option chosen, as the platform does before it reports the click.
  void Choose(triangle::QuantityIndex option) {
    chosen.fill(false);
    chosen.at(option) = true;
  }

  // Appends what the field accepts of `typed`; returns how many characters it took.
  std::size_t Type(triangle::QuantityIndex field, std::string_view typed) {
    Field& target = fields.at(field);
    if (!target.enabled) return 0;
    std::size_t room = typed.size();
    if (target.max_length != kNoLengthLimit) {
      const auto limit = static_cast<std::size_t>(target.max_length);
      room = target.text.size() >= limit ? 0 : limit - target.text.size();
    }
    const std::size_t taken = std::min(room, typed.size());
    target.text += typed.substr(0, taken);
    return taken;
  }
};

}  // namespace controller::testing
