#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTranslator>
#include <algorithm>
#include <memory>

#include "design/texts.h"
#include "qt/application.h"
#include "window_fixture.h"

namespace qt_ui {
namespace {

TEST_F(CalculatorWindowTest, OpensWithNothingChosenAndFocusInTheStatement) {
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    EXPECT_FALSE(window_.Option(k)->isChecked()) << k;
    EXPECT_TRUE(window_.Field(k)->text().isEmpty()) << k;
  }
  ExpectNoFieldTakesTyping();
  EXPECT_EQ(window_.focusWidget(), window_.InfoField(0));
  EXPECT_EQ(window_.InfoField(0)->toPlainText().size(), 1028);  // 18 lines, "\n" line breaks
  EXPECT_EQ(window_.InfoField(1)->toPlainText().size(), 115);   // 3 lines
  EXPECT_EQ(window_.TitleLabel()->text(), QString::fromUtf8(design::texts::kTitleLabel.data()));
  EXPECT_EQ(window_.Option(triangle::kArea)->text(), QStringLiteral(" лице"));
}

TEST_F(CalculatorWindowTest, CarriesItsVersionAndIcon) {
  EXPECT_EQ(QApplication::applicationVersion(), QStringLiteral("1.00"));
  EXPECT_EQ(window_.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
  EXPECT_TRUE(window_.windowTitle().startsWith(QStringLiteral("www.ravnostranen.example ")));
  // The desktop entry's name: docks match the window to its launcher by it.
  EXPECT_EQ(QGuiApplication::desktopFileName(),
            QStringLiteral("example.ravnostranen.EquilateralTriangle"));
}

// Presses Tab (Shift+Tab with `backwards`) until the focus comes back, listing each stop.
QList<QWidget*> TabStops(QWidget& window, bool backwards) {
  QList<QWidget*> stops;
  QWidget* const start = window.focusWidget();
  for (int presses = 0; presses < 40; ++presses) {
    QTest::keyClick(window.focusWidget(), Qt::Key_Tab,
                    backwards ? Qt::ShiftModifier : Qt::NoModifier);
    if (window.focusWidget() == start) break;
    stops << window.focusWidget();
  }
  return stops;
}

TEST_F(CalculatorWindowTest, TabVisitsTheControlsInDesignedOrder) {
  window_.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
  QList<QWidget*> options = {window_.InfoField(1)};  // before a choice: empty fields are no stop
  QList<QWidget*> rows = {window_.InfoField(1)};     // after a calculation
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    options << window_.Option(k);
    rows << window_.Option(k) << window_.Field(k);
  }
  for (QList<QWidget*>* stops : {&options, &rows}) {
    *stops << window_.CommandButton(0) << window_.CommandButton(1);
  }

  window_.InfoField(0)->setFocus();
  EXPECT_EQ(TabStops(window_, false), options);

  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("12"));
  Press(0);
  window_.InfoField(0)->setFocus();
  EXPECT_EQ(TabStops(window_, false), rows);
  std::reverse(rows.begin() + 1, rows.end());  // Shift+Tab: buttons first, the saying last
  rows.move(0, rows.size() - 1);
  EXPECT_EQ(TabStops(window_, true), rows);
  EXPECT_EQ(window_.TitleLabel()->focusPolicy(), Qt::NoFocus);
}

TEST_F(CalculatorWindowTest, CalculatesTheAreaRoad) {
  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("12"));
  Press(0);
  EXPECT_EQ(FieldTexts(), (QStringList{"5.2643", "15.7929", "12", "4.5590", "4.5590", "4.5590",
                                       "3.0393", "1.5197"}));
  ExpectNoFieldTakesTyping();
  EXPECT_TRUE(window_.Option(triangle::kArea)->isChecked());
}

TEST_F(CalculatorWindowTest, RefusesAFifthCharacterUntilACalculationLiftsTheLimit) {
  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("12345"));
  EXPECT_EQ(window_.Field(triangle::kArea)->text(), QStringLiteral("1234"));
  Press(0);
  Choose(triangle::kSide);
  QTest::keyClick(window_.Field(triangle::kSide), Qt::Key_End);  // typing after the shown text
  Type(triangle::kSide, QStringLiteral("99"));
  EXPECT_EQ(window_.Field(triangle::kSide)->text(), QStringLiteral("53.383599"));
}

TEST_F(CalculatorWindowTest, SpaceChoosesTheFocusedOption) {
  window_.Option(triangle::kPerimeter)->setFocus();
  QTest::keyClick(window_.Option(triangle::kPerimeter), Qt::Key_Space);
  EXPECT_EQ(window_.SelectedOption(), triangle::kPerimeter);
  EXPECT_FALSE(window_.Field(triangle::kPerimeter)->isReadOnly());
}

TEST_F(CalculatorWindowTest, ClickingTheChosenOptionAgainKeepsWhatWasTyped) {
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("7"));
  Choose(triangle::kSide);
  EXPECT_EQ(window_.Field(triangle::kSide)->text(), QStringLiteral("7"));
}

TEST_F(CalculatorWindowTest, ClearAfterACalculationUnchoosesEveryOption) {
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("10"));
  Press(0);
  Press(1);
  for (QuantityIndex k = 0; k < triangle::kQuantityCount; ++k) {
    EXPECT_FALSE(window_.Option(k)->isChecked()) << k;
    EXPECT_TRUE(window_.Field(k)->text().isEmpty()) << k;
  }
  ExpectNoFieldTakesTyping();
  Type(triangle::kSide, QStringLiteral("5"));  // read-only: nothing goes in
  EXPECT_TRUE(window_.Field(triangle::kSide)->text().isEmpty());
}

TEST_F(CalculatorWindowTest, InfoFieldsIgnoreTyping) {
  const QString statement = window_.InfoField(0)->toPlainText();
  QTest::keyClicks(window_.InfoField(0), QStringLiteral("abc"));
  EXPECT_EQ(window_.InfoField(0)->toPlainText(), statement);
}

TEST_F(CalculatorWindowTest, OverflowIsReportedAndTheWindowGoesOn) {
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("1"));
  Press(0);
  const QStringList first = FieldTexts();
  Choose(triangle::kPerimeter);
  Choose(triangle::kSide);
  Type(triangle::kSide, QStringLiteral("1E200"));

  MessageBoxCatcher catcher;
  Press(0);
  EXPECT_EQ(catcher.Text(), QString::fromUtf8(design::texts::kOverflowMessage.data(),
                                              design::texts::kOverflowMessage.size()));
  const QStringList after = FieldTexts();
  EXPECT_GT(after[triangle::kPerimeter].size(), 200);  // written before the area failed
  ASSERT_FALSE(first[triangle::kArea].isEmpty());
  EXPECT_EQ(after.mid(triangle::kArea), QStringList(6, QString()));  // no result of side 1
  ExpectNoFieldTakesTyping();

  Press(1);  // still running: the clear button works
  EXPECT_TRUE(FieldTexts().join(QString()).isEmpty());
}

TEST_F(CalculatorWindowTest, NegativeAreaIsReportedBeforeAnythingIsWritten) {
  Choose(triangle::kArea);
  Type(triangle::kArea, QStringLiteral("-1"));
  MessageBoxCatcher catcher;
  Press(0);
  EXPECT_EQ(catcher.Text(), QString::fromUtf8(design::texts::kNegativeAreaMessage.data(),
                                              design::texts::kNegativeAreaMessage.size()));
  EXPECT_EQ(FieldTexts(), (QStringList{"", "", "-1", "", "", "", "", ""}));
  ExpectNoFieldTakesTyping();
}

TEST(QtOwnTexts, AreBulgarianUnderBulgarianSettings) {
  QTranslator* translator = InstallQtTranslations(QLocale(QLocale::Bulgarian, QLocale::Bulgaria));
  ASSERT_NE(translator, nullptr);  // Debian's qt6-translations-l10n
  QMessageBox box;
  box.setStandardButtons(QMessageBox::Ok);
  QLineEdit field;
  const std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
  const QString ok = box.button(QMessageBox::Ok)->text();
  const QString undo = menu->actions().value(0)->text();
  QCoreApplication::removeTranslator(translator);
  delete translator;
  EXPECT_EQ(ok, QStringLiteral("Добре"));
  EXPECT_TRUE(undo.startsWith(QStringLiteral("&Отмяна"))) << undo.toStdString();
}

}  // namespace
}  // namespace qt_ui
