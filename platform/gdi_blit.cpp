// StretchBlt and BitBlt between contexts: bitmap or surface to bitmap or surface, nearest pixel.
#include <algorithm>

#include "platform/gdi_internal.h"

namespace {
const int kMaxCoord = 1 << 24;

bool Sane(int v) { return v >= -kMaxCoord && v <= kMaxCoord; }

inline uint16_t To565(uint32_t p) { return (uint16_t)(((p >> 8) & 0xF800) | ((p >> 5) & 0x07E0) | ((p >> 3) & 0x001F)); }

// The bitmap-to-surface case carries every picture load, so it is a plain loop; at 1:1 (the
// columns one after another) a straight one the compiler vectorises.
void RowBitmapToSurface(uint16_t* d, const uint32_t* s, const int* cols, int n) {
  if (cols[n - 1] - cols[0] == n - 1) {
    s += cols[0];
    for (int i = 0; i < n; i++) d[i] = To565(s[i]);
    return;
  }
  for (int i = 0; i < n; i++) d[i] = To565(s[cols[i]]);
}

void RowSurfaceToSurface(uint16_t* d, const uint16_t* s, const int* cols, int n) {
  for (int i = 0; i < n; i++) d[i] = s[cols[i]];
}
}  // namespace

BOOL StretchBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, int sw, int sh, DWORD rop) {
  if (!GDI_IsDC(dst) || !GDI_IsDC(src) || rop != SRCCOPY) return FALSE;
  if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return FALSE;
  if (!Sane(x) || !Sane(y) || !Sane(w) || !Sane(h) || !Sane(sx) || !Sane(sy) || !Sane(sw) || !Sane(sh)) return FALSE;
  std::vector<int> cols, rows;
  int x0 = 0, y0 = 0;
  if (!DDI_MapAxis(x, x + w, GDI_Width(dst), sx, sx + sw, GDI_Width(src), false, &cols, &x0) ||
      !DDI_MapAxis(y, y + h, GDI_Height(dst), sy, sy + sh, GDI_Height(src), false, &rows, &y0))
    return TRUE;  // nothing of it is visible
  const int n = (int)cols.size();
  IDirectDrawSurface* ds = dst->surface;
  const IDirectDrawSurface* ss = src->surface;
  const bool overlap = ds ? ds == ss : dst->bitmap == src->bitmap;
  if (ds && !overlap) {
    for (size_t k = 0; k < rows.size(); k++) {
      uint16_t* d = DDI_Row(ds, y0 + (int)k) + x0;
      if (ss)
        RowSurfaceToSurface(d, ss->PLAT_Row(rows[k]), cols.data(), n);
      else
        RowBitmapToSurface(d, src->bitmap->px.data() + (size_t)rows[k] * src->bitmap->width, cols.data(), n);
    }
    DDI_Touched(ds);
    return TRUE;
  }
  // The rare cases (into a bitmap, within one target) go through colours, from a copy of the rows.
  std::vector<COLORREF> line((size_t)n * rows.size());
  for (size_t k = 0; k < rows.size(); k++)
    for (int i = 0; i < n; i++) GDI_Get(src, cols[i], rows[k], &line[k * n + i]);
  for (size_t k = 0; k < rows.size(); k++)
    for (int i = 0; i < n; i++) GDI_Put(dst, x0 + i, y0 + (int)k, line[k * n + i]);
  if (ds) DDI_Touched(ds);
  return TRUE;
}

BOOL BitBlt(HDC dst, int x, int y, int w, int h, HDC src, int sx, int sy, DWORD rop) {
  return StretchBlt(dst, x, y, w, h, src, sx, sy, w, h, rop);
}
