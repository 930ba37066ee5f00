#include "qt/solution_window.h"

#include <QClipboard>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "design/solution_window_layout.h"
#include "design/solution_window_placement.h"
#include "design/texts.h"
#include "design/window_design.h"
#include "qt/figure_view.h"
#include "qt/qt_text.h"

namespace qt_ui {
namespace {

// Qt lays windows out in device-independent pixels, 96 to the inch at every scale factor.
QRect ToQRect(const design::PixelRect& rect) {
  return {rect.left, rect.top, rect.width, rect.height};
}
design::PixelRect ToPixelRect(const QRect& rect) {
  return {rect.x(), rect.y(), rect.width(), rect.height()};
}
QSize ToQSize(design::PixelSize size) { return {size.width, size.height}; }

// What the window manager draws around `window`'s client area.
QMargins FrameOf(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
          frame.bottom() - client.bottom()};
}

design::PixelSize Framed(design::PixelSize client, const QMargins& frame) {
  return {client.width + frame.left() + frame.right(),
          client.height + frame.top() + frame.bottom()};
}

}  // namespace

SolutionWindow::SolutionWindow(QWidget* owner) : QWidget(owner, Qt::Window) {
  setWindowTitle(ToQString(design::texts::kSolutionWindowTitle));
  setFont(QFont(ToQString(design::kFont.family), design::kFont.points, design::kFont.weight));

  figure_ = new FigureView(this);
  unit_caption_ = new QLabel(ToQString(design::texts::kUnitChoiceCaption), this);
  unit_choice_ = new QComboBox(this);
  unit_choice_->addItem(ToQString(design::texts::kNoUnitName));
  for (std::size_t k = 1; k < design::texts::kUnitNames.size(); ++k) {
    unit_choice_->addItem(ToQString(design::texts::kUnitNames.at(k)));
  }
  unit_choice_->setAccessibleName(ToQString(design::texts::kUnitChoiceCaption));
  unit_caption_->setBuddy(unit_choice_);
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  // Read-only, yet reachable with Tab and selectable with the keyboard.
  text_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  text_->setFocusPolicy(Qt::StrongFocus);
  text_->setTabChangesFocus(true);
  // A formula is never broken: a line wider than the solution scrolls (Draw).
  text_->setAccessibleName(ToQString(design::texts::kSolutionTextName));
  text_->installEventFilter(this);
  figure_->installEventFilter(this);

  setMinimumSize(ToQSize(design::SolutionWindowSmallestSize()));
  resize(ToQSize(design::SolutionWindowStartSize()));
  LayOut();

  connect(unit_choice_, &QComboBox::currentIndexChanged, this, &SolutionWindow::UnitChosen);
  // Escape closes this window only; F1 here brings nothing new, so it is left alone.
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
}

void SolutionWindow::Draw(const controller::Presentation& shown) {
  unit_ = shown.unit;
  if (!shown.calculation) {
    solution_.clear();
    text_->setLineWrapMode(QPlainTextEdit::WidgetWidth);  // prose, not formulas
    text_->setPlainText(ToQString(design::texts::kNoSolutionYet));
    text_->setAccessibleDescription(QString());
    figure_->Show(shown.figure);
    line_ems_ = 0;
    LayOut();
    return;
  }
  // What is shown and copied, and what screen readers say of it, a line each.
  solution_ = ToQString(shown.solution_text);
  text_->setLineWrapMode(QPlainTextEdit::NoWrap);
  text_->setPlainText(solution_);
  text_->setAccessibleDescription(ToQString(shown.spoken_solution).trimmed());
  figure_->Show(shown.figure);
  // Its longest line, measured in the solution's family at a large size, in ems.
  constexpr int kMeasuredPixels = 100;
  QFont font = text_->font();
  font.setPixelSize(kMeasuredPixels);
  const QFontMetricsF metrics(font);
  line_ems_ = 0;
  for (const QString& line : solution_.split(QLatin1Char('\n'))) {
    line_ems_ = std::max(line_ems_, metrics.horizontalAdvance(line) / kMeasuredPixels);
  }
  LayOut();
}

void SolutionWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  LayOut();
}

void SolutionWindow::LayOut() {
  const design::SolutionWindowLayout layout =
      line_ems_ > 0 ? design::LayOutSolutionWindow({width(), height()}, 96, line_ems_)
                    : design::LayOutSolutionWindow({width(), height()});
  figure_->setGeometry(ToQRect(layout.figure));
  unit_caption_->setGeometry(ToQRect(layout.unit_caption));
  unit_choice_->setGeometry(ToQRect(layout.unit_choice));
  text_->setGeometry(ToQRect(layout.text));
  if (text_->font().pixelSize() != layout.text_pixels) {
    QFont font(ToQString(design::kFont.family), design::kFont.points, design::kFont.weight);
    font.setPixelSize(layout.text_pixels);
    text_->setFont(font);
  }
}

// Beside the calculator where its screen's work area has room, at the start size or what fits;
// the smallest size is lowered only where even it does not fit the work area.
void SolutionWindow::PlaceBesideOwner() {
  const QWidget* owner = parentWidget();
  const QScreen* screen = owner != nullptr ? owner->screen() : nullptr;
  if (screen == nullptr) return;
  // Until it has been shown this window has no frame: the calculator's, from the same window
  // manager, stands in.
  const QMargins frame = isVisible() ? FrameOf(*this) : FrameOf(*owner);
  const design::PixelRect placed = design::PlaceSolutionWindow(
      ToPixelRect(owner->frameGeometry()), ToPixelRect(screen->availableGeometry()),
      Framed(design::SolutionWindowStartSize(), frame),
      Framed(design::SolutionWindowSmallestSize(), frame), design::kSolutionWindowGap);
  const QRect client = ToQRect(placed) - frame;
  setMinimumSize(minimumSize().boundedTo(client.size()));
  setGeometry(client);
}

void SolutionWindow::Open() {
  if (!placed_ && parentWidget() != nullptr) {
    PlaceBesideOwner();
    placed_ = true;
  }
  show();
  raise();
  activateWindow();
  text_->setFocus(Qt::OtherFocusReason);
}

bool SolutionWindow::focusNextPrevChild(bool next) {
  QWidget* const other = next ? static_cast<QWidget*>(figure_) : unit_choice_;
  (focusWidget() == text_ ? other : text_)
      ->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
  return true;
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
