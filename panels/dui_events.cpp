// Pointer events of the option panel: hover, press and the pending choice.
#include "panels/dui.h"

unsigned char CDUI::test_v_rect(RECT rc, int xx, int yy) const {
  return rc.left <= xx && xx <= rc.right && rc.top <= yy && yy <= rc.bottom;
}

unsigned char CDUI::INFORMUJ_SA(int mx, int my, int mtlac) {
  if (!viditelny || disablovany) return 0;
  if (Pmod == 1) {
    mx -= Px;
    my -= Py;
  }
  if (!test_v_rect(podkl_rect, mx, my)) {
    for (int i = 0; i < VOL_pocet; i++) VOL[i].stav = 0;
    vystup_2 = -1;
    return 0;
  }
  vystup_2 = -1;
  for (int i = 0; i < VOL_pocet; i++) {
    TVOLBA& v = VOL[i];
    if (!test_v_rect(v.rect, mx, my)) {
      v.stav = 0;
      continue;
    }
    vystup_2 = i;
    switch (mtlac) {
      case 1:
        v.stav = 2;
        vystup = v.ID;
        break;
      case 2:
        v.stav = 1;
        vystup = v.ID + 100;
        break;
      case 0:
        // A pressed item keeps its look until its choice is collected.
        if (vystup <= 0) v.stav = 1;
        break;
      case -1:
        v.stav = 0;
        break;
      default:
        break;
    }
  }
  return 1;
}

unsigned char CDUI::INFORMUJ_MA(int* vvystup) {
  if (vystup <= 0) return 0;
  if (vvystup != nullptr) *vvystup = vystup;
  vystup = 0;
  return 1;
}
