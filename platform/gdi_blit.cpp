// StretchBlt and BitBlt between contexts: bitmap or surface to bitmap or surface, nearest pixel.
#include <algorithm>

#include "platform/gdi_internal.h"

namespace {
const int kMaxCoord = 1 << 24;

bool Sane(int v) { return v >= -kMaxCoord && v <= kMaxCoord; }

// A bitmap pixel (0x00RRGGBB) in the surface's format.
template <class D>
inline typename D::T FromBitmap(uint32_t p) {
  return D::Pack((uint8_t)(p >> 16), (uint8_t)(p >> 8), (uint8_t)p);
}

// The bitmap-to-surface case carries every picture load, so it is a plain loop; at 1:1 (the
// columns one after another) a straight one the compiler vectorises.
template <class D>
void RowBitmapToSurface(typename D::T* d, const uint32_t* s, const int* cols, int n) {
  if (cols[n - 1] - cols[0] == n - 1) {
    s += cols[0];
    for (int i = 0; i < n; i++) d[i] = FromBitmap<D>(s[i]);
    return;
  }
  for (int i = 0; i < n; i++) d[i] = FromBitmap<D>(s[cols[i]]);
}

template <class D, class S>
void RowSurfaceToSurface(typename D::T* d, const typename S::T* s, const int* cols, int n) {
  for (int i = 0; i < n; i++) d[i] = PLAT_Take<D, S>(s[cols[i]]);
}

// Rows of a surface or a bitmap into a surface of format D.
template <class D>
void IntoSurface(IDirectDrawSurface* ds, HDC src, const std::vector<int>& cols, const std::vector<int>& rows, int x0,
                 int y0) {
  const IDirectDrawSurface* ss = src->surface;
  const int n = (int)cols.size();
  for (size_t k = 0; k < rows.size(); k++) {
    typename D::T* d = DDI_Row<D>(ds, y0 + (int)k) + x0;
    if (!ss) {
      RowBitmapToSurface<D>(d, src->bitmap->px.data() + (size_t)rows[k] * src->bitmap->width, cols.data(), n);
      continue;
    }
    DDI_PerFormat(ss->bits, [&](auto s) {
      typedef decltype(s) S;
      RowSurfaceToSurface<D, S>(d, reinterpret_cast<const typename S::T*>(ss->PLAT_Bytes(rows[k])), cols.data(), n);
    });
  }
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
    DDI_PerFormat(ds->bits, [&](auto d) { IntoSurface<decltype(d)>(ds, src, cols, rows, x0, y0); });
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
