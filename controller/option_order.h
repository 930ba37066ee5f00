#pragma once

#include "triangle/quantity_index.h"

namespace controller {

// The option the arrow keys move to from `option`: `step` places on in the measures' order
// (negative: back), round from the last to the first and from the first to the last, in every
// column of the window alike. An index outside 0..7 counts from the first option.
constexpr triangle::QuantityIndex NextOption(triangle::QuantityIndex option, int step) {
  constexpr int kCount = triangle::kQuantityCount;
  const int from = triangle::IsQuantityIndex(option) ? option : 0;
  return static_cast<triangle::QuantityIndex>(((from + step % kCount) % kCount + kCount) % kCount);
}

}  // namespace controller
