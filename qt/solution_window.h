#pragma once

#include <QString>
#include <QWidget>
#include <optional>

#include "controller/main_window.h"
#include "triangle/number_format.h"

class QPlainTextEdit;

namespace qt_ui {

class FigureView;

// The second window: the step-by-step solution of the last calculation beside its figure.
// Non-modal and resizable; it follows each new calculation of the window that owns it.
class SolutionWindow final : public QWidget {
  Q_OBJECT

 public:
  // A window of its own, kept above `owner` and closed with it.
  explicit SolutionWindow(QWidget* owner);

  // Shows the solution and the figure of `calculation`, or that there is none yet.
  void Follow(const std::optional<controller::MainWindow::Calculation>& calculation,
              const triangle::NumberFormat& format);
  // Shows the window (beside its owner the first time), raised and active.
  void Open();

  QPlainTextEdit* SolutionText() const { return text_; }
  FigureView* Figure() const { return figure_; }
  // The solution as copied: its lines, or nothing while there is none.
  const QString& WholeSolution() const { return solution_; }

 protected:
  // Ctrl+C on the figure, or in the solution with nothing selected, copies the whole solution.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CopySolution() const;

  FigureView* figure_ = nullptr;
  QPlainTextEdit* text_ = nullptr;
  QString solution_;
  bool placed_ = false;
};

}  // namespace qt_ui
