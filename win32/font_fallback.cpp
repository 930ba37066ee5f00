#include "win32/font_fallback.h"

#include <algorithm>
#include <vector>

#include "design/solution_window_layout.h"
#include "design/window_design.h"
#include "win32/gdi_helpers.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

// Families tried in turn when the window's own lacks a character of the solution, which a
// plain edit control would show as a blank: Times New Roman has no "⇒" on some systems.
constexpr const wchar_t* kFallbackFamilies[] = {L"Cambria", L"Cambria Math", L"DejaVu Serif",
                                                L"Segoe UI Symbol"};

// Whether the font of `family` has a glyph for every character of `text` (line breaks
// aside); a family the system does not have (another one stands in) has none.
bool DrawsEveryCharacter(const std::wstring& family, std::wstring_view text, bool substitute_ok) {
  std::wstring characters;
  for (const wchar_t c : text) {
    if (c >= L' ') characters += c;
  }
  const HFONT font = CreateSolutionFont(family, design::kSolutionTextStartPixels);
  const HDC dc = GetDC(nullptr);
  const HGDIOBJ previous = SelectObject(dc, font);
  wchar_t face[LF_FACESIZE] = {};
  GetTextFaceW(dc, LF_FACESIZE, face);
  bool draws = substitute_ok || _wcsicmp(face, family.c_str()) == 0;
  if (draws && !characters.empty()) {
    std::vector<WORD> glyphs(characters.size());
    draws = GetGlyphIndicesW(dc, characters.c_str(), static_cast<int>(characters.size()),
                             glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS) != GDI_ERROR &&
            std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
  }
  SelectObject(dc, previous);
  ReleaseDC(nullptr, dc);
  DeleteObject(font);
  return draws;
}

}  // namespace

HFONT CreateSolutionFont(const std::wstring& family, int pixels) {
  return CreateTypeface(family, pixels, design::kFont.weight);
}

std::wstring FamilyFor(std::wstring_view text) {
  const std::wstring own = Widen(design::kFont.family);
  if (DrawsEveryCharacter(own, text, true)) return own;
  for (const wchar_t* family : kFallbackFamilies) {
    if (DrawsEveryCharacter(family, text, false)) return family;
  }
  return own;
}

}  // namespace win32_ui
