#include "win32/figure_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "design/figure_drawing.h"
#include "design/window_design.h"
#include "win32/gdi_helpers.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

// From the figure's units to the device's pixels, as the figure is fitted in its box.
struct Scale {
  design::FigureFit fit;

  POINT operator()(const design::FigurePoint& point) const {
    return {static_cast<LONG>(std::lround(fit.left + point.x * fit.scale)),
            static_cast<LONG>(std::lround(fit.top + point.y * fit.scale))};
  }
  int Length(double units) const { return static_cast<int>(std::lround(units * fit.scale)); }
};

HPEN CreatePenFor(const design::FigureInk& ink, const Scale& scale) {
  if (ink.stroke_width <= 0) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  LOGBRUSH brush{BS_SOLID, ToColorRef(ink.stroke), 0};
  const DWORD width = static_cast<DWORD>(std::max(1, scale.Length(ink.stroke_width)));
  if (!ink.dashed) {
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, width, &brush, 0,
                        nullptr);
  }
  const DWORD dashes[] = {static_cast<DWORD>(std::max(1, scale.Length(design::kFigureDashLength))),
                          static_cast<DWORD>(std::max(1, scale.Length(design::kFigureDashGap)))};
  return ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_MITER, width, &brush,
                      2, dashes);
}

void DrawShape(HDC dc, const design::FigureShape& shape, const Scale& scale) {
  const HPEN pen = CreatePenFor(shape.ink, scale);
  const HBRUSH brush = shape.ink.fill ? CreateSolidBrush(ToColorRef(*shape.ink.fill))
                                      : static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  const HGDIOBJ old_pen = SelectObject(dc, pen);
  const HGDIOBJ old_brush = SelectObject(dc, brush);
  std::vector<POINT> points;
  for (const design::FigurePoint& point : shape.points) points.push_back(scale(point));
  const int count = static_cast<int>(points.size());
  switch (shape.kind) {
    case design::FigureShape::Kind::kPolyline:
      Polyline(dc, points.data(), count);
      break;
    case design::FigureShape::Kind::kPolygon:
      Polygon(dc, points.data(), count);
      break;
    case design::FigureShape::Kind::kCircle: {
      const POINT centre = scale(shape.centre);
      const int radius = scale.Length(shape.radius);
      Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius + 1,
              centre.y + radius + 1);
      break;
    }
  }
  SelectObject(dc, old_pen);
  SelectObject(dc, old_brush);
  if (shape.ink.stroke_width > 0) DeleteObject(pen);
  if (shape.ink.fill) DeleteObject(brush);
}

void DrawText(HDC dc, const design::FigureText& text, const Scale& scale) {
  const HFONT font =
      CreateTypeface(Widen(design::kFont.family), std::max(1, scale.Length(text.font_size)),
                     text.bold ? FW_BOLD : FW_NORMAL, text.italic);
  const HGDIOBJ old_font = SelectObject(dc, font);
  SetTextColor(dc, ToColorRef(text.colour));
  design::FigurePoint origin = text.origin;
  for (const std::string& line : text.lines) {
    const std::wstring wide = Widen(line);
    const POINT at = scale(origin);
    TextOutW(dc, at.x, at.y, wide.c_str(), static_cast<int>(wide.size()));
    origin.y += text.line_height;
  }
  SelectObject(dc, old_font);
  DeleteObject(font);
}

}  // namespace

void DrawFigure(HDC dc, const RECT& area, const design::Figure& figure) {
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const Scale scale{
      design::FitFigure(area.left, area.top, area.right - area.left, area.bottom - area.top)};
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const UINT old_align = SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
  for (const design::FigureShape& shape : figure.shapes) DrawShape(dc, shape, scale);
  for (const design::FigureText& text : figure.texts) DrawText(dc, text, scale);
  SetTextAlign(dc, old_align);
  SetBkMode(dc, old_mode);
}

}  // namespace win32_ui
