#pragma once

#include <string>

#include "platform/field_controls.h"
#include "triangle/quantity_index.h"

namespace platform {

// The window as the calculator's behaviour reaches it: its options and fields, and the notice
// that tells how a calculation read the chosen field.
class WindowView : public FieldControls {
 public:
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
