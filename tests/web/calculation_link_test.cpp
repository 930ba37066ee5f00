#include "web/calculation_link.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace web {
namespace {

using design::LengthUnit;

TEST(CalculationLinkTest, WritesTheMeasureTheTextAndTheUnit) {
  EXPECT_EQ(LinkFragment({.measure = 2, .text = "12", .unit = LengthUnit::kCentimetre}),
            "m=2&v=12&u=cm");
  EXPECT_EQ(LinkFragment({.measure = 0, .text = "10", .unit = LengthUnit::kNone}), "m=0&v=10");
  EXPECT_EQ(LinkFragment({.measure = 7, .text = "", .unit = LengthUnit::kKilometre}),
            "m=7&v=&u=km");
  const char* const codes[] = {"mm", "cm", "dm", "m", "km"};
  for (int unit = 1; unit < design::kLengthUnitCount; ++unit) {
    EXPECT_EQ(LinkFragment({.measure = 1, .text = "1", .unit = static_cast<LengthUnit>(unit)}),
              std::string("m=1&v=1&u=") + codes[unit - 1]);
  }
}

TEST(CalculationLinkTest, PercentEncodesEveryByteButLettersDigitsAndFourMarks) {
  // "2,5", a blank, "&", "=", "#", "%", "+" and a Cyrillic "а" (D0 B0), byte by byte.
  EXPECT_EQ(LinkFragment({.measure = 3, .text = "2,5 &=#%+\xD0\xB0-._~Az9"}),
            "m=3&v=2%2C5%20%26%3D%23%25%2B%D0%B0-._~Az9");
  EXPECT_EQ(LinkFragment({.measure = 4, .text = "\t1E-3"}), "m=4&v=%091E-3");
}

TEST(CalculationLinkTest, ReadsBackWhatItWrites) {
  const CalculationLink links[] = {
      {.measure = 2, .text = "12", .unit = LengthUnit::kCentimetre},
      {.measure = 0, .text = "  7,5 \t", .unit = LengthUnit::kNone},
      {.measure = 5, .text = "&HFF", .unit = LengthUnit::kMetre},
      {.measure = 6,
       .text = "\xD0\xB0\xD0\xB1\xE2\x88\x9A\xF0\x9F\x98\x80",  // аб√😀
       .unit = LengthUnit::kMillimetre},
      {.measure = 1, .text = "", .unit = LengthUnit::kDecimetre},
      {.measure = 7, .text = "50%+1=x&y#z", .unit = LengthUnit::kKilometre},
  };
  for (const CalculationLink& link : links) {
    const std::string fragment = LinkFragment(link);
    EXPECT_EQ(ReadLinkFragment(fragment), link) << fragment;
    EXPECT_EQ(ReadLinkFragment("#" + fragment), link) << fragment;
  }
}

TEST(CalculationLinkTest, ReadsItsKeysInAnyOrderAndEscapesInEitherCase) {
  const CalculationLink area{.measure = 2, .text = "2,5", .unit = LengthUnit::kCentimetre};
  EXPECT_EQ(ReadLinkFragment("u=cm&v=2%2c5&m=2"), area);
  EXPECT_EQ(ReadLinkFragment("v=2%2C5&m=2&u=cm"), area);
  // Characters a browser leaves unescaped in a fragment are taken as they are; "+" is a plus.
  EXPECT_EQ(ReadLinkFragment("m=0&v=+2,5"),
            (CalculationLink{.measure = 0, .text = "+2,5", .unit = LengthUnit::kNone}));
}

TEST(CalculationLinkTest, AFragmentThatIsNotOursHoldsNoCalculation) {
  for (const char* fragment : {
           "",
           "#",
           "top",
           "#section-2",
           "m=2",
           "v=12",
           "u=cm",
           "m=2&u=cm",  // a key missing
           "m=8&v=1",
           "m=-1&v=1",
           "m=02&v=1",
           "m=&v=1",
           "m=a&v=1",  // no measure
           "m=2&v=12&u=inch",
           "m=2&v=12&u=",
           "m=2&v=12&u=CM",  // no unit
           "m=2&v=12&x=1",
           "m=2&v=12&",
           "&m=2&v=12",
           "m=2&&v=12",  // other parts
           "m=2&v=12&m=3",
           "m=2&v=12&v=13",
           "m=2&v=1&u=cm&u=mm",  // a key twice
           "m2&v=12",
           "mm=2&v=12",
           "M=2&v=12",
           "=2&v=12",
       }) {
    EXPECT_EQ(ReadLinkFragment(fragment), std::nullopt) << fragment;
  }
}

TEST(CalculationLinkTest, ATextThatCannotBeTypedHoldsNoCalculation) {
  for (const char* fragment : {
           "m=2&v=%", "m=2&v=1%2", "m=2&v=%G0", "m=2&v=%%31",     // broken escapes
           "m=2&v=%00", "m=2&v=1%0A2", "m=2&v=%0D", "m=2&v=%7F",  // control characters
           "m=2&v=%C2%85",                                        // a C1 control, U+0085
           "m=2&v=%FF", "m=2&v=%D0", "m=2&v=%C0%B1",              // not UTF-8, overlong
           "m=2&v=%ED%A0%80", "m=2&v=%F4%90%80%80", "m=2&v=%B0",  // surrogate, beyond, lone
       }) {
    EXPECT_EQ(ReadLinkFragment(fragment), std::nullopt) << fragment;
  }
  // The tab is kept: a pasted text may hold one, and reading skips it.
  EXPECT_EQ(ReadLinkFragment("m=0&v=%091"),
            (CalculationLink{.measure = 0, .text = "\t1", .unit = LengthUnit::kNone}));
}

TEST(CalculationLinkTest, ATextThatReadsAsNoNumberIsStillACalculation) {
  // The page types it as it is and the calculation tells how it read it.
  EXPECT_EQ(ReadLinkFragment("m=1&v=abc"),
            (CalculationLink{.measure = 1, .text = "abc", .unit = LengthUnit::kNone}));
  EXPECT_EQ(ReadLinkFragment("m=1&v=%D0%B0"),
            (CalculationLink{.measure = 1, .text = "\xD0\xB0", .unit = LengthUnit::kNone}));
}

}  // namespace
}  // namespace web
