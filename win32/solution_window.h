#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "controller/presentation.h"
#include "design/figure.h"
#include "design/solution.h"
#include "win32/annotations.h"

namespace win32_ui {

// The second window: the step-by-step solution of the last calculation beside its figure,
// drawn with GDI at the monitor's resolution, with the choice of the unit it is written in.
// Non-modal and resizable down to the size at which everything stays readable
// (design/solution_window_layout.h), owned by the calculator window (above it, minimised with
// it); closing it only hides it.
class SolutionWindow {
 public:
  SolutionWindow() = default;
  ~SolutionWindow();
  SolutionWindow(const SolutionWindow&) = delete;
  SolutionWindow& operator=(const SolutionWindow&) = delete;

  // Makes the window, hidden, owned by `owner`, at the owner's resolution `dpi`; false if it
  // could not be made.
  bool Create(HINSTANCE instance, HWND owner, UINT dpi);
  bool IsCreated() const { return window_ != nullptr; }

  // Shows the presentation's solution, spoken lines, figure and unit (or that there is no
  // solution yet).
  void Follow(const controller::Presentation& shown);
  // Called with the unit's index in design::LengthUnit's order when the user chooses one; the
  // owner draws what that makes of the presentation.
  void OnUnitChosen(std::function<void(int)> handler) { on_unit_chosen_ = std::move(handler); }
  // Shows the window (beside its owner the first time, never over it where the monitor's work
  // area has room) and puts the focus in the solution.
  void Open();

  // Tab between the figure and the solution, Shift+Tab between the solution and the choice of
  // unit, Ctrl+C with nothing selected copies the whole solution, Escape closes. True when the
  // message was handled and must not be dispatched.
  bool HandleKeyboardMessage(MSG& message);

  HWND Handle() const { return window_; }
  HWND SolutionText() const { return text_; }
  HWND Figure() const { return figure_; }
  HWND UnitChoice() const { return unit_choice_; }
  design::LengthUnit Unit() const { return unit_; }
  UINT Dpi() const { return dpi_; }
  // The solution as copied: its lines, or nothing while there is none.
  const std::wstring& WholeSolution() const { return solution_; }
  // Its lines as a teacher says them: the solution's accessible description.
  const std::wstring& SpokenSolution() const { return spoken_; }

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  static LRESULT CALLBACK FigureProcedure(HWND figure, UINT message, WPARAM wparam, LPARAM lparam);
  LRESULT HandleMessage(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
  void SetDpi(UINT dpi);
  void ShowCalculation();
  void LayOut();
  void SetTextPixels(int pixels);
  void PaintFigure();
  void CopySolution() const;

  HWND window_ = nullptr;
  HWND owner_ = nullptr;
  HWND figure_ = nullptr;
  HWND text_ = nullptr;
  HWND unit_caption_ = nullptr;
  HWND unit_choice_ = nullptr;
  HWND focus_when_deactivated_ = nullptr;
  HFONT text_font_ = nullptr;
  HFONT control_font_ = nullptr;  // the caption's and the choice's: the window's 12 points
  int text_pixels_ = 0;
  double line_ems_ = 0;  // the solution's longest line in ems of its font; 0: the longest any has
  std::wstring text_family_;  // the solution's: the window's own unless it lacks a character
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;
  bool placed_ = false;
  design::Figure figure_description_;
  design::LengthUnit unit_ = design::LengthUnit::kNone;  // for the session, written nowhere
  std::function<void(int)> on_unit_chosen_;
  std::wstring solution_;
  std::wstring spoken_;
  Annotations annotations_;
};

}  // namespace win32_ui
