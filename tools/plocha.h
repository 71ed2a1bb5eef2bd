// Off-screen surfaces for the panel demo, tests and benchmark: painting
// one pixel by pixel, and reading it back as an 8-bit picture.
#pragma once
#include <cstring>

#include "platform/ddraw.h"
#include "tools/bmp24.h"

// Every pixel gets the colour farba(x, y) (0x00RRGGBB) in the surface's format; false when the
// surface cannot be locked.
template <typename F>
bool PANEL_Namaluj(IDirectDrawSurface* s, F farba) {
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof ddsd);
  ddsd.dwSize = sizeof ddsd;
  if (s->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) != DD_OK) return false;
  const bool siroke = ddsd.ddpfPixelFormat.dwRGBBitCount == 32;
  for (DWORD y = 0; y < ddsd.dwHeight; y++) {
    uint8_t* riadok = static_cast<uint8_t*>(ddsd.lpSurface) + y * ddsd.lPitch;
    for (DWORD x = 0; x < ddsd.dwWidth; x++) {
      const uint32_t c = farba((int)x, (int)y);
      if (siroke)
        reinterpret_cast<uint32_t*>(riadok)[x] = c & 0xFFFFFF;
      else
        reinterpret_cast<uint16_t*>(riadok)[x] = PLAT_Pack565((uint8_t)(c >> 16), (uint8_t)(c >> 8), (uint8_t)c);
    }
  }
  s->Unlock(nullptr);
  return true;
}

inline TRgbPicture PANEL_Obraz(IDirectDrawSurface* s) {
  TRgbPicture o(s->PLAT_Width(), s->PLAT_Height());
  for (int y = 0; y < o.h; y++)
    for (int x = 0; x < o.w; x++) {
      BYTE r, g, b;
      PLAT_Unpack(s->PLAT_Bits(), s->PLAT_Pixel(x, y), &r, &g, &b);
      o.Set(x, y, r, g, b);
    }
  return o;
}
