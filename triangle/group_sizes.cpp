#include "triangle/group_sizes.h"

namespace triangle {
namespace {

// Characters, not bytes: digits of other scripts take two or three bytes in UTF-8.
int CharacterCount(std::string_view text) {
  int count = 0;
  for (const char byte : text) count += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
  return count;
}

}  // namespace

std::vector<int> GroupSizesOf(std::string_view written_integer, std::string_view group_separator) {
  std::vector<int> sizes;
  if (group_separator.empty()) return sizes;
  // From the right: each group ends where the text does or a separator starts.
  std::size_t end = written_integer.size();
  for (std::size_t at = written_integer.rfind(group_separator); at != std::string_view::npos;
       at = at == 0 ? std::string_view::npos : written_integer.rfind(group_separator, at - 1)) {
    const std::size_t start = at + group_separator.size();
    sizes.push_back(CharacterCount(written_integer.substr(start, end - start)));
    end = at;
  }
  while (sizes.size() > 1 && sizes.back() == sizes[sizes.size() - 2]) sizes.pop_back();
  return sizes;
}

}  // namespace triangle
