#include <QAccessible>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>

#include "window_fixture.h"

namespace qt_ui {
namespace {

const QStringList kAreaTwelve = {"5.2643", "15.7929", "12",     "4.5590",
                                 "4.5590", "4.5590",  "3.0393", "1.5197"};

TEST_F(CalculatorWindowTest, ReturnAndEnterCalculateFromTheField) {
  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter}) {
    Press(1);
    Choose(triangle::kArea);
    Type(triangle::kArea, QStringLiteral("12"));
    QTest::keyClick(window_.Field(triangle::kArea), key);
    EXPECT_EQ(FieldTexts(), kAreaTwelve) << key;
  }
}

TEST_F(CalculatorWindowTest, EscapeClearsAndLeavesTheWindowOpen) {
  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("12"));
  QTest::keyClick(window_.Field(triangle::kArea), Qt::Key_Return);
  QTest::keyClick(window_.InfoField(0), Qt::Key_Escape);
  EXPECT_TRUE(FieldTexts().join(QString()).isEmpty());
  EXPECT_FALSE(window_.Option(triangle::kArea)->isChecked());
  EXPECT_TRUE(window_.isVisible());
}

TEST_F(CalculatorWindowTest, CtrlCWithoutSelectionCopiesEveryMeasure) {
  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("12"));
  Press(0);
  QGuiApplication::clipboard()->clear();
  QTest::keyClick(window_.CommandButton(0), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(),
            QStringLiteral("страна: 5.2643\nпериметър: 15.7929\nлице: 12\nмедиана: 4.5590\n"
                           "височина: 4.5590\nъглополовяща: 4.5590\nR описана: 3.0393\n"
                           "r вписана: 1.5197\n"));
}

TEST_F(CalculatorWindowTest, CtrlCWithASelectionCopiesOnlyTheSelection) {
  window_.InfoField(1)->selectAll();
  QTest::keyClick(window_.InfoField(1), Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), window_.InfoField(1)->toPlainText());
}

TEST_F(CalculatorWindowTest, ResultTooltipsShowTheFormulaAndFullPrecision) {
  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("12"));
  Press(0);
  EXPECT_EQ(window_.Field(triangle::kHeight)->toolTip(),
            QStringLiteral("h = a·√3/2\n= 4.559014113909556"));
  EXPECT_EQ(window_.Field(triangle::kSide)->toolTip(),
            QStringLiteral("a = √(4·S/√3)\n= 5.26429605180997"));
  EXPECT_TRUE(window_.Field(triangle::kArea)->toolTip().isEmpty());  // typed, not computed

  Choose(triangle::kPerimeter);  // the fields change: the tooltips go
  EXPECT_TRUE(window_.Field(triangle::kHeight)->toolTip().isEmpty());
}

TEST_F(CalculatorWindowTest, OptionTooltipsShowHowTheSideFollows) {
  EXPECT_EQ(window_.Option(triangle::kInradius)->toolTip(),
            QStringLiteral("Страната от тази величина: a = r·2·√3"));
}

QString AccessibleName(QObject* control) {
  return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

TEST_F(CalculatorWindowTest, EveryControlHasABulgarianAccessibleName) {
  EXPECT_EQ(AccessibleName(window_.Field(triangle::kCircumradius)),
            QStringLiteral("радиус R на описаната окръжност"));
  EXPECT_EQ(AccessibleName(window_.Option(triangle::kArea)),
            QStringLiteral("Дадена величина: лице"));
  EXPECT_EQ(AccessibleName(window_.CommandButton(0)), QStringLiteral("Изчисли"));
  EXPECT_EQ(AccessibleName(window_.InfoField(0)), QStringLiteral("Условие на задачата"));
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    EXPECT_FALSE(AccessibleName(window_.Field(k)).isEmpty()) << k;
    EXPECT_FALSE(AccessibleName(window_.Option(k)).isEmpty()) << k;
  }
}

// Whether result fields announce their new text is checked on the real accessibility bus by
// accessibility_check.sh: Qt's offscreen platform has no accessibility to send it to.

}  // namespace
}  // namespace qt_ui
