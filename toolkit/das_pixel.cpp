#include "toolkit/das_pixel.h"

#include <cstring>

DWORD DAS_Pixel(const DDSURFACEDESC& ddsd, int x, int y) {
  const unsigned char* riadok = static_cast<const unsigned char*>(ddsd.lpSurface) + (size_t)y * ddsd.lPitch;
  if (ddsd.ddpfPixelFormat.dwRGBBitCount == 32) {
    uint32_t v;
    std::memcpy(&v, riadok + 4 * (size_t)x, sizeof(v));
    return v & TPlatPix32::kColour;
  }
  uint16_t v;
  std::memcpy(&v, riadok + 2 * (size_t)x, sizeof(v));
  return v;
}

bool DAS_Citaj_pixel(IDirectDrawSurface* srf, int x, int y, DWORD* px) {
  if (!srf) return false;
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof(ddsd));
  ddsd.dwSize = sizeof(ddsd);
  if (srf->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) != DD_OK) return false;
  const bool na_ploche = x >= 0 && y >= 0 && (DWORD)x < ddsd.dwWidth && (DWORD)y < ddsd.dwHeight;
  if (na_ploche) *px = DAS_Pixel(ddsd, x, y);
  srf->Unlock(nullptr);
  return na_ploche;
}

void DAS_Nastav_kluc(IDirectDrawSurface* srf, DWORD kluc) {
  DDCOLORKEY ddck;
  ddck.dwColorSpaceLowValue = kluc;
  ddck.dwColorSpaceHighValue = kluc;
  srf->SetColorKey(DDCKEY_SRCBLT, &ddck);
}
