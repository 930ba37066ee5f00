#include <QClipboard>
#include <QToolTip>

#include "window_fixture.h"

// What the measures' fields do with their texts: long ones, ones that do not fit the length
// limit, and results that are read-only yet readable and copyable.
namespace qt_ui {
namespace {

void Paste(QLineEdit* field, const QString& text) {
  QGuiApplication::clipboard()->setText(text);
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
}

TEST_F(CalculatorWindowTest, AnEditThatDoesNotFitIsRefusedWholeAndSaysSo) {
  const QString hint = QStringLiteral("Полето побира най-много 4 знака: въведеното не е прието.");
  struct Case {
    const char* name;
    QString typed;
    QString pasted;
    QString kept;
    bool refused;
  };
  const Case cases[] = {
      {"a fifth typed character", "12,75", "", "12,7", true},
      {"a paste longer than the field", "", "1234567,5", "", true},
      {"a paste that would pass the limit", "12", "345", "12", true},
      {"a paste that fits", "1", "2,5", "12,5", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Press(1);
    Choose(triangle::kSide);
    QuantityField* field = window_.Field(triangle::kSide);
    Type(triangle::kSide, c.typed);
    if (!c.pasted.isEmpty()) Paste(field, c.pasted);
    EXPECT_EQ(field->text(), c.kept);
    EXPECT_EQ(field->RefusalHint(), c.refused ? hint : QString());
    if (c.refused) {
      EXPECT_EQ(QToolTip::text(), hint);  // shown at the field
    }
  }
}

TEST_F(CalculatorWindowTest, AfterACalculationAThousandCharactersGoInAndAHugePasteIsRefused) {
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("1"));
  Press(0);
  Choose(triangle::kPerimeter);
  QuantityField* field = window_.Field(triangle::kPerimeter);
  const QString fits(1024, QLatin1Char('7'));  // far above the longest result, about 420
  field->selectAll();
  Paste(field, fits);
  EXPECT_EQ(field->text(), fits);

  // Ten million characters are refused whole, with the hint, and the window goes on at once.
  field->selectAll();
  Paste(field, QString(10'000'000, QLatin1Char('7')));
  EXPECT_EQ(field->text(), fits);
  EXPECT_EQ(field->RefusalHint(),
            QStringLiteral("Полето побира най-много 1024 знака: въведеното не е прието."));
  Choose(triangle::kSide);
  EXPECT_EQ(window_.SelectedOption(), triangle::kSide);
}

TEST_F(CalculatorWindowTest, ADecimalCommaUnderDecimalPointSettingsIsNoticedAtTheField) {
  QLabel* notice = window_.ReadingNoticeLabel();
  Choose(triangle::kPerimeter);
  Type(triangle::kPerimeter, QStringLiteral("7,5"));
  Press(0);
  EXPECT_EQ(window_.Field(triangle::kSide)->text(), QStringLiteral("2.3333"));  // read as 7
  ASSERT_TRUE(notice->isVisible());
  EXPECT_TRUE(notice->text().contains(QStringLiteral("като 7.0000")))
      << notice->text().toStdString();
  EXPECT_TRUE(notice->text().contains(QStringLiteral("„,5“"))) << notice->text().toStdString();
  EXPECT_EQ(window_.Field(triangle::kPerimeter)->accessibleDescription(), notice->text());
  // Over the statement only: no result field or button is covered.
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    EXPECT_FALSE(notice->geometry().intersects(window_.Field(k)->geometry())) << k;
  }
  for (int b = 0; b < 2; ++b) {
    EXPECT_FALSE(notice->geometry().intersects(window_.CommandButton(b)->geometry())) << b;
  }

  // Gone at the next choice, and a whole number brings none.
  Choose(triangle::kSide);
  EXPECT_FALSE(notice->isVisible());
  EXPECT_TRUE(window_.Field(triangle::kPerimeter)->accessibleDescription().isEmpty());
  Choose(triangle::kPerimeter);
  window_.Field(triangle::kPerimeter)->selectAll();
  Type(triangle::kPerimeter, QStringLiteral("7.5"));
  Press(0);
  EXPECT_EQ(window_.Field(triangle::kSide)->text(), QStringLiteral("2.5000"));
  EXPECT_FALSE(notice->isVisible());
}

TEST_F(CalculatorWindowTest, ALongResultShowsFromItsFirstDigitAndMarksTheCut) {
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("1"));
  Press(0);  // lifts the length limit
  Choose(triangle::kPerimeter);
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("1234567.5"));
  Press(0);

  struct Case {
    QuantityIndex field;
    QString text;
    bool cut;
  };
  const Case cases[] = {
      {triangle::kSide, "1234567.5", false},
      {triangle::kArea, "659,979,302,597.1785", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text.toStdString());
    QuantityField* field = window_.Field(c.field);
    field->repaint();  // Qt scrolls a line edit's text when it paints
    EXPECT_EQ(field->text(), c.text);
    EXPECT_EQ(field->cursorPosition(), 0);
    EXPECT_FALSE(field->CutAtLeft());
    EXPECT_EQ(field->CutAtRight(), c.cut);
    EXPECT_EQ(field->HoverText().startsWith(c.text + QLatin1Char('\n')), c.cut);
  }
}

TEST_F(CalculatorWindowTest, AResultIsReadOnlyButCanBeSelectedAndCopied) {
  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("12"));
  Press(0);
  QuantityField* height = window_.Field(triangle::kHeight);
  Type(triangle::kHeight, QStringLiteral("9"));
  EXPECT_EQ(height->text(), QStringLiteral("4.5590"));  // refuses typing
  height->setFocus();
  QTest::keyClick(height, Qt::Key_End, Qt::ShiftModifier);  // select it from the keyboard
  QTest::keyClick(height, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("4.5590"));
  EXPECT_TRUE(height->hasFocus());
}

}  // namespace
}  // namespace qt_ui
