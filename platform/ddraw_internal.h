// Between the surface files and the drawing contexts (platform/ only).
#pragma once
#include "platform/ddraw.h"

// Largest surface side and area we agree to allocate; anything above is a broken request.
#define DDI_MAX_SIDE 32768
#define DDI_MAX_PIXELS 100000000LL

// The registry of live surfaces: for loss, leak checks and validating surface pointers.
void DDI_Register(IDirectDrawSurface* s);
void DDI_Unregister(IDirectDrawSurface* s);
bool DDI_IsLive(const IDirectDrawSurface* s);

// Gives the surface pixel memory of w × h pixels of `bits` (16 or 32) with a pitch wider than a
// row; false when refused.
bool DDI_Allocate(IDirectDrawSurface* s, int w, int h, int bits);
// Writable row access: bytes, or pixels of the surface's format P (TPlatPix16 / TPlatPix32).
inline uint8_t* DDI_Bytes(IDirectDrawSurface* s, int y) {
  return reinterpret_cast<uint8_t*>(s->pixels.data()) + (size_t)y * s->pitch;
}
template <class P>
inline typename P::T* DDI_Row(IDirectDrawSurface* s, int y) {
  return reinterpret_cast<typename P::T*>(DDI_Bytes(s, y));
}
// One pixel in the surface's format, written or read (paths that are not a hot loop).
inline void DDI_Put(IDirectDrawSurface* s, int x, int y, uint32_t p) {
  if (s->bits == 32)
    DDI_Row<TPlatPix32>(s, y)[x] = p;
  else
    DDI_Row<TPlatPix16>(s, y)[x] = (uint16_t)p;
}
// Runs f(P()) with P the surface's format, so that a row loop is written once for both.
template <class F>
inline void DDI_PerFormat(int bits, F&& f) {
  if (bits == 32)
    f(TPlatPix32());
  else
    f(TPlatPix16());
}
// Fills the description with the surface's size, pitch, caps and pixel format.
void DDI_Describe(const IDirectDrawSurface* s, DDSURFACEDESC* desc);
// The surface was written: a changed primary must be shown again.
void DDI_Touched(const IDirectDrawSurface* s);

// Nearest-neighbour scaling of one axis, by pixel centres: which source coordinate each
// destination coordinate takes. Only positions inside both extents (0 … dsize − 1, 0 … ssize − 1)
// are kept: map[k] belongs to *first + k. Coordinates must stay within ±2^24 (no overflow).
bool DDI_MapAxis(LONG d0, LONG d1, int dsize, LONG s0, LONG s1, int ssize, bool mirror, std::vector<int>* map,
                 int* first);

// Drawing contexts bound to a surface (gdi_dc.cpp).
HDC GDI_CreateSurfaceDC(IDirectDrawSurface* s);
void GDI_FreeSurfaceDC(HDC dc);
// The surface's context, if one is out (used when a surface goes away with its context).
HDC GDI_SurfaceDC(const IDirectDrawSurface* s);
