#pragma once

#include <QString>
#include <QWidget>

#include "controller/presentation.h"
#include "design/solution.h"

class QComboBox;
class QLabel;
class QPlainTextEdit;

namespace qt_ui {

class FigureView;

// The second window: the step-by-step solution of the last calculation beside its figure,
// with the choice of the unit it is written in. Non-modal and resizable down to the size at
// which everything stays readable (design/solution_window_layout.h). It draws what the window
// that owns it presents, and tells that window which unit the user chose.
class SolutionWindow final : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, kept above `owner` and closed with it.
  explicit SolutionWindow(QWidget* owner);

  // Shows the presented solution and figure, or that there is no solution yet.
  void Draw(const controller::Presentation& shown);
  // Shows the window (beside its owner the first time, never over it where the screen has
  // room), raised and active.
  void Open();

  QPlainTextEdit* SolutionText() const { return text_; }
  FigureView* Figure() const { return figure_; }
  QComboBox* UnitChoice() const { return unit_choice_; }
  // The unit of the solution drawn.
  design::LengthUnit Unit() const { return unit_; }
  // The solution as copied: its lines, or nothing while there is none.
  const QString& WholeSolution() const { return solution_; }

 signals:
  // The user chose the unit at `index` of design::LengthUnit's order.
  void UnitChosen(int index);

 protected:
  // Ctrl+C on the figure, or in the solution with nothing selected, copies the whole solution.
  bool eventFilter(QObject* watched, QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Tab moves between the solution and the figure, Shift+Tab between the solution and the
  // choice of unit.
  bool focusNextPrevChild(bool next) override;

 private:
  void LayOut();
  void PlaceBesideOwner();
  void CopySolution() const;

  FigureView* figure_ = nullptr;
  QLabel* unit_caption_ = nullptr;
  QComboBox* unit_choice_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  design::LengthUnit unit_ = design::LengthUnit::kNone;
  QString solution_;
  double line_ems_ = 0;  // the solution's longest line in ems of its font; 0: the longest any has
  bool placed_ = false;
};

}  // namespace qt_ui
