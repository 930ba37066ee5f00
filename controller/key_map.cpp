#include "controller/key_map.h"

namespace controller {

std::optional<KeyCommand> CommandForKey(Key key, FocusKind focus, bool has_selection) {
  for (const KeyBinding& binding : kKeyMap) {
    if (binding.key != key || (binding.focus & FocusBit(focus)) == 0) continue;
    if (binding.only_without_selection && has_selection) continue;
    return binding.command;
  }
  return std::nullopt;
}

}  // namespace controller
