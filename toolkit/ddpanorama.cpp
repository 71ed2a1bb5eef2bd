// Finding a panorama file and the size it is loaded at.
#include "toolkit/ddpanorama.h"

#include <algorithm>
#include <cmath>

#include "platform/gdi.h"
#include "platform/user32.h"

namespace {

// A bitmap resource of the name wins over a file of it, as for every picture the program loads.
bool DDPanorama_najdi(const char* nazov, TDDPanorama* p, int* sir, int* vys) {
  p->hinst = GetModuleHandleA(nullptr);
  p->flags = LR_CREATEDIBSECTION;
  if (PLAT_ImageSize(p->hinst, nazov, p->flags, sir, vys)) return true;
  p->hinst = nullptr;
  p->flags = LR_CREATEDIBSECTION | LR_LOADFROMFILE;
  return PLAT_ImageSize(p->hinst, nazov, p->flags, sir, vys);
}

}  // namespace

bool DDPanorama_zisti(const char* nazov, int max_sir, int max_vys, TDDPanorama* p) {
  // Any file but a JPEG reads as having no cropped area.
  p->vyrez = TGPano{};
  p->s_vyrezom = PLAT_Citaj_GPano(nazov, &p->vyrez) == 1;
  int sir = 0, vys = 0;
  if (!DDPanorama_najdi(nazov, p, &sir, &vys) || sir <= 0 || vys <= 0) return false;
  p->sir = sir;
  p->vys = vys;
  double gule_sir = sir, gule_vys = vys;
  if (p->s_vyrezom) {
    gule_sir = (double)p->vyrez.plny_sir * sir / p->vyrez.vyrez_sir;
    gule_vys = (double)p->vyrez.plny_vys * vys / p->vyrez.vyrez_vys;
  }
  if (gule_sir <= max_sir && gule_vys <= max_vys) return true;
  const double k = std::min(max_sir / gule_sir, max_vys / gule_vys);
  // The small allowance keeps exact products (16384 of 16384) from falling a column short.
  p->sir = std::max(1, (int)std::floor(sir * k + 1e-9));
  p->vys = std::max(1, (int)std::floor(vys * k + 1e-9));
  return true;
}
