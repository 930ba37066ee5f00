// The second window: F1 opens the solution and the figure of the calculation the fields show,
// beside the calculator, which stays exactly as it was.
#include "qt/solution_window.h"

#include <QClipboard>
#include <QImage>
#include <QPlainTextEdit>
#include <QSet>
#include <algorithm>

#include "qt/figure_view.h"
#include "window_fixture.h"

namespace qt_ui {
namespace {

// A number without the zeros that end its decimals: "9.0000" is "9", "2.5000" is "2.5".
QString WithoutTrailingZeros(QString number) {
  if (!number.contains(QLatin1Char('.'))) return number;
  while (number.endsWith(QLatin1Char('0'))) number.chop(1);
  if (number.endsWith(QLatin1Char('.'))) number.chop(1);
  return number;
}

// Each line of the solution ends in the value it leads to: the last word after "=" or "≈",
// the field's text, or the exact value that it is (without the field's trailing zeros).
QSet<QString> ValuesTheLinesLeadTo(const QString& solution) {
  QSet<QString> values;
  for (const QString& line : solution.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
    values << WithoutTrailingZeros(line.section(QLatin1Char(' '), -1));
  }
  return values;
}

class SolutionWindowTest : public CalculatorWindowTest {
 protected:
  void Calculate(QuantityIndex measure, const QString& value) {
    Choose(measure);
    Type(measure, value);
    Press(0);
  }
  void PressF1() {
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    QTest::keyClick(window_.focusWidget(), Qt::Key_F1);
    ASSERT_NE(window_.Solution(), nullptr);
  }
  QList<QRect> Rectangles() const {
    QList<QRect> rectangles = {window_.geometry()};
    for (const QWidget* control : window_.findChildren<QWidget*>()) {
      if (control->window() == &window_) rectangles << control->geometry();
    }
    return rectangles;
  }
  QSet<QString> FieldTextSet() const {
    QSet<QString> texts;
    for (const QString& text : FieldTexts()) texts << WithoutTrailingZeros(text);
    return texts;
  }
  QString SolutionShown() const { return window_.Solution()->SolutionText()->toPlainText(); }
};

TEST_F(SolutionWindowTest, F1ShowsTheCalculationsSolutionWithTheFieldsNumbers) {
  const QList<QRect> designed = Rectangles();
  Calculate(triangle::kArea, QStringLiteral("12"));
  PressF1();
  SolutionWindow& solution = *window_.Solution();
  EXPECT_TRUE(solution.isVisible());
  EXPECT_TRUE(solution.isWindow());
  EXPECT_FALSE(solution.isModal());
  EXPECT_EQ(Rectangles(), designed);
  EXPECT_EQ(window_.size(), QSize(498, 364));

  // "S = 12" to begin with, then the side and the rest, as the fields show them.
  EXPECT_EQ(ValuesTheLinesLeadTo(SolutionShown()), FieldTextSet());
  EXPECT_TRUE(SolutionShown().contains(QStringLiteral("5.2643")));

  // It follows the next calculation, and shows none while the fields show none.
  Press(1);  // cleared first: the side's field would keep its result before the typed 3
  Calculate(triangle::kSide, QStringLiteral("3"));
  EXPECT_EQ(ValuesTheLinesLeadTo(SolutionShown()), FieldTextSet());
  Choose(triangle::kPerimeter);
  EXPECT_TRUE(solution.WholeSolution().isEmpty());
  EXPECT_FALSE(SolutionShown().contains(QStringLiteral("= 9")));
  EXPECT_EQ(Rectangles(), designed);
}

TEST_F(SolutionWindowTest, ItsTextIsSelectableReachableAndCopiedWholeWithCtrlC) {
  Calculate(triangle::kHeight, QStringLiteral("2"));
  PressF1();
  QPlainTextEdit* text = window_.Solution()->SolutionText();
  // Where the keyboard is in the solution window: the offscreen platform keeps the calculator
  // the active window, as no window manager hands activation over.
  SolutionWindow& solution = *window_.Solution();
  EXPECT_EQ(solution.focusWidget(), text) << "F1 puts the keyboard in the solution";
  QTest::keyClick(text, Qt::Key_Tab);  // round the figure and back
  EXPECT_EQ(solution.focusWidget(), solution.Figure());
  QTest::keyClick(solution.Figure(), Qt::Key_Tab);
  EXPECT_EQ(solution.focusWidget(), text);
  EXPECT_TRUE(text->isReadOnly());
  EXPECT_TRUE(text->focusPolicy() & Qt::TabFocus);
  EXPECT_TRUE(text->textInteractionFlags() & Qt::TextSelectableByKeyboard);
  EXPECT_FALSE(text->accessibleName().isEmpty());

  QGuiApplication::clipboard()->clear();
  text->moveCursor(QTextCursor::End);  // nothing selected: the whole solution
  QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
  const QString whole = QGuiApplication::clipboard()->text();
  EXPECT_EQ(whole, window_.Solution()->WholeSolution());
  EXPECT_TRUE(whole.startsWith(QStringLiteral("Дадено: h = 2")));
  EXPECT_GE(whole.count(QLatin1Char('\n')), 5);

  text->selectAll();  // a selection: only that, as anywhere
  text->moveCursor(QTextCursor::Start, QTextCursor::KeepAnchor);
  text->moveCursor(QTextCursor::Right, QTextCursor::KeepAnchor);
  QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Д"));
}

// The figure scales with the window and marks the given measure in its own ink.
TEST_F(SolutionWindowTest, TheFigureDrawsItsDescriptionAtAnySize) {
  Calculate(triangle::kCircumradius, QStringLiteral("2"));
  PressF1();
  FigureView* figure = window_.Solution()->Figure();
  const design::Figure& described = figure->Described();
  EXPECT_EQ(figure->accessibleDescription().toStdString(), described.description);
  EXPECT_FALSE(figure->accessibleDescription().isEmpty());

  const auto given_ink = std::find_if(
      described.shapes.begin(), described.shapes.end(),
      [](const design::FigureShape& shape) { return shape.given && shape.ink.stroke_width >= 1; });
  ASSERT_NE(given_ink, described.shapes.end());
  const QColor colour(given_ink->ink.stroke.red, given_ink->ink.stroke.green,
                      given_ink->ink.stroke.blue);
  for (const QSize size : {QSize(150, 210), QSize(600, 840)}) {
    SCOPED_TRACE(size.width());
    figure->resize(size);
    const QImage image = figure->grab().toImage();
    int in_given_colour = 0;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) in_given_colour += image.pixelColor(x, y) == colour;
    }
    EXPECT_GT(in_given_colour, size.width() / 10);  // a line across the drawing at least
    EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::white));
  }
}

}  // namespace
}  // namespace qt_ui
