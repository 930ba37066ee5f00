#pragma once

#include <array>
#include <optional>

namespace controller {

// The calculator's keys, whatever the toolkit calls them: Enter counts as Return, and Copy is
// the platform's copy shortcut (Ctrl+C). A key with other modifiers held is none of these.
enum class Key { kReturn, kEscape, kCopy, kF1, kUp, kDown, kLeft, kRight };

// What kind of control has the focus when a key is pressed.
enum class FocusKind { kOption, kQuantityField, kInfoField, kButton, kOther };

// What a key asks of the window.
enum class KeyCommand {
  kCalculate,       // as "Изчисли" does
  kClear,           // as "Изтрий" does
  kCopyMeasures,    // every measure as lines "caption: text"
  kOpenSolution,    // the solution window, opened or brought forward
  kPreviousOption,  // the option before the focused one, round from the first
  kNextOption,      // the option after it, round from the last
};

// One row of the keyboard's table: `key` pressed in a control of one of `focus` kinds (a set of
// FocusBit values), with text selected in it or not, gives `command`.
struct KeyBinding {
  Key key;
  unsigned focus;
  bool only_without_selection;
  KeyCommand command;
};

constexpr unsigned FocusBit(FocusKind kind) { return 1U << static_cast<unsigned>(kind); }
inline constexpr unsigned kAnyFocus =
    FocusBit(FocusKind::kOption) | FocusBit(FocusKind::kQuantityField) |
    FocusBit(FocusKind::kInfoField) | FocusBit(FocusKind::kButton) | FocusBit(FocusKind::kOther);

// The whole table. A focused button answers Return and Space itself (it presses), so Return
// calculates everywhere else; with text selected, the copy shortcut copies that text.
inline constexpr std::array kKeyMap{
    KeyBinding{Key::kReturn, kAnyFocus & ~FocusBit(FocusKind::kButton), false,
               KeyCommand::kCalculate},
    KeyBinding{Key::kEscape, kAnyFocus, false, KeyCommand::kClear},
    KeyBinding{Key::kCopy, kAnyFocus, true, KeyCommand::kCopyMeasures},
    KeyBinding{Key::kF1, kAnyFocus, false, KeyCommand::kOpenSolution},
    KeyBinding{Key::kUp, FocusBit(FocusKind::kOption), false, KeyCommand::kPreviousOption},
    KeyBinding{Key::kLeft, FocusBit(FocusKind::kOption), false, KeyCommand::kPreviousOption},
    KeyBinding{Key::kDown, FocusBit(FocusKind::kOption), false, KeyCommand::kNextOption},
    KeyBinding{Key::kRight, FocusBit(FocusKind::kOption), false, KeyCommand::kNextOption},
};

// The command `key` gives in a control of kind `focus`; none when the control does with it
// what it always does (a button presses, a field moves its cursor, a selection is copied).
std::optional<KeyCommand> CommandForKey(Key key, FocusKind focus, bool has_selection);

}  // namespace controller
