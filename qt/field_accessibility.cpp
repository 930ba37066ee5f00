#include "qt/field_accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <algorithm>

#include "qt/quantity_field.h"

namespace qt_ui {
namespace {

// A measure's field as a screen reader reads it: its text, cursor and selection, and while
// it is editable, the editing of its text.
class FieldInterface final : public QAccessibleWidget,
                             public QAccessibleTextInterface,
                             public QAccessibleEditableTextInterface {
 public:
  explicit FieldInterface(QuantityField* field)
      : QAccessibleWidget(field, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface && !Field()->isReadOnly()) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = Field()->isReadOnly();
    state.editable = !state.readOnly;
    state.selectableText = true;
    return state;
  }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Field()->text();
    return QAccessibleWidget::text(kind);
  }

  // The text interface.
  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index != 0 || !Field()->hasSelectedText()) return;
    *start = Field()->selectionStart();
    *end = Field()->selectionEnd();
  }
  int selectionCount() const override { return Field()->hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int index) override {
    if (index == 0) Field()->deselect();
  }
  void setSelection(int index, int start, int end) override {
    if (index == 0) Field()->setSelection(start, end - start);
  }
  int cursorPosition() const override { return Field()->cursorPosition(); }
  void setCursorPosition(int position) override { Field()->setCursorPosition(position); }
  QString text(int start, int end) const override {
    return Field()->text().mid(start, std::max(0, end - start));
  }
  int characterCount() const override { return static_cast<int>(Field()->text().size()); }
  QRect characterRect(int offset) const override {
    const QRect rect = Field()->CharacterRect(offset);
    return {Field()->mapToGlobal(rect.topLeft()), rect.size()};
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Field()->cursorPositionAt(Field()->mapFromGlobal(point));
  }
  void scrollToSubstring(int start, int /*end*/) override { Field()->setCursorPosition(start); }
  QString attributes(int offset, int* start, int* end) const override {
    *start = *end = offset;
    return {};
  }

  // The editable text interface, offered while the field is editable; each edit goes
  // through the field's own rules, as typing does.
  void deleteText(int start, int end) override {
    Field()->setSelection(start, end - start);
    Field()->del();
  }
  void insertText(int offset, const QString& text) override {
    Field()->setCursorPosition(offset);
    Field()->insert(text);
  }
  void replaceText(int start, int end, const QString& text) override {
    Field()->setSelection(start, end - start);
    Field()->insert(text);
  }

 private:
  QuantityField* Field() const { return static_cast<QuantityField*>(widget()); }
};

QAccessibleInterface* FieldInterfaceFor(const QString& class_name, QObject* object) {
  if (class_name != QLatin1String("qt_ui::QuantityField")) return nullptr;
  return new FieldInterface(static_cast<QuantityField*>(object));
}

}  // namespace

void InstallFieldAccessibility() { QAccessible::installFactory(&FieldInterfaceFor); }

}  // namespace qt_ui
