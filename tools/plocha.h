// Off-screen surfaces for the panel demo, tests and benchmark: painting
// one pixel by pixel, and reading it back as an 8-bit picture.
#pragma once
#include <cstring>

#include "platform/ddraw.h"
#include "tools/bmp24.h"

// Every pixel gets farba(x, y); false when the surface cannot be locked.
template <typename F>
bool PANEL_Namaluj(IDirectDrawSurface* s, F farba) {
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof ddsd);
  ddsd.dwSize = sizeof ddsd;
  if (s->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) != DD_OK) return false;
  for (DWORD y = 0; y < ddsd.dwHeight; y++) {
    uint16_t* riadok = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(ddsd.lpSurface) + y * ddsd.lPitch);
    for (DWORD x = 0; x < ddsd.dwWidth; x++) riadok[x] = farba((int)x, (int)y);
  }
  s->Unlock(nullptr);
  return true;
}

inline TRgbPicture PANEL_Obraz(IDirectDrawSurface* s) {
  TRgbPicture o(s->PLAT_Width(), s->PLAT_Height());
  for (int y = 0; y < o.h; y++)
    for (int x = 0; x < o.w; x++) {
      BYTE r, g, b;
      PLAT_Unpack565(s->PLAT_Row(y)[x], &r, &g, &b);
      o.Set(x, y, r, g, b);
    }
  return o;
}
