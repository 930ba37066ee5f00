// The presenter at the events every edition sends it: what it decides to show, and that a
// failure of the core reaches no edition as an exception.
#include "controller/presenter.h"

#include <gtest/gtest.h>

#include <string>

#include "tests/controller/fake_window.h"
#include "triangle/quantity_index.h"

namespace controller {
namespace {

using testing::FakeWindow;

class PresenterTest : public ::testing::Test {
 protected:
  // Chooses `option` as a click does, types `text` over what its field shows (choosing
  // selects it) and presses "Изчисли".
  const Presentation& CalculateFrom(triangle::QuantityIndex option, const std::string& text) {
    fields_.Choose(option);
    presenter_.OnOptionChosen(option);
    TypeOver(option, text);
    return presenter_.OnCommandClick(MainWindow::kCalculateButton);
  }
  void TypeOver(triangle::QuantityIndex option, const std::string& text) {
    fields_.fields.at(option).text.clear();
    fields_.Type(option, text);
  }

  FakeWindow fields_;
  Presenter presenter_{fields_, triangle::DecimalPointFormat()};
};

TEST_F(PresenterTest, StartsShowingNoCalculationWithoutWritingAControl) {
  fields_.fields.at(triangle::kArea).text = "as the page was written";
  const Presentation& shown = presenter_.Shown();
  EXPECT_FALSE(shown.calculation.has_value());
  EXPECT_TRUE(shown.solution.empty());
  EXPECT_EQ(fields_.fields.at(triangle::kArea).text, "as the page was written");
}

TEST_F(PresenterTest, ACalculationShowsItsTeachingAndAnnouncesEveryMeasure) {
  presenter_.OnLoad();
  const Presentation& shown = CalculateFrom(triangle::kSide, "2");
  ASSERT_TRUE(shown.calculation.has_value());
  EXPECT_EQ(shown.calculation->given, triangle::kSide);
  EXPECT_TRUE(shown.explanations[triangle::kSide].empty());  // the pupil's own value
  // The perimeter of side 2 is 6, said with its formula; the desktop line for F1 ends it.
  EXPECT_NE(shown.explanations[triangle::kPerimeter].find("P = 3·a"), std::string::npos);
  EXPECT_NE(shown.explanations[triangle::kPerimeter].find("F1"), std::string::npos);
  ASSERT_FALSE(shown.solution.empty());
  EXPECT_EQ(shown.solution.front().text, "Дадено: a = 2");
  EXPECT_TRUE(shown.solution_text.starts_with("Дадено: a = 2\n"));
  EXPECT_TRUE(shown.announcement.starts_with("страна: 2\nпериметър: 6.0000\n"));
  EXPECT_FALSE(shown.reading_notice.has_value());
  EXPECT_TRUE(shown.failure.empty());
}

TEST_F(PresenterTest, ThePageEditionsExplanationsNameNoKey) {
  Presenter page{fields_, triangle::DecimalPointFormat(), Presenter::SolutionWindowKey::kNone};
  fields_.Choose(triangle::kSide);
  page.OnOptionChosen(triangle::kSide);
  fields_.Type(triangle::kSide, "2");
  const Presentation& shown = page.OnCommandClick(MainWindow::kCalculateButton);
  EXPECT_EQ(shown.explanations[triangle::kPerimeter].find("F1"), std::string::npos);
  EXPECT_NE(shown.explanations[triangle::kPerimeter].find("P = 3·a"), std::string::npos);
}

TEST_F(PresenterTest, AFailureOfTheCoreComesBackAsItsMessage) {
  presenter_.OnLoad();
  CalculateFrom(triangle::kSide, "1");  // lifts the length limit
  fields_.Choose(triangle::kArea);
  presenter_.OnOptionChosen(triangle::kArea);
  TypeOver(triangle::kArea, "-1");
  const Presentation* shown = nullptr;
  ASSERT_NO_THROW(shown = &presenter_.OnCommandClick(MainWindow::kCalculateButton));
  EXPECT_EQ(shown->failure,
            "Невалиден аргумент: корен квадратен от отрицателно число.\n"
            "Лицето на триъгълника не може да бъде отрицателно.");
  EXPECT_FALSE(shown->calculation.has_value());
  EXPECT_TRUE(shown->solution.empty());
  EXPECT_TRUE(shown->announcement.empty());
  // Nothing reports it again: neither a unit, which keeps the rest, nor the next event.
  EXPECT_TRUE(
      presenter_.OnUnitChoice(static_cast<int>(design::LengthUnit::kMetre)).failure.empty());
  EXPECT_TRUE(presenter_.OnCommandClick(MainWindow::kClearButton).failure.empty());
}

// The hint says to choose the measure again or to clear: it belongs to a calculation's lock,
// a failed one's too, and to nothing before or after it.
TEST_F(PresenterTest, TheLockedFieldHintAppliesOnlyWhileACalculationLocksTheFields) {
  presenter_.OnLoad();
  EXPECT_FALSE(presenter_.LockedFieldHintApplies()) << "at the start";
  fields_.Choose(triangle::kArea);
  presenter_.OnOptionChosen(triangle::kArea);
  EXPECT_FALSE(presenter_.LockedFieldHintApplies()) << "a measure chosen";
  TypeOver(triangle::kArea, "12");
  presenter_.OnCommandClick(MainWindow::kCalculateButton);
  EXPECT_TRUE(presenter_.LockedFieldHintApplies()) << "after a calculation";
  presenter_.OnOptionChosen(triangle::kArea);
  EXPECT_FALSE(presenter_.LockedFieldHintApplies()) << "chosen again";
  TypeOver(triangle::kArea, "-1");
  presenter_.OnCommandClick(MainWindow::kCalculateButton);
  EXPECT_TRUE(presenter_.LockedFieldHintApplies()) << "after a failed calculation";
  fields_.Choose(triangle::kSide);
  presenter_.OnOptionChosen(triangle::kSide);
  EXPECT_FALSE(presenter_.LockedFieldHintApplies()) << "another measure chosen";
  TypeOver(triangle::kSide, "2");
  presenter_.OnCommandClick(MainWindow::kCalculateButton);
  presenter_.OnCommandClick(MainWindow::kClearButton);
  EXPECT_FALSE(presenter_.LockedFieldHintApplies()) << "cleared";
}

TEST_F(PresenterTest, AReadingNoticeLastsUntilTheNextEvent) {
  presenter_.OnLoad();
  const Presentation& shown = CalculateFrom(triangle::kSide, "7x");
  ASSERT_TRUE(shown.reading_notice.has_value());
  EXPECT_EQ(shown.reading_notice->field, triangle::kSide);
  EXPECT_EQ(shown.reading_notice->text,
            "Полето „страна“ е прочетено като 7.0000: „x“ не е част от числото. "
            "Десетичният знак при текущите настройки е точката (.).");
  EXPECT_FALSE(presenter_.OnOptionChosen(triangle::kArea).reading_notice.has_value());
}

TEST_F(PresenterTest, ChoosingTheChosenOptionAgainKeepsItsTextAndAfterACalculationUnlocksIt) {
  presenter_.OnLoad();
  fields_.Choose(triangle::kArea);
  presenter_.OnOptionChosen(triangle::kArea);
  fields_.Type(triangle::kArea, "12");
  presenter_.OnOptionChosen(triangle::kArea);  // before a calculation: nothing is lost
  EXPECT_EQ(fields_.fields.at(triangle::kArea).text, "12");
  EXPECT_TRUE(fields_.fields.at(triangle::kArea).enabled);

  presenter_.OnCommandClick(MainWindow::kCalculateButton);
  EXPECT_FALSE(fields_.fields.at(triangle::kArea).enabled);
  const Presentation& again = presenter_.OnOptionChosen(triangle::kArea);
  EXPECT_EQ(fields_.fields.at(triangle::kArea).text, "12");
  EXPECT_TRUE(fields_.fields.at(triangle::kArea).enabled);
  EXPECT_FALSE(again.calculation.has_value());  // the fields no longer show one calculation
  EXPECT_TRUE(again.solution.empty());
}

TEST_F(PresenterTest, AfterClearingTheOptionLastChosenStartsAfresh) {
  presenter_.OnLoad();
  CalculateFrom(triangle::kArea, "12");
  presenter_.OnCommandClick(MainWindow::kClearButton);
  fields_.Choose(triangle::kArea);
  presenter_.OnOptionChosen(triangle::kArea);  // shown unchosen by the clearing
  EXPECT_TRUE(fields_.fields.at(triangle::kArea).enabled);
  EXPECT_EQ(fields_.fields.at(triangle::kArea).max_length, MainWindow::kInitialMaxLength);
  EXPECT_EQ(fields_.Type(triangle::kArea, "12345"), 4U);
}

TEST_F(PresenterTest, TheTeachingIsRedrawnOnlyWhenItChanges) {
  presenter_.OnLoad();
  const std::uint32_t before = presenter_.Shown().teaching_revision;
  fields_.Choose(triangle::kSide);
  presenter_.OnOptionChosen(triangle::kSide);
  fields_.Choose(triangle::kArea);
  presenter_.OnOptionChosen(triangle::kArea);  // no calculation before nor after
  EXPECT_EQ(presenter_.Shown().teaching_revision, before);

  fields_.Type(triangle::kArea, "12");
  const std::uint32_t calculated =
      presenter_.OnCommandClick(MainWindow::kCalculateButton).teaching_revision;
  EXPECT_NE(calculated, before);
  EXPECT_EQ(presenter_.OnUnitChoice(7).teaching_revision, calculated);  // not a unit
  const Presentation& in_centimetres =
      presenter_.OnUnitChoice(static_cast<int>(design::LengthUnit::kCentimetre));
  EXPECT_NE(in_centimetres.teaching_revision, calculated);
  EXPECT_NE(in_centimetres.solution_text.find(" см²"), std::string::npos);
}

TEST_F(PresenterTest, IndicesOutsideTheMeasuresChangeNothing) {
  presenter_.OnLoad();
  CalculateFrom(triangle::kSide, "2");
  const FakeWindow before = fields_;
  for (int index : {-1, 8, 1000}) {
    EXPECT_TRUE(presenter_.OnOptionChosen(index).calculation.has_value()) << index;
  }
  EXPECT_TRUE(presenter_.OnCommandClick(5).calculation.has_value());
  EXPECT_EQ(fields_.fields, before.fields);
}

}  // namespace
}  // namespace controller
