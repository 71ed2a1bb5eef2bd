// Layout of the list panel: the plain column, the scrolling form and the scrolled rows.
#include <algorithm>

#include "display/screen.h"
#include "panels/duir.h"

// Text mode for the alignment: vlavo for 'L', vpravo for 'P', stred for 'C', -1 for others.
// Scrolling needs a positive pitch and room for the visible rows plus one in the slots.
bool CDUIR::Da_sa_rolovat() const { return b > 0 && Rol_poc_zobr >= 1 && Rol_poc_zobr < VOL_MAX; }

int CDUIR::Mod_textu(int vlavo, int vpravo, int stred) const {
  switch (text_ZAROVNANIE) {
    case 'L': return vlavo;
    case 'P': return vpravo;
    case 'C': return stred;
    default: return -1;
  }
}

void CDUIR::RESET_GEOMETRIE(int ttrieda) {
  Rol_mod = 0;
  CDUI::VYMAZ();
  for (int j = 0; j < VOLR_pocet; j++) CDUI::PRIDAJ2(VOLR[j].text, VOLR[j].ID, VOLR[j].icon);
  CDUI::RESET_GEOMETRIE(ttrieda);
}

void CDUIR::RESET_GEOMETRIER() {
  if (VOLR_pocet > Rol_poc_zobr && Da_sa_rolovat()) {
    Rozloz_rolovanie();
    return;
  }
  RESET_GEOMETRIE(2);
  posuv_.viditelny = 0;
  tlacA_.viditelny = 0;
  tlacB_.viditelny = 0;
  ipruh_.viditelny = 0;
  const int mod = Mod_textu(1, 3, 5);
  for (int i = 0; i < VOL_pocet; i++) {
    TVOLBA& v = VOL[i];
    v.text_rect = RECT{v.rect.left + f, v.rect.top + e, v.rect.left + f2, v.rect.bottom};
    if (mod >= 0) v.text_draw_mode = mod;
  }
}

void CDUIR::Rozloz_rolovanie() {
  Rol_mod = 1;
  Rol_max = (VOLR_pocet - Rol_poc_zobr) * b;
  Rol_pos = 0;
  int x = SX - c / 2 - d;
  int y = SY - (b * Rol_poc_zobr) / 2 - d;
  Posun_stlpec(&x, &y);
  const int sirPT = std::max(posuv_.FAZY[0].SIR, tlacA_.FAZY[0].SIR);
  Nastav_ramec(x, y, Rol_poc_zobr, sirPT + d);

  const int vysP = posuv_.FAZY[0].VYS;
  const int vysT = tlacA_.FAZY[0].VYS;
  posuv_.pol_Typ = 'V';
  posuv_.pol_Min = HH + vysT - 2;
  posuv_.pol_Max = DH - vysT - vysP + 2;
  posuv_.pol_Fix = PH + d;
  posuv_.map_A = 0;
  posuv_.map_B = Rol_max;
  posuv_.SP(0);
  posuv_.viditelny = 1;
  tlacA_.x = PH + d;
  tlacA_.y = HH;
  tlacB_.x = PH + d;
  tlacB_.y = DH - vysT + 1;
  tlacA_.viditelny = 1;
  tlacB_.viditelny = 1;
  ipruh_.viditelny = 1;
  text_VYSKA = Zmeraj_vysku_textu();
  RESET(0);
}

int CDUIR::Zmeraj_vysku_textu() {
  HDC dc = nullptr;
  if (SRF_PTR == nullptr || SRF_PTR->GetDC(&dc) != DD_OK) return 20;
  HGDIOBJ predtym = SelectObject(dc, font_hnd);
  RECT r{0, 0, 0, 0};
  const int vyska = DrawTextA(dc, "X", 1, &r, DT_CALCRECT);
  SelectObject(dc, predtym);
  SRF_PTR->ReleaseDC(dc);
  return vyska;
}

unsigned char CDUIR::Orez_HD(RECT* rr) const {
  if (rr->bottom < HH || rr->top > DH) return 0;
  rr->top = std::max(rr->top, (LONG)HH);
  rr->bottom = std::min(rr->bottom, (LONG)DH);
  return 1;
}

void CDUIR::Preklop(int jj, int ii, RECT rr) {
  if (ii < 0 || ii >= VOL_MAX || jj < 0 || jj >= VOLR_pocet) return;
  TVOLBA& v = VOL[ii];
  const TVOLBAR& z = VOLR[jj];
  v.ID = z.ID;
  v.rect = rr;
  v.stav = 0;  // highlights are lost when the list moves
  Nastav_zdielany_text(ii, z.text);
  v.text_rect = RECT{rr.left + f, rr.top + e, rr.left + f2, rr.top + e + text_VYSKA};
  const int mod = Mod_textu(1, 3, 5);
  if (mod >= 0) v.text_draw_mode = mod;
  v.icon = z.icon;
  v.ix = g;
  v.iy = h;
}

// Rows between two whole positions: the top one partly scrolled out, the bottom one partly
// in, both cut to the row area while their labels and sprites keep their unscrolled places.
void CDUIR::RESET(int pos) {
  if (!Rol_mod || !Da_sa_rolovat()) return;
  Rol_pos = std::min(std::max(pos, 0), Rol_max);
  int jj = Rol_pos / b;
  const int m = Rol_pos % b;
  if (m == 0) {
    for (int i = 0; i < Rol_poc_zobr; i++)
      Preklop(jj + i, i, RECT{LH, HH + i * b, PH, HH + i * b + a});
    VOL_pocet = Rol_poc_zobr;
    return;
  }
  int ii = 0;
  const int z = HH - m;
  RECT rr{LH, z, PH, z + a};
  if (Orez_HD(&rr)) {
    Preklop(jj, ii, rr);
    TVOLBA& v = VOL[ii];
    v.text_rect.top = rr.top;
    v.text_rect.bottom = z + e + text_VYSKA;
    const int mod = Mod_textu(2, 4, 6);
    if (mod >= 0) v.text_draw_mode = mod;
    if (Icon_mod != 0) v.iy = z + h - rr.top;
    ii++;
  }
  jj++;
  int y = HH + b - m;
  for (int k = 0; k < Rol_poc_zobr - 1; k++, y += b, jj++, ii++) Preklop(jj, ii, RECT{LH, y, PH, y + a});
  rr = RECT{LH, y, PH, y + a};
  if (Orez_HD(&rr)) {
    Preklop(jj, ii, rr);
    TVOLBA& v = VOL[ii];
    if (v.text_rect.bottom > rr.bottom) v.text_rect.bottom = rr.bottom;
    ii++;
  }
  VOL_pocet = ii;
}
