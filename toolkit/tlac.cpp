// CTlac, a push button that reports a press once; CDS, a static sprite element.
#include "toolkit/widgets.h"

CTlac::CTlac() : vystup(0), sif(0) { drag_ovatelny = 0; }

// The phase follows the state: 0 normal, 1 pointer over, 2 held.
bool CTlac::INFORMUJ_SA(int mx, int my, int mtlac) {
  if (!viditelny) return false;
  const bool odpoved = CDAS::INFORMUJ_SA(mx, my, mtlac);
  SF(stav);
  sif = stav == 2 ? 1 : 0;
  return odpoved;
}

bool CTlac::INFORMUJ_SA2(int mx, int my, int mtlac) {
  if (!viditelny) return false;
  const int stav_pred = stav;
  INFORMUJ_SA(mx, my, mtlac);
  return stav != stav_pred;
}

// The held picture stays until the next event brings the phase back in line with the state.
bool CTlac::STLACENE() {
  if (stav != 2) return false;
  stav = 1;
  return true;
}

bool CTlac::STLACENE2() const { return stav == 2; }

void CDS::EVIDUJ_2() { EVIDUJ_CS(); }
