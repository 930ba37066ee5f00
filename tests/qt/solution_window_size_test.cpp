// The solution window beside the calculator, never over it where the screen has room; its
// inside at any size; its choice of unit; what screen readers hear of the solution.
#include <QAccessible>
#include <QAccessibleInterface>
#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextLayout>
#include <string>

#include "design/calculation_values.h"
#include "design/solution_window_layout.h"
#include "design/texts.h"
#include "qt/figure_view.h"
#include "qt/solution_window.h"
#include "window_fixture.h"

namespace qt_ui {
namespace {

class SolutionWindowSizeTest : public CalculatorWindowTest {
 protected:
  void Calculate(QuantityIndex measure, const QString& value) {
    Choose(measure);
    Type(measure, value);
    Press(0);
  }
  SolutionWindow& Open() {
    window_.OpenSolutionWindow();
    return *window_.Solution();
  }
};

// Where the calculator stands on its screen, as a share of the room around it.
struct Spot {
  const char* name;
  double across;  // 0 at the left edge, 1 at the right
  double down;
};

class PlacementOnTheScreen : public SolutionWindowSizeTest,
                             public testing::WithParamInterface<Spot> {};

// Run on the offscreen platform's screens of 800 x 800, 1600 x 1000 and (at a scale factor of
// 2) 3200 x 2000: the side is worked out here from the room the screen leaves.
TEST_P(PlacementOnTheScreen, BesideTheCalculatorAndInsideTheScreen) {
  const QRect screen = window_.screen()->availableGeometry();
  const QSize calculator_size = window_.frameGeometry().size();
  window_.move(screen.left() +
                   static_cast<int>(GetParam().across * (screen.width() - calculator_size.width())),
               screen.top() + static_cast<int>(GetParam().down *
                                               (screen.height() - calculator_size.height())));
  const QRect calculator = window_.frameGeometry();
  const SolutionWindow& solution = Open();
  const QRect placed = solution.frameGeometry();
  SCOPED_TRACE(testing::Message() << "screen " << screen.width() << "x" << screen.height()
                                  << ", calculator at " << calculator.x() << "," << calculator.y()
                                  << ", solution " << placed.x() << "," << placed.y() << " "
                                  << placed.width() << "x" << placed.height());
  EXPECT_TRUE(screen.contains(placed));

  // The window manager's frame (the offscreen platform draws a thin one) around the sizes
  // the window's client area takes.
  const QSize frame = placed.size() - solution.size();
  const design::PixelSize client = design::SolutionWindowSmallestSize();
  const QSize smallest = QSize(client.width, client.height) + frame;
  const int gap = design::kSolutionWindowGap;
  if (screen.right() - calculator.right() - gap >= smallest.width()) {
    EXPECT_GT(placed.left(), calculator.right() + gap - 1) << "right of it";
    EXPECT_EQ(placed.top(), std::min(calculator.top(), screen.bottom() + 1 - placed.height()));
  } else if (calculator.left() - gap - screen.left() >= smallest.width()) {
    EXPECT_LT(placed.right(), calculator.left() - gap + 1) << "left of it";
  } else if (screen.bottom() - calculator.bottom() - gap >= smallest.height()) {
    EXPECT_GT(placed.top(), calculator.bottom() + gap - 1) << "below it";
  } else if (calculator.top() - gap - screen.top() >= smallest.height()) {
    EXPECT_LT(placed.bottom(), calculator.top() - gap + 1) << "above it";
  } else {
    // No room: on the side that lacks least, as narrow (or as low) as it may be there.
    EXPECT_TRUE(placed.width() == std::min(smallest.width(), screen.width()) ||
                placed.height() == std::min(smallest.height(), screen.height()));
  }
  // At the start size wherever the room allows it.
  EXPECT_LE(placed.width(), design::kSolutionWindowStartSize.width + frame.width());
  EXPECT_LE(placed.height(), design::kSolutionWindowStartSize.height + frame.height());
  EXPECT_EQ(solution.minimumSize().boundedTo(screen.size()), solution.minimumSize());
}

INSTANTIATE_TEST_SUITE_P(Spots, PlacementOnTheScreen,
                         testing::Values(Spot{"TopLeft", 0, 0}, Spot{"Centre", 0.5, 0.5},
                                         Spot{"RightEdge", 1, 0.2}, Spot{"BottomRight", 1, 1},
                                         Spot{"TopMiddle", 0.5, 0}),
                         [](const testing::TestParamInfo<Spot>& spot) { return spot.param.name; });

// Its inside as design lays it out, at its smallest, on opening and maximised on a projector:
// the text grows with the window and never breaks a formula.
TEST_F(SolutionWindowSizeTest, LaidOutAsDesignedAtEverySize) {
  Calculate(triangle::kArea, QStringLiteral("1234"));
  SolutionWindow& solution = Open();
  EXPECT_EQ(solution.minimumSize(), QSize(432, 533));
  QPlainTextEdit* text = solution.SolutionText();
  EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
  int previous_pixels = 0;
  for (const QSize size : {QSize(432, 533), QSize(1060, 560), QSize(1920, 1080)}) {
    SCOPED_TRACE(size.width());
    solution.resize(size);
    const design::SolutionWindowLayout layout =
        design::LayOutSolutionWindow({size.width(), size.height()});
    EXPECT_EQ(text->geometry(),
              QRect(layout.text.left, layout.text.top, layout.text.width, layout.text.height));
    EXPECT_EQ(solution.Figure()->geometry().size(),
              QSize(layout.figure.width, layout.figure.height));
    // The text as large as the figure's growth allows while its widest line fits (never below
    // 12 points, where the widest line may scroll), and larger at each size.
    const int pixels = text->font().pixelSize();
    EXPECT_GE(pixels, 16);
    EXPECT_LE(pixels, layout.text_pixels) << "the longest line any solution has fits too";
    const QFontMetricsF metrics(text->font());
    double widest = 0;
    for (const QString& line : solution.WholeSolution().split(QLatin1Char('\n'))) {
      widest = std::max(widest, metrics.horizontalAdvance(line));
    }
    if (pixels > 16) {
      EXPECT_LE(widest, text->viewport()->width());
      QFont larger = text->font();
      larger.setPixelSize(pixels + 2);
      double widest_larger = 0;
      for (const QString& line : solution.WholeSolution().split(QLatin1Char('\n'))) {
        widest_larger = std::max(widest_larger, QFontMetricsF(larger).horizontalAdvance(line));
      }
      EXPECT_GT(widest_larger + 2 * 16, text->viewport()->width()) << "as large as fits";
    }
    EXPECT_GT(pixels, previous_pixels);
    previous_pixels = pixels;
    // Every line of the solution one line on the screen, once drawn.
    solution.grab();
    int lines = 0;
    for (QTextBlock block = text->document()->begin(); block.isValid(); block = block.next()) {
      if (block.text().isEmpty()) continue;
      ++lines;
      EXPECT_EQ(block.layout()->lineCount(), 1) << block.text().toStdString();
    }
    EXPECT_EQ(lines, 6);
  }
  EXPECT_GE(previous_pixels, 26) << "on a projector";
}

// Before a calculation the notice where the solution goes is prose and wraps; a solution never.
TEST_F(SolutionWindowSizeTest, TheNoticeWrapsTheSolutionDoesNot) {
  SolutionWindow& solution = Open();
  solution.resize(solution.minimumSize());
  QPlainTextEdit* text = solution.SolutionText();
  EXPECT_EQ(text->toPlainText().toStdString(), design::texts::kNoSolutionYet);
  EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::WidgetWidth);
  solution.grab();
  EXPECT_GT(text->document()->begin().layout()->lineCount(), 1);
  EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0);
  Calculate(triangle::kSide, QStringLiteral("3"));
  EXPECT_EQ(text->lineWrapMode(), QPlainTextEdit::NoWrap);
}

// At its smallest the longest formula of the area's solution is wider than the text: it
// scrolls sideways instead of breaking.
TEST_F(SolutionWindowSizeTest, AFormulaWiderThanTheWindowScrollsSideways) {
  Calculate(triangle::kArea, QStringLiteral("1234"));
  SolutionWindow& solution = Open();
  solution.resize(solution.minimumSize());
  QPlainTextEdit* text = solution.SolutionText();
  const QFontMetrics metrics(text->font());
  int widest = 0;
  for (const QString& line : solution.WholeSolution().split(QLatin1Char('\n'))) {
    widest = std::max(widest, metrics.horizontalAdvance(line));
  }
  if (widest > text->viewport()->width()) {
    EXPECT_GT(text->horizontalScrollBar()->maximum(), 0);
  }
  EXPECT_GE(metrics.height() * 7, 7 * 16);  // the smallest text, 12 points, at least
}

// The choice of unit: none first, then мм, см, дм, м, км; the chosen one goes into the
// solution, lasts while the program runs, and a new calculation keeps it.
TEST_F(SolutionWindowSizeTest, TheUnitChosenGoesIntoTheSolution) {
  Calculate(triangle::kSide, QStringLiteral("10"));
  SolutionWindow& solution = Open();
  QComboBox* units = solution.UnitChoice();
  ASSERT_EQ(units->count(), design::kLengthUnitCount);
  EXPECT_EQ(units->itemText(0).toStdString(), design::texts::kNoUnitName);
  for (int k = 1; k < design::kLengthUnitCount; ++k) {
    EXPECT_EQ(units->itemText(k).toStdString(), design::texts::kUnitNames.at(k));
  }
  EXPECT_EQ(units->currentIndex(), 0);
  EXPECT_EQ(units->accessibleName().toStdString(), design::texts::kUnitChoiceCaption);
  EXPECT_EQ(solution.Unit(), design::LengthUnit::kNone);
  const QString without_unit = solution.WholeSolution();
  EXPECT_FALSE(without_unit.contains(QStringLiteral("см")));

  units->setCurrentIndex(2);  // см
  EXPECT_EQ(solution.Unit(), design::LengthUnit::kCentimetre);
  std::string expected;
  for (const design::SolutionLine& line : design::SolutionSteps(
           triangle::kSide, design::test_support::Calculation(triangle::kSide, 10),
           triangle::DecimalPointFormat(), design::LengthUnit::kCentimetre)) {
    expected += line.text + "\n";
  }
  EXPECT_EQ(solution.WholeSolution().toStdString(), expected);
  EXPECT_EQ(solution.SolutionText()->toPlainText(), solution.WholeSolution());
  EXPECT_TRUE(solution.WholeSolution().contains(QStringLiteral("25√3 см²"))) << expected;
  // The figure's readings carry it too.
  bool labelled = false;
  for (const design::FigureText& reading : solution.Figure()->Described().texts) {
    for (const std::string& line : reading.lines) labelled |= line.find("см²") != std::string::npos;
  }
  EXPECT_TRUE(labelled);

  solution.close();  // closed and opened again, after another calculation: still см
  Press(1);
  Calculate(triangle::kSide, QStringLiteral("3"));
  Open();
  EXPECT_EQ(units->currentIndex(), 2);
  EXPECT_EQ(solution.Unit(), design::LengthUnit::kCentimetre);
}

// Screen readers get each line as a teacher says it, through the solution's accessible
// description; the text shown and copied stays the written one.
TEST_F(SolutionWindowSizeTest, ScreenReadersGetTheSpokenLines) {
  Calculate(triangle::kArea, QStringLiteral("12"));
  SolutionWindow& solution = Open();
  QPlainTextEdit* text = solution.SolutionText();
  std::string spoken;
  std::string written;
  for (const design::SolutionLine& line : design::SolutionSteps(
           triangle::kArea, design::test_support::Calculation(triangle::kArea, 12),
           triangle::DecimalPointFormat())) {
    spoken += (spoken.empty() ? "" : "\n") + line.spoken;
    written += line.text + "\n";
  }
  EXPECT_EQ(text->accessibleDescription().toStdString(), spoken);
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(text);
  ASSERT_NE(accessible, nullptr);
  EXPECT_EQ(accessible->text(QAccessible::Description).toStdString(), spoken);
  EXPECT_EQ(accessible->text(QAccessible::Name).toStdString(), design::texts::kSolutionTextName);
  EXPECT_EQ(text->toPlainText().toStdString(), written);

  QGuiApplication::clipboard()->clear();
  text->moveCursor(QTextCursor::End);
  QTest::keyClick(text, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), written);

  Choose(triangle::kSide);  // no calculation: nothing to describe beyond the text itself
  EXPECT_TRUE(text->accessibleDescription().isEmpty());
}

// Tab between the solution and the figure, as before; Shift+Tab between the solution and the
// choice of unit.
TEST_F(SolutionWindowSizeTest, ShiftTabReachesTheUnitChoice) {
  Calculate(triangle::kSide, QStringLiteral("2"));
  SolutionWindow& solution = Open();
  QPlainTextEdit* text = solution.SolutionText();
  ASSERT_EQ(solution.focusWidget(), text);
  QTest::keyClick(text, Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(solution.focusWidget(), solution.UnitChoice());
  QTest::keyClick(solution.UnitChoice(), Qt::Key_Tab);
  EXPECT_EQ(solution.focusWidget(), text);
  QTest::keyClick(text, Qt::Key_Tab);
  EXPECT_EQ(solution.focusWidget(), solution.Figure());
  QTest::keyClick(solution.Figure(), Qt::Key_Backtab, Qt::ShiftModifier);
  EXPECT_EQ(solution.focusWidget(), text);
}

}  // namespace
}  // namespace qt_ui
