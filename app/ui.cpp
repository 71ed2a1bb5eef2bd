// The viewer's screen objects and their assembly at start-up.
#include "app/ui.h"

#include <cstdio>
#include <memory>

#include "app/app.h"
#include "app/modes.h"
#include "app/panorama.h"
#include "app/scene.h"
#include "bmpfiles/dbmp.h"
#include "display/screen.h"
#include "engine/sieve.h"

// Constructed in this order, destroyed in the reverse one.
CDas_Surface rezia;
CTlac tlacidlo[TLACIDLO_MAX];
CDAS kurzor;
CDUIR dui_PANO;
CDUI dui_gr_mod;
CDUI dui_sito;
std::vector<CIcon> PAN_ICON_thmb;
CDSO_Zvuk zvuk_1;
CDSO_Zvuk zvuk_2;

int UI_mierka = 1;
int tlacidlo_poc = 0;
int tlacidlo_lista_poc = 0;

const char* const REZIA_SUBOR = "rezia_pan.bmp";

namespace {

// The thumbnails' own sheets, one per panorama that has a thumbnail file; they live for
// the whole run and are reused when the interface is assembled again.
std::vector<std::unique_ptr<CDas_Surface>> nahlad_rezia;

// Font and brushes shared by the three panels; the panels do not delete them.
HBRUSH stet_vybr = nullptr;
HBRUSH stet_aktiv = nullptr;
HFONT font_hnd = nullptr;

struct TBod2 {
  int x, y;
};

// Sheet pixels inside each button's phases, in the order they are registered:
// a button shows phase i in state i (normal, pointer over, held).
struct TTlacFazy {
  int pocet;
  TBod2 bod[3];
};
const TTlacFazy TLAC_FAZY[] = {
    {2, {{5, 5}, {5, 20}}},
    {2, {{25, 5}, {25, 20}}},
    {2, {{45, 5}, {45, 20}}},
    {2, {{60, 5}, {60, 20}}},
    {3, {{80, 5}, {80, 5}, {80, 20}}},
    {3, {{95, 10}, {110, 10}, {125, 10}}},
    {3, {{135, 10}, {150, 10}, {165, 10}}},
    {3, {{180, 80}, {230, 80}, {230, 80}}},
};
constexpr int TLAC_POCET = (int)(sizeof(TLAC_FAZY) / sizeof(TLAC_FAZY[0]));
constexpr int TLAC_LISTA_POCET = 5;

void eviduj(CDAS& prvok, int pocet, const TBod2* bod) {
  prvok.Das_Surface = &rezia;
  prvok.pocet_faz = 0;
  prvok.akt_faza = 0;
  for (int i = 0; i < pocet; ++i) prvok.EVIDUJ(bod[i].x, bod[i].y);
}

// The phases of the pointer and the buttons, measured on the sheet at its scale.
void eviduj_sprity() {
  const TBod2 fazy[] = {{5, 55}, {25, 55}};
  eviduj(kurzor, 2, fazy);
  for (int i = 0; i < TLAC_POCET; ++i) eviduj(tlacidlo[i], TLAC_FAZY[i].pocet, TLAC_FAZY[i].bod);
}

void zostav_kurzor_a_tlacidla() {
  eviduj_sprity();
  kurzor.x = 100;
  kurzor.y = 100;
  tlacidlo_lista_poc = TLAC_LISTA_POCET;
  tlacidlo_poc = TLAC_POCET;
  Rozmiestni_tlacidla();
}

// The panels' font at the interface's scale.
void vytvor_font() {
  if (font_hnd != nullptr) DeleteObject(font_hnd);
  font_hnd = CreateFontA(20 * UI_mierka, 10 * UI_mierka, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                         CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
}

void vytvor_font_a_stetce() {
  if (stet_vybr != nullptr) DeleteObject(stet_vybr);
  if (stet_aktiv != nullptr) DeleteObject(stet_aktiv);
  stet_vybr = CreateSolidBrush(RGB(60, 60, 255));
  stet_aktiv = CreateSolidBrush(RGB(255, 60, 60));
  vytvor_font();
}

// Settings the three panels share.
void nastav_panel(CDUI& panel, unsigned char viditelny) {
  panel.viditelny = viditelny;
  panel.disablovany = 0;
  panel.SRF_PTR = lpDDSBack;
  panel.podkl_typ = 1;
  panel.Select_mod = 3;
  panel.stet_vybr = stet_vybr;
  panel.stet_aktiv = stet_aktiv;
  panel.font_hnd = font_hnd;
}

// The thumbnail of panorama i: its sheet, loaded from the thumbnail file, as icon i.
// False when there is no thumbnail file.
bool nahraj_nahlad(int i) {
  char cesta[DBMP_MAX_CESTA];
  DBMP_Cesta_nahladu(PAN_subor[i], cesta);
  if (!DBMP_Existuje_sub(cesta)) return false;
  if (nahlad_rezia[i] == nullptr) nahlad_rezia[i].reset(new CDas_Surface);
  nahlad_rezia[i]->mierka = UI_mierka;
  nahlad_rezia[i]->NAHRAJ_SURFACE(lpDD, cesta);
  PAN_ICON_thmb[i].Das_Surface = nahlad_rezia[i].get();
  PAN_ICON_thmb[i].EVIDUJ_CS();
  return true;
}

int pocet_panoram() { return PAN_id_max + 1; }

void zostav_zoznam() {
  nastav_panel(dui_PANO, PAN_param_file[0] == '\0' ? 1 : 0);
  dui_PANO.VYMAZ();
  // A row per panorama and the closing row; the list holds at least its usual 50.
  const int pocet = pocet_panoram();
  dui_PANO.VOLR_kapacita = pocet + 1 > CDUIR::VOLR_MAX ? pocet + 1 : CDUIR::VOLR_MAX;
  if ((int)PAN_ICON_thmb.size() < pocet) PAN_ICON_thmb.resize((size_t)pocet);
  if ((int)nahlad_rezia.size() < pocet) nahlad_rezia.resize((size_t)pocet);
  for (int i = 0; i < pocet; ++i) {
    char meno[DBMP_MAX_MENO];
    DBMP_Vystrihni_meno(PAN_subor[i], meno);
    const bool ma_nahlad = nahraj_nahlad(i);
    if (!ma_nahlad) PAN_ICON_thmb[i].Das_Surface = nullptr;
    dui_PANO.PRIDAJ2(meno, i + 1, ma_nahlad ? i : -1);
  }
  dui_PANO.PRIDAJ2("<Zavriet>", 100, -1);
  Rozloz_zoznam(dui_PANO);
  dui_PANO.ICON = PAN_ICON_thmb.data();
  dui_PANO.ICON_pocet = (int)PAN_ICON_thmb.size();
  Prevezmi_ovladace_zoznamu(dui_PANO, &rezia);
  dui_PANO.RESET_GEOMETRIER();
}

struct TPolozka {
  const char* text;
  int ID;
};

// A menu's sizes at the interface's scale; c is its width at the natural one.
void rozmery_menu(CDUI& menu, int c) {
  const int m = UI_mierka;
  menu.font_sir = 10 * m;
  menu.a = 30 * m;
  menu.b = 32 * m;
  menu.c = c * m;
  menu.d = 10 * m;
  menu.e = 6 * m;
}

void zostav_menu(CDUI& menu, const TPolozka* polozky, int pocet, int c) {
  nastav_panel(menu, 0);
  menu.VYMAZ();
  for (int i = 0; i < pocet; ++i) menu.PRIDAJ(polozky[i].text, polozky[i].ID);
  rozmery_menu(menu, c);
  menu.RESET_GEOMETRIE(2);
}

// Widths of the two menus at the natural scale.
constexpr int GR_MOD_SIRKA = 170;
constexpr int SITO_SIRKA = 140;
// The classic modes of the menu; the desktop's own is added after them, labelled by its size.
const TPolozka GR_MOD_POLOZKY[] = {{"640 x 480", 2}, {"800 x 600", 3}, {"1024 x 768", 4}, {"1280 x 1024", 5}};
const TPolozka SITO_POLOZKY[] = {
    {"10 x 10", 1}, {"15 x 15", 2}, {"20 x 20", 3}, {"25 x 25", 4}, {"40 x 40", 5}, {"<Zavriet>", 100}};

}  // namespace

void Rozloz_zoznam(CDUIR& zoznam) {
  const int m = UI_mierka;
  zoznam.a = 31 * m;
  zoznam.b = 32 * m;
  zoznam.c = 390 * m;
  zoznam.d = 10 * m;
  zoznam.e = 6 * m;
  zoznam.f = 110 * m;
  zoznam.g = 3 * m;
  zoznam.h = 4 * m;
  zoznam.Text_mod = 1;
  zoznam.Icon_mod = 1;
  zoznam.f2 = zoznam.c - 5 * m;
  zoznam.text_ZAROVNANIE = 'L';
  zoznam.Rol_poc_zobr = 8;
}

void Prevezmi_ovladace_zoznamu(CDUIR& zoznam, CDas_Surface* harok) {
  // Prototypes only: the list copies their sheet and phases.
  CPosuv posuv;
  CTlac hore, dole;
  CIcon pruh;
  posuv.Das_Surface = hore.Das_Surface = dole.Das_Surface = pruh.Das_Surface = harok;
  const TBod2 posuv_fazy[] = {{190, 10}, {190, 10}, {210, 10}};
  const TBod2 hore_fazy[] = {{50, 60}, {50, 60}, {80, 60}};
  const TBod2 dole_fazy[] = {{100, 60}, {100, 60}, {130, 60}};
  for (const TBod2& b : posuv_fazy) posuv.EVIDUJ(b.x, b.y);
  for (const TBod2& b : hore_fazy) hore.EVIDUJ(b.x, b.y);
  for (const TBod2& b : dole_fazy) dole.EVIDUJ(b.x, b.y);
  pruh.EVIDUJ(240, 10);
  zoznam.posuv_.EVID_PREBER(&posuv);
  zoznam.tlacA_.EVID_PREBER(&hore);
  zoznam.tlacB_.EVID_PREBER(&dole);
  zoznam.ipruh_.EVID_PREBER(&pruh);
}

int UI_Mierka_pre(int sir) { return sir >= UI_SIRKA_DVOJITA ? 2 : 1; }

void Nahraj_reziu() {
  rezia.mierka = UI_mierka;
  rezia.NAHRAJ_SURFACE(lpDD, REZIA_SUBOR);
  rezia.BC_NASTAV(0, 0);
  rezia.TC_NASTAV(3, 3);
}

void Rozmiestni_tlacidla() {
  const int m = UI_mierka;
  const struct {
    int x, y;
  } poloha[TLAC_POCET] = {{40 * m, ovl_pos},  {62 * m, ovl_pos},  {162 * m, ovl_pos},
                          {184 * m, ovl_pos}, {obraz_sir - 40 * m, ovl_pos},
                          {40 * m, SY},       {MAXX - 50 * m, SY}, {MAXX - 80 * m, 30 * m}};
  for (int i = 0; i < TLAC_POCET; ++i) {
    tlacidlo[i].x = poloha[i].x;
    tlacidlo[i].y = poloha[i].y;
  }
}

void Nahraj_nahlady() {
  for (int i = 0; i < pocet_panoram() && i < (int)PAN_ICON_thmb.size(); ++i) {
    if (PAN_ICON_thmb[i].Das_Surface != nullptr) nahraj_nahlad(i);
  }
}

void Uvolni_nahlady() {
  for (const std::unique_ptr<CDas_Surface>& s : nahlad_rezia) {
    if (s != nullptr && s->SURFACE != nullptr) {
      s->SURFACE->Release();
      s->SURFACE = nullptr;
    }
  }
}

void Nasmeruj_panely(IDirectDrawSurface* srf) {
  dui_PANO.SRF_PTR = srf;
  dui_gr_mod.SRF_PTR = srf;
  dui_sito.SRF_PTR = srf;
}

bool Panel_zobrazeny() { return dui_PANO.viditelny || dui_gr_mod.viditelny || dui_sito.viditelny; }

void Zostav_rozhranie() {
  // The descriptor the engine locks with is usable from here on.
  ddsd_D.dwSize = sizeof(ddsd_D);

  Nahraj_reziu();
  Init_ovladac(0, 2);
  zostav_kurzor_a_tlacidla();
  vytvor_font_a_stetce();
  zostav_zoznam();
  Zostav_menu_modov();
  zostav_menu(dui_sito, SITO_POLOZKY, (int)(sizeof(SITO_POLOZKY) / sizeof(SITO_POLOZKY[0])), SITO_SIRKA);
}

void Zostav_menu_modov() {
  constexpr int KLASICKE = (int)(sizeof(GR_MOD_POLOZKY) / sizeof(GR_MOD_POLOZKY[0]));
  char plocha[32];
  std::snprintf(plocha, sizeof(plocha), "%d x %d", plocha_sir, plocha_vys);
  TPolozka polozky[KLASICKE + 2];
  for (int i = 0; i < KLASICKE; ++i) polozky[i] = GR_MOD_POLOZKY[i];
  polozky[KLASICKE] = TPolozka{plocha, GM_PLOCHA};
  polozky[KLASICKE + 1] = TPolozka{"<Zavriet>", 100};
  zostav_menu(dui_gr_mod, polozky, KLASICKE + 2, GR_MOD_SIRKA);
}

void Prisposob_mierke() {
  eviduj_sprity();
  Prevezmi_ovladace_zoznamu(dui_PANO, &rezia);
  ovl_vys = Ovladac_vyska();
  vytvor_font();
  for (CDUI* panel : {static_cast<CDUI*>(&dui_PANO), &dui_gr_mod, &dui_sito}) panel->font_hnd = font_hnd;
  Rozloz_zoznam(dui_PANO);
  rozmery_menu(dui_gr_mod, GR_MOD_SIRKA);
  rozmery_menu(dui_sito, SITO_SIRKA);
}
