#include "qt/quantity_field.h"

#include <QApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>
#include <QValidator>
#include <limits>

#include "design/derived_texts.h"
#include "qt/qt_text.h"

namespace qt_ui {
namespace {

// QLineEdit keeps this many pixels between its contents rectangle and the text.
constexpr int kTextMargin = 2;
// Pixel positions derived from the cursor may be off by one; less is no cut.
constexpr int kTolerance = 1;
const QChar kEllipsis(0x2026);

// A click, or a key that would change the text of an editable field.
bool IsAttemptToEdit(const QEvent& event) {
  if (event.type() == QEvent::MouseButtonPress) {
    return static_cast<const QMouseEvent&>(event).button() == Qt::LeftButton;
  }
  if (event.type() != QEvent::KeyPress) return false;
  const auto& key = static_cast<const QKeyEvent&>(event);
  if (key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete ||
      key.matches(QKeySequence::Paste) || key.matches(QKeySequence::Cut) ||
      key.matches(QKeySequence::Undo) || key.matches(QKeySequence::Redo)) {
    return true;
  }
  const bool command =
      (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) !=
      Qt::NoModifier;
  return !command && !key.text().isEmpty() && key.text().front().isPrint();
}

}  // namespace

// Refuses, whole, any edit that would leave more characters than the field's limit: Qt's
// line edit then restores the text and selection from before the edit. QLineEdit's own
// maximum length would cut a paste to fit, turning it into another number.
class QuantityField::LengthValidator final : public QValidator {
 public:
  explicit LengthValidator(QuantityField& field) : QValidator(&field), field_(field) {}

  State validate(QString& input, int& /*position*/) const override {
    if (field_.limit_ == kNoLimit || input.size() <= field_.limit_) return Acceptable;
    field_.ShowRefusal();
    return Invalid;
  }

 private:
  QuantityField& field_;
};

QuantityField::QuantityField(QWidget* parent) : QLineEdit(parent) {
  setMaxLength(std::numeric_limits<int>::max());  // the limit is the validator's
  setValidator(new LengthValidator(*this));
  connect(this, &QLineEdit::textChanged, this, [this] {
    refusal_hint_.clear();  // an edit went in
    UpdateFocusPolicy();
  });
}

void QuantityField::SetText(const QString& text) {
  refusal_hint_.clear();
  setText(text);
  setCursorPosition(0);  // a long number must not pass for its last digits
}

void QuantityField::SelectWholeText() {
  const auto length = static_cast<int>(text().size());
  setSelection(length, -length);
}

void QuantityField::SetEditable(bool editable) {
  setReadOnly(!editable);
  const QPalette defaults = QApplication::palette(this);
  QPalette colours = palette();
  // Grey ground like a disabled field, but the text keeps its full contrast.
  colours.setBrush(QPalette::Base, editable ? defaults.base() : defaults.window());
  setPalette(colours);
  // Read-only, a text shows from its first character; editable, the cursor waits at its end.
  setCursorPosition(editable ? static_cast<int>(text().size()) : 0);
  UpdateFocusPolicy();
}

void QuantityField::SetLengthLimit(int limit) { limit_ = limit; }

void QuantityField::UpdateFocusPolicy() {
  setFocusPolicy(isReadOnly() && text().isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
}

QuantityField::Span QuantityField::TextSpan() const {
  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()
                             ->subElementRect(QStyle::SE_LineEditContents, &option, this)
                             .marginsRemoved(textMargins());
  const QFontMetrics metrics = fontMetrics();
  const QString shown = displayText();
  // The cursor is the one text position QLineEdit tells in widget pixels.
  const int cursor_x = cursorRect().center().x();
  const int left = cursor_x - metrics.horizontalAdvance(shown.left(cursorPosition()));
  return {left, left + metrics.horizontalAdvance(shown), contents.left() + kTextMargin,
          contents.right() - kTextMargin};
}

QRect QuantityField::CharacterRect(int offset) const {
  const Span span = TextSpan();
  const QFontMetrics metrics = fontMetrics();
  const QString shown = displayText();
  return {span.text_left + metrics.horizontalAdvance(shown.left(offset)),
          (height() - metrics.height()) / 2, metrics.horizontalAdvance(shown.mid(offset, 1)),
          metrics.height()};
}

bool QuantityField::CutAtLeft() const {
  const Span span = TextSpan();
  return span.text_left < span.visible_left - kTolerance;
}

bool QuantityField::CutAtRight() const {
  const Span span = TextSpan();
  return span.text_right > span.visible_right + kTolerance;
}

QString QuantityField::HoverText() const {
  return ToQString(design::FieldHoverText(text().toStdString(), CutAtLeft() || CutAtRight(),
                                          toolTip().toStdString()));
}

void QuantityField::ShowRefusal() {
  refusal_hint_ = ToQString(design::LengthLimitHint(limit_));
  QApplication::beep();
  QToolTip::showText(mapToGlobal(QPoint(0, height())), refusal_hint_, this, QRect(),
                     design::kLengthLimitHintMilliseconds);
}

bool QuantityField::event(QEvent* event) {
  if (isReadOnly() && IsAttemptToEdit(*event)) emit LockedInput();
  if (event->type() != QEvent::ToolTip) return QLineEdit::event(event);
  const QString text = HoverText();
  if (text.isEmpty()) {
    QToolTip::hideText();
  } else {
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text, this);
  }
  return true;
}

// After Qt's own painting, an ellipsis covers each edge the text goes past.
void QuantityField::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  const bool left = CutAtLeft();
  const bool right = CutAtRight();
  if (!left && !right) return;

  QStyleOptionFrame option;
  initStyleOption(&option);
  const QRect contents = style()->subElementRect(QStyle::SE_LineEditContents, &option, this);
  const int width = fontMetrics().horizontalAdvance(kEllipsis) + 2 * kTextMargin;
  QPainter painter(this);
  painter.setPen(palette().color(QPalette::Text));
  const auto mark = [&](const QRect& area, Qt::Alignment side) {
    painter.fillRect(area, palette().brush(QPalette::Base));
    painter.drawText(area.adjusted(kTextMargin, 0, -kTextMargin, 0), side | Qt::AlignVCenter,
                     QString(kEllipsis));
  };
  if (left) mark(QRect(contents.left(), contents.top(), width, contents.height()), Qt::AlignLeft);
  if (right) {
    mark(QRect(contents.right() + 1 - width, contents.top(), width, contents.height()),
         Qt::AlignRight);
  }
}

}  // namespace qt_ui
