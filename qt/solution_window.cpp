#include "qt/solution_window.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "design/solution.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "qt/figure_view.h"
#include "qt/qt_text.h"

namespace qt_ui {
namespace {

// Room for the figure and the longest line of a solution side by side.
constexpr QSize kStartSize(860, 440);
// The window's family a little larger than its 12 points: the solution is read line by line.
constexpr int kSolutionPoints = 14;
constexpr int kGapToOwner = 8;

}  // namespace

SolutionWindow::SolutionWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(ToQString(design::texts::kSolutionWindowTitle));
  setFont(QFont(ToQString(design::kFont.family), design::kFont.points, design::kFont.weight));

  figure_ = new FigureView(this);
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  // Read-only, yet reachable with Tab and selectable with the keyboard.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setFocusPolicy(Qt::StrongFocus);
  text_->setTabChangesFocus(true);
  text_->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  text_->setFont(QFont(ToQString(design::kFont.family), kSolutionPoints, design::kFont.weight));
  text_->setAccessibleName(ToQString(design::texts::kSolutionTextName));
  text_->installEventFilter(this);
  figure_->installEventFilter(this);

  auto* layout = new QHBoxLayout(this);
  // The figure is taller than wide: the solution's long lines get the larger share.
  layout->addWidget(figure_, 2);
  layout->addWidget(text_, 3);
  resize(kStartSize);

  // Escape closes this window only; F1 here brings nothing new, so it is left alone.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
  Follow(std::nullopt, triangle::DecimalPointFormat());
}

void SolutionWindow::Follow(const std::optional<controller::MainWindow::Calculation>& calculation,
                            const triangle::NumberFormat& format) {
  if (!calculation) {
    solution_.clear();
    text_->setPlainText(ToQString(design::texts::kNoSolutionYet));
    figure_->Show(design::DescribeFigure());
    return;
  }
  solution_ = ToQString(design::SolutionText(calculation->given, calculation->values, format));
  text_->setPlainText(solution_);
  figure_->Show(design::DescribeFigure(calculation->given, calculation->values, format));
}

void SolutionWindow::Open() {
  if (!placed_ && parentWidget() != nullptr) {
    // Beside the calculator, where it hides none of it, if the screen has room there.
    const QRect owner = parentWidget()->frameGeometry();
    QPoint place(owner.right() + kGapToOwner, owner.top());
    if (const QScreen* screen = parentWidget()->screen(); screen != nullptr) {
      const QRect room = screen->availableGeometry();
      if (place.x() + width() > room.right())
        place.setX(std::max(room.left(), room.right() - width()));
    }
    move(place);
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
  text_->setFocus(Qt::OtherFocusReason);
}

void SolutionWindow::CopySolution() const { QGuiApplication::clipboard()->setText(solution_); }

bool SolutionWindow::eventFilter(QObject* watched, QEvent* event) {
  if ((watched != text_ && watched != figure_) || event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  if (!key->matches(QKeySequence::Copy)) return false;
  if (watched == text_ && text_->textCursor().hasSelection()) return false;  // copied as usual
  CopySolution();
  return true;
}

}  // namespace qt_ui
