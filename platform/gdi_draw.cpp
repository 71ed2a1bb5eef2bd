// Pixels, fills, rectangles with rounded corners and lines on a context.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/gdi_internal.h"

namespace {
bool Draws(const TGdiPen* pen) { return pen && pen->style != PS_NULL; }

// The columns [*x0, *x1) of row y inside a rectangle with elliptic corners of radii rx, ry,
// by pixel centres. False when the row misses the shape.
bool RoundSpan(double l, double t, double r, double b, double rx, double ry, int y, int* x0, int* x1) {
  const double cy = y + 0.5;
  if (cy < t || cy > b) return false;
  double dx = 0;
  if (rx > 0 && ry > 0) {
    double dy = 0;
    if (cy < t + ry) dy = t + ry - cy;
    if (cy > b - ry) dy = cy - (b - ry);
    if (dy > 0) {
      const double q = 1.0 - (dy / ry) * (dy / ry);
      if (q < 0) return false;
      dx = rx - rx * std::sqrt(q);
    }
  }
  *x0 = (int)std::ceil(l + dx - 0.5);
  *x1 = (int)std::ceil(r - dx - 0.5);
  return *x0 < *x1;
}

// Outline with the pen (pen width inward) and fill with the brush; ew, eh = 0 gives square corners.
void Shape(HDC dc, int left, int top, int right, int bottom, int ew, int eh) {
  if (right < left) std::swap(left, right);
  if (bottom < top) std::swap(top, bottom);
  const int w = right - left, h = bottom - top;
  const double rx = std::min(std::abs(ew), w) / 2.0, ry = std::min(std::abs(eh), h) / 2.0;
  const int pw = Draws(dc->pen) ? dc->pen->width : 0;
  const bool fill = dc->brush && !dc->brush->hollow;
  const int y0 = std::max<int>(top, dc->clip.top), y1 = std::min<int>(bottom, dc->clip.bottom);
  for (int y = y0; y < y1; y++) {
    int ox0, ox1, ix0 = 0, ix1 = 0;
    if (!RoundSpan(left, top, right, bottom, rx, ry, y, &ox0, &ox1)) continue;
    const bool inner = RoundSpan(left + pw, top + pw, right - pw, bottom - pw, std::max(0.0, rx - pw),
                                 std::max(0.0, ry - pw), y, &ix0, &ix1);
    if (!inner) {
      if (pw > 0) GDI_Span(dc, ox0, ox1, y, dc->pen->color);
      continue;
    }
    if (fill) GDI_Span(dc, ix0, ix1, y, dc->brush->color);
    if (pw > 0) {
      GDI_Span(dc, ox0, ix0, y, dc->pen->color);
      GDI_Span(dc, ix1, ox1, y, dc->pen->color);
    }
  }
}

void Dot(HDC dc, int x, int y) {
  const int w = dc->pen->width;
  if (w == 1) {
    GDI_Put(dc, x, y, dc->pen->color);
    return;
  }
  for (int k = 0; k < w; k++) GDI_Span(dc, x - w / 2, x - w / 2 + w, y - w / 2 + k, dc->pen->color);
}
}  // namespace

COLORREF GetPixel(HDC dc, int x, int y) {
  if (!GDI_IsDC(dc)) return CLR_INVALID;
  COLORREF c = RGB(255, 255, 255);
  GDI_Get(dc, x, y, &c);
  return c;
}

COLORREF SetPixel(HDC dc, int x, int y, COLORREF color) {
  if (!GDI_IsDC(dc) || x < 0 || y < 0 || x >= GDI_Width(dc) || y >= GDI_Height(dc)) return CLR_INVALID;
  GDI_Put(dc, x, y, color & 0xFFFFFF);
  COLORREF set = CLR_INVALID;
  GDI_Get(dc, x, y, &set);
  return set;
}

int FillRect(HDC dc, const RECT* rect, HBRUSH brush) {
  if (!GDI_IsDC(dc) || !rect || !GDI_IsObject(brush)) return 0;
  if (brush->hollow) return 1;
  const int y0 = std::max<int>(rect->top, dc->clip.top), y1 = std::min<int>(rect->bottom, dc->clip.bottom);
  for (int y = y0; y < y1; y++) GDI_Span(dc, rect->left, rect->right, y, brush->color);
  return 1;
}

BOOL Rectangle(HDC dc, int left, int top, int right, int bottom) {
  if (!GDI_IsDC(dc)) return FALSE;
  Shape(dc, left, top, right, bottom, 0, 0);
  return TRUE;
}

BOOL RoundRect(HDC dc, int left, int top, int right, int bottom, int ew, int eh) {
  if (!GDI_IsDC(dc)) return FALSE;
  Shape(dc, left, top, right, bottom, ew, eh);
  return TRUE;
}

BOOL MoveToEx(HDC dc, int x, int y, POINT* old) {
  if (!GDI_IsDC(dc)) return FALSE;
  if (old) *old = dc->pos;
  dc->pos = POINT{x, y};
  return TRUE;
}

BOOL LineTo(HDC dc, int x, int y) {
  if (!GDI_IsDC(dc)) return FALSE;
  // Bresenham from the current position; the end point is left for the next segment.
  long long cx = dc->pos.x, cy = dc->pos.y;
  const long long dx = std::llabs(x - cx), dy = -std::llabs(y - cy);
  const int sx = cx < x ? 1 : -1, sy = cy < y ? 1 : -1;
  long long err = dx + dy;
  // A line longer than any surface could hold is a broken caller: move, but draw nothing.
  const bool draws = Draws(dc->pen) && dx <= 2 * DDI_MAX_SIDE && -dy <= 2 * DDI_MAX_SIDE;
  while (draws && (cx != x || cy != y)) {
    Dot(dc, (int)cx, (int)cy);
    const long long e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      cx += sx;
    }
    if (e2 <= dx) {
      err += dx;
      cy += sy;
    }
  }
  dc->pos = POINT{x, y};
  return TRUE;
}
