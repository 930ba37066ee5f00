#pragma once

#include <string_view>
#include <vector>

namespace triangle {

// The group sizes (NumberFormat::group_sizes) a system writes integers with, read off a long
// integer it wrote, for systems that publish no sizes: the groups right of the leading one,
// which may be short, counted in characters from the decimal side, with repeats of the last
// dropped ("1,23,45,67,89,01,23,456" gives {3, 2}). None without the separator.
std::vector<int> GroupSizesOf(std::string_view written_integer, std::string_view group_separator);

}  // namespace triangle
