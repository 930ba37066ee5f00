#pragma once

#include <QWidget>
#include <array>

#include "controller/key_map.h"
#include "controller/main_window.h"
#include "controller/presentation.h"
#include "controller/presenter.h"
#include "design/window_design.h"
#include "platform/field_controls.h"
#include "qt/colour_button.h"
#include "qt/field_notice.h"
#include "qt/option_button.h"
#include "qt/quantity_field.h"
#include "triangle/number_format.h"

class QButtonGroup;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace qt_ui {

class SolutionWindow;

// The calculator's one window: the controls of the window design. It carries out the fields'
// operations for the presenter, sends it the user's every event and draws what it presents.
class CalculatorWindow final : public QWidget, public platform::FieldControls {
  Q_OBJECT

 public:
  explicit CalculatorWindow(triangle::NumberFormat format, QWidget* parent = nullptr);

  // Loads the window through the presenter and puts the focus in the statement.
  void Load();

  void ClearOption(triangle::QuantityIndex option) override;
  std::string FieldText(triangle::QuantityIndex field) const override;
  void SetFieldText(triangle::QuantityIndex field, std::string_view text) override;
  void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override;
  void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override;

  QRadioButton* Option(triangle::QuantityIndex index) const { return options_.at(index); }
  QuantityField* Field(triangle::QuantityIndex index) const { return fields_.at(index); }
  QPushButton* CommandButton(int index) const { return buttons_.at(index); }
  QPlainTextEdit* InfoField(int index) const { return info_fields_.at(index); }
  QLabel* TitleLabel() const { return label_; }
  // The notice about how a field was read; hidden while there is none.
  QLabel* ReadingNoticeLabel() const { return reading_notice_; }
  // The hint that a field is locked, shown when a locked field is clicked or typed into;
  // hidden while there is none.
  FieldNotice* LockedFieldHintLabel() const { return locked_hint_; }
  std::int16_t SelectedOption() const { return presenter_.Behaviour().SelectedOption(); }
  // The window with the solution and the figure (F1); null until first opened.
  SolutionWindow* Solution() const { return solution_window_; }
  void OpenSolutionWindow();

 protected:
  // The copy shortcut and the arrows in a control, as the keyboard's table says: arrow keys
  // on an option are told apart from the other ways of choosing it.
  bool eventFilter(QObject* watched, QEvent* event) override;
  // Return and Enter that no focused control took.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void BuildControls();
  QWidget* CreateControl(const design::Control& layout);
  void ChooseOption(int index);
  void OnOptionClicked(int index);
  void OnCommandClicked(int index);
  // The hint first: it may carry the reading notice's description, which it gives back.
  void HideNotices();
  void KeepFocusOnAControl();

  // Everything an event left to show; the unit's choice changes only the teaching.
  void Draw(const controller::Presentation& shown);
  void DrawTeaching(const controller::Presentation& shown);

  // The keyboard (calculator_window_keys.cpp).
  void AddShortcuts();
  // Carries out what `key` asks in `focused`; false when it asks nothing there.
  bool PressKey(controller::Key key, QWidget* focused);
  void MoveAmongOptions(QRadioButton* from, int step);
  void CopyMeasures() const;

  std::array<QPlainTextEdit*, 2> info_fields_{};
  QLabel* label_ = nullptr;
  std::array<OptionButton*, triangle::kQuantityCount> options_{};
  std::array<QuantityField*, triangle::kQuantityCount> fields_{};
  std::array<ColourButton*, 2> buttons_{};
  FieldNotice* reading_notice_ = nullptr;
  FieldNotice* locked_hint_ = nullptr;   // over the reading notice when both show
  bool moving_between_options_ = false;  // an arrow key is choosing the next option
  QButtonGroup* option_group_ = nullptr;
  QButtonGroup* command_group_ = nullptr;
  SolutionWindow* solution_window_ = nullptr;
  controller::Presenter presenter_;  // writes to the controls from Load on
};

}  // namespace qt_ui
