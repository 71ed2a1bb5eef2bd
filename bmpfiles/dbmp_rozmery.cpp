// The size a picture is rescaled to.
#include "bmpfiles/dbmp.h"
#include "bmpfiles/dbmp_5.h"
#include "log/zeph_log.h"

const char* const DBMP_MODUL = "DBMP_5";

namespace {

// side × k truncated, never beyond its bound: float rounding must not push a huge bound
// past what an int holds.
int dbmp_strana(int strana, float k, int hranica) {
  const float v = (float)strana * k;
  return v >= (float)hranica ? hranica : (int)v;
}

}  // namespace

void DBMP_NOVE_ROZMERY(int sir, int vys, int koef, int FIXMAX_sir, int FIXMAX_vys, int* sir2_new, int* vys2_new) {
  if (koef > 0) {
    *sir2_new = sir / koef;
    *vys2_new = vys / koef;
  } else if (koef == 0 && FIXMAX_sir > 0 && FIXMAX_vys > 0 && sir > 0 && vys > 0) {
    const float k1 = (float)FIXMAX_sir / (float)sir;
    const float k2 = (float)FIXMAX_vys / (float)vys;
    const float k = k1 < k2 ? k1 : k2;
    *sir2_new = dbmp_strana(sir, k, FIXMAX_sir);
    *vys2_new = dbmp_strana(vys, k, FIXMAX_vys);
  } else {
    // A negative factor would give a negative size (and INT_MIN / -1 traps); an empty
    // picture has no aspect ratio to keep.
    *sir2_new = 50;
    *vys2_new = 50;
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_ROZMERY, "DBMP_NOVE_ROZMERY() - Chyba vstupu: koef, FIXMAX_sir, FIXMAX_vys",
               FIXMAX_sir, FIXMAX_vys);
  }
}
