#pragma once

#include <array>
#include <optional>
#include <string_view>

// The calculator window as designed: every control, where it sits, how it looks and what it
// says. Toolkit-free, so every front end builds the same window from this one description.
namespace design {

enum class ControlKind { kInfoField, kLabel, kOption, kQuantityField, kCommandButton };

// A rectangle in twips (1/1440 inch) from the top left corner of the client area.
struct TwipRect {
  int left;
  int top;
  int width;
  int height;

  constexpr bool operator==(const TwipRect&) const = default;
};

struct Rgb {
  int red;
  int green;
  int blue;

  constexpr bool operator==(const Rgb&) const = default;
};

enum class Alignment { kLeft, kCentre };

// One control: which one it is, where it sits, its colour, its text and how it is drawn.
// Rows are in tab order.
struct Control {
  ControlKind kind;
  int index;  // within its kind: the measure for options and fields
  TwipRect rect;
  std::optional<Rgb> background = std::nullopt;  // none: the platform's default for the kind
  std::string_view text = {};                    // caption, or the initial text of a field
  bool border = true;
  bool vertical_scroll_bar = false;  // always shown, not only when needed
  Alignment alignment = Alignment::kLeft;
};

inline constexpr int kControlCount = 21;
extern const std::array<Control, kControlCount> kControls;

inline constexpr TwipRect kClientArea{0, 0, 7470, 5460};
inline constexpr Rgb kWindowBackground{192, 192, 255};

// Where a notice about how a field was read is shown: over the top of the statement, which it
// may cover for a while, never over a result or a button. As wide as the statement, as high
// as its wrapped text.
TwipRect ReadingNoticeArea();
// Where the hint at a locked field is shown when the field is clicked or typed into: in the
// same place, the one free area wide enough for its two lines; it covers a reading notice
// while it shows.
TwipRect LockedFieldHintArea();

// Used by the window and every control.
struct Font {
  std::string_view family;
  int points;
  int weight;   // 400 is normal
  int charset;  // 204 is Cyrillic
};
inline constexpr Font kFont{"Times New Roman", 12, 400, 204};

}  // namespace design
