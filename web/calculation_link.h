#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "design/solution.h"
#include "triangle/quantity_index.h"

// A calculation as the page's address carries it, in its fragment, so that a teacher can post
// one exercise's working: "m=2&v=12&u=cm" is the area, typed as 12, in centimetres.
namespace web {

struct CalculationLink {
  triangle::QuantityIndex measure = 0;
  std::string text;  // the given field's text as it was typed (UTF-8)
  design::LengthUnit unit = design::LengthUnit::kNone;
  bool operator==(const CalculationLink&) const = default;
};

// The fragment, without its "#": the measure's index, the text percent-encoded (every byte
// but letters, digits and "-._~"), and the unit when there is one.
std::string LinkFragment(const CalculationLink& link);

// The calculation a fragment (with or without its "#") holds; none when it is not one of ours:
// keys other than m, v and u, or one twice, a measure other than 0 to 7, an unknown unit, a
// broken escape, or a text that is not UTF-8 or holds a control character other than tab.
std::optional<CalculationLink> ReadLinkFragment(std::string_view fragment);

}  // namespace web
