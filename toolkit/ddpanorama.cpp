// A panorama file into a surface sized for the pixel store.
#include "toolkit/ddpanorama.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi.h"
#include "platform/user32.h"
#include "toolkit/ddutil.h"

namespace {

// The size to load a picture at: its own (0 × 0) when the sphere around it fits the store,
// else scaled down so that it does.
void DDPanorama_rozmer(const char* nazov, const TGPano* vyrez, int max_sir, int max_vys, int* dx, int* dy) {
  int sir = 0, vys = 0;
  *dx = *dy = 0;
  if (!PLAT_ImageSize(GetModuleHandleA(nullptr), nazov, LR_CREATEDIBSECTION, &sir, &vys) &&
      !PLAT_ImageSize(nullptr, nazov, LR_CREATEDIBSECTION | LR_LOADFROMFILE, &sir, &vys))
    return;
  if (sir <= 0 || vys <= 0) return;
  double gule_sir = sir, gule_vys = vys;
  if (vyrez) {
    gule_sir = (double)vyrez->plny_sir * sir / vyrez->vyrez_sir;
    gule_vys = (double)vyrez->plny_vys * vys / vyrez->vyrez_vys;
  }
  if (gule_sir <= max_sir && gule_vys <= max_vys) return;
  double k;
  if (gule_sir == 2 * gule_vys)
    k = 2.0 * (max_vys - 1) / gule_sir;
  else
    k = std::min(max_sir / gule_sir, max_vys / gule_vys);
  // The small allowance keeps exact products (4000 of 4000) from falling a column short.
  *dx = std::max(1, (int)std::floor(sir * k + 1e-9));
  *dy = std::max(1, (int)std::floor(vys * k + 1e-9));
}

}  // namespace

IDirectDrawSurface* DDLoadPanorama(IDirectDraw* pdd, const char* nazov, int max_sir, int max_vys, int* sir, int* vys,
                                   TGPano* vyrez, bool* s_vyrezom) {
  // Any file but a JPEG reads as having no cropped area.
  *vyrez = TGPano{};
  *s_vyrezom = PLAT_Citaj_GPano(nazov, vyrez) == 1;
  int dx, dy;
  DDPanorama_rozmer(nazov, *s_vyrezom ? vyrez : nullptr, max_sir, max_vys, &dx, &dy);
  return DDLoadBitmap_ts(pdd, nazov, dx, dy, sir, vys);
}
