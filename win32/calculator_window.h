#pragma once

#include <windows.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "controller/key_map.h"
#include "controller/main_window.h"
#include "controller/presentation.h"
#include "controller/presenter.h"
#include "design/window_design.h"
#include "platform/field_controls.h"
#include "triangle/number_format.h"
#include "win32/annotations.h"
#include "win32/field_hint.h"
#include "win32/field_notice.h"
#include "win32/hover_tips.h"
#include "win32/quantity_field.h"
#include "win32/solution_window.h"

namespace win32_ui {

// The calculator's one window as real Windows controls, laid out from the window design at the
// monitor's resolution: carries out the field operations for the behaviour, passes the user's
// clicks and keys to the presenter and draws what it presents.
class CalculatorWindow final : public platform::FieldControls {
 public:
  // Creates the window and its controls, hidden. `format` is how numbers are read and written.
  CalculatorWindow(HINSTANCE instance, triangle::NumberFormat format);
  ~CalculatorWindow() override;
  CalculatorWindow(const CalculatorWindow&) = delete;
  CalculatorWindow& operator=(const CalculatorWindow&) = delete;

  // Runs the behaviour's load handler and puts the focus in the statement.
  void Load();
  // Shows the window centred on its monitor's work area; its focus goes to the statement.
  void ShowCentred(int show_command);
  // Ends the message loop when the user closes the window (the program's one window does).
  void QuitWhenClosed() { quit_when_closed_ = true; }

  // The window's keyboard: Return and Enter calculate, Escape clears, Tab and Shift+Tab move
  // in the design's order, the arrow keys move among the options, Ctrl+C with nothing selected
  // copies every measure, and the rest goes to the dialog keyboard interface. True when the
  // message was handled and must not be dispatched.
  bool HandleKeyboardMessage(MSG& message);

  HWND Handle() const { return window_; }
  // The control of each row of design::kControls.
  HWND Control(std::size_t row) const { return controls_.at(row); }
  HWND Option(triangle::QuantityIndex index) const { return options_.at(index); }
  HWND Field(triangle::QuantityIndex index) const { return fields_.at(index).Handle(); }
  HWND CommandButton(int index) const { return buttons_.at(static_cast<std::size_t>(index)); }
  HWND InfoField(int index) const { return info_fields_.at(static_cast<std::size_t>(index)); }
  UINT Dpi() const { return dpi_; }
  // The tooltip control that says why a field refused an edit; null until one did.
  HWND RefusalTip() const { return refusal_hint_.Tip(); }
  std::int16_t SelectedOption() const { return presenter_.Behaviour().SelectedOption(); }
  // The tooltip control of the controls' hover texts; null until first needed.
  HWND HoverTipControl() const { return hover_tips_.Handle(); }
  // The window with the solution and the figure: F1, or the system menu's entry.
  void OpenSolutionWindow();
  const SolutionWindow& Solution() const { return solution_window_; }

  void ClearOption(triangle::QuantityIndex option) override;
  std::string FieldText(triangle::QuantityIndex field) const override;
  void SetFieldText(triangle::QuantityIndex field, std::string_view text) override;
  void SetFieldEnabled(triangle::QuantityIndex field, bool enabled) override;
  void SetFieldMaxLength(triangle::QuantityIndex field, int max_length) override;
  // The notice about how a field was read: its control, or null before the first one.
  HWND ReadingNoticeControl() const { return reading_notice_.Handle(); }
  bool ReadingNoticeShows() const { return reading_notice_.IsShowing(); }
  // The hint at a locked field: its control, or null before the first one.
  HWND LockedFieldHintControl() const { return locked_hint_.Handle(); }
  bool LockedFieldHintShows() const { return locked_hint_.IsShowing(); }

 private:
  static constexpr DWORD kWindowStyle =
      WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
  static constexpr UINT_PTR kOptionSubclassId = 1;

  // Destroys the window, its controls, font and brushes.
  void Release();
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK OptionProcedure(HWND option, UINT message, WPARAM wparam, LPARAM lparam,
                                          UINT_PTR id, DWORD_PTR self);
  // Shows checked_option_ as the one checked option, undoing any other check.
  void ShowChosenOption();
  LRESULT Handle(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void CreateControls(HINSTANCE instance);
  void LayOut(UINT dpi);
  SIZE ClientSize() const;
  // The design row of one of the window's controls, or kControlCount.
  std::size_t RowOf(HWND control) const;
  LRESULT ControlColour(UINT message, WPARAM wparam, LPARAM lparam);
  void OnCommand(HWND control, WORD notification);
  void OnOptionChosen(triangle::QuantityIndex index);
  void OnCommandClicked(int index);
  void OnUnitChosen(int index);
  // What an event left: the teaching (when it changed), the notices, the failure.
  void Draw(const controller::Presentation& shown);
  // The results' tooltips and the solution window, when the teaching changed.
  void DrawTeaching(const controller::Presentation& shown);
  void ReportFailure(std::string_view message) const;
  // Carries out what a key asks of the window, `focus` having the focus.
  void RunKeyCommand(controller::KeyCommand command, HWND focus);
  void MoveAmongOptions(HWND focus, int step);
  // The control Tab (or Shift+Tab) moves to: the next enabled one in the design's order but
  // the label. Option buttons drop their tab stop style when unchosen, so it is not used.
  HWND NextInTabOrder(HWND from, bool backwards) const;
  void CopyMeasures() const;
  // Whether Tab may move to the control of `row`.
  bool IsTabStop(std::size_t row) const;
  // A focused field that emptied and became read-only hands the focus to its option.
  void KeepFocusOnAControl(triangle::QuantityIndex field);
  void ShowLockedFieldHint(triangle::QuantityIndex field);
  // Both notices, and the fields' descriptions they were.
  void HideNotices();
  // Gives each option the name design/ gives it, which starts with its caption.
  void NameOptions();
  // Makes the hover tooltips with their texts if they are not there yet.
  void EnsureHoverTips();
  // A field's hover text: its whole text if it is cut, and how it was calculated.
  std::wstring FieldHoverText(triangle::QuantityIndex field) const;
  void UpdateFieldTip(triangle::QuantityIndex field);

  HWND window_ = nullptr;
  std::array<HWND, design::kControlCount> controls_{};
  std::array<HWND, triangle::kQuantityCount> options_{};
  FieldHint refusal_hint_;  // before the fields, which show their refusals through it
  HoverTips hover_tips_;
  Annotations annotations_;     // before what uses it
  bool options_named_ = false;  // for screen readers, once the first one asks
  FieldNotice reading_notice_{design::ReadingNoticeArea()};
  // Shown when a locked field is clicked or typed into, over the reading notice.
  FieldNotice locked_hint_{design::LockedFieldHintArea()};
  bool setting_field_text_ = false;  // a change notification comes from the window, not a user
  std::array<std::string, triangle::kQuantityCount> explanations_;  // in the fields' tips
  std::uint32_t drawn_teaching_ = 0;  // the presentation's teaching_revision last drawn
  std::array<QuantityField, triangle::kQuantityCount> fields_;
  std::array<HWND, 2> buttons_{};
  std::array<HWND, 2> info_fields_{};
  // The option shown chosen: clicking it again keeps what was typed into its field.
  triangle::QuantityIndex checked_option_ = controller::MainWindow::kNoOption;
  HWND focus_when_deactivated_ = nullptr;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  HFONT font_ = nullptr;
  HBRUSH window_brush_ = nullptr;
  std::array<HBRUSH, design::kControlCount> brushes_{};  // each row's design colour, if any
  bool quit_when_closed_ = false;
  SolutionWindow solution_window_;       // made when first opened
  bool moving_between_options_ = false;  // an arrow key, not a click, chooses the option
  HWND option_acted_on_ = nullptr;       // the option the user is clicking or pressing Space on
  controller::Presenter presenter_;
};

}  // namespace win32_ui
