#include "design/solution_window_placement.h"

#include <algorithm>
#include <array>

namespace design {
namespace {

constexpr int Right(const PixelRect& rect) { return rect.left + rect.width; }
constexpr int Bottom(const PixelRect& rect) { return rect.top + rect.height; }

// `value` kept within [low, high]; `low` where the range is empty.
constexpr int Within(int value, int low, int high) { return std::max(low, std::min(value, high)); }

// `rect` no larger than `area` and moved inside it as little as needed.
PixelRect Inside(PixelRect rect, const PixelRect& area) {
  rect.width = std::min(rect.width, area.width);
  rect.height = std::min(rect.height, area.height);
  rect.left = Within(rect.left, area.left, Right(area) - rect.width);
  rect.top = Within(rect.top, area.top, Bottom(area) - rect.height);
  return rect;
}

enum class Side { kRight, kLeft, kBelow, kAbove };

}  // namespace

PixelRect PlaceSolutionWindow(const PixelRect& calculator, const PixelRect& work_area,
                              PixelSize preferred, PixelSize minimum, int gap) {
  minimum = {std::min(minimum.width, work_area.width), std::min(minimum.height, work_area.height)};
  preferred = {std::clamp(preferred.width, minimum.width, work_area.width),
               std::clamp(preferred.height, minimum.height, work_area.height)};

  // The room on each side of the calculator, gap included, and what the window needs there.
  struct Room {
    Side side;
    int room;
    int needed;
  };
  const std::array<Room, 4> rooms = {{
      {Side::kRight, Right(work_area) - Right(calculator) - gap, minimum.width},
      {Side::kLeft, calculator.left - gap - work_area.left, minimum.width},
      {Side::kBelow, Bottom(work_area) - Bottom(calculator) - gap, minimum.height},
      {Side::kAbove, calculator.top - gap - work_area.top, minimum.height},
  }};
  const auto fits = std::find_if(rooms.begin(), rooms.end(),
                                 [](const Room& room) { return room.room >= room.needed; });
  // Where none fits: the side that lacks least (the first of equals, in the order above).
  const Room& chosen =
      fits != rooms.end()
          ? *fits
          : *std::min_element(rooms.begin(), rooms.end(), [](const Room& a, const Room& b) {
              return a.needed - a.room < b.needed - b.room;
            });
  const bool fitting = fits != rooms.end();

  PixelRect placed{calculator.left, calculator.top, preferred.width, preferred.height};
  switch (chosen.side) {
    case Side::kRight:
    case Side::kLeft:
      placed.width = fitting ? std::min(preferred.width, chosen.room) : minimum.width;
      placed.left = chosen.side == Side::kRight ? Right(calculator) + gap
                                                : calculator.left - gap - placed.width;
      break;
    case Side::kBelow:
    case Side::kAbove:
      placed.height = fitting ? std::min(preferred.height, chosen.room) : minimum.height;
      placed.top = chosen.side == Side::kBelow ? Bottom(calculator) + gap
                                               : calculator.top - gap - placed.height;
      break;
  }
  return Inside(placed, work_area);
}

}  // namespace design
