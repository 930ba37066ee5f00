#include "qt/field_notice.h"

#include <QAccessible>
#include <QAccessibleEvent>
#include <algorithm>

#include "design/texts.h"
#include "design/window_design.h"
#include "qt/design_to_qt.h"
#include "qt/qt_text.h"

namespace qt_ui {
namespace {

void SetDescription(QWidget* field, const QString& text) {
  field->setAccessibleDescription(text);
  QAccessibleEvent changed(field, QAccessible::DescriptionChanged);
  QAccessible::updateAccessibility(&changed);
}

}  // namespace

FieldNotice::FieldNotice(QWidget* window) : QLabel(window) {
  setAccessibleName(ToQString(design::texts::kReadingNoticeName));
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
  const QRect area = ToQRect(design::ReadingNoticeArea());
  setGeometry(area.left(), area.top(), area.width(),
              std::min(heightForWidth(area.width()), area.height()));
  raise();
  show();
  field_ = field;
  SetDescription(field, text);
}

void FieldNotice::Hide() {
  if (field_ != nullptr) SetDescription(field_, QString());
  field_ = nullptr;
  hide();
}

}  // namespace qt_ui
