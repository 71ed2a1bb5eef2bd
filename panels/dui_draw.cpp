// Drawing of the option panel: background, highlights, labels, then the sprites on top.
#include <algorithm>
#include <cstring>

#include "panels/dui.h"
#include "toolkit/das.h"

namespace {

// DrawTextA formats of the text modes 1…7; any other mode draws left and top.
UINT Format_textu(int text_draw_mode) {
  switch (text_draw_mode) {
    case 2: return DT_SINGLELINE | DT_BOTTOM;
    case 3: return DT_RIGHT;
    case 4: return DT_SINGLELINE | DT_BOTTOM | DT_RIGHT;
    case 5: return DT_CENTER;
    case 6: return DT_SINGLELINE | DT_BOTTOM | DT_CENTER;
    case 7: return DT_SINGLELINE | DT_VCENTER | DT_CENTER;
    default: return DT_LEFT | DT_TOP;
  }
}

RECT Posunuty(RECT r, int dx, int dy) { return RECT{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

void Ciara(HDC dc, HGDIOBJ pero, int x0, int y0, int x1, int y1, int x2, int y2) {
  SelectObject(dc, pero);
  MoveToEx(dc, x0, y0, nullptr);
  LineTo(dc, x1, y1);
  LineTo(dc, x2, y2);
}

}  // namespace

void CDUI::ZOBRAZ() {
  if (!viditelny || SRF_PTR == nullptr) return;
  if (podkl_typ == 1) CDUI_podklad_efekt_A_biela_siet(SRF_PTR, podkl_rect);
  HDC dc = nullptr;
  if (SRF_PTR->GetDC(&dc) == DD_OK) {
    if (podkl_typ == 2) FillRect(dc, &podkl_rect, stet_podkl);
    if (podkl_typ == 3) CDUI_podklad_efekt_B_mliecny(dc, podkl_rect);
    SelectObject(dc, font_hnd);
    SetBkMode(dc, TRANSPARENT);
    for (int i = 0; i < VOL_pocet; i++) {
      Kresli_vyber(dc, VOL[i]);
      Kresli_text(dc, VOL[i]);
    }
    SRF_PTR->ReleaseDC(dc);
  }
  Kresli_ikony();
}

void CDUI::Kresli_vyber(HDC dc, const TVOLBA& v) {
  if (v.stav != 1 && v.stav != 2) return;
  RECT r = Pmod == 1 ? Posunuty(v.rect, Px, Py) : v.rect;
  r.left -= Z_sir;
  r.right += Z_sir;
  r.top -= Z_vys;
  r.bottom += Z_vys;
  HBRUSH stetec = v.stav == 1 ? stet_vybr : stet_aktiv;
  if (O_mod) {
    SelectObject(dc, GetStockObject(NULL_PEN));
    SelectObject(dc, stetec);
    RoundRect(dc, r.left, r.top, r.right, r.bottom, O_sir, O_vys);
    return;
  }
  if (Select_mod & 1) FillRect(dc, &r, stetec);
  if (Select_mod & 2) Level_efekt(dc, &r, v.stav);
}

// A label at a point (mode 0) never leaves the panel: a text wider than the panel starts
// at its left edge and is cut at its right edge.
void CDUI::Kresli_text(HDC dc, const TVOLBA& v) {
  if (Text_mod <= 0 || v.text == nullptr) return;
  const int dlzka = (int)std::strlen(v.text);
  if (v.text_draw_mode != 0) {
    RECT r = v.text_rect;
    DrawTextA(dc, v.text, dlzka, &r, Format_textu(v.text_draw_mode));
    return;
  }
  const RECT panel = Pmod == 1 ? Posunuty(podkl_rect, Px, Py) : podkl_rect;
  int px = v.rect.left + v.tx;
  int py = v.rect.top + v.ty;
  if (Pmod == 1) {
    px += Px;
    py += Py;
  }
  if ((Select_mod & 1) && v.stav == 2) {  // the label of a pressed item sinks
    px += 1;
    py += 2;
  }
  RECT r{std::max(px, (int)panel.left), py, panel.right, panel.bottom};
  DrawTextA(dc, v.text, dlzka, &r, DT_SINGLELINE | DT_LEFT | DT_TOP);
}

void CDUI::Kresli_ikony() {
  if (Icon_mod <= 0 || ICON == nullptr) return;
  for (int i = 0; i < VOL_pocet; i++) {
    const TVOLBA& v = VOL[i];
    if (v.icon < 0 || v.icon >= ICON_pocet) continue;
    const int x = v.rect.left + v.ix;
    const int y = v.rect.top + v.iy;
    if (Icon_mod == 1) ICON[v.icon].ZOBRAZ_2(SRF_PTR, LH, PH, HH, DH, x, y);
    if (Icon_mod >= 2 && Icon_mod <= 4) ICON[v.icon].ZOBRAZ_3_centr(SRF_PTR, LH, PH, HH, DH, x, y, Icon_mod - 2);
  }
}

void CDUI::Level_efekt(HDC pDC, RECT* R, int stav) {
  if (R == nullptr) return;
  const int L = R->left, P = R->right - 1, T = R->top, D = R->bottom - 1;
  HGDIOBJ biele = GetStockObject(WHITE_PEN);
  HGDIOBJ cierne = GetStockObject(BLACK_PEN);
  if (stav == 1) {  // raised
    Ciara(pDC, biele, L, D, L, T, P, T);
    Ciara(pDC, cierne, P, T, P, D, L - 1, D);
    Ciara(pDC, pero_ram_sed, P - 1, T + 1, P - 1, D - 1, L, D - 1);
  }
  if (stav == 2) {  // sunken
    Ciara(pDC, pero_ram_sed, L, D, L, T, P, T);
    Ciara(pDC, biele, P, T, P, D, L, D);
    Ciara(pDC, cierne, L + 1, D - 1, L + 1, T + 1, P, T + 1);
  }
}
