#include "win32/figure_painter.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "design/window_design.h"
#include "win32/wide_text.h"

namespace win32_ui {
namespace {

COLORREF ToColorRef(const design::Rgb& colour) {
  return RGB(colour.red, colour.green, colour.blue);
}

// From the figure's units to the device's pixels.
struct Scale {
  double factor;
  double left;
  double top;

  POINT operator()(const design::FigurePoint& point) const {
    return {static_cast<LONG>(std::lround(left + point.x * factor)),
            static_cast<LONG>(std::lround(top + point.y * factor))};
  }
  int Length(double units) const { return static_cast<int>(std::lround(units * factor)); }
};

HPEN CreatePenFor(const design::FigureInk& ink, const Scale& scale) {
  if (ink.stroke_width <= 0) return static_cast<HPEN>(GetStockObject(NULL_PEN));
  LOGBRUSH brush{BS_SOLID, ToColorRef(ink.stroke), 0};
  const DWORD width = static_cast<DWORD>(std::max(1, scale.Length(ink.stroke_width)));
  if (!ink.dashed) {
    return ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_FLAT | PS_JOIN_MITER, width, &brush, 0,
                        nullptr);
  }
  const DWORD dashes[] = {static_cast<DWORD>(std::max(1, scale.Length(5))),
                          static_cast<DWORD>(std::max(1, scale.Length(3)))};
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
      CreateFontW(-std::max(1, scale.Length(text.font_size)), 0, 0, 0,
                  text.bold ? FW_BOLD : FW_NORMAL, text.italic ? TRUE : FALSE, FALSE, FALSE,
                  static_cast<BYTE>(design::kFont.charset), OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                  CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_ROMAN, Widen(design::kFont.family).c_str());
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
  const double width = area.right - area.left;
  const double height = area.bottom - area.top;
  const double factor =
      std::max(0.0, std::min(width / design::kFigureWidth, height / design::kFigureHeight));
  const Scale scale{factor, area.left + (width - design::kFigureWidth * factor) / 2,
                    area.top + (height - design::kFigureHeight * factor) / 2};
  const int old_mode = SetBkMode(dc, TRANSPARENT);
  const UINT old_align = SetTextAlign(dc, TA_LEFT | TA_BASELINE | TA_NOUPDATECP);
  for (const design::FigureShape& shape : figure.shapes) DrawShape(dc, shape, scale);
  for (const design::FigureText& text : figure.texts) DrawText(dc, text, scale);
  SetTextAlign(dc, old_align);
  SetBkMode(dc, old_mode);
}

}  // namespace win32_ui
