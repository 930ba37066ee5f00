#pragma once

#include <array>

#include "triangle/quantities.h"

namespace design::test_support {

// The values a calculation from `given` = `value` has, as the controller computes them.
inline std::array<double, triangle::kQuantityCount> Calculation(triangle::QuantityIndex given,
                                                                double value) {
  std::array<double, triangle::kQuantityCount> values{};
  const double side = triangle::SideFromInput(given, value);
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    values[static_cast<std::size_t>(k)] = k == given ? value : triangle::QuantityOfSide(k, side);
  }
  return values;
}

}  // namespace design::test_support
