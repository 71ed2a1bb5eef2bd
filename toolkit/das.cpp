// CDAS: phases, drawing, hit tests and the mouse state machine of every element.
#include <cstring>

#include "display/screen.h"
#include "toolkit/das.h"
#include "toolkit/das_pixel.h"
#include "toolkit/das_stav.h"
#include "toolkit/widgets.h"

int mr_x = 0;
int mr_y = 0;

CDAS::CDAS()
    : stav(0),
      x(200),
      y(250),
      vx(0),
      center(0),
      viditelny(1),
      drag_ovatelny(1),
      zrkadlo(0),
      eui(0),
      Das_Surface(nullptr),
      akt_faza(0),
      pocet_faz(0),
      TC(0),
      BC(0),
      rx(0),
      ry(0),
      RODIC(nullptr) {
  std::memset(FAZY, 0, sizeof(FAZY));
}

CDAS::~CDAS() {}

// An index that was never registered gives an all-zero phase; one outside the table too.
const TFAZA& CDAS::aktualna_faza() const {
  static const TFAZA nulova = {0, 0, 0, 0, 0, 0};
  return akt_faza >= 0 && akt_faza < FAZY_MAX ? FAZY[akt_faza] : nulova;
}

// A full table refuses the phase.
bool CDAS::pridaj_fazu(const TFAZA& f) {
  if (pocet_faz < 0 || pocet_faz >= FAZY_MAX) return false;
  FAZY[pocet_faz++] = f;
  return true;
}

void CDAS::NAHRAJ_SURFACE(IDirectDraw* p_lpDD, const char* subor) {
  if (Das_Surface) Das_Surface->NAHRAJ_SURFACE(p_lpDD, subor);
}

// The key value then holds for every element on the sheet; the sheet's own TC, which decides
// whether its plain draws are keyed, stays as it was.
void CDAS::TC_NASTAV(int xx, int yy) {
  DWORD px;
  if (!Das_Surface || !DAS_Citaj_pixel(Das_Surface->SURFACE, xx, yy, &px)) return;
  TC = px;
  DAS_Nastav_kluc(Das_Surface->SURFACE, TC);
}

void CDAS::BC_NASTAV(int xx, int yy) {
  DWORD px;
  if (Das_Surface && DAS_Citaj_pixel(Das_Surface->SURFACE, xx, yy, &px)) BC = px;
}

// Measured with the element's own border colour when it has one, so that frames of
// several colours can share a sheet.
void CDAS::EVIDUJ(int xx, int yy) {
  if (!Das_Surface) return;
  const bool vlastna = BC != 0 && BC != Das_Surface->BC;
  const DWORD BC_sheet = Das_Surface->BC;
  if (vlastna) Das_Surface->BC = BC;
  pridaj_fazu(Das_Surface->ZAMERAJ_FAZU(xx, yy));
  if (vlastna) Das_Surface->BC = BC_sheet;
}

void CDAS::EVIDUJ_CS() {
  if (Das_Surface) pridaj_fazu(Das_Surface->ZAMERAJ_FAZU_CS());
}

void CDAS::EVID_PREBER(const CDAS* p_DAS) {
  if (!p_DAS) return;
  Das_Surface = p_DAS->Das_Surface;
  const int n = p_DAS->pocet_faz < 0 ? 0 : p_DAS->pocet_faz > FAZY_MAX ? FAZY_MAX : p_DAS->pocet_faz;
  std::memcpy(FAZY, p_DAS->FAZY, sizeof(TFAZA) * n);
  pocet_faz = n;
  BC = p_DAS->BC;
}

void CDAS::NF() {
  akt_faza += 1;
  if (akt_faza > pocet_faz - 1) akt_faza = 0;
}

void CDAS::SF(int ff) { akt_faza = ff; }

void CDAS::ZOBRAZ(IDirectDrawSurface* d_SRF) {
  if (!viditelny || akt_faza < 0 || akt_faza >= pocet_faz || !Das_Surface) return;
  if (zrkadlo == 0)
    Das_Surface->ZOBRAZ_FAZU(d_SRF, x, y, FAZY[akt_faza], 1);
  else
    Das_Surface->ZOBRAZ_FAZU_Z(d_SRF, x, y, FAZY[akt_faza], 1);
}

bool CDAS::test_v_rect(int xl, int yh, int xp, int yd, int xx, int yy) const {
  return glob_test_v_rect(xl, yh, xp, yd, xx, yy);
}

bool glob_test_v_rect(int xl, int yh, int xp, int yd, int xx, int yy) {
  if (yy > yd) return false;
  if (yy < yh) return false;
  if (xx > xp) return false;
  if (xx < xl) return false;
  return true;
}

// The box reaches two pixels past the drawn phase on the right and at the bottom, because
// SIR and VYS are one more than the drawn size. A held element gets every event.
bool CDAS::INFORMUJ_SA(int mx, int my, int mtlac) {
  if (!viditelny) return false;
  const TFAZA& f = aktualna_faza();
  const bool vnutri = test_v_rect(x, y, x + f.SIR, y + f.VYS, mx, my);
  if (!vnutri && stav != 2) {
    stav = 0;
    return false;
  }
  DAS_Krok_stavu(&stav, &x, &y, drag_ovatelny != 0, mx, my, mtlac);
  return true;
}

bool DAS_Krok_stavu(int* stav, int* x, int* y, bool drag, int mx, int my, int mtlac) {
  if (mtlac == 0 && *stav == 0) {
    *stav = 1;
  } else if (mtlac == 1 && *stav == 1) {
    *stav = 2;
    mr_x = mx - *x;
    mr_y = my - *y;
  } else if (mtlac == -1 && *stav == 2) {
    *stav = 1;
  } else if (drag && mtlac == 0 && *stav == 2) {
    *x = mx - mr_x;
    *y = my - mr_y;
    return true;
  }
  return false;
}

void CDAS::AKTIVUJ() {
  const int sir = aktualna_faza().SIR;
  x += vx;
  if (x > MAXX) x = -sir;
  if (x < -sir) x = MAXX;
}

bool CDAS::ZASAH(int mx, int my) const {
  if (!Das_Surface) return false;
  const TFAZA& f = aktualna_faza();
  return test_v_rect(x + 1, y + 1, x + f.SIR - 2, y + f.VYS - 2, mx, my);
}

// Mirroring is not taken into account.
bool CDAS::OSTRY_ZASAH(int mx, int my) const {
  if (!ZASAH(mx, my)) return false;
  const TFAZA& f = aktualna_faza();
  DWORD px;
  if (!DAS_Citaj_pixel(Das_Surface->SURFACE, f.XL + (mx - x), f.YH + (my - y), &px)) return false;
  return px != Das_Surface->TC;
}

void CDAS::report_faz() const {}

void CDAS::Rodic_reset() {
  if (!RODIC) return;
  x = RODIC->x + rx;
  y = RODIC->y + ry;
}
