// The option panel's construction and its item list.
#include <cstring>

#include "panels/dui.h"
#include "panels/dui_text.h"

CDUI::CDUI()
    : vystup(0),
      vystup_2(-1),
      viditelny(0),
      disablovany(0),
      SRF_PTR(nullptr),
      podkl_typ(0),
      podkl_rect{0, 0, 100, 100},
      LH(0),
      PH(0),
      HH(0),
      DH(0),
      stet_vybr(static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH))),
      stet_aktiv(static_cast<HBRUSH>(GetStockObject(DKGRAY_BRUSH))),
      stet_podkl(static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH))),
      pero_ram_sed(CreatePen(PS_SOLID, 1, RGB(80, 80, 80))),
      font_hnd(static_cast<HFONT>(GetStockObject(SYSTEM_FONT))),
      font_sir(15),
      font_vys(15),
      VOL_pocet(0),
      ICON(nullptr),
      ICON_pocet(50),
      a(0),
      b(0),
      c(0),
      d(0),
      e(0),
      f(0),
      g(0),
      h(0),
      tr_x(0),
      tr_y(0),
      ta_x(0),
      ta_y(0),
      Pmod(0),
      Px(0),
      Py(0),
      Z_mod(0),
      Z_sir(0),
      Z_vys(0),
      O_mod(0),
      O_sir(5),
      O_vys(5),
      Select_mod(1),
      Text_mod(2),
      Icon_mod(0),
      pero_vlastne(pero_ram_sed) {
  std::memset(VOL, 0, sizeof VOL);
  std::memset(VOL_vlastny, 0, sizeof VOL_vlastny);
}

CDUI::~CDUI() {
  for (int i = 0; i < VOL_MAX; i++) Uvolni_text(i);
  if (pero_vlastne != nullptr) DeleteObject(pero_vlastne);
}

void CDUI::Uvolni_text(int i) {
  if (VOL_vlastny[i]) DUI_Uvolni_kopiu(VOL[i].text);
  VOL[i].text = nullptr;
  VOL_vlastny[i] = 0;
}

void CDUI::Nastav_zdielany_text(int i, char* text) {
  Uvolni_text(i);
  VOL[i].text = text;
}

void CDUI::Odpoj_zdielany_text(const char* text) {
  for (int i = 0; i < VOL_MAX; i++)
    if (!VOL_vlastny[i] && VOL[i].text == text) VOL[i].text = nullptr;
}

void CDUI::PRIDAJ(const char* ttext, int IID, RECT rrect, int ttx, int tty) {
  if (VOL_pocet >= VOL_MAX) {
    OutputDebugStringA("CDUI: panel full, item refused\n");
    return;
  }
  const int i = VOL_pocet;
  Uvolni_text(i);
  TVOLBA& v = VOL[i];
  std::memset(&v, 0, sizeof v);
  v.ID = IID;
  v.rect = rrect;
  v.text = DUI_Kopia_textu(ttext);
  v.tx = ttx;
  v.ty = tty;
  v.icon = -1;
  VOL_vlastny[i] = 1;
  VOL_pocet++;
}

void CDUI::PRIDAJ(const char* ttext, int IID) { PRIDAJ(ttext, IID, RECT{0, 0, 0, 0}, 0, 0); }

void CDUI::PRIDAJ2(const char* ttext, int IID, int iicon) {
  const int pred = VOL_pocet;
  PRIDAJ(ttext, IID);
  if (VOL_pocet > pred) VOL[pred].icon = iicon;
}

void CDUI::ODOBER() {
  if (VOL_pocet <= 0) return;
  VOL_pocet--;
  Uvolni_text(VOL_pocet);
}

void CDUI::VYMAZ() {
  while (VOL_pocet > 0) ODOBER();
}
