// Pixel access behind every context: surface rows of either format or 0x00RRGGBB bitmap rows, clipped.
#include <algorithm>

#include "platform/gdi_internal.h"

namespace {
bool Inside(HDC dc, int x, int y) {
  return x >= dc->clip.left && x < dc->clip.right && y >= dc->clip.top && y < dc->clip.bottom;
}

inline int MixChannel(int src, int dst, int a) { return (src * a + dst * (255 - a) + 127) / 255; }
}  // namespace

void GDI_Put(HDC dc, int x, int y, COLORREF c) {
  if (!Inside(dc, x, y)) return;
  if (dc->surface)
    DDI_Put(dc->surface, x, y, GDI_ToPixel(dc->surface->bits, c));
  else
    dc->bitmap->px[(size_t)y * dc->bitmap->width + x] = GDI_ToBitmap(c);
}

bool GDI_Get(HDC dc, int x, int y, COLORREF* c) {
  if (x < 0 || y < 0 || x >= GDI_Width(dc) || y >= GDI_Height(dc)) return false;
  if (dc->surface)
    *c = GDI_FromPixel(dc->surface->bits, dc->surface->PLAT_Pixel(x, y));
  else
    *c = GDI_FromBitmap(dc->bitmap->px[(size_t)y * dc->bitmap->width + x]);
  return true;
}

void GDI_Span(HDC dc, int x0, int x1, int y, COLORREF c) {
  if (y < dc->clip.top || y >= dc->clip.bottom) return;
  x0 = std::max<int>(x0, dc->clip.left);
  x1 = std::min<int>(x1, dc->clip.right);
  if (x0 >= x1) return;
  IDirectDrawSurface* s = dc->surface;
  if (s)
    DDI_PerFormat(s->bits, [&](auto f) {
      typedef decltype(f) P;
      std::fill_n(DDI_Row<P>(s, y) + x0, x1 - x0, P::Pack(GetRValue(c), GetGValue(c), GetBValue(c)));
    });
  else
    std::fill_n(dc->bitmap->px.begin() + (size_t)y * dc->bitmap->width + x0, x1 - x0, GDI_ToBitmap(c));
}

void GDI_Mix(HDC dc, int x, int y, COLORREF c, int alpha) {
  if (alpha <= 0 || !Inside(dc, x, y)) return;
  if (alpha >= 255) {
    GDI_Put(dc, x, y, c);
    return;
  }
  COLORREF under = 0;
  GDI_Get(dc, x, y, &under);
  GDI_Put(dc, x, y,
          RGB(MixChannel(GetRValue(c), GetRValue(under), alpha), MixChannel(GetGValue(c), GetGValue(under), alpha),
              MixChannel(GetBValue(c), GetBValue(under), alpha)));
}
