#include "win32/number_settings.h"

#include <string_view>
#include <vector>

namespace win32_ui {
namespace {

// "3;2;0" as {3, 2, 0}; anything that is not a digit ends a size, an empty size is 0.
std::vector<int> GroupingList(std::string_view grouping) {
  std::vector<int> sizes;
  int size = 0;
  bool any = false;
  for (const char c : grouping) {
    if (c >= '0' && c <= '9') {
      size = size * 10 + (c - '0');
      any = true;
      if (size > 99) return {};  // no real setting; read as ungrouped
    } else if (c == ';') {
      sizes.push_back(size);
      size = 0;
    }
  }
  if (any || !sizes.empty()) sizes.push_back(size);
  return sizes;
}

std::vector<int> GroupSizes(std::string_view grouping) {
  std::vector<int> listed = GroupingList(grouping);
  // Sizes after a 0 are never used: grouping ends or repeats there.
  std::vector<int> sizes;
  bool repeats = false;
  for (const int size : listed) {
    if (size == 0) {
      repeats = true;
      break;
    }
    sizes.push_back(size);
  }
  if (sizes.empty()) return {};
  if (!repeats) sizes.push_back(0);  // the core's mark for "the rest ungrouped"
  return sizes;
}

}  // namespace

triangle::NumberFormat NumberFormatFromLocale(const LocaleNumberSettings& settings) {
  triangle::NumberFormat format;
  if (!settings.decimal_separator.empty()) format.decimal_separator = settings.decimal_separator;
  format.group_separator = settings.thousands_separator;
  format.group_sizes = GroupSizes(settings.grouping);
  if (format.group_separator.empty()) format.group_sizes.clear();
  if (settings.leading_zero == "0") format.leading_zero = false;
  if (settings.negative_number == "0")
    format.negative_style = triangle::NegativeStyle::kParentheses;
  return format;
}

}  // namespace win32_ui
