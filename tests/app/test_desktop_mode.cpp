// The desktop's own display mode: chosen by default and by G6, listed in the mode menu by its
// size, its eye distances grown with its height; a resized window re-creates the surfaces
// once its size has rested.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/modes.h"
#include "app/scene.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/fault.h"

namespace {

const TVOLBA& Polozka_plochy() { return dui_gr_mod.VOL[4]; }

struct TStart {
  int sir, vys;
  const char* riadok;
  int GM, MAXX, MAXY, D;
};

TEST_F(AppTest, DesktopModeByDefaultAndByItsOption) {
  const TStart tabulka[] = {
      {1920, 1080, "", GM_PLOCHA, 1920, 1080, 720},  // the start distance grown with the height
      {2560, 1440, "G6", GM_PLOCHA, 2560, 1440, 960},
      {1366, 768, "G5", GM_PLOCHA, 1366, 768, 512},  // mode 5 is not for the command line
      {1920, 1080, "G3", 3, 800, 600, 400},
  };
  for (const TStart& t : tabulka) {
    SCOPED_TRACE(t.riadok);
    GM = GM_PLOCHA;
    ASSERT_EQ(SpustiNaPloche(t.sir, t.vys, t.riadok), 1);
    EXPECT_EQ(GM, t.GM);
    EXPECT_EQ(lpDDSBack->PLAT_Width(), t.MAXX);
    EXPECT_EQ(lpDDSBack->PLAT_Height(), t.MAXY);
    EXPECT_EQ(D, t.D);
    // Listed by its size after the classic modes, before the closing item.
    ASSERT_EQ(dui_gr_mod.VOL_pocet, 6);
    EXPECT_EQ(Polozka_plochy().ID, GM_PLOCHA);
    EXPECT_EQ(Polozka_plochy().text, std::to_string(t.sir) + " x " + std::to_string(t.vys));
    TearDown();
    SetUp();
  }
}

// The store follows the display's depth: the panorama is loaded again, the view kept.
TEST_F(AppTest, DesktopModeChosenFromTheMenu) {
  ASSERT_EQ(SpustiNaPloche(1920, 1080, "G3"), 1);
  EXPECT_EQ(W_bajty, 2);
  YAW = 1.25f;
  KlikTlacidlo(TL_GR_MOD);
  const RECT r = Polozka_plochy().rect;
  Klik((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(GM, GM_PLOCHA);
  EXPECT_EQ(lpDDSPrimary->PLAT_Width(), 1920);
  EXPECT_EQ(D_max, 1080);
  EXPECT_EQ(W_bajty, 4);
  EXPECT_FLOAT_EQ(YAW, 1.25f);
  // A classic mode takes back the distances of 800 × 600.
  ASSERT_EQ(RESET_GM(4), 0);
  EXPECT_EQ(D_max, 600);
  EXPECT_EQ(D_start, 400);
  EXPECT_EQ(W_bajty, 2);
  EXPECT_FLOAT_EQ(YAW, 1.25f);
  EXPECT_GT(pan_sir, 0);
}

struct TZmena {
  int gm;                 // mode when the window is resized
  int sir, vys;           // the last size reported
  int MAXX, MAXY;         // the screen afterwards
  const char* oznacenie;  // the desktop's menu item afterwards
  int vytvorene;          // primary surfaces made for it
  int mierka;             // of the controls afterwards
};

TEST_F(AppTest, ResizeAppliedOnceWhenTheSizeRests) {
  const TZmena tabulka[] = {
      {GM_PLOCHA, 1024, 640, 1024, 640, "1024 x 640", 1, 1},
      {GM_PLOCHA, 2560, 1440, 2560, 1440, "2560 x 1440", 1, 2},
      {GM_PLOCHA, 100, 50, 320, 200, "320 x 200", 1, 1},  // held at the smallest mode
      {3, 1024, 640, 800, 600, "1024 x 640", 0, 1},       // a classic mode keeps its size
  };
  for (const TZmena& t : tabulka) {
    SCOPED_TRACE(t.sir);
    GM = t.gm;
    ASSERT_EQ(SpustiNaPloche(800, 600), 1);
    PLAT_FaultClear();  // counts the calls from here
    // An edge dragged: a size every 50 ms, then a minimised window; nothing applied yet.
    for (int k = 0; k < 5; ++k) {
      Posli(WM_SIZE, 0, MAKELPARAM(900 + k * 10, 620 + k));
      PLAT_AdvanceTime(50);
      Posli(WM_TIMER, 1);
    }
    Posli(WM_SIZE, 0, 0);
    Posli(WM_SIZE, 0, MAKELPARAM(t.sir, t.vys));
    PLAT_AdvanceTime(199);
    Posli(WM_TIMER, 1);
    EXPECT_EQ(PLAT_CallCount(PC_CreatePrimary), 0);
    PLAT_AdvanceTime(1);
    Posli(WM_TIMER, 1);
    EXPECT_EQ(lpDDSBack->PLAT_Width(), t.MAXX);
    EXPECT_EQ(MAXY, t.MAXY);
    EXPECT_STREQ(Polozka_plochy().text, t.oznacenie);
    // The controls follow the scale: the strip's rows, the pointer's phase measured again.
    EXPECT_EQ(ovl_vys, OVL_RIADKY * t.mierka);
    EXPECT_EQ(kurzor.FAZY[0].XP - kurzor.FAZY[0].XL, 18 * t.mierka);
    // Once: the same size again and later pulses change nothing.
    Posli(WM_SIZE, 0, MAKELPARAM(t.sir, t.vys));
    PLAT_AdvanceTime(500);
    Posli(WM_TIMER, 1);
    EXPECT_EQ(PLAT_CallCount(PC_CreatePrimary), t.vytvorene);
    TearDown();
    SetUp();
  }
}

}  // namespace
