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

  // How a calculation read the chosen field when the number it found is not the whole text.
  struct ReadingNotice {
    enum class Reason {
      kTextLeftUnread,  // a number was read and other characters were left
      kNoNumber,        // the text holds no number and read as 0
      kEmptyField,      // nothing but blanks, read as 0
    };
    Reason reason;
    std::string value_text;   // the value read, as the fields write numbers
    std::string unread_text;  // what was not part of the number, as typed
  };

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
  // Tells the user, at the field and to screen readers, how its text was read. The notice
  // goes away at the field's next edit and at the next press of a button or choice of an
  // option, without this interface being asked.
  virtual void ShowReadingNotice(triangle::QuantityIndex field, const ReadingNotice& notice) = 0;

 protected:
  WindowView() = default;
  WindowView(const WindowView&) = default;
  WindowView& operator=(const WindowView&) = default;
};

}  // namespace platform
