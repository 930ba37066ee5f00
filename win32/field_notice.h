#pragma once

#include <windows.h>

#include <string>

#include "design/window_design.h"
#include "win32/annotations.h"

namespace win32_ui {

// A notice about a field (how a calculation read it, or that it is locked): a text in the
// colours of a tooltip in its area of the window design, over the top of the statement, never
// over a result or a button, and the field's accessible description while it shows, with the
// event that tells screen readers it changed. It stays until hidden: a pupil reads at a
// pupil's pace. Its control is made the first time a notice shows: starting the window costs
// nothing.
class FieldNotice {
 public:
  explicit FieldNotice(design::TwipRect area) : area_(area) {}
  ~FieldNotice();
  FieldNotice(const FieldNotice&) = delete;
  FieldNotice& operator=(const FieldNotice&) = delete;

  // `annotations` must outlive the notice.
  void Show(HWND window, HWND field, std::wstring text, HFONT font, UINT dpi,
            Annotations& annotations);
  void Hide();
  // Places the notice again for a new font and resolution, if it shows.
  void LayOut(HFONT font, UINT dpi);
  // Paints the notice, owner-drawn so that its text keeps a margin; false for other controls.
  bool Draw(const DRAWITEMSTRUCT& item) const;
  // The notice's control, or null before the first notice.
  HWND Handle() const { return notice_; }
  bool IsShowing() const { return field_ != nullptr; }

 private:
  design::TwipRect area_;
  HWND notice_ = nullptr;
  HWND field_ = nullptr;  // whose description the notice is, while it shows
  std::wstring text_;
  UINT dpi_ = USER_DEFAULT_SCREEN_DPI;  // the resolution it is laid out and drawn at
  Annotations* annotations_ = nullptr;  // the window's, which tell screen readers
};

}  // namespace win32_ui
