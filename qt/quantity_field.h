#pragma once

#include <QLineEdit>
#include <QString>

namespace qt_ui {

// A measure's field. It shows every text it is given from its first character and marks a
// text wider than itself with an ellipsis at the cut edge, the full text on hover. Its length
// limit refuses an edit whole (a paste that does not fit is not cut to fit) and says so at the
// field. Read-only, it keeps its text at full contrast, selectable and copyable.
class QuantityField final : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr int kNoLimit = 0;

  explicit QuantityField(QWidget* parent = nullptr);

  // Replaces the text and shows it from its first character.
  void SetText(const QString& text);
  // Selects the whole text with the cursor at its start, so that typing replaces it and a
  // long number still shows from its first digit.
  void SelectWholeText();
  // Editable, or read-only: refuses typing, shown on a grey ground, and a Tab stop only
  // while it holds a text to select.
  void SetEditable(bool editable);
  // How many characters an edit may leave in the field; kNoLimit: any number.
  void SetLengthLimit(int limit);
  int LengthLimit() const { return limit_; }

  // Where the character at `offset` is drawn, in the field's pixels.
  QRect CharacterRect(int offset) const;
  // Whether part of the text lies beyond the field's left or right edge.
  bool CutAtLeft() const;
  bool CutAtRight() const;
  // What hovering shows: the full text when it is cut, then the field's own tooltip.
  QString HoverText() const;
  // The hint shown for the last refused edit; empty once an edit or a new text went in.
  const QString& RefusalHint() const { return refusal_hint_; }

 signals:
  // Read-only, the field was clicked or typed into (a character, Backspace, Delete, a paste
  // or cut): the user tried to change a locked field.
  void LockedInput();

 protected:
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  class LengthValidator;

  // Where the text starts and ends, and the visible part's edges, in widget pixels.
  struct Span {
    int text_left;
    int text_right;
    int visible_left;
    int visible_right;
  };
  Span TextSpan() const;
  void ShowRefusal();
  void UpdateFocusPolicy();

  int limit_ = kNoLimit;
  QString refusal_hint_;
};

}  // namespace qt_ui
