#include "win32/gdi_helpers.h"

#include <string>

#include "win32/wide_text.h"

namespace win32_ui {

HFONT CreateTypeface(std::wstring_view family, int pixels, int weight, bool italic) {
  return CreateFontW(-pixels, 0, 0, 0, weight, italic ? TRUE : FALSE, FALSE, FALSE,
                     static_cast<BYTE>(design::kFont.charset), OUT_DEFAULT_PRECIS,
                     CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN,
                     std::wstring(family).c_str());
}

HFONT CreateDesignFont(UINT dpi) {
  return CreateTypeface(Widen(design::kFont.family),
                        MulDiv(design::kFont.points, static_cast<int>(dpi), 72),
                        design::kFont.weight);
}

}  // namespace win32_ui
