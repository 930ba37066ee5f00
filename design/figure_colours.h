#pragma once

#include "design/window_design.h"

// The figure's colours, shared by its shapes and its texts: the given measure is drawn and
// labelled in the same red.
namespace design::figure_colours {

inline constexpr Rgb kBlack{0, 0, 0};
inline constexpr Rgb kGrey{68, 68, 68};
inline constexpr Rgb kSideRed{150, 30, 30};
inline constexpr Rgb kCircleBlue{30, 50, 190};
inline constexpr Rgb kCircleGreen{20, 130, 50};
inline constexpr Rgb kGivenRed{176, 0, 0};
inline constexpr Rgb kAreaFill{255, 230, 204};
inline constexpr Rgb kGivenAreaFill{255, 159, 96};

}  // namespace design::figure_colours
