// CDPrep: a check box, or with stlac_mod other than 0 a switch that a press only turns on.
#include "toolkit/widgets.h"

CDPrep::CDPrep() : checked(0), stlac_mod(0), sif(0) { drag_ovatelny = 0; }

// Phases: 0 off, 1 off with the pointer over or held, 2 on, 3 on with the pointer over or held.
bool CDPrep::INFORMUJ_SA(int mx, int my, int mtlac) {
  if (!viditelny) return false;
  const int stav_sta = stav;
  const bool odpoved = CDAS::INFORMUJ_SA(mx, my, mtlac);
  if (stav_sta == 1 && stav == 2) checked = stlac_mod == 0 ? !checked : 1;
  sif = checked ? 1 : 0;
  SF((checked ? 2 : 0) + (stav != 0 ? 1 : 0));
  return odpoved;
}
