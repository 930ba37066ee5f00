#include "design/derived_texts.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "triangle/failures.h"

namespace design {
namespace {

TEST(MeasuresAsText, OneLineAMeasureWithCaptionsWithoutTheirBlanks) {
  const std::array<std::string, triangle::kQuantityCount> texts = {
      "5.2643", "15.7929", "12", "4.5590", "4.5590", "4.5590", "3.0393", ""};
  EXPECT_EQ(MeasuresAsText(texts, "\r\n"),
            "страна: 5.2643\r\nпериметър: 15.7929\r\nлице: 12\r\nмедиана: 4.5590\r\n"
            "височина: 4.5590\r\nъглополовяща: 4.5590\r\nR описана: 3.0393\r\nr вписана: \r\n");
}

TEST(ResultExplanation, TheSideFromTheGivenMeasureAndTheRestFromTheSide) {
  const triangle::NumberFormat bulgarian = triangle::BulgarianFormat();
  EXPECT_EQ(ResultExplanation(triangle::kSide, triangle::kArea, 5.25, bulgarian),
            "a = √(4·S/√3)\n= 5,25");
  EXPECT_EQ(ResultExplanation(triangle::kInradius, triangle::kArea, 0.1, bulgarian),
            "r = a/(2·√3)\n= 0,1");
}

// Voice control finds an option by what it shows: its name starts with the caption.
TEST(OptionAccessibleName, StartsWithTheCaptionWithoutItsBlank) {
  EXPECT_EQ(OptionAccessibleName(triangle::kArea), "лице");
  EXPECT_EQ(OptionAccessibleName(triangle::kSide), "страна");
  EXPECT_EQ(OptionAccessibleName(triangle::kCircumradius),
            "R описана, радиус R на описаната окръжност");
  EXPECT_EQ(OptionAccessibleName(triangle::kInradius),
            "r вписана, радиус r на вписаната окръжност");
}

TEST(ResultExplanations, EveryResultButTheGivenOne) {
  const std::array<double, triangle::kQuantityCount> values = {1, 3, 0.5, 0.75, 0.75, 0.75, 2, 1};
  const auto explanations =
      ResultExplanations(triangle::kPerimeter, values, triangle::DecimalPointFormat());
  EXPECT_EQ(explanations[triangle::kPerimeter], "");
  EXPECT_EQ(explanations[triangle::kSide], "a = P/3\n= 1");
  EXPECT_EQ(explanations[triangle::kArea], "S = a·√3·a/4\n= 0.5");
  EXPECT_EQ(explanations[triangle::kCircumradius], "R = a/√3\n= 2");
}

TEST(LengthLimitHint, SaysHowManyCharactersFit) {
  EXPECT_EQ(LengthLimitHint(4), "Полето побира най-много 4 знака: въведеното не е прието.");
}

TEST(FailureMessage, NamesTheFailureInBulgarian) {
  EXPECT_TRUE(FailureMessage(triangle::OverflowError()).starts_with("Препълване"));
  EXPECT_TRUE(FailureMessage(triangle::InvalidArgumentError()).starts_with("Невалиден аргумент"));
  EXPECT_EQ(FailureMessage(triangle::FailureKind::kOverflow),
            FailureMessage(triangle::OverflowError()));
  EXPECT_EQ(FailureMessage(std::runtime_error("disk")),
            "Изчислението не можа да бъде завършено:\ndisk");
}

}  // namespace
}  // namespace design
