#include "design/figure_text_metrics.h"

#include <algorithm>
#include <cstddef>

namespace design::figure_text_metrics {
namespace {

// How wide a character may be, in font sizes, in any font a toolkit might draw the figure
// with (Times New Roman, Liberation Serif, or a phone's serif): never narrower than its glyph,
// so that a text's estimate holds it whole.
double Advance(char32_t c) {
  if (c >= '0' && c <= '9') return 0.6;
  if (c == ' ' || c == '.' || c == ',' || c == '\'' || c == 0xA0 || c == 0x2009 || c == 0x202F) {
    return 0.35;
  }
  if (c >= 'A' && c <= 'Z') return 0.8;
  if (c >= 'a' && c <= 'z') return 0.6;
  if (c < 0x80) return 0.65;
  return 1.0;
}

// The code points of UTF-8 text, each with the byte it starts at.
struct CodePoint {
  char32_t value;
  std::size_t at;
  std::size_t size;
};

std::vector<CodePoint> CodePoints(std::string_view text) {
  std::vector<CodePoint> points;
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const std::size_t size = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t value = size == 1 ? lead : lead & (0x3Fu >> (size - 1));
    for (std::size_t k = 1; k < size && at + k < text.size(); ++k) {
      value = (value << 6) | (static_cast<unsigned char>(text[at + k]) & 0x3Fu);
    }
    points.push_back({value, at, std::min(size, text.size() - at)});
    at += size;
  }
  return points;
}

}  // namespace

double EstimatedWidth(std::string_view text, double font_size) {
  double width = 0;
  for (const CodePoint& point : CodePoints(text)) width += Advance(point.value);
  return width * font_size;
}

std::vector<std::string> Wrapped(std::string_view text, double width, double font_size) {
  std::vector<std::string> lines;
  const std::vector<CodePoint> points = CodePoints(text);
  std::size_t line_start = 0;  // index into points
  while (line_start < points.size()) {
    double used = 0;
    std::size_t end = line_start;
    std::size_t last_break = line_start;  // after the last blank or separator that fits
    while (end < points.size() && used + Advance(points[end].value) * font_size <= width) {
      used += Advance(points[end].value) * font_size;
      if (Advance(points[end].value) == Advance(' ')) last_break = end + 1;
      ++end;
    }
    if (end == line_start) ++end;  // not even one character fits: it goes alone
    if (end < points.size() && last_break > line_start) end = last_break;
    const std::size_t from = points[line_start].at;
    const std::size_t to = end < points.size() ? points[end].at : text.size();
    lines.emplace_back(text.substr(from, to - from));
    line_start = end;
  }
  if (lines.empty()) lines.emplace_back();
  return lines;
}

double LinesHeight(const std::vector<std::string>& lines, double font_size) {
  return static_cast<double>(lines.size()) * font_size * kLineSpacing;
}

}  // namespace design::figure_text_metrics
