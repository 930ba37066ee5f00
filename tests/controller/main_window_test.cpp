#include "controller/main_window.h"

#include <gtest/gtest.h>

#include <array>
#include <cfloat>
#include <optional>
#include <string>

#include "fake_window.h"
#include "tag_name.h"
#include "triangle/failures.h"
#include "triangle/format_result.h"
#include "triangle/parse_number.h"

namespace controller {
namespace {

using testing::FakeWindow;
using testing::Field;
using triangle::QuantityIndex;
using Texts = std::array<std::string, triangle::kQuantityCount>;

class MainWindowTest : public ::testing::Test {
 protected:
  explicit MainWindowTest(triangle::NumberFormat format = triangle::DecimalPointFormat())
      : window_(view_, std::move(format)) {
    window_.OnFormLoad();
  }

  // The user clicks option i, as the platform reports it.
  void Choose(QuantityIndex option) {
    view_.Choose(option);
    window_.OnOptionClick(option);
  }
  void Calculate() { window_.OnCommandClick(MainWindow::kCalculateButton); }
  void Clear() { window_.OnCommandClick(MainWindow::kClearButton); }

  Texts FieldTexts() const {
    Texts texts;
    for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) texts[k] = view_.fields[k].text;
    return texts;
  }
  void ExpectEveryField(bool enabled, int max_length) const {
    for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      SCOPED_TRACE(k);
      EXPECT_EQ(view_.fields[k].enabled, enabled);
      EXPECT_EQ(view_.fields[k].max_length, max_length);
    }
  }
  void ExpectNoOptionChosen() const {
    for (bool chosen : view_.chosen) EXPECT_FALSE(chosen);
  }

  FakeWindow view_;
  MainWindow window_;
};

TEST_F(MainWindowTest, LoadsWithEmptyDisabledLimitedFieldsAndNothingChosen) {
  EXPECT_EQ(window_.SelectedOption(), MainWindow::kNoOption);
  EXPECT_EQ(FieldTexts(), Texts{});
  ExpectEveryField(false, 4);
  ExpectNoOptionChosen();
}

TEST_F(MainWindowTest, CalculateBeforeAnyChoiceChangesNothing) {
  const FakeWindow before = view_;
  Calculate();
  EXPECT_EQ(view_.fields, before.fields);
  EXPECT_EQ(window_.SelectedOption(), MainWindow::kNoOption);
}

TEST_F(MainWindowTest, ChoosingEnablesOnlyThatFieldAndKeepsTheLimit) {
  Choose(triangle::kMedian);
  Choose(triangle::kBisector);
  EXPECT_EQ(window_.SelectedOption(), triangle::kBisector);
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    SCOPED_TRACE(k);
    EXPECT_EQ(view_.fields[k], (Field{"", k == triangle::kBisector, 4}));
  }
  EXPECT_EQ(view_.Type(triangle::kBisector, "12345"), 4u);  // the fifth character is refused
}

TEST_F(MainWindowTest, ChoosingTheChosenOptionAgainEmptiesItsFieldAndKeepsItEnabled) {
  Choose(triangle::kSide);
  view_.Type(triangle::kSide, "12");
  Choose(triangle::kSide);
  EXPECT_EQ(view_.fields[triangle::kSide], (Field{"", true, 4}));
}

// After a calculation, or a failed one, the chosen measure chosen again takes a new value in
// its field, whose text stays; the other fields stay locked. Before, it changes nothing.
TEST_F(MainWindowTest, TheChosenMeasureChosenAgainAfterACalculationUnlocksItsField) {
  Choose(triangle::kArea);
  view_.Type(triangle::kArea, "12");
  window_.OnChosenOptionChosenAgain();
  EXPECT_EQ(view_.fields[triangle::kArea], (Field{"12", true, 4}));
  Calculate();
  ASSERT_TRUE(window_.LastCalculation());
  window_.OnChosenOptionChosenAgain();
  EXPECT_EQ(view_.fields[triangle::kArea], (Field{"12", true, 1024}));
  EXPECT_FALSE(window_.LastCalculation()) << "the fields no longer show a whole calculation";
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    if (k != triangle::kArea) {
      EXPECT_FALSE(view_.fields[k].enabled) << k;
    }
  }
  EXPECT_EQ(view_.fields[triangle::kSide].text, "5.2643");
  EXPECT_EQ(view_.Type(triangle::kArea, "5"), 1u);

  view_.fields[triangle::kArea].text = "-1";
  EXPECT_THROW(Calculate(), triangle::CalculationError);
  ASSERT_FALSE(view_.fields[triangle::kArea].enabled);
  window_.OnChosenOptionChosenAgain();
  EXPECT_EQ(view_.fields[triangle::kArea], (Field{"-1", true, 1024}));

  window_.OnCommandClick(MainWindow::kClearButton);
  window_.OnChosenOptionChosenAgain();  // nothing is shown chosen after clearing
  EXPECT_FALSE(view_.fields[triangle::kArea].enabled);
}

struct Road {
  const char* tag;
  QuantityIndex chosen;
  std::string typed;
  Texts expected;
  friend void PrintTo(const Road& row, std::ostream* out) { *out << row.tag; }
};

class CalculationRoad : public MainWindowTest, public ::testing::WithParamInterface<Road> {};

TEST_P(CalculationRoad, WritesTheOtherSevenAndKeepsTheTypedText) {
  Choose(GetParam().chosen);
  view_.Type(GetParam().chosen, GetParam().typed);
  Calculate();
  EXPECT_EQ(FieldTexts(), GetParam().expected);
  ExpectEveryField(false, 1024);
  EXPECT_TRUE(view_.chosen[GetParam().chosen]);
  EXPECT_EQ(window_.SelectedOption(), GetParam().chosen);

  // The full-precision values behind the texts, for the window's tooltips.
  const auto& calculation = window_.LastCalculation();
  ASSERT_TRUE(calculation.has_value());
  EXPECT_EQ(calculation->given, GetParam().chosen);
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    if (k == GetParam().chosen) continue;
    EXPECT_EQ(triangle::FormatResult(calculation->values[k], window_.Format()),
              GetParam().expected[k])
        << k;
  }
  Choose(GetParam().chosen == 0 ? 1 : 0);
  EXPECT_FALSE(window_.LastCalculation().has_value());  // the fields no longer show it
}

INSTANTIATE_TEST_SUITE_P(
    Roads, CalculationRoad,
    ::testing::Values(
        Road{"area_12",
             triangle::kArea,
             "12",
             {"5.2643", "15.7929", "12", "4.5590", "4.5590", "4.5590", "3.0393", "1.5197"}},
        Road{"side_10",
             triangle::kSide,
             "10",
             {"10", "30.0000", "43.3013", "8.6603", "8.6603", "8.6603", "5.7735", "2.8868"}},
        Road{"side_negative",
             triangle::kSide,
             "-3",
             {"-3", "-9.0000", "3.8971", "-2.5981", "-2.5981", "-2.5981", "-1.7321", "-0.8660"}},
        Road{"inradius_text_kept_as_typed",
             triangle::kInradius,
             " 1x",
             {"3.4641", "10.3923", "5.1962", "3.0000", "3.0000", "3.0000", "2.0000", " 1x"}},
        Road{"unreadable_is_zero",
             triangle::kHeight,
             "abc",
             {"0.0000", "0.0000", "0.0000", "0.0000", "abc", "0.0000", "0.0000", "0.0000"}}),
    TagName());

TEST_F(MainWindowTest, ChoosingAfterACalculationStartsFromTheResultWithoutALimit) {
  Choose(triangle::kSide);
  view_.Type(triangle::kSide, "10");
  Calculate();
  Choose(triangle::kPerimeter);
  EXPECT_EQ(view_.fields[triangle::kSide], (Field{"", false, 1024}));
  EXPECT_EQ(view_.fields[triangle::kPerimeter], (Field{"30.0000", true, 1024}));
  EXPECT_EQ(view_.fields[triangle::kArea], (Field{"43.3013", false, 1024}));
  EXPECT_EQ(view_.Type(triangle::kPerimeter, "123456"), 6u);
}

TEST_F(MainWindowTest, ClearUnchoosesAndEmptiesButRemembersTheMeasure) {
  Choose(triangle::kArea);
  view_.Type(triangle::kArea, "12");
  Calculate();
  Clear();
  EXPECT_EQ(FieldTexts(), Texts{});
  ExpectEveryField(false, 4);
  ExpectNoOptionChosen();
  EXPECT_EQ(window_.SelectedOption(), triangle::kArea);

  Calculate();  // the remembered measure's empty field reads as zero
  EXPECT_EQ(FieldTexts(),
            (Texts{"0.0000", "0.0000", "", "0.0000", "0.0000", "0.0000", "0.0000", "0.0000"}));
  ExpectEveryField(false, 1024);
}

TEST_F(MainWindowTest, IgnoresIndicesNoControlHas) {
  Choose(triangle::kSide);
  const FakeWindow before = view_;
  window_.OnOptionClick(8);
  window_.OnOptionClick(-1);
  window_.OnCommandClick(2);
  window_.OnCommandClick(-1);
  EXPECT_EQ(view_.fields, before.fields);
  EXPECT_EQ(window_.SelectedOption(), triangle::kSide);
}

TEST_F(MainWindowTest, OverflowStopsAtTheFailingFieldAndEmptiesTheRest) {
  Choose(triangle::kSide);
  view_.Type(triangle::kSide, "1");
  Calculate();  // lifts the length limit
  const Texts first = FieldTexts();
  Choose(triangle::kPerimeter);
  Choose(triangle::kSide);  // empties the perimeter field again
  view_.Type(triangle::kSide, "1E200");

  EXPECT_THROW(Calculate(), triangle::OverflowError);
  const Texts texts = FieldTexts();
  EXPECT_EQ(texts[triangle::kSide], "1E200");
  EXPECT_TRUE(texts[triangle::kPerimeter].ends_with(".0000"));  // all 201 digits, grouped
  EXPECT_EQ(triangle::ParseNumber(texts[triangle::kPerimeter], triangle::DecimalPointFormat()),
            1e200 * 3);
  ASSERT_FALSE(first[triangle::kArea].empty());
  for (QuantityIndex k = triangle::kArea; k < triangle::kQuantityCount; ++k) {
    EXPECT_EQ(texts[k], "") << k;  // no result of the side-1 triangle stays beside 1E200
  }
  EXPECT_FALSE(window_.LastCalculation().has_value());
  ExpectEveryField(false, 1024);
  EXPECT_TRUE(view_.chosen[triangle::kSide]);
  EXPECT_EQ(window_.SelectedOption(), triangle::kSide);
}

TEST_F(MainWindowTest, NegativeAreaFailsBeforeAnyFieldIsWritten) {
  Choose(triangle::kArea);
  view_.Type(triangle::kArea, "-1");
  EXPECT_THROW(Calculate(), triangle::InvalidArgumentError);
  EXPECT_EQ(FieldTexts(), (Texts{"", "", "-1", "", "", "", "", ""}));
  ExpectEveryField(false, 1024);
}

struct NoticeCase {
  const char* tag;
  std::string typed;
  bool bulgarian;
  std::optional<platform::WindowView::ReadingNotice> notice;
  std::string side;  // the side the calculation writes: the reading's, notice or not
  friend void PrintTo(const NoticeCase& row, std::ostream* out) { *out << row.tag; }
};

class ReadingNotices : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(ReadingNotices, AreShownExactlyWhenTheNumberIsNotTheWholeText) {
  const NoticeCase& row = GetParam();
  FakeWindow view;
  MainWindow window(view,
                    row.bulgarian ? triangle::BulgarianFormat() : triangle::DecimalPointFormat());
  window.OnFormLoad();
  view.Choose(triangle::kPerimeter);
  window.OnOptionClick(triangle::kPerimeter);
  window.OnCommandClick(MainWindow::kCalculateButton);  // lifts the limit for longer texts
  window.OnOptionClick(triangle::kPerimeter);           // keeps the field, now editable
  view.fields[triangle::kPerimeter].text = row.typed;
  view.notices.clear();  // the first calculation read the empty field
  window.OnCommandClick(MainWindow::kCalculateButton);

  if (row.notice) {
    ASSERT_EQ(view.notices.size(), 1u);
    EXPECT_EQ(view.notices[0].field, triangle::kPerimeter);
    EXPECT_EQ(view.notices[0].notice.reason, row.notice->reason);
    EXPECT_EQ(view.notices[0].notice.value_text, row.notice->value_text);
    EXPECT_EQ(view.notices[0].notice.unread_text, row.notice->unread_text);
  } else {
    EXPECT_TRUE(view.notices.empty());
  }
  EXPECT_EQ(view.fields[triangle::kSide].text, row.side);
  EXPECT_EQ(view.fields[triangle::kPerimeter].text, row.typed);
}

using Reason = platform::WindowView::ReadingNotice::Reason;
INSTANTIATE_TEST_SUITE_P(
    Texts, ReadingNotices,
    ::testing::Values(
        NoticeCase{"comma_under_point",
                   "7,5",
                   false,
                   {{Reason::kTextLeftUnread, "7.0000", ",5"}},
                   "2.3333"},
        NoticeCase{"point_under_point", "7.5", false, std::nullopt, "2.5000"},
        NoticeCase{"comma_under_comma", "7,5", true, std::nullopt, "2,5000"},
        NoticeCase{"point_under_comma", "7.5", true, std::nullopt, "2,5000"},
        NoticeCase{"own_grouping", "1,234.5", false, std::nullopt, "411.5000"},
        NoticeCase{"blanks_around", " 12 ", false, std::nullopt, "4.0000"},
        NoticeCase{
            "letters_after", "12cm", false, {{Reason::kTextLeftUnread, "12.0000", "cm"}}, "4.0000"},
        NoticeCase{"exponent_without_digits",
                   "3E",
                   true,
                   {{Reason::kTextLeftUnread, "3,0000", "E"}},
                   "1,0000"},
        NoticeCase{"letters", "abc", false, {{Reason::kNoNumber, "0.0000", "abc"}}, "0.0000"},
        NoticeCase{"lone_minus", "-", false, {{Reason::kNoNumber, "0.0000", "-"}}, "0.0000"},
        NoticeCase{"empty", "", true, {{Reason::kEmptyField, "0,0000", ""}}, "0,0000"},
        NoticeCase{"blanks", " \t", false, {{Reason::kEmptyField, "0.0000", " \t"}}, "0.0000"}),
    TagName());

TEST_F(MainWindowTest, TellsHowTheTextWasReadBeforeAFailureStopsTheCalculation) {
  Choose(triangle::kArea);
  view_.Type(triangle::kArea, "-1x");
  EXPECT_THROW(Calculate(), triangle::InvalidArgumentError);
  ASSERT_EQ(view_.notices.size(), 1u);
  EXPECT_EQ(view_.notices[0].notice.value_text, "-1.0000");
}

TEST(LiftedMaxLength, HoldsTheLongestResultTheFieldsShow) {
  // The largest double, grouped by single digits under a two-character separator: longer than
  // any text a field is given.
  triangle::NumberFormat widest{
      .decimal_separator = ",", .group_separator = "\u00A0", .group_sizes = {1}};
  widest.negative_style = triangle::NegativeStyle::kParentheses;
  const std::string longest = triangle::FormatResult(-DBL_MAX, widest);
  EXPECT_GT(longest.size(), 900u);  // 309 digits, 308 separators, parentheses, decimals
  EXPECT_LE(longest.size(), 1024u);
}

class BulgarianMainWindowTest : public MainWindowTest {
 protected:
  BulgarianMainWindowTest() : MainWindowTest(triangle::BulgarianFormat()) {}
};

TEST_F(BulgarianMainWindowTest, ResultsReadBackWhenTheyBecomeTheNextInput) {
  Choose(triangle::kSide);
  view_.Type(triangle::kSide, "2,5");
  Calculate();
  EXPECT_EQ(view_.fields[triangle::kPerimeter].text, "7,5000");

  Choose(triangle::kArea);  // starts from "2,7063", the area shown
  Calculate();
  EXPECT_EQ(view_.fields[triangle::kSide].text, "2,5000");
  EXPECT_EQ(view_.fields[triangle::kPerimeter].text, "7,5000");
}

TEST_F(BulgarianMainWindowTest, GroupedResultsReadBack) {
  Choose(triangle::kSide);
  view_.Type(triangle::kSide, "1000");
  Calculate();
  EXPECT_EQ(view_.fields[triangle::kPerimeter].text, "3\u00A0000,0000");
  Choose(triangle::kPerimeter);
  Calculate();
  EXPECT_EQ(view_.fields[triangle::kSide].text, "1\u00A0000,0000");
}

}  // namespace
}  // namespace controller
