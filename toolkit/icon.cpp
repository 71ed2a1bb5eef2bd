// CIcon: one phase of a sheet, drawn where the caller says.
#include <cstring>

#include "toolkit/das.h"

CIcon::CIcon() : Das_Surface(nullptr), viditelny(1) { std::memset(&faza, 0, sizeof(faza)); }

void CIcon::EVIDUJ(int xx, int yy) {
  if (Das_Surface) faza = Das_Surface->ZAMERAJ_FAZU(xx, yy);
}

void CIcon::EVIDUJ_CS() {
  if (Das_Surface) faza = Das_Surface->ZAMERAJ_FAZU_CS();
}

void CIcon::EVID_PREBER(const CIcon* p_icon) {
  if (!p_icon) return;
  Das_Surface = p_icon->Das_Surface;
  faza = p_icon->faza;
}

void CIcon::ZOBRAZ(IDirectDrawSurface* d_SRF, int x, int y) {
  if (viditelny && Das_Surface) Das_Surface->ZOBRAZ_FAZU(d_SRF, x, y, faza, 1);
}

void CIcon::ZOBRAZ_2(IDirectDrawSurface* d_SRF, int L, int P, int H, int D, int x, int y) {
  if (Das_Surface) Das_Surface->ZOBRAZ_FAZU_2(d_SRF, L, P, H, D, x, y, faza);
}

void CIcon::ZOBRAZ_3_centr(IDirectDrawSurface* d_SRF, int L, int P, int H, int D, int x, int y, int centr_mod) {
  int xx;
  if (centr_mod == 1)
    xx = x;
  else if (centr_mod == 2)
    xx = x - faza.SIR;
  else
    xx = x - faza.SIR / 2;
  ZOBRAZ_2(d_SRF, L, P, H, D, xx, y - faza.VYS / 2);
}
