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

// After a calculation the given measure chosen again takes a new value: its field, text kept
// and selected, replaces it with what is typed; the results stay locked. Space on the chosen
// option checks nothing, as a click on it does not, and is told apart from a new choice too.
TEST_F(ChoosingTest, TheGivenMeasureChosenAgainTakesANewValue) {
  const struct {
    const char* way;
    std::function<void(QuantityIndex)> choose;
  } ways[] = {{"a click", [this](QuantityIndex k) { Choose(k); }},
              {"Space", [this](QuantityIndex k) { ChooseBySpace(k); }}};
  for (const auto& way : ways) {
    SCOPED_TRACE(way.way);
    AreaTwelve();
    QuantityField* field = window_.Field(triangle::kArea);
    ASSERT_TRUE(field->isReadOnly());
    way.choose(triangle::kArea);
    EXPECT_FALSE(field->isReadOnly());
    EXPECT_EQ(window_.focusWidget(), field);
    EXPECT_EQ(field->selectedText(), QStringLiteral("12"));
    EXPECT_TRUE(window_.Field(triangle::kSide)->isReadOnly());
    QTest::keyClick(field, Qt::Key_3);
    Press(0);
    EXPECT_EQ(window_.Field(triangle::kSide)->text(), QStringLiteral("2.6321"));
  }
}

// A locked field clicked or typed into says how to go on, over the top of the statement,
// covering no field, option or button; it stays locked. Choosing a measure takes the hint
// away, and the field's description for screen readers with it.
TEST_F(ChoosingTest, ALockedFieldClickedOrTypedIntoSaysHowToGoOn) {
  const QString hint = QStringLiteral(
      "Полето е заключено. За нова стойност изберете величината отново или натиснете „Изтрий“.");
  const struct {
    const char* way;
    std::function<void(QuantityField*)> act;
  } ways[] = {{"a click", [](QuantityField* f) { QTest::mouseClick(f, Qt::LeftButton); }},
              {"a digit", [](QuantityField* f) { QTest::keyClick(f, Qt::Key_7); }},
              {"Backspace", [](QuantityField* f) { QTest::keyClick(f, Qt::Key_Backspace); }}};
  for (const auto& way : ways) {
    for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
      SCOPED_TRACE(testing::Message() << way.way << " on " << k);
      AreaTwelve();
      FieldNotice* notice = window_.LockedFieldHintLabel();
      ASSERT_TRUE(notice->isHidden());
      QuantityField* field = window_.Field(k);
      field->setFocus();
      way.act(field);
      ASSERT_TRUE(notice->isVisible());
      EXPECT_EQ(notice->text(), hint);
      EXPECT_EQ(field->accessibleDescription(), hint);
      EXPECT_EQ(field->text(), kAreaTwelve[k]) << "still locked";
      const QRect shown = notice->geometry();
      EXPECT_EQ(shown.topLeft(), QPoint(24, 232));
      EXPECT_EQ(shown.width(), 449);
      EXPECT_GT(shown.height(), 20) << "room for its lines";
      EXPECT_LE(shown.bottom(), 232 + 121);
      for (QuantityIndex m = 0; m < triangle::kQuantityCount; ++m) {
        EXPECT_FALSE(shown.intersects(window_.Field(m)->geometry())) << m;
        EXPECT_FALSE(shown.intersects(window_.Option(m)->geometry())) << m;
      }
      for (int b = 0; b < 2; ++b) {
        EXPECT_FALSE(shown.intersects(window_.CommandButton(b)->geometry())) << b;
      }
      Choose(static_cast<QuantityIndex>((k + 1) % triangle::kQuantityCount));
      EXPECT_TRUE(notice->isHidden());
      EXPECT_TRUE(field->accessibleDescription().isEmpty());
    }
  }
  // An editable field takes the typing and says nothing.
  Type(triangle::kSide, QStringLiteral("5"));
  EXPECT_TRUE(window_.LockedFieldHintLabel()->isHidden());
  // Before a calculation a read-only field waits for its measure, which the hint, "choose it
  // again", would not explain; nor after clearing.
  for (const int button : {-1, 1}) {
    if (button >= 0) Press(button);
    QTest::mouseClick(window_.Field(triangle::kArea), Qt::LeftButton);
    QTest::keyClick(window_.Field(triangle::kArea), Qt::Key_7);
    EXPECT_TRUE(window_.LockedFieldHintLabel()->isHidden()) << button;
    EXPECT_TRUE(window_.Field(triangle::kArea)->text().isEmpty()) << button;
  }
}

}  // namespace
}  // namespace qt_ui
