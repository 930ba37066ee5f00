#pragma once

#include <string>
#include <string_view>
#include <vector>

// How much room the figure's texts take, estimated without a toolkit's fonts: every width is
// at least what Times New Roman, Liberation Serif or a phone's serif draws, so a text placed by
// these estimates fits whole in any edition.
namespace design::figure_text_metrics {

inline constexpr double kLineSpacing = 1.2;  // baseline to baseline, in font sizes
inline constexpr double kAscent = 0.9;       // top of the line to its baseline, in font sizes

// How wide UTF-8 `text` may be at `font_size`.
double EstimatedWidth(std::string_view text, double font_size);

// `text` in lines no wider than `width` at `font_size`, broken after a blank or a separator
// where there is one, else between any two characters. The lines, joined, are the text.
std::vector<std::string> Wrapped(std::string_view text, double width, double font_size);

// How high `lines` are at `font_size`, from the first line's top to the last one's bottom.
double LinesHeight(const std::vector<std::string>& lines, double font_size);

}  // namespace design::figure_text_metrics
