#include <QAccessible>
#include <QClipboard>
#include <QPlainTextEdit>
#include <QPushButton>
#include <functional>

#include "window_fixture.h"

namespace qt_ui {
namespace {

const QStringList kAreaTwelve = {"5.2643", "15.7929", "12",     "4.5590",
                                 "4.5590", "4.5590",  "3.0393", "1.5197"};

// A focused button answers Return, Enter and Space itself; elsewhere Return and Enter calculate.
TEST_F(CalculatorWindowTest, ReturnPressesTheFocusedButtonAndCalculatesElsewhere) {
  const QStringList cleared(triangle::kQuantityCount, QString());
  struct Case {
    const char* name;
    std::function<QWidget*()> focused;
    Qt::Key key;
    QStringList expected;
  };
  const Case cases[] = {
      {"Return in the field", [this] { return window_.Field(triangle::kArea); }, Qt::Key_Return,
       kAreaTwelve},
      {"Enter in the field", [this] { return window_.Field(triangle::kArea); }, Qt::Key_Enter,
       kAreaTwelve},
      {"Return in the statement", [this] { return window_.InfoField(0); }, Qt::Key_Return,
       kAreaTwelve},
      {"Return on the option", [this] { return window_.Option(triangle::kArea); }, Qt::Key_Return,
       kAreaTwelve},
      {"Return on Изчисли", [this] { return window_.CommandButton(0); }, Qt::Key_Return,
       kAreaTwelve},
      {"Return on Изтрий", [this] { return window_.CommandButton(1); }, Qt::Key_Return, cleared},
      {"Enter on Изтрий", [this] { return window_.CommandButton(1); }, Qt::Key_Enter, cleared},
      {"Space on Изтрий", [this] { return window_.CommandButton(1); }, Qt::Key_Space, cleared},
  };
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Press(1);
    Choose(triangle::kArea);
    Type(triangle::kArea, QStringLiteral("12"));
    QWidget* target = c.focused();
    target->setFocus();
    QTest::keyClick(target, c.key);
    EXPECT_EQ(FieldTexts(), c.expected);
  }
}

TEST_F(CalculatorWindowTest, ChoosingFocusesTheFieldWhileArrowsStayOnTheOptions) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  Choose(triangle::kArea);  // by mouse
  EXPECT_EQ(window_.focusWidget(), window_.Field(triangle::kArea));

  window_.Option(triangle::kMedian)->setFocus();
  QTest::keyClick(window_.Option(triangle::kMedian), Qt::Key_Space);
  EXPECT_EQ(window_.focusWidget(), window_.Field(triangle::kMedian));

  window_.Option(triangle::kMedian)->setFocus();
  QList<QWidget*> focused;  // not even for a moment in the field
  const auto watch = QObject::connect(qApp, &QApplication::focusChanged,
                                      [&focused](QWidget*, QWidget* now) { focused << now; });
  QTest::keyClick(window_.Option(triangle::kMedian), Qt::Key_Down);
  QObject::disconnect(watch);
  EXPECT_EQ(window_.SelectedOption(), triangle::kHeight);  // the arrow chose the next one
  EXPECT_EQ(focused, QList<QWidget*>{window_.Option(triangle::kHeight)});
}

// The ground stays the designed colour (checked with every control's look); focus and press
// show on top of it.
TEST_F(CalculatorWindowTest, CommandButtonsShowFocusAndPress) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  for (int index : {0, 1}) {
    SCOPED_TRACE(index);
    QPushButton* button = window_.CommandButton(index);
    const QImage plain = button->grab().toImage();
    button->setFocus();
    const QImage focused = button->grab().toImage();
    button->setDown(true);
    const QImage pressed = button->grab().toImage();
    button->setDown(false);
    EXPECT_EQ(focused.pixelColor(4, 16), QColor(Qt::black));  // the focus frame
    EXPECT_NE(plain.pixelColor(4, 16), QColor(Qt::black));
    EXPECT_NE(pressed.pixelColor(8, 8), plain.pixelColor(8, 8));  // a darker ground
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
            QStringLiteral("h = a·√3/2 = 2·⁴√27\n≈ 4.559014113909556\nF1: решението и чертежът"));
  EXPECT_EQ(window_.Field(triangle::kSide)->toolTip(),
            QStringLiteral("a = √(4·S/√3) = 4·⁴√3\n≈ 5.26429605180997\nF1: решението и чертежът"));
  EXPECT_TRUE(window_.Field(triangle::kArea)->toolTip().isEmpty());  // typed, not computed

  Choose(triangle::kPerimeter);  // the fields change: the tooltips go
  EXPECT_TRUE(window_.Field(triangle::kHeight)->toolTip().isEmpty());
}

TEST_F(CalculatorWindowTest, OptionTooltipsShowHowTheSideFollows) {
  EXPECT_EQ(window_.Option(triangle::kInradius)->toolTip(),
            QStringLiteral("Страната от тази величина: a = 2·r·√3\nF1: решението и чертежът"));
}

QString AccessibleName(QObject* control) {
  return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

TEST_F(CalculatorWindowTest, EveryControlHasABulgarianAccessibleName) {
  EXPECT_EQ(AccessibleName(window_.Field(triangle::kCircumradius)),
            QStringLiteral("радиус R на описаната окръжност"));
  // An option's name starts with its caption, without the caption's leading blank.
  EXPECT_EQ(AccessibleName(window_.Option(triangle::kArea)), QStringLiteral("лице"));
  EXPECT_EQ(AccessibleName(window_.Option(triangle::kCircumradius)),
            QStringLiteral("R описана, радиус R на описаната окръжност"));
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
