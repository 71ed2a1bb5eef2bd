#include "app/prekryv.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

bool platne = false;          // the kept pixels are the scene under the overlays
int sir = 0, vys = 0;         // the surface they were kept from: its size and bytes per pixel
size_t bpp = 0;
std::vector<RECT> kusy;       // clipped to the surface, never empty
std::vector<uint8_t> pixely;  // every piece's rows in turn

bool zamkni(IDirectDrawSurface* srf, DDSURFACEDESC* d) {
  *d = {};
  d->dwSize = sizeof(*d);
  return srf != nullptr && srf->Lock(nullptr, d, DDLOCK_SURFACEMEMORYPTR | DDLOCK_WAIT, nullptr) == DD_OK;
}

// Bytes of one pixel, from the surface's format.
size_t bajtov(const DDSURFACEDESC& d) { return (size_t)PLAT_BytesPerPixel(d.ddpfPixelFormat.dwRGBBitCount); }

uint8_t* riadok(const DDSURFACEDESC& d, const RECT& r, LONG y) {
  return static_cast<uint8_t*>(d.lpSurface) + (ptrdiff_t)y * d.lPitch + (size_t)r.left * bajtov(d);
}

// Copies every piece between the surface and the kept pixels, either way.
void prenes(const DDSURFACEDESC& d, bool na_povrch) {
  uint8_t* p = pixely.data();
  for (const RECT& r : kusy) {
    const size_t n = (size_t)(r.right - r.left) * bajtov(d);
    for (LONG y = r.top; y < r.bottom; ++y, p += n) {
      if (na_povrch)
        std::memcpy(riadok(d, r, y), p, n);
      else
        std::memcpy(p, riadok(d, r, y), n);
    }
  }
}

}  // namespace

bool Prekryv_uloz(IDirectDrawSurface* srf, const RECT* r, int n) {
  platne = false;
  DDSURFACEDESC d;
  if (!zamkni(srf, &d)) return false;
  sir = (int)d.dwWidth;
  vys = (int)d.dwHeight;
  bpp = bajtov(d);
  kusy.clear();
  size_t spolu = 0;
  for (int i = 0; i < n; ++i) {
    const RECT c{std::max<LONG>(r[i].left, 0), std::max<LONG>(r[i].top, 0), std::min<LONG>(r[i].right, sir),
                 std::min<LONG>(r[i].bottom, vys)};
    if (c.left >= c.right || c.top >= c.bottom) continue;
    kusy.push_back(c);
    spolu += (size_t)(c.right - c.left) * (size_t)(c.bottom - c.top) * bpp;
  }
  pixely.resize(spolu);
  prenes(d, false);
  srf->Unlock(nullptr);
  platne = true;
  return true;
}

bool Prekryv_vrat(IDirectDrawSurface* srf) {
  if (!platne) return false;
  platne = false;
  DDSURFACEDESC d;
  if (!zamkni(srf, &d)) return false;
  const bool ta_ista = (int)d.dwWidth == sir && (int)d.dwHeight == vys && bajtov(d) == bpp;
  if (ta_ista) prenes(d, true);
  srf->Unlock(nullptr);
  return ta_ista;
}

void Prekryv_zabudni() { platne = false; }
