// The controls and panels at every aspect of the desktop's mode, and at twice their size on
// screens 2560 pixels wide and more: menus centred, the strip across the width, the buttons
// inside the screen, their phases and the hits on them doubled with the sheet, the text too.
#include <gtest/gtest.h>

#include "app/scene.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/sieve.h"

namespace {

// Height of one line of the panels' font.
int Vyska_pisma() {
  HDC dc = nullptr;
  if (lpDDSBack->GetDC(&dc) != DD_OK) return 0;
  SelectObject(dc, dui_gr_mod.font_hnd);
  RECT r{0, 0, 0, 0};
  const int vyska = DrawTextA(dc, "X", 1, &r, DT_CALCRECT);
  lpDDSBack->ReleaseDC(dc);
  return vyska;
}

TEST_F(AppTest, LayoutAtEveryAspectAndScale) {
  // The first row, at the natural scale, gives the sizes the others are measured against.
  const struct {
    int sir, vys, m;
  } tabulka[] = {{1920, 1080, 1}, {3840, 2160, 2}, {2560, 1080, 2}, {1366, 768, 1}, {1920, 1200, 1}, {1024, 768, 1}};
  TFAZA prirodzene[TLACIDLO_MAX];
  int pismo = 0;
  for (const auto& t : tabulka) {
    SCOPED_TRACE(t.sir);
    ASSERT_EQ(SpustiNaPloche(t.sir, t.vys), 1);
    ASSERT_EQ(UI_mierka, t.m);
    if (t.sir == 1920 && t.vys == 1080) {
      for (int i = 0; i < tlacidlo_poc; ++i) prirodzene[i] = tlacidlo[i].FAZY[0];
      pismo = Vyska_pisma();
    }
    EXPECT_NEAR(Vyska_pisma(), t.m * pismo, 3);  // the font's own rounding
    for (const CDUI* panel : {static_cast<const CDUI*>(&dui_PANO), static_cast<const CDUI*>(&dui_gr_mod),
                              static_cast<const CDUI*>(&dui_sito)}) {
      EXPECT_NEAR(panel->podkl_rect.left + panel->podkl_rect.right, t.sir, 1);
      EXPECT_NEAR(panel->podkl_rect.top + panel->podkl_rect.bottom, t.vys, panel->b);
    }
    // The strip: OVL_RIADKY rows at the scale, from 30 to 25 pixels (at the scale) off the sides.
    Prekresli_scenu(1);
    EXPECT_EQ(ovl_pos, t.vys - 15 * t.m - t.vys / 70);
    EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(30 * t.m, ovl_pos), ovl_Mask[0]);
    EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(t.sir - 25 * t.m - 1, ovl_pos + 15 * t.m - 1), ovl_Mask[14]);
    Scena();
    EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(t.sir / 2, ovl_pos + 15 * t.m),
              lpDDSBack->PLAT_Pixel(t.sir / 2, ovl_pos + 15 * t.m));
    for (int i = 0; i < tlacidlo_poc; ++i) {
      const CTlac& b = tlacidlo[i];
      const TFAZA& f = b.FAZY[0];
      EXPECT_EQ(f.XP - f.XL, t.m * (prirodzene[i].XP - prirodzene[i].XL)) << i;
      EXPECT_EQ(f.YD - f.YH, t.m * (prirodzene[i].YD - prirodzene[i].YH)) << i;
      EXPECT_TRUE(b.x >= 0 && b.y >= 0 && b.x + f.SIR <= t.sir && b.y + f.VYS <= t.vys) << i;
      EXPECT_TRUE(b.ZASAH(b.x + f.SIR - 2 * t.m, b.y + f.VYS - 2 * t.m)) << i;
      EXPECT_FALSE(b.ZASAH(b.x + f.SIR, b.y + f.VYS / 2)) << i;
    }
    // The grid menu opened by its button and an item chosen by a click on it.
    KlikTlacidlo(TL_SITO);
    ASSERT_EQ(dui_sito.viditelny, 1);
    EXPECT_EQ(dui_sito.VOL[0].rect.bottom - dui_sito.VOL[0].rect.top, 30 * t.m);
    Klik(dui_sito.VOL[0].rect.left + 2 * t.m, dui_sito.VOL[0].rect.bottom - 2 * t.m);
    EXPECT_EQ(Sito_pocx, 10);
    TearDown();
    SetUp();
  }
}

}  // namespace
