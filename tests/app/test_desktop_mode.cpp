// The desktop's own mode at every aspect and scale; a resized window re-created once it rests.
#include "app_fixture.h"

namespace {

const TVOLBA& Polozka_plochy() { return dui_gr_mod.VOL[4]; }

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

TEST_F(AppTest, ModeAndLayoutAtEveryDesktopAspectAndScale) {
  // The desktop and command line; the mode, screen, start distance (it grows with the height)
  // and scale. The first row's controls are the natural sizes; mode 5 is not for the command line.
  const std::tuple<int, int, const char*, int, int, int, int, int> tabulka[] = {
      {1920, 1080, "", GM_PLOCHA, 1920, 1080, 720, 1}, {3840, 2160, "G6", GM_PLOCHA, 3840, 2160, 1440, 2},
      {2560, 1080, "", GM_PLOCHA, 2560, 1080, 720, 2}, {1366, 768, "G5", GM_PLOCHA, 1366, 768, 512, 1},
      {1920, 1200, "", GM_PLOCHA, 1920, 1200, 800, 1}, {1920, 1080, "G3", 3, 800, 600, 400, 1}};
  TFAZA prirodzene[TLACIDLO_MAX];
  int pismo = 0;
  for (const auto& [sir, vys, riadok, gm, maxx, maxy, d, m] : tabulka) {
    SCOPED_TRACE(testing::Message() << sir << " " << riadok);
    ASSERT_EQ(Spusti1(riadok, sir, vys), 1);
    ASSERT_EQ(std::make_tuple(GM, lpDDSBack->PLAT_Width(), lpDDSBack->PLAT_Height(), D, UI_mierka),
              std::make_tuple(gm, maxx, maxy, d, m));
    EXPECT_EQ(std::make_tuple(dui_gr_mod.VOL_pocet, Polozka_plochy().ID, std::string(Polozka_plochy().text)),
              std::make_tuple(6, GM_PLOCHA, std::to_string(sir) + " x " + std::to_string(vys)));
    if (pismo == 0) {
      for (int i = 0; i < tlacidlo_poc; ++i) prirodzene[i] = tlacidlo[i].FAZY[0];
      pismo = Vyska_pisma();
    }
    EXPECT_NEAR(Vyska_pisma(), m * pismo, 3);  // the font's own rounding
    for (CDUI* panel : {&dui_gr_mod, &dui_sito, static_cast<CDUI*>(&dui_PANO)}) {
      EXPECT_NEAR(panel->podkl_rect.left + panel->podkl_rect.right, maxx, 1);
      EXPECT_NEAR(panel->podkl_rect.top + panel->podkl_rect.bottom, maxy, panel->b);
    }
    // The strip: OVL_RIADKY rows at the scale, from 30 to 25 pixels (at the scale) off the sides.
    Prekresli_scenu(1);
    EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(30 * m, ovl_pos), ovl_Mask[0]);
    EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(maxx - 25 * m - 1, ovl_pos + 15 * m - 1), ovl_Mask[14]);
    EXPECT_FALSE(Prekryte(maxx / 2, ovl_pos + 15 * m, maxx / 2, ovl_pos + 15 * m));
    for (int i = 0; i < tlacidlo_poc; ++i) {
      const CTlac& b = tlacidlo[i];
      const TFAZA &f = b.FAZY[0], &p = prirodzene[i];
      const bool na_obrazovke = b.x >= 0 && b.y >= 0 && b.x + f.SIR <= maxx && b.y + f.VYS <= maxy;
      const bool zasah = b.ZASAH(b.x + f.SIR - 2 * m, b.y + f.VYS - 2 * m);
      const bool vedla = b.ZASAH(b.x + f.SIR, b.y + f.VYS / 2);
      EXPECT_EQ(std::make_tuple(f.XP - f.XL, f.YD - f.YH, na_obrazovke, zasah, vedla),
                std::make_tuple(m * (p.XP - p.XL), m * (p.YD - p.YH), true, true, false)) << i;
    }
    // The grid menu opened by its button and an item chosen by a click near its corner.
    KlikTlacidlo(TL_SITO);
    ASSERT_EQ(dui_sito.viditelny, 1);
    Klik(dui_sito.VOL[0].rect.left + 2 * m, dui_sito.VOL[0].rect.bottom - 2 * m);
    EXPECT_EQ(Sito_pocx, 10);
    Znova();
  }
}

// Bad modes change nothing; a new mode keeps the view, and the store follows the display's depth.
TEST_F(AppTest, ModeChangeKeepsTheViewAndTheStoreFollowsTheDepth) {
  Panoramy(2);
  ASSERT_EQ(Spusti1("G3", 1920, 1080), 1);
  Nahraj_PANORAMU(1, 0);
  YAW = 1.25f, PITCH = -0.4f;
  Reset_Sito(25, 25);
  for (int gm : {0, 7, -1}) EXPECT_EQ(RESET_GM(gm), 0) << gm;
  PLAT_FaultSet(PC_SetDisplayMode, 0, 1, DDERR_INVALIDMODE);
  EXPECT_EQ(RESET_GM(2), DDERR_INVALIDMODE);
  EXPECT_EQ(std::make_tuple(GM, MAXX, obraz_sir, obraz_vys), std::make_tuple(3, 800, 800, 600));
  KlikTlacidlo(TL_GR_MOD);
  Zvol(dui_gr_mod, GM_PLOCHA);
  EXPECT_EQ(std::make_tuple(GM, lpDDSPrimary->PLAT_Width(), D_max, W_bajty, YAW, PAN_id),
            std::make_tuple(GM_PLOCHA, 1920, 1080, 4, 1.25f, 1));
  // A classic mode takes back the distances of 800 × 600.
  ASSERT_EQ(RESET_GM(4), 0);
  EXPECT_EQ(std::make_tuple(GM, SX, SY, D, D_max, D_start, PAN_id, Sito_sir, Sito_vys, YAW, PITCH, W_bajty),
            std::make_tuple(4, 512, 384, 512, 600, 400, 1, 40, 30, 1.25f, -0.4f, 2));
  EXPECT_EQ(std::make_pair(dui_PANO.SRF_PTR, lpDDSBack->PLAT_Width()), std::make_pair(lpDDSBack, 1024));
  Prekresli_scenu(1);
  EXPECT_NE(lpDDSPrimary->PLAT_Pixel(512, 384), 0u);
}

TEST_F(AppTest, ResizeAppliedOnceWhenTheSizeRests) {
  // The mode, the last size reported; the screen, the menu item, primary surfaces made and the
  // scale. A small window is held at the smallest mode; a classic mode keeps its size.
  const std::tuple<int, int, int, int, int, const char*, int, int> tabulka[] = {
      {GM_PLOCHA, 1024, 640, 1024, 640, "1024 x 640", 1, 1}, {GM_PLOCHA, 2560, 1440, 2560, 1440, "2560 x 1440", 1, 2},
      {GM_PLOCHA, 100, 50, 320, 200, "320 x 200", 1, 1},     {3, 1024, 640, 800, 600, "1024 x 640", 0, 1}};
  const auto pulz = [](DWORD ms) { PLAT_AdvanceTime(ms), Posli(WM_TIMER, 1); };
  for (const auto& [gm, sir, vys, maxx, maxy, oznacenie, vytvorene, mierka] : tabulka) {
    SCOPED_TRACE(sir);
    GM = gm;
    ASSERT_EQ(Spusti1(), 1);
    PLAT_FaultClear();  // counts the calls from here
    // An edge dragged: a size every 50 ms, then a minimised window; nothing applied yet.
    for (int k = 0; k < 5; ++k) Posli(WM_SIZE, 0, MAKELPARAM(900 + k * 10, 620 + k)), pulz(50);
    Posli(WM_SIZE, 0, 0);
    Posli(WM_SIZE, 0, MAKELPARAM(sir, vys));
    pulz(199);
    EXPECT_EQ(PLAT_CallCount(PC_CreatePrimary), 0);
    pulz(1);
    EXPECT_EQ(std::make_tuple(lpDDSBack->PLAT_Width(), MAXY, std::string(Polozka_plochy().text)),
              std::make_tuple(maxx, maxy, std::string(oznacenie)));
    // The controls follow the scale: the strip's rows, the pointer's phase measured again.
    EXPECT_EQ(std::make_pair(ovl_vys, kurzor.FAZY[0].XP - kurzor.FAZY[0].XL),
              std::make_pair(OVL_RIADKY * mierka, 18 * mierka));
    // Once: the same size again and later pulses change nothing.
    Posli(WM_SIZE, 0, MAKELPARAM(sir, vys));
    pulz(500);
    EXPECT_EQ(PLAT_CallCount(PC_CreatePrimary), vytvorene);
    Znova();
  }
}

}  // namespace
