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
            "r = a·√3/6\n= 0,1");
  // With the exact value: after "≈" where the double is not it, alone where it is.
  const triangle::ExactValue two_fourth_root_27{{2, 1}, 4, 27};
  EXPECT_EQ(ResultExplanation(triangle::kHeight, triangle::kArea, 4.559014113909556, bulgarian,
                              two_fourth_root_27),
            "h = a·√3/2 = 2·⁴√27\n≈ 4,559014113909556");
  EXPECT_EQ(ResultExplanation(triangle::kPerimeter, triangle::kSide, 7.5, bulgarian,
                              triangle::ExactValue{{15, 2}, 1, 1}),
            "P = 3·a\n= 7,5");
  EXPECT_EQ(
      SpokenExplanation(triangle::kHeight, triangle::kArea, 4.559014113909556, two_fourth_root_27),
      "хаш равно на а по корен квадратен от 3 делено на 2, равно на 2 корен четвърти от "
      "27, приблизително 4,559014113909556");
  EXPECT_EQ(SpokenExplanation(triangle::kSide, triangle::kInradius, 1e-7),
            "а равно на 2 по малко ер по корен квадратен от 3, равно на 1 по 10 на степен минус 7");
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

// Each option says how the side follows from its measure; the side's own says that it is
// given directly, rather than "a = a".
TEST(OptionTooltip, SaysHowTheSideFollowsOrThatItIsGiven) {
  EXPECT_EQ(OptionTooltip(triangle::kSide),
            "Дадена е самата страна a: от нея следват другите величини.");
  EXPECT_EQ(OptionTooltip(triangle::kPerimeter), "Страната от тази величина: a = P/3");
  EXPECT_EQ(OptionTooltip(triangle::kInradius), "Страната от тази величина: a = 2·r·√3");
  for (triangle::QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    EXPECT_EQ(OptionTooltip(k).find("a = a"), std::string::npos) << k;
  }
}

// Said at a locked field, in the system's own words.
TEST(LockedFieldHint, SaysHowToGoOn) {
  EXPECT_EQ(LockedFieldHint(),
            "Полето е заключено. За нова стойност изберете величината отново или натиснете "
            "„Изтрий“.");
}

// The exact values come from the given one; the doubles (worked out apart, in Python's IEEE
// arithmetic) are the fields'.
TEST(ResultExplanations, EveryResultButTheGivenOne) {
  const std::array<double, triangle::kQuantityCount> values = {1,
                                                               3,
                                                               0.4330127018922193,
                                                               0.8660254037844386,
                                                               0.8660254037844386,
                                                               0.8660254037844386,
                                                               0.5773502691896258,
                                                               0.2886751345948129};
  const auto explanations =
      ResultExplanations(triangle::kPerimeter, values, triangle::DecimalPointFormat());
  EXPECT_EQ(explanations[triangle::kPerimeter], "");
  EXPECT_EQ(explanations[triangle::kSide], "a = P/3\n= 1");
  EXPECT_EQ(explanations[triangle::kArea], "S = a²·√3/4 = √3/4\n≈ 0.4330127018922193");
  EXPECT_EQ(explanations[triangle::kCircumradius], "R = a·√3/3 = √3/3\n≈ 0.5773502691896258");
  const auto spoken =
      SpokenExplanations(triangle::kPerimeter, values, triangle::DecimalPointFormat());
  EXPECT_EQ(spoken[triangle::kPerimeter], "");
  EXPECT_EQ(spoken[triangle::kSide], "а равно на пе делено на 3, равно на 1");
  EXPECT_EQ(spoken[triangle::kInradius],
            "малко ер равно на а по корен квадратен от 3 делено на 6, равно на корен квадратен "
            "от 3 делено на 6, приблизително 0,2886751345948129");
}

TEST(LengthLimitHint, SaysHowManyCharactersFit) {
  EXPECT_EQ(LengthLimitHint(4), "Полето побира най-много 4 знака: въведеното не е прието.");
}

TEST(FieldHoverText, TheWholeTextOnlyWhenCutThenTheExplanation) {
  struct Case {
    std::string_view text;
    bool cut;
    std::string_view explanation;
    std::string_view hover;
  };
  const Case cases[] = {
      {"1,234,567.0000", true, "P = 3·a", "1,234,567.0000\nP = 3·a"},
      {"6.0000", false, "P = 3·a", "P = 3·a"},
      {"1,234,567.0000", true, "", "1,234,567.0000"},  // the given value, cut
      {"12", false, "", ""},
      {"", true, "", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FieldHoverText(c.text, c.cut, c.explanation), c.hover) << c.text;
  }
}

TEST(ReadingNoticeText, SaysWhatWasReadAndNamesTheDecimalSign) {
  using Reason = platform::WindowView::ReadingNotice::Reason;
  const triangle::NumberFormat point = triangle::DecimalPointFormat();
  const triangle::NumberFormat bulgarian = triangle::BulgarianFormat();
  const triangle::NumberFormat arabic{.decimal_separator = "\u066B", .group_separator = ""};
  EXPECT_EQ(
      ReadingNoticeText(triangle::kPerimeter, {Reason::kTextLeftUnread, "7.0000", ",5"}, point),
      "Полето „периметър“ е прочетено като 7.0000: „,5“ не е част от числото. "
      "Десетичният знак при текущите настройки е точката (.).");
  // The area's caption loses its leading blank; blanks around the unread part are not quoted.
  EXPECT_EQ(
      ReadingNoticeText(triangle::kArea, {Reason::kTextLeftUnread, "12,0000", " cm "}, bulgarian),
      "Полето „лице“ е прочетено като 12,0000: „cm“ не е част от числото. "
      "Десетичният знак при текущите настройки е запетаята (,).");
  EXPECT_EQ(ReadingNoticeText(triangle::kSide, {Reason::kNoNumber, "0\u066B0000", "abc"}, arabic),
            "Полето „страна“ е прочетено като 0\u066B0000: в „abc“ няма число. "
            "Десетичният знак при текущите настройки е „\u066B“.");
  EXPECT_EQ(ReadingNoticeText(triangle::kInradius, {Reason::kEmptyField, "0.0000", ""}, point),
            "Полето „r вписана“ е празно и е прочетено като 0.0000.");
}

TEST(ReadingNoticeText, QuotesALongUnreadTextOnlyInPart) {
  using Reason = platform::WindowView::ReadingNotice::Reason;
  // 30 two-byte letters: 24 are quoted, whole, then an ellipsis.
  std::string unread;
  for (int i = 0; i < 30; ++i) unread += "ж";
  std::string quoted;
  for (int i = 0; i < 24; ++i) quoted += "ж";
  const std::string text = ReadingNoticeText(triangle::kSide, {Reason::kNoNumber, "0.0000", unread},
                                             triangle::DecimalPointFormat());
  EXPECT_NE(text.find("„" + quoted + "…“"), std::string::npos) << text;
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
