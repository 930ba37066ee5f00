#include "web/control_id.h"

namespace web {

std::string ControlId(const design::Control& control) {
  const std::string index = std::to_string(control.index);
  switch (control.kind) {
    case design::ControlKind::kInfoField:
      return "info-" + index;
    case design::ControlKind::kLabel:
      return "label-" + index;
    case design::ControlKind::kOption:
      return "option-" + index;
    case design::ControlKind::kQuantityField:
      return "field-" + index;
    case design::ControlKind::kCommandButton:
      return "command-" + index;
  }
  return {};
}

}  // namespace web
