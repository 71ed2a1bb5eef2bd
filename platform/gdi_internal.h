// Between the drawing-context files (platform/ only).
#pragma once
#include "platform/ddraw_internal.h"
#include "platform/gdi.h"

// A drawing context: on a surface (GetDC) or on a selected bitmap (CreateCompatibleDC).
struct HDC__ {
  IDirectDrawSurface* surface = nullptr;
  HBITMAP bitmap = nullptr;
  HPEN pen = nullptr;
  HBRUSH brush = nullptr;
  HFONT font = nullptr;
  int bk_mode = OPAQUE;
  COLORREF text_color = RGB(0, 0, 0);
  COLORREF bk_color = RGB(255, 255, 255);
  POINT pos{0, 0};
  RECT clip{0, 0, 0, 0};  // drawing stays inside; the whole target unless text narrows it
};

// Contexts (gdi_dc.cpp).
bool GDI_IsDC(HDC dc);
bool GDI_IsSelected(const TGdiObject* obj);
int GDI_MemoryDCCount();
int GDI_Width(HDC dc);
int GDI_Height(HDC dc);
void GDI_ResetClip(HDC dc);

// Objects (gdi_objects.cpp).
void GDI_Register(TGdiObject* obj);
bool GDI_IsObject(const TGdiObject* obj);  // live or stock
void GDI_Deselected(TGdiObject* obj);      // frees an object whose deletion waited for this
HBITMAP GDI_StockBitmap();                  // the 1 × 1 bitmap a new memory context holds

// Fonts (gdi_font.cpp). The TTF font of a GDI font, opening the stock one on first use.
void* GDI_FontTTF(HFONT font);
HFONT GDI_StockFont();
void GDI_FontClose(TGdiFont* font);

// Pixels of a context, clipped to its clip rectangle (gdi_canvas.cpp). Colours are COLORREF.
void GDI_Put(HDC dc, int x, int y, COLORREF c);
bool GDI_Get(HDC dc, int x, int y, COLORREF* c);  // false outside the target
void GDI_Span(HDC dc, int x0, int x1, int y, COLORREF c);  // x0 … x1 − 1
void GDI_Mix(HDC dc, int x, int y, COLORREF c, int alpha);  // alpha 0 … 255 over what is there

// Bitmap pixels are 0x00RRGGBB, context colours 0x00BBGGRR.
inline uint32_t GDI_ToBitmap(COLORREF c) {
  return ((uint32_t)GetRValue(c) << 16) | ((uint32_t)GetGValue(c) << 8) | GetBValue(c);
}
inline COLORREF GDI_FromBitmap(uint32_t p) { return RGB((p >> 16) & 255, (p >> 8) & 255, p & 255); }
// A context colour as a pixel of `bits` (16 or 32) and back.
inline uint32_t GDI_ToPixel(int bits, COLORREF c) { return PLAT_Pack(bits, GetRValue(c), GetGValue(c), GetBValue(c)); }
inline COLORREF GDI_FromPixel(int bits, uint32_t p) {
  BYTE r, g, b;
  PLAT_Unpack(bits, p, &r, &g, &b);
  return RGB(r, g, b);
}
