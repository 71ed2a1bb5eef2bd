// Mouse: the pointer sprite, buttons and panels, strip dragging, navigation and the wheel.
#include "app/app.h"
#include "app/input.h"
#include "app/input_internal.h"
#include "app/modes.h"
#include "app/panorama.h"
#include "app/pulse.h"
#include "app/scene.h"
#include "app/sprava.h"
#include "app/startup.h"
#include "app/ui.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/view.h"

namespace {

// Mouse events as the elements and panels take them.
constexpr int MYS_POHYB = 0;
constexpr int MYS_DOLE = 1;
constexpr int MYS_HORE = -1;
// The pointer's hot spot lies this far right of the sprite's left edge.
constexpr int KURZOR_HROT = 7;
constexpr int D_KROK_TLACIDLO = 30;
constexpr int KOLIESKO_DELITEL = 6;

// The three panels in the order they are offered events, each with its toggle button.
enum { P_ZOZNAM, P_GR_MOD, P_SITO, P_POCET };
CDUI* const PANEL[P_POCET] = {&dui_PANO, &dui_gr_mod, &dui_sito};
const int PANEL_TLACIDLO[P_POCET] = {TL_ZOZNAM, TL_GR_MOD, TL_SITO};

// The list hides the base panel's event handling with its own scrolling one.
void informuj_panel(int k, int ev) {
  if (k == P_ZOZNAM) {
    dui_PANO.INFORMUJ_SA(mx, my, ev);
  } else {
    PANEL[k]->INFORMUJ_SA(mx, my, ev);
  }
}

void informuj_tlacidla(int ev) {
  for (int i = 0; i < tlacidlo_poc; ++i) tlacidlo[i].INFORMUJ_SA(mx, my, ev);
}

void citaj_polohu(LPARAM lParam) {
  mx = GET_X_LPARAM(lParam);
  my = GET_Y_LPARAM(lParam);
  kurzor.x = mx - KURZOR_HROT;
  kurzor.y = my;
}

void tahaj_ovladac() {
  ovl_pos = my - ovl_chytdelta;
  if (ovl_pos < 0) ovl_pos = 0;
  if (ovl_pos + ovl_vys > obraz_vys) ovl_pos = obraz_vys - ovl_vys;
  for (int i = 0; i < tlacidlo_lista_poc; ++i) tlacidlo[i].y = ovl_pos;
}

// The previous or next panorama, wrapping at both ends of the list.
void dalsia_panorama(int smer) {
  zvuk_2.SPUSTI();
  PAN_id += smer;
  if (PAN_id < 0) PAN_id = PAN_id_max;
  if (PAN_id > PAN_id_max) PAN_id = 0;
  Zobraz_PANORAMU(PAN_id, 0);
  dui_PANO.viditelny = 0;
}

// Steps of a press on the buttons; true when the view must be rendered anew.
bool stlacene_tlacidla() {
  bool cely = false;
  if (tlacidlo[TL_ODDIAL].STLACENE()) {
    Zmen_D(-D_KROK_TLACIDLO);
    cely = true;
  }
  if (tlacidlo[TL_PRIBLIZ].STLACENE()) {
    Zmen_D(D_KROK_TLACIDLO);
    cely = true;
  }
  // Toggles in the order [2], [3], [7].
  const int prepinace[] = {TL_GR_MOD, TL_SITO, TL_ZOZNAM};
  CDUI* const prepinane[] = {&dui_gr_mod, &dui_sito, &dui_PANO};
  for (int i = 0; i < 3; ++i) {
    if (tlacidlo[prepinace[i]].STLACENE()) {
      prepinane[i]->viditelny = prepinane[i]->viditelny ? 0 : 1;
      cely = true;
      lave_dole = 0;
    }
  }
  if (tlacidlo[TL_PRED].STLACENE()) {
    dalsia_panorama(-1);
    cely = true;
    lave_dole = 0;
  }
  if (tlacidlo[TL_DALSI].STLACENE()) {
    dalsia_panorama(1);
    cely = true;
    lave_dole = 0;
  }
  return cely;
}

// Grid sizes of the grid menu's items 1 … 5.
const int SITO_VELKOST[] = {10, 15, 20, 25, 40};
constexpr int SITO_VOLIEB = (int)(sizeof(SITO_VELKOST) / sizeof(SITO_VELKOST[0]));

// Choices waiting in the panels. False when a refused display mode ended the run.
bool volby_panelov(bool* cely) {
  int volba = 0;
  if (dui_PANO.viditelny && dui_PANO.INFORMUJ_MA(&volba)) {
    zvuk_2.SPUSTI();
    Zobraz_PANORAMU(volba - 1, 0);
    dui_PANO.viditelny = 0;
    *cely = true;
  }
  if (dui_gr_mod.viditelny && dui_gr_mod.INFORMUJ_MA(&volba)) {
    if (RESET_GM(volba) != 0) {
      Inic_problem(hWnd_GLOB);
      return false;
    }
    dui_gr_mod.viditelny = 0;
    *cely = true;
  }
  if (dui_sito.viditelny && dui_sito.INFORMUJ_MA(&volba)) {
    if (volba >= 1 && volba <= SITO_VOLIEB) Reset_Sito(SITO_VELKOST[volba - 1], SITO_VELKOST[volba - 1]);
    dui_sito.viditelny = 0;
    *cely = true;
  }
  return true;
}

}  // namespace

void Mys_pohyb(LPARAM lParam) {
  citaj_polohu(lParam);
  demo_mod = 0;
  pulz_poc_msna = 0;
  bool cely = false;
  informuj_tlacidla(MYS_POHYB);
  if (dui_PANO.viditelny) {
    informuj_panel(P_ZOZNAM, MYS_POHYB);
    if (dui_PANO.vystup_2 != dui_PANO_vystup_2_sta && dui_PANO.vystup_2 > -1) zvuk_1.SPUSTI();
    dui_PANO_vystup_2_sta = dui_PANO.vystup_2;
    cely = true;
  }
  for (int k = P_GR_MOD; k < P_POCET; ++k) {
    if (PANEL[k]->viditelny) {
      informuj_panel(k, MYS_POHYB);
      cely = true;
    }
  }
  if (ovl_uchopeny) tahaj_ovladac();
  IN_dx = mx - SX;
  IN_dy = -(my - SY);
  Prekresli_scenu(cely ? 1 : 0);
}

bool Mys_lave_dole(LPARAM lParam) {
  lave_dole = 1;
  demo_mod = 0;
  pulz_poc_msna = 0;
  citaj_polohu(lParam);
  kurzor.SF(1);

  // The grab band is the strip's rows below its top row.
  const int d = my - ovl_pos;
  if (d > 0 && d < ovl_vys) {
    ovl_uchopeny = 1;
    ovl_chytdelta = d;
  }

  // A press outside a panel and off its toggle button closes it.
  for (int k = 0; k < P_POCET; ++k) {
    CDUI& p = *PANEL[k];
    if (p.viditelny && !p.test_v_rect(p.podkl_rect, mx, my) && !tlacidlo[PANEL_TLACIDLO[k]].ZASAH(mx, my)) {
      p.viditelny = 0;
    }
  }

  informuj_tlacidla(MYS_DOLE);
  for (int k = 0; k < P_POCET; ++k) {
    if (PANEL[k]->viditelny) {
      informuj_panel(k, MYS_DOLE);
      lave_dole = 0;
    }
  }

  bool cely = stlacene_tlacidla();
  if (!volby_panelov(&cely)) return false;
  Prekresli_scenu(cely ? 1 : 0);
  return true;
}

void Mys_lave_hore(HWND hWnd) {
  lave_dole = 0;
  pulz_poc_msna = 0;
  kurzor.SF(0);
  ovl_uchopeny = 0;
  if (tlacidlo[TL_KONIEC].STLACENE()) FINITO(hWnd);
  informuj_tlacidla(MYS_HORE);
  for (int k = 0; k < P_POCET; ++k) {
    if (PANEL[k]->viditelny) informuj_panel(k, MYS_HORE);
  }
  Prekresli_scenu(1);
}

void Mys_prave_dole() {
  demo_mod = 0;
  pulz_poc_msna = 0;
  dui_PANO.viditelny = dui_PANO.viditelny ? 0 : 1;
  Prekresli_scenu(1);
}

void Mys_koliesko(WPARAM wParam) {
  demo_mod = 0;
  pulz_poc_msna = 0;
  const int w = GET_WHEEL_DELTA_WPARAM(wParam);
  Zmen_D(w > 0 ? w / KOLIESKO_DELITEL : -(-w / KOLIESKO_DELITEL));
  Prekresli_scenu(1);
}
