// The keyboard's table as the README gives it to users, key by key and control by control.
#include "controller/key_map.h"

#include <gtest/gtest.h>

#include <optional>

namespace controller {
namespace {

struct KeyCase {
  Key key;
  FocusKind focus;
  bool has_selection;
  std::optional<KeyCommand> expected;
};

TEST(CommandForKey, GivesWhatTheReadmeSays) {
  using enum FocusKind;
  using enum KeyCommand;
  const KeyCase cases[] = {
      // Return: a focused button presses itself; anywhere else it calculates.
      {Key::kReturn, kButton, false, std::nullopt},
      {Key::kReturn, kQuantityField, true, kCalculate},
      {Key::kReturn, kOption, false, kCalculate},
      {Key::kReturn, kInfoField, false, kCalculate},
      {Key::kReturn, kOther, false, kCalculate},
      // Escape clears from every control, a button too.
      {Key::kEscape, kButton, false, kClear},
      {Key::kEscape, kQuantityField, true, kClear},
      {Key::kEscape, kInfoField, false, kClear},
      // The copy shortcut copies a selection, and every measure when nothing is selected.
      {Key::kCopy, kQuantityField, true, std::nullopt},
      {Key::kCopy, kInfoField, true, std::nullopt},
      {Key::kCopy, kQuantityField, false, kCopyMeasures},
      {Key::kCopy, kOption, false, kCopyMeasures},
      {Key::kCopy, kButton, false, kCopyMeasures},
      {Key::kF1, kQuantityField, false, kOpenSolution},
      {Key::kF1, kButton, true, kOpenSolution},
      // The arrows move among the options, Down and Right forward; elsewhere they are the
      // control's own.
      {Key::kDown, kOption, false, kNextOption},
      {Key::kRight, kOption, false, kNextOption},
      {Key::kUp, kOption, false, kPreviousOption},
      {Key::kLeft, kOption, false, kPreviousOption},
      {Key::kLeft, kQuantityField, false, std::nullopt},
      {Key::kDown, kInfoField, false, std::nullopt},
      {Key::kUp, kButton, false, std::nullopt},
  };
  for (const KeyCase& c : cases) {
    EXPECT_EQ(CommandForKey(c.key, c.focus, c.has_selection), c.expected)
        << static_cast<int>(c.key) << " in " << static_cast<int>(c.focus);
  }
}

}  // namespace
}  // namespace controller
