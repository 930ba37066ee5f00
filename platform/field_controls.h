#pragma once

#include <string>
#include <string_view>

#include "triangle/quantity_index.h"

namespace platform {

// The window's eight option buttons and eight quantity fields, both indexed by measure, as the
// calculator's behaviour reaches them. Implementations must give these operations exactly this
// meaning, whatever their toolkit's defaults are.
class FieldControls {
 public:
  virtual ~FieldControls() = default;

  // Shows the option unchosen, without raising its click handler.
  virtual void ClearOption(triangle::QuantityIndex option) = 0;

  virtual std::string FieldText(triangle::QuantityIndex field) const = 0;
  // Shows the text as given, without raising any handler.
  virtual void SetFieldText(triangle::QuantityIndex field, std::string_view text) = 0;
  // A disabled field keeps showing its text and refuses typing.
  virtual void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) = 0;
  // How many characters the user may type or paste.
  virtual void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) = 0;

 protected:
  FieldControls() = default;
  FieldControls(const FieldControls&) = default;
  FieldControls& operator=(const FieldControls&) = default;
};

}  // namespace platform
