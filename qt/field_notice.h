#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

namespace qt_ui {

// A notice about how a calculation read a field, shown in the window's notice area in the
// colours of a tooltip, and carried by the field's accessible description while it shows, so
// that screen readers hear of it and can read it again. It stays until hidden: a pupil reads
// at a pupil's pace.
class FieldNotice final : public QLabel {
  Q_OBJECT

 public:
  explicit FieldNotice(QWidget* window);

  void Show(QWidget* field, const QString& text);
  void Hide();

 private:
  QPointer<QWidget> field_;  // whose description carries the notice
};

}  // namespace qt_ui
