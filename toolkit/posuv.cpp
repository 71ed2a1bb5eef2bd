// CPosuv: a knob held on its track while dragged, its position mapped linearly onto a value.
#include "toolkit/widgets.h"

CPosuv::CPosuv()
    : pol_Min(0),
      pol_Max(100),
      pol_Fix(10),
      rpol_Min(0),
      rpol_Max(0),
      rpol_Fix(0),
      pol_Typ('H'),
      map_A(0),
      map_B(100),
      map_Aktpoz(0) {
  drag_ovatelny = 1;
}

namespace {
// A degenerate track or range maps everything to its start rather than dividing by zero.
float Podiel(int citatel, int menovatel) { return menovatel != 0 ? (float)citatel / (float)menovatel : 0.0f; }
}  // namespace

// While held, every event (the press included) snaps the knob to its track and recomputes
// the value; position to value truncates, so a press can lower a value that SP set.
bool CPosuv::INFORMUJ_SA(int mx, int my, int mtlac) {
  if (!viditelny) return false;
  const bool odpoved = CDAS::INFORMUJ_SA(mx, my, mtlac);
  SF(stav);
  if (stav != 2) return odpoved;
  float koef = 0.0f;
  if (pol_Typ == 'V') {
    x = pol_Fix;
    if (y < pol_Min) y = pol_Min;
    if (y > pol_Max) y = pol_Max;
    koef = Podiel(y - pol_Min, pol_Max - pol_Min);
  } else if (pol_Typ == 'H') {
    y = pol_Fix;
    if (x < pol_Min) x = pol_Min;
    if (x > pol_Max) x = pol_Max;
    koef = Podiel(x - pol_Min, pol_Max - pol_Min);
  }
  if (RODIC) {
    rx = x - RODIC->x;
    ry = y - RODIC->y;
  }
  map_Aktpoz = map_A + (int)((float)(map_B - map_A) * koef);
  return true;
}

void CPosuv::Poz_reset() {
  const float koef = Podiel(map_Aktpoz - map_A, map_B - map_A);
  const int na_drahe = pol_Min + (int)((float)(pol_Max - pol_Min) * koef);
  if (pol_Typ == 'V') {
    x = pol_Fix;
    y = na_drahe;
  } else if (pol_Typ == 'H') {
    y = pol_Fix;
    x = na_drahe;
  }
  if (RODIC) {
    rx = x - RODIC->x;
    ry = y - RODIC->y;
  }
}

void CPosuv::SP(int hod) {
  map_Aktpoz = hod;
  if (map_Aktpoz < map_A) map_Aktpoz = map_A;
  if (map_Aktpoz > map_B) map_Aktpoz = map_B;
  Poz_reset();
}

int CPosuv::GP() const { return map_Aktpoz; }

void CPosuv::Rodic_reset() {
  if (!RODIC) return;
  CDAS::Rodic_reset();
  if (pol_Typ == 'V') {
    pol_Min = RODIC->y + rpol_Min;
    pol_Max = RODIC->y + rpol_Max;
    pol_Fix = RODIC->x + rpol_Fix;
  } else if (pol_Typ == 'H') {
    pol_Min = RODIC->x + rpol_Min;
    pol_Max = RODIC->x + rpol_Max;
    pol_Fix = RODIC->y + rpol_Fix;
  }
}
