#pragma once

#include <cstdint>

namespace triangle {

// Names one measure of the triangle; the same index selects its option button and its field.
using QuantityIndex = std::int16_t;

inline constexpr QuantityIndex kSide = 0;
inline constexpr QuantityIndex kPerimeter = 1;
inline constexpr QuantityIndex kArea = 2;
inline constexpr QuantityIndex kMedian = 3;
inline constexpr QuantityIndex kHeight = 4;
inline constexpr QuantityIndex kBisector = 5;
inline constexpr QuantityIndex kCircumradius = 6;
inline constexpr QuantityIndex kInradius = 7;
inline constexpr QuantityIndex kQuantityCount = 8;

constexpr bool IsQuantityIndex(int index) { return index >= 0 && index < kQuantityCount; }

}  // namespace triangle
