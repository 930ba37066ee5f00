#include "web/key_map_json.h"

#include <string_view>

#include "controller/key_map.h"

namespace web {
namespace {

using controller::FocusKind;
using controller::Key;
using controller::KeyCommand;

std::string_view Name(Key key) {
  switch (key) {
    case Key::kReturn:
      return "Return";
    case Key::kEscape:
      return "Escape";
    case Key::kCopy:
      return "Copy";
    case Key::kF1:
      return "F1";
    case Key::kUp:
      return "Up";
    case Key::kDown:
      return "Down";
    case Key::kLeft:
      return "Left";
    case Key::kRight:
      return "Right";
  }
  return {};
}

std::string_view Name(FocusKind focus) {
  switch (focus) {
    case FocusKind::kOption:
      return "option";
    case FocusKind::kQuantityField:
      return "quantityField";
    case FocusKind::kInfoField:
      return "infoField";
    case FocusKind::kButton:
      return "button";
    case FocusKind::kOther:
      return "other";
  }
  return {};
}

std::string_view Name(KeyCommand command) {
  switch (command) {
    case KeyCommand::kCalculate:
      return "calculate";
    case KeyCommand::kClear:
      return "clear";
    case KeyCommand::kCopyMeasures:
      return "copyMeasures";
    case KeyCommand::kOpenSolution:
      return "openSolution";
    case KeyCommand::kPreviousOption:
      return "previousOption";
    case KeyCommand::kNextOption:
      return "nextOption";
  }
  return {};
}

std::string Quoted(std::string_view name) { return "\"" + std::string(name) + "\""; }

constexpr FocusKind kFocusKinds[] = {FocusKind::kOption, FocusKind::kQuantityField,
                                     FocusKind::kInfoField, FocusKind::kButton, FocusKind::kOther};

}  // namespace

std::string KeyMapJson() {
  std::string json = "[";
  for (const controller::KeyBinding& binding : controller::kKeyMap) {
    if (json.size() > 1) json += ",";
    std::string focus;
    for (const FocusKind kind : kFocusKinds) {
      if ((binding.focus & controller::FocusBit(kind)) == 0) continue;
      focus += (focus.empty() ? "" : ",") + Quoted(Name(kind));
    }
    json += "\n[" + Quoted(Name(binding.key)) + ",[" + focus + "]," +
            (binding.only_without_selection ? "true" : "false") + "," +
            Quoted(Name(binding.command)) + "]";
  }
  return json + "\n]";
}

}  // namespace web
