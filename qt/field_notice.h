#pragma once

#include <QLabel>
#include <QPointer>
#include <QRect>
#include <QString>

namespace qt_ui {

// A notice about a field (how a calculation read it, or that it is locked), shown in the
// window's notice area, `area`, in the colours of a tooltip, and carried by the field's
// accessible description while it shows, so that screen readers hear of it and can read it
// again. It stays until hidden: a pupil reads at a pupil's pace. Hidden, it gives the field
// back the description it found; of two notices on one field, the later is hidden first.
class FieldNotice final : public QLabel {
  Q_OBJECT

 public:
  // `name` is what screen readers call the notice itself.
  FieldNotice(QWidget* window, const QString& name, const QRect& area);

  void Show(QWidget* field, const QString& text);
  void Hide();
  // The field the notice is about while it shows, else null.
  QWidget* Field() const { return field_; }

 private:
  QRect area_;
  QPointer<QWidget> field_;  // whose description carries the notice
  QString description_before_;
};

}  // namespace qt_ui
