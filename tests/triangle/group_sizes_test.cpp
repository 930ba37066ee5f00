#include "triangle/group_sizes.h"

#include <gtest/gtest.h>

#include <string_view>
#include <vector>

namespace triangle {
namespace {

struct WrittenCase {
  std::string_view written;
  std::string_view separator;
  std::vector<int> sizes;
};

// Long integers as systems write them, and the sizes NumberFormat needs to write alike.
TEST(GroupSizesOf, ReadsTheSizesASystemWritesWith) {
  const WrittenCase cases[] = {
      {"1,234,567,890,123,456,789", ",", {3}},
      {"1\u00A0234\u00A0567\u00A0890\u00A0123", "\u00A0", {3}},  // a two-byte separator
      {"1,23,45,67,89,01,23,456", ",", {3, 2}},                  // Indian grouping
      {"12,3456,7890", ",", {4}},
      {"1234567890", ",", {}},  // not grouped
      {"1,234", "", {}},        // no separator
      // Arabic-Indic digits take two bytes each, and the separator two.
      {"\u0661\u066C\u0662\u0663\u0664\u066C\u0665\u0666\u0667", "\u066C", {3}},
  };
  for (const WrittenCase& c : cases) {
    EXPECT_EQ(GroupSizesOf(c.written, c.separator), c.sizes) << c.written;
  }
}

}  // namespace
}  // namespace triangle
