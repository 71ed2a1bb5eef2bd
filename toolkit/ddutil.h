// Carrying GDI pictures into display surfaces, and colours into a surface's own pixel values.
// Pictures are looked up first among the program's own bitmap resources, then as files.
#pragma once
#include "platform/ddraw.h"
#include "platform/gdi.h"

// A new plain off-screen surface of sir × vys pixels; null when there is no display object,
// a side is not above 0 or the surface cannot be made.
IDirectDrawSurface* DDVytvor_povrch(IDirectDraw* pdd, int sir, int vys);
// Loads a picture into a new off-screen surface; dx, dy of 0 keep its natural size.
// The picture's size goes to *sir, *vys (left untouched when there is no picture).
IDirectDrawSurface* DDLoadBitmap_ts(IDirectDraw* pdd, const char* szBitmap, int dx, int dy, int* sir, int* vys);
constexpr int DD_KRAT_MAX = 4;
// Loads a picture enlarged krat times (1 … DD_KRAT_MAX), each pixel a krat × krat block (no blending, so border
// and key colours stay exact); its enlarged size goes to *sir, *vys. krat 1 is the natural size.
IDirectDrawSurface* DDLoadBitmap_ts_krat(IDirectDraw* pdd, const char* szBitmap, int krat, int* sir, int* vys);
// Loads a picture scaled to exactly sir × vys; null when either is not above 0.
IDirectDrawSurface* DDLoadBitmap_ts_stretch(IDirectDraw* pdd, const char* szBitmap, int sir, int vys);
// Draws the picture again into an existing surface, stretched over all of it.
HRESULT DDReLoadBitmap(IDirectDrawSurface* pdds, const char* szBitmap);
// Stretches the bitmap's rectangle (x, y, dx × dy; 0 = to the bitmap's edge) over the whole surface.
HRESULT DDCopyBitmap(IDirectDrawSurface* pdds, HBITMAP hbm, int x, int y, int dx, int dy);
// A 256-entry palette: a 3-3-2 colour cube, overlaid by the colour table of the named BMP.
IDirectDrawPalette* DDLoadPalette(IDirectDraw* pdd, const char* szBitmap);
// The surface's native pixel value for a 0x00BBGGRR colour; 0xFFFFFFFF when it cannot be locked.
DWORD DDColorMatch(IDirectDrawSurface* pdds, COLORREF rgb);
// Sets the native value of the colour as the surface's source blit key.
HRESULT DDSetColorKey(IDirectDrawSurface* pdds, COLORREF rgb);
// Releases *pdds (if any) and loads the picture at natural size in its place (null on failure).
void DDReset_ts(IDirectDraw* pdd, IDirectDrawSurface** pdds, const char* szBitmap, int* sir, int* vys);
// Fills the whole surface with a native pixel value.
void DDSURFACE_ZMAZ(IDirectDrawSurface* d_SRF, DWORD farba);
