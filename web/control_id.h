#pragma once

#include <string>

#include "design/window_design.h"

namespace web {

// The page's element id of a control of the design: its kind and its index within the kind
// ("option-3", "field-3", "command-0").
std::string ControlId(const design::Control& control);

}  // namespace web
