// Drawing and pointer events of the list panel.
#include "panels/duir.h"

void CDUIR::ZOBRAZ() {
  CDUI::ZOBRAZ();
  if (!Rol_mod || !viditelny) return;
  // Tiles overlap by one row; the last one is cut at the bottom of the row area.
  const int krok = ipruh_.faza.VYS - 1;
  if (krok > 0) {
    const int n = (DH - HH) / krok;
    for (int k = 0; k < n; k++) ipruh_.ZOBRAZ(SRF_PTR, PH + d, HH + k * krok);
    ipruh_.ZOBRAZ_2(SRF_PTR, LH, podkl_rect.right, HH, DH, PH + d, HH + n * krok);
  }
  posuv_.ZOBRAZ(SRF_PTR);
  tlacA_.ZOBRAZ(SRF_PTR);
  tlacB_.ZOBRAZ(SRF_PTR);
}

// While an arrow is held every event moves the list by a tenth of its travel.
unsigned char CDUIR::INFORMUJ_SA(int mx, int my, int mtlac) {
  if (Rol_mod) {
    if (!viditelny || disablovany) return 0;
    posuv_.INFORMUJ_SA(mx, my, mtlac);
    if (posuv_.stav == 2) RESET(posuv_.GP());
    tlacA_.INFORMUJ_SA(mx, my, mtlac);
    if (tlacA_.STLACENE2()) {
      posuv_.SP(posuv_.GP() - Rol_max / 10);
      RESET(posuv_.GP());
    }
    tlacB_.INFORMUJ_SA(mx, my, mtlac);
    if (tlacB_.STLACENE2()) {
      posuv_.SP(posuv_.GP() + Rol_max / 10);
      RESET(posuv_.GP());
    }
  }
  return CDUI::INFORMUJ_SA(mx, my, mtlac);
}
