// What choosing a measure does to its field, and how the arrow keys move among the options.
#include <functional>

#include "window_fixture.h"

namespace qt_ui {
namespace {

const QStringList kAreaTwelve = {"5.2643", "15.7929", "12",     "4.5590",
                                 "4.5590", "4.5590",  "3.0393", "1.5197"};

class ChoosingTest : public CalculatorWindowTest {
 protected:
  void SetUp() override {
    CalculatorWindowTest::SetUp();
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  }
  void AreaTwelve() {
    Press(1);
    Choose(triangle::kArea);
    Type(triangle::kArea, QStringLiteral("12"));
    Press(0);
    ASSERT_EQ(FieldTexts(), kAreaTwelve);
  }
  void ChooseBySpace(QuantityIndex option) {
    window_.Option(option)->setFocus();
    QTest::keyClick(window_.Option(option), Qt::Key_Space);
  }
};

// After a calculation, each other measure's field shows its result when chosen, wholly
// selected: a digit typed then is the new value, not a digit added to the old one.
TEST_F(ChoosingTest, ChoosingAMeasureSelectsItsTextSoThatTypingReplacesIt) {
  const struct {
    const char* way;
    std::function<void(QuantityIndex)> choose;
  } ways[] = {{"a click", [this](QuantityIndex k) { Choose(k); }},
              {"Space", [this](QuantityIndex k) { ChooseBySpace(k); }}};
  for (const auto& way : ways) {
    for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      if (k == triangle::kArea) continue;
      SCOPED_TRACE(testing::Message() << way.way << " on " << k);
      AreaTwelve();
      way.choose(k);
      QuantityField* field = window_.Field(k);
      ASSERT_EQ(window_.focusWidget(), field);
      EXPECT_EQ(field->text(), kAreaTwelve[k]) << "the text stays shown";
      EXPECT_EQ(field->selectedText(), kAreaTwelve[k]);
      EXPECT_EQ(field->cursorPosition(), 0) << "shown from its first digit";
      QTest::keyClick(field, Qt::Key_6);
      EXPECT_EQ(field->text(), QStringLiteral("6"));
    }
  }
}

// Clicking the chosen option again keeps what was typed, selected for typing over.
TEST_F(ChoosingTest, ChoosingTheChosenMeasureAgainSelectsWhatWasTyped) {
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("75"));
  Choose(triangle::kSide);
  EXPECT_EQ(window_.Field(triangle::kSide)->selectedText(), QStringLiteral("75"));
  QTest::keyClick(window_.Field(triangle::kSide), Qt::Key_8);
  EXPECT_EQ(window_.Field(triangle::kSide)->text(), QStringLiteral("8"));
}

// Down and Right go to the next option in the measures' order, Up and Left to the previous
// one, round at both ends, whichever column the option stands in; from the chosen option the
// choice goes along, from another the focus alone.
TEST_F(ChoosingTest, ArrowKeysGoRoundTheOptionsInTheirOrder) {
  const struct {
    Qt::Key key;
    int step;
  } keys[] = {{Qt::Key_Down, 1}, {Qt::Key_Right, 1}, {Qt::Key_Up, 7}, {Qt::Key_Left, 7}};
  for (const auto& key : keys) {
    for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      const auto next = static_cast<QuantityIndex>((k + key.step) % triangle::kQuantityCount);
      SCOPED_TRACE(testing::Message() << "key " << key.key << " from " << k);
      Press(1);  // nothing chosen: the arrows move the focus only
      window_.Option(k)->setFocus();
      QTest::keyClick(window_.Option(k), key.key);
      EXPECT_EQ(window_.focusWidget(), window_.Option(next));
      for (QuantityIndex m = 0; m < triangle::kQuantityCount; ++m) {
        EXPECT_FALSE(window_.Option(m)->isChecked()) << m;
      }
      ExpectNoFieldTakesTyping();

      ChooseBySpace(k);
      window_.Option(k)->setFocus();
      QTest::keyClick(window_.Option(k), key.key);
      EXPECT_EQ(window_.focusWidget(), window_.Option(next));
      EXPECT_EQ(window_.SelectedOption(), next);
      EXPECT_TRUE(window_.Option(next)->isChecked());
      EXPECT_FALSE(window_.Field(next)->isReadOnly());
    }
  }
}

}  // namespace
}  // namespace qt_ui
