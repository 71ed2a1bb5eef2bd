#include "toolkit/das_pixel.h"

#include <cstring>

bool DAS_Citaj_pixel(IDirectDrawSurface* srf, int x, int y, unsigned short* px) {
  if (!srf) return false;
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof(ddsd));
  ddsd.dwSize = sizeof(ddsd);
  if (srf->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) != DD_OK) return false;
  const bool na_ploche = x >= 0 && y >= 0 && (DWORD)x < ddsd.dwWidth && (DWORD)y < ddsd.dwHeight;
  if (na_ploche) {
    const unsigned char* riadok = static_cast<const unsigned char*>(ddsd.lpSurface) + (size_t)y * ddsd.lPitch;
    std::memcpy(px, riadok + 2 * (size_t)x, sizeof(*px));
  }
  srf->Unlock(nullptr);
  return na_ploche;
}

void DAS_Nastav_kluc(IDirectDrawSurface* srf, unsigned short kluc) {
  DDCOLORKEY ddck;
  ddck.dwColorSpaceLowValue = kluc;
  ddck.dwColorSpaceHighValue = kluc;
  srf->SetColorKey(DDCKEY_SRCBLT, &ddck);
}
