// CDDialog: a movable panel on a dark green ground; its children see mouse events first
// and follow it when it is dragged.
#include "platform/gdi.h"
#include "toolkit/das_stav.h"
#include "toolkit/widgets.h"

CDDialog::CDDialog() : sir(0), vys(0), stav(0), podkl_def(1), viditelny(1), CHL(), CHL_pocet(0) {}

// A full dialog refuses the child.
void CDDialog::PRIDAJ(CDAS* p_das) {
  if (!p_das || CHL_pocet < 0 || CHL_pocet >= CHL_MAX) return;
  CHL[CHL_pocet++] = p_das;
  p_das->RODIC = this;
}

void CDDialog::ZOBRAZ(IDirectDrawSurface* d_SRF) {
  if (!viditelny || !d_SRF) return;
  if (podkl_def == 1) {
    HBRUSH stetec = CreateSolidBrush(RGB(0, 100, 0));
    HDC hdc = nullptr;
    if (d_SRF->GetDC(&hdc) == DD_OK) {
      const RECT r{x, y, x + sir, y + vys};
      FillRect(hdc, &r, stetec);
      d_SRF->ReleaseDC(hdc);
    }
    DeleteObject(stetec);
  }
  for (int i = 0; i < CHL_pocet; i++) CHL[i]->CDAS::ZOBRAZ(d_SRF);
}

bool CDDialog::INFORMUJ_SA(int mx, int my, int mtlac) {
  if (!viditelny) return false;
  const bool vnutri = glob_test_v_rect(x, y, x + sir, y + vys, mx, my);
  if (!vnutri && stav != 2) {
    stav = 0;
    return false;
  }
  for (int i = 0; i < CHL_pocet; i++)
    if (CHL[i]->INFORMUJ_SA(mx, my, mtlac)) return true;
  // a dialog is always draggable
  if (DAS_Krok_stavu(&stav, &x, &y, true, mx, my, mtlac))
    for (int i = 0; i < CHL_pocet; i++) CHL[i]->Rodic_reset();
  return true;
}
