#include "web/calculation_link.h"

#include <gtest/gtest.h>

#include <optional>
#include <string_view>

namespace web {
namespace {

using design::LengthUnit;

TEST(CalculationLinkTest, WritesTheMeasureTheTextPercentEncodedAndTheUnit) {
  EXPECT_EQ(LinkFragment({.measure = 2, .text = "12", .unit = LengthUnit::kCentimetre}),
            "m=2&v=12&u=cm");
  EXPECT_EQ(LinkFragment({.measure = 0, .text = "10"}), "m=0&v=10");
  // "2,5", a blank, "&", "=", "#", "%", "+", a tab and a Cyrillic "а" (D0 B0), byte by byte.
  EXPECT_EQ(
      LinkFragment(
          {.measure = 3, .text = "2,5 &=#%+\t\xD0\xB0-._~Az9", .unit = LengthUnit::kKilometre}),
      "m=3&v=2%2C5%20%26%3D%23%25%2B%09%D0%B0-._~Az9&u=km");
}

TEST(CalculationLinkTest, ReadsBackWhatItWritesWithOrWithoutTheHash) {
  for (const CalculationLink& link :
       {CalculationLink{.measure = 5, .text = "&HFF", .unit = LengthUnit::kMillimetre},
        CalculationLink{.measure = 6,
        .text = " \xE2\x88\x9A\xF0\x9F\x98\x80 ",  // √😀
                        .unit = LengthUnit::kDecimetre},
        CalculationLink{.measure = 1, .text = "", .unit = LengthUnit::kMetre},
        CalculationLink{.measure = 7, .text = "abc"}}) {  // no number: the page says so
    EXPECT_EQ(ReadLinkFragment(LinkFragment(link)), link) << LinkFragment(link);
    EXPECT_EQ(ReadLinkFragment("#" + LinkFragment(link)), link) << LinkFragment(link);
  }
  // In any order, escapes in either case, a "+" as typed.
  EXPECT_EQ(ReadLinkFragment("u=cm&v=+2%2c5&m=2"),
            (CalculationLink{.measure = 2, .text = "+2,5", .unit = LengthUnit::kCentimetre}));
}

TEST(CalculationLinkTest, AFragmentNotOfOursOrATextThatCannotBeTypedHoldsNoCalculation) {
  EXPECT_EQ(ReadLinkFragment(""), std::nullopt);
  // A group a line, each fragment after a blank (no fragment holds one).
  constexpr std::string_view kGroups[] = {
      " top #section-2 m=2 v=12 m=2&u=cm",                  // keys missing
      " m=8&v=1 m=-1&v=1 m=02&v=1 m=&v=1",                  // no measure
      " m=2&v=1&u=inch m=2&v=1&u= m=2&v=1&u=CM",            // no unit
      " m=2&v=1&x=1 m=2&v=1& m=2&&v=1 M=2&v=1 mm=2&v=1",    // other parts
      " m=2&v=1&m=3 m=2&v=1&v=2 m=2&v=1&u=cm&u=mm",         // a key twice
      " m=2&v=% m=2&v=1%2 m=2&v=%G0",                       // broken escapes
      " m=2&v=%00 m=2&v=1%0A2 m=2&v=%7F m=2&v=%C2%85",      // control characters
      " m=2&v=%FF m=2&v=%D0 m=2&v=%C0%B1 m=2&v=%ED%A0%80",  // not UTF-8: overlong, surrogate
      " m=2&v=%F4%90%80%80 m=2&v=%B0"};                     // beyond U+10FFFF, a lone byte
  for (std::string_view group : kGroups) {
    while (!group.empty()) {
      group.remove_prefix(1);
      const std::string_view fragment = group.substr(0, group.find(' '));
      EXPECT_EQ(ReadLinkFragment(fragment), std::nullopt) << fragment;
      group.remove_prefix(fragment.size());
    }
  }
}

}  // namespace
}  // namespace web
