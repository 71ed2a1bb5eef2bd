// Layout of the option panel: a bar across the top of the screen or a centred column.
#include "display/screen.h"
#include "panels/dui.h"
#include "panels/dui_text.h"

void CDUI::RESET_GEOMETRIE(int ttrieda) {
  if (ttrieda == 1) Rozloz_pruh();
  if (ttrieda == 2) Rozloz_stlpec();
}

// Items side by side from the left, each as wide as its estimated text plus f on both sides.
// A bar wider than the screen is not wrapped.
void CDUI::Rozloz_pruh() {
  podkl_rect = RECT{1, 1, MAXX - 1, a + 2 * d};
  int x = d + 1;
  const int y = d;
  for (int i = 0; i < VOL_pocet; i++) {
    TVOLBA& v = VOL[i];
    const int w = DUI_Pocet_znakov(v.text) * font_sir + 2 * f;
    v.rect = RECT{x, y, x + w, y + a};
    v.tx = f;
    v.ty = e;
    if (Icon_mod > 0) {
      v.ix = g;
      v.iy = h;
    }
    x += w + d;
  }
}

void CDUI::Posun_stlpec(int* x, int* y) const {
  if (tr_x != 0) *x += tr_x;
  if (tr_y != 0) *y += tr_y;
  if (ta_x != 0) *x = ta_x;
  if (ta_y != 0) *y = ta_y;
}

void CDUI::Nastav_ramec(int x, int y, int riadkov, int extra_sir) {
  const int vyska_riadkov = b * riadkov - (b - a);  // the last row ends a below its top
  podkl_rect = RECT{x, y, x + c + 2 * d + extra_sir, y + vyska_riadkov + 2 * d};
  LH = x + d;
  HH = y + d;
  PH = LH + c;
  DH = HH + vyska_riadkov;
}

// A column centred on the screen; items that would push its top above the screen are
// dropped from the end.
void CDUI::Rozloz_stlpec() {
  int x = SX - c / 2 - d;
  int y = SY - (b * VOL_pocet) / 2 - d;
  while (y < 0 && VOL_pocet > 0) {
    ODOBER();
    y = SY - (b * VOL_pocet) / 2 - d;
  }
  Posun_stlpec(&x, &y);
  Nastav_ramec(x, y, VOL_pocet, 0);
  for (int i = 0; i < VOL_pocet; i++) {
    TVOLBA& v = VOL[i];
    const int top = HH + i * b;
    v.rect = RECT{LH, top, LH + c, top + a};
    if (Text_mod == 1) {
      v.tx = f;
      v.ty = e;
    }
    if (Text_mod == 2) {
      v.tx = (c - DUI_Pocet_znakov(v.text) * font_sir) / 2;
      v.ty = e;
    }
    if (Icon_mod > 0) {
      v.ix = g;
      v.iy = h;
    }
  }
}
