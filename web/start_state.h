#pragma once

#include <array>
#include <string>

#include "platform/window_view.h"
#include "triangle/quantity_index.h"

namespace web {

// The controls as the behaviour leaves them after loading the window, recorded by running it,
// so that the page is written in the very state the module will put it in.
class StartState final : public platform::WindowView {
 public:
  struct Field {
    std::string text;
    bool enabled = true;
    int max_length = 0;  // none: loading sets every field's
  };

  StartState();

  const Field& field(triangle::QuantityIndex index) const { return fields_.at(index); }
  bool chosen(triangle::QuantityIndex option) const { return chosen_.at(option); }

  void ClearOption(triangle::QuantityIndex option) override { chosen_.at(option) = false; }
  std::string FieldText(triangle::QuantityIndex index) const override { return field(index).text; }
  void SetFieldText(triangle::QuantityIndex index, std::string_view text) override {
    fields_.at(index).text = text;
  }
  void SetFieldEnabled(triangle::QuantityIndex index, bool enabled) override {
    fields_.at(index).enabled = enabled;
  }
  void SetFieldMaxLength(triangle::QuantityIndex index, int max_length) override {
    fields_.at(index).max_length = max_length;
  }
  void ShowReadingNotice(triangle::QuantityIndex, const ReadingNotice&) override {}

 private:
  std::array<Field, triangle::kQuantityCount> fields_{};
  std::array<bool, triangle::kQuantityCount> chosen_{};
};

}  // namespace web
