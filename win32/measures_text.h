#pragma once

#include <array>
#include <string>

#include "triangle/quantity_index.h"

namespace win32_ui {

// What Ctrl+C with nothing selected copies: one line a measure, "caption: text", the captions
// without their blanks, each line ending in the Windows line break.
std::string MeasuresAsText(const std::array<std::string, triangle::kQuantityCount>& field_texts);

}  // namespace win32_ui
