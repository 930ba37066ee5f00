#include "qt/field_notice.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <algorithm>

namespace qt_ui {
namespace {

void SetDescription(QWidget* field, const QString& text) {
  field->setAccessibleDescription(text);
  QAccessibleEvent changed(field, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace

FieldNotice::FieldNotice(QWidget* window, const QString& name, const QRect& area)
    : QLabel(window), area_(area) {
  setAccessibleName(name);
  setTextFormat(Qt::PlainText);  // the unread part is whatever the user typed
  setWordWrap(true);
  setMargin(4);
  setFrameShape(QFrame::Box);
  setAutoFillBackground(true);
  QPalette colours = palette();
  colours.setBrush(QPalette::Window, colours.toolTipBase());
  colours.setBrush(QPalette::WindowText, colours.toolTipText());
  setPalette(colours);
  hide();
}

void FieldNotice::Show(QWidget* field, const QString& text) {
  Hide();
  setText(text);
  setGeometry(area_.left(), area_.top(), area_.width(),
              std::min(heightForWidth(area_.width()), area_.height()));
  raise();
  show();
  field_ = field;
  description_before_ = field->accessibleDescription();
  SetDescription(field, text);
}

void FieldNotice::Hide() {
  if (field_ != nullptr) SetDescription(field_, description_before_);
  field_ = nullptr;
  description_before_.clear();
  hide();
}

}  // namespace qt_ui
