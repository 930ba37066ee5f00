#include "win32/field_notice.h"

#include <algorithm>
#include <utility>

#include "design/pixels.h"
#include "win32/gdi_helpers.h"

namespace win32_ui {
namespace {

constexpr int kMargin = 4;  // between the border and the text, in pixels at 96 dpi

// The height the text needs at `width`, with its margins and border.
int HeightFor(const std::wstring& text, HFONT font, int width, UINT dpi) {
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ old_font = SelectObject(dc, font);
  RECT rect{0, 0, width - 2 * Scaled(kMargin, dpi) - 2, 0};
  DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
            DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old_font);
  ReleaseDC(nullptr, dc);
  return rect.bottom + 2 * Scaled(kMargin, dpi) + 2;
}

}  // namespace

FieldNotice::~FieldNotice() {
  if (notice_ != nullptr && IsWindow(notice_)) DestroyWindow(notice_);
}

void FieldNotice::Show(HWND window, HWND field, std::wstring text, HFONT font, UINT dpi,
                       Annotations& annotations) {
  Hide();
  annotations_ = &annotations;
  if (notice_ == nullptr) {
    notice_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | SS_OWNERDRAW | SS_NOPREFIX, 0, 0, 0, 0,
                              window, nullptr, nullptr, nullptr);
    if (notice_ == nullptr) return;  // the results stand without it
  }
  text_ = std::move(text);
  SetWindowTextW(notice_, text_.c_str());  // the notice's own name for screen readers
  field_ = field;
  LayOut(font, dpi);
  ShowWindow(notice_, SW_SHOWNA);
  // Through dynamic annotation the field's MSAA description is the notice, so a screen reader
  // can read it again on the field while it shows.
  annotations_->SetDescription(field_, text_.c_str());
}

void FieldNotice::Hide() {
  if (field_ == nullptr) return;
  ShowWindow(notice_, SW_HIDE);
  annotations_->SetDescription(field_, nullptr);
  field_ = nullptr;
}

void FieldNotice::LayOut(HFONT font, UINT dpi) {
  if (field_ == nullptr) return;
  dpi_ = dpi;
  SendMessageW(notice_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  const design::PixelRect area = design::ToPixels(area_, static_cast<int>(dpi));
  const int height = std::min(HeightFor(text_, font, area.width, dpi), area.height);
  SetWindowPos(notice_, HWND_TOP, area.left, area.top, area.width, height, SWP_NOACTIVATE);
  InvalidateRect(notice_, nullptr, TRUE);
}

bool FieldNotice::Draw(const DRAWITEMSTRUCT& item) const {
  if (item.hwndItem != notice_ || notice_ == nullptr) return false;
  RECT rect = item.rcItem;
  FillRect(item.hDC, &rect, GetSysColorBrush(COLOR_INFOBK));
  FrameRect(item.hDC, &rect, GetSysColorBrush(COLOR_INFOTEXT));
  const auto font = reinterpret_cast<HFONT>(SendMessageW(notice_, WM_GETFONT, 0, 0));
  const HGDIOBJ old_font = SelectObject(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_INFOTEXT));
  const int margin = Scaled(kMargin, dpi_) + 1;  // as HeightFor measured it
  InflateRect(&rect, -margin, -margin);
  DrawTextW(item.hDC, text_.c_str(), static_cast<int>(text_.size()), &rect,
            DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(item.hDC, old_font);
  return true;
}

}  // namespace win32_ui
