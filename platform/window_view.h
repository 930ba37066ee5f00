#pragma once

#include <string>
#include <string_view>

#include "triangle/quantity_index.h"

namespace platform {

// The window's controls as the calculator's behaviour reaches them: eight option buttons and
// eight quantity fields, both indexed by measure. Implementations must give these operations
// exactly this meaning, whatever their toolkit's defaults are.
class WindowView {
 public:
  // A field's maximum length that lets the user type any number of characters.
  static constexpr int kNoLengthLimit = 0;

  virtual ~WindowView() = default;

  // Shows the option unchosen, without raising its click handler.
  virtual void ClearOption(triangle::QuantityIndex option) = 0;

  virtual std::string FieldText(triangle::QuantityIndex field) const = 0;
  // Shows the text as given, without raising any handler.
  virtual void SetFieldText(triangle::QuantityIndex field, std::string_view text) = 0;
  // A disabled field keeps showing its text and refuses typing.
  virtual void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) = 0;
  // How many characters the user may type or paste; kNoLengthLimit lifts the limit.
  virtual void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) = 0;

 protected:
  WindowView() = default;
  WindowView(const WindowView&) = default;
  WindowView& operator=(const WindowView&) = default;
};

}  // namespace platform
