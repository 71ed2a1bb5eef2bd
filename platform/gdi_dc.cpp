// Drawing contexts: creation, the objects selected into them, text colour and background mode.
#include <algorithm>

#include "platform/fault.h"
#include "platform/gdi_internal.h"

namespace {
// Never destroyed, for the same reason as the object registry: global objects outlive globals.
std::vector<HDC>& Dcs() {
  static auto* const dcs = new std::vector<HDC>();
  return *dcs;
}

HDC NewDC() {
  HDC dc = new HDC__();
  dc->pen = static_cast<HPEN>(GetStockObject(BLACK_PEN));
  dc->brush = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
  dc->font = GDI_StockFont();
  Dcs().push_back(dc);
  return dc;
}

void FreeDC(HDC dc) {
  Dcs().erase(std::remove(Dcs().begin(), Dcs().end(), dc), Dcs().end());
  TGdiObject* held[] = {dc->pen, dc->brush, dc->font, dc->bitmap};
  delete dc;
  for (TGdiObject* o : held)
    if (o) GDI_Deselected(o);
}

// Puts obj into the slot and answers what was there; the old one may now be freed.
template <typename T>
HGDIOBJ Swap(T** slot, T* obj) {
  T* old = *slot;
  *slot = obj;
  if (old != obj) GDI_Deselected(old);
  return old;
}
}  // namespace

bool GDI_IsDC(HDC dc) { return dc && std::find(Dcs().begin(), Dcs().end(), dc) != Dcs().end(); }

bool GDI_IsSelected(const TGdiObject* obj) {
  for (HDC dc : Dcs())
    if (dc->pen == obj || dc->brush == obj || dc->font == obj || dc->bitmap == obj) return true;
  return false;
}

int GDI_MemoryDCCount() {
  return (int)std::count_if(Dcs().begin(), Dcs().end(), [](HDC dc) { return dc->surface == nullptr; });
}

int GDI_Width(HDC dc) { return dc->surface ? dc->surface->width : dc->bitmap->width; }
int GDI_Height(HDC dc) { return dc->surface ? dc->surface->height : dc->bitmap->height; }
void GDI_ResetClip(HDC dc) { dc->clip = RECT{0, 0, GDI_Width(dc), GDI_Height(dc)}; }

HDC GDI_CreateSurfaceDC(IDirectDrawSurface* s) {
  HDC dc = NewDC();
  dc->surface = s;
  GDI_ResetClip(dc);
  return dc;
}

void GDI_FreeSurfaceDC(HDC dc) {
  if (GDI_IsDC(dc) && dc->surface) FreeDC(dc);
}

HDC GDI_SurfaceDC(const IDirectDrawSurface* s) {
  for (HDC dc : Dcs())
    if (dc->surface == s) return dc;
  return nullptr;
}

HDC CreateCompatibleDC(HDC) {
  if (PLAT_FaultHit(PC_CreateCompatibleDC, nullptr)) return nullptr;
  HDC dc = NewDC();
  dc->bitmap = GDI_StockBitmap();
  GDI_ResetClip(dc);
  return dc;
}

BOOL DeleteDC(HDC dc) {
  if (!GDI_IsDC(dc) || dc->surface) return FALSE;  // a surface's context goes back by ReleaseDC
  FreeDC(dc);
  return TRUE;
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ obj) {
  if (!GDI_IsDC(dc) || !GDI_IsObject(obj)) return nullptr;
  if (HPEN p = dynamic_cast<HPEN>(obj)) return Swap(&dc->pen, p);
  if (HBRUSH b = dynamic_cast<HBRUSH>(obj)) return Swap(&dc->brush, b);
  if (HFONT f = dynamic_cast<HFONT>(obj)) return Swap(&dc->font, f);
  HBITMAP bm = dynamic_cast<HBITMAP>(obj);
  if (!bm || dc->surface) return nullptr;
  const HGDIOBJ old = Swap(&dc->bitmap, bm);
  GDI_ResetClip(dc);
  return old;
}

int SetBkMode(HDC dc, int mode) {
  if (!GDI_IsDC(dc) || (mode != TRANSPARENT && mode != OPAQUE)) return 0;
  const int old = dc->bk_mode;
  dc->bk_mode = mode;
  return old;
}

COLORREF SetTextColor(HDC dc, COLORREF color) {
  if (!GDI_IsDC(dc)) return CLR_INVALID;
  const COLORREF old = dc->text_color;
  dc->text_color = color & 0xFFFFFF;
  return old;
}
