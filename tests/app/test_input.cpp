// The window procedure: keys, wheel, mouse navigation, strip dragging, buttons, sounds.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "app/input.h"
#include "app/panorama.h"
#include "app/pulse.h"
#include "app/scene.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/fault.h"

namespace {

constexpr float DVA_PI = 6.2831855f;
constexpr uint16_t ZNACKA = 0x4321;

struct TKlaves {
  WPARAM kod;
  bool ctrl;
  float yaw, pitch;
  int d;
  float yaw_po, pitch_po;
  int d_po;
};

class KeyTable : public AppTest, public ::testing::WithParamInterface<TKlaves> {};

TEST_P(KeyTable, ChangesTheViewAndRenders) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  const TKlaves& k = GetParam();
  if (k.ctrl) Klaves(VK_CONTROL);
  YAW = k.yaw;
  PITCH = k.pitch;
  D = k.d;
  ZaplnZadny(ZNACKA);
  Klaves(k.kod);
  EXPECT_FLOAT_EQ(YAW, k.yaw_po);
  EXPECT_FLOAT_EQ(PITCH, k.pitch_po);
  EXPECT_EQ(D, k.d_po);
  EXPECT_FALSE(ZadnyZaplneny(ZNACKA));
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTable,
    ::testing::Values(
        TKlaves{VK_ADD, false, 1, 0.1f, 110, 1, 0.1f, 100}, TKlaves{VK_ADD, false, 1, 0.1f, 100, 1, 0.1f, 100},
        TKlaves{VK_SUBTRACT, false, 1, 0.1f, 590, 1, 0.1f, 600},
        // Above the limit after a mode change: the next zoom input limits it.
        TKlaves{VK_SUBTRACT, false, 1, 0.1f, 640, 1, 0.1f, 600},
        TKlaves{VK_UP, true, 1, 0.1f, 590, 1, 0.1f, 600}, TKlaves{VK_DOWN, true, 1, 0.1f, 110, 1, 0.1f, 100},
        TKlaves{VK_NUMPAD8, true, 1, 0.1f, 400, 1, 0.1f, 430},
        TKlaves{VK_LEFT, false, 0.05f, 0.1f, 400, 0.05f - 0.1f + DVA_PI, 0.1f, 400},
        TKlaves{VK_NUMPAD4, false, 1, 0.1f, 400, 0.9f, 0.1f, 400},
        TKlaves{VK_RIGHT, false, 6.25f, 0.1f, 400, 6.25f + 0.1f - DVA_PI, 0.1f, 400},
        TKlaves{VK_NUMPAD6, false, 1, 0.1f, 400, 1.1f, 0.1f, 400},
        TKlaves{VK_UP, false, 1, 1.45f, 400, 1, 1.4707963f, 400},
        TKlaves{VK_NUMPAD2, false, 1, -1.45f, 400, 1, -1.4707963f, 400},
        TKlaves{VK_DOWN, false, 1, 0.3f, 400, 1, 0.2f, 400},
        TKlaves{VK_SHIFT, false, 1, 0.3f, 400, 1, 0.3f, 400}));

TEST_F(AppTest, ControlIsReleasedByItsKeyUp) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  Klaves(VK_CONTROL);
  Posli(WM_KEYUP, VK_CONTROL, 0);
  D = 400;
  PITCH = 0.1f;
  Klaves(VK_UP);
  EXPECT_EQ(D, 400);
  EXPECT_FLOAT_EQ(PITCH, 0.2f);
}

TEST_F(AppTest, F2WritesTheScreenshot) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  Klaves(VK_F2);
  struct stat st;
  ASSERT_EQ(stat("TSSCAN.bmp", &st), 0);
  // 800 × 600 fitted into 400 × 200 keeps its proportions: 266 × 200, 24 bits.
  EXPECT_EQ(st.st_size, 54 + ((266 * 3 + 3) & ~3) * 200);
}

TEST_F(AppTest, KeyDuringIdleRotationStopsItUntilTheCountComesBack) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  demo_mod = 1;
  pulz_poc_msna = 900;
  Klaves(VK_SHIFT);
  EXPECT_EQ(demo_mod, 0);
  EXPECT_EQ(pulz_poc_msna, 401);
  for (int i = 0; i < 398; ++i) PULZ();
  EXPECT_EQ(demo_mod, 0);
  PULZ();
  EXPECT_EQ(pulz_poc_msna, 800);
  EXPECT_EQ(demo_mod, 1);
}

TEST_F(AppTest, KeyKeepsALowIdleCount) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  pulz_poc_msna = 150;
  Klaves(VK_LEFT);
  EXPECT_EQ(pulz_poc_msna, 150);
}

TEST_F(AppTest, EscapeClosesWithoutRedraw) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  ZaplnZadny(ZNACKA);
  Klaves(VK_ESCAPE);
  EXPECT_TRUE(ZadnyZaplneny(ZNACKA));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, (UINT)WM_CLOSE);
}

struct TKoliesko {
  int delta;
  int d;
  int d_po;
};

class Wheel : public AppTest, public ::testing::WithParamInterface<TKoliesko> {};

TEST_P(Wheel, ZoomsByASixthOfTheDelta) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  D = GetParam().d;
  demo_mod = 1;
  pulz_poc_msna = 300;
  Posli(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)(short)GetParam().delta), 0);
  EXPECT_EQ(D, GetParam().d_po);
  EXPECT_EQ(demo_mod, 0);
  EXPECT_EQ(pulz_poc_msna, 0);
}

INSTANTIATE_TEST_SUITE_P(Table, Wheel,
                         ::testing::Values(TKoliesko{120, 400, 420}, TKoliesko{-120, 400, 380},
                                           TKoliesko{240, 590, 600}, TKoliesko{-120, 110, 100},
                                           TKoliesko{-5, 400, 400}, TKoliesko{-7, 400, 399}));

TEST_F(AppTest, MoveOnlyRecomposesWithoutAPanel) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  ZaplnZadny(ZNACKA);
  Pohyb(500, 200);
  EXPECT_TRUE(ZadnyZaplneny(ZNACKA));
  EXPECT_EQ(kurzor.x, 493);
  EXPECT_EQ(kurzor.y, 200);
  EXPECT_EQ(IN_dx, 100);
  EXPECT_EQ(IN_dy, 100);
  // The screen shows the kept view and the pointer over it.
  EXPECT_EQ(lpDDSPrimary->PLAT_Row(50)[700], ZNACKA);
  EXPECT_TRUE(Prekryte(493, 200, 510, 220));
}

TEST_F(AppTest, RecomposingKeepsTheRenderedView) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  Prekresli_scenu(1);
  ZaplnZadny(ZNACKA);
  Prekresli_scenu(0);
  EXPECT_TRUE(ZadnyZaplneny(ZNACKA));
  EXPECT_EQ(lpDDSPrimary->PLAT_Row(300)[400], ZNACKA);
}

TEST_F(AppTest, FrameIsSkippedWhenTheBackBufferCannotBeLocked) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  ZaplnZadny(ZNACKA);
  Prekresli_scenu(0);
  ZaplnZadny(0x0F0F);
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_SURFACEBUSY);
  Prekresli_scenu(1);
  EXPECT_TRUE(ZadnyZaplneny(0x0F0F));
  EXPECT_EQ(lpDDSPrimary->PLAT_Row(50)[700], ZNACKA);
  // The next frame renders and presents again.
  Prekresli_scenu(1);
  EXPECT_NE(lpDDSPrimary->PLAT_Row(50)[700], ZNACKA);
}

TEST_F(AppTest, HeldButtonTurnsTheViewWithThePulse) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  YAW = 1.0f;
  Pohyb(SX + 300, SY);
  Dole(SX + 300, SY);
  EXPECT_EQ(lave_dole, 1);
  PULZ();
  EXPECT_FLOAT_EQ(YAW, 1.04f);
  EXPECT_EQ(IN_dx, 160);
  Hore(SX + 300, SY);
  EXPECT_EQ(lave_dole, 0);
  PULZ();
  EXPECT_FLOAT_EQ(YAW, 1.04f);
}

TEST_F(AppTest, StripIsDraggedToTheTopAndToTheBottom) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  ASSERT_EQ(ovl_pos, 577);
  Pohyb(300, 582);
  Dole(300, 582);
  EXPECT_EQ(ovl_uchopeny, 1);
  EXPECT_EQ(ovl_chytdelta, 5);
  Pohyb(300, 2);
  EXPECT_EQ(ovl_pos, 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(tlacidlo[i].y, 0) << i;
  EXPECT_EQ(tlacidlo[5].y, SY);
  // Mouse navigation is off while the strip is held.
  YAW = 1.0f;
  PULZ();
  EXPECT_FLOAT_EQ(YAW, 1.0f);
  pulz_poc_msna = 0;
  Prekresli_scenu(0);
  EXPECT_EQ(lpDDSPrimary->PLAT_Row(0)[500], ovl_Mask[0]);
  EXPECT_EQ(lpDDSPrimary->PLAT_Row(14)[500], ovl_Mask[14]);
  Pohyb(300, 5000);
  EXPECT_EQ(ovl_pos, 585);
  Hore(300, 5000);
  EXPECT_EQ(ovl_uchopeny, 0);
  Pohyb(300, 100);
  EXPECT_EQ(ovl_pos, 585);
}

TEST_F(AppTest, StripTopRowDoesNotGrab) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  Dole(300, ovl_pos);
  EXPECT_EQ(ovl_uchopeny, 0);
  Hore(300, ovl_pos);
  Dole(300, ovl_pos + 15);
  EXPECT_EQ(ovl_uchopeny, 0);
}

TEST_F(AppTest, ZoomButtonsActOnPressAndKeepNavigating) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  D = 400;
  KlikTlacidlo(TL_ODDIAL);
  EXPECT_EQ(D, 370);
  KlikTlacidlo(TL_PRIBLIZ);
  KlikTlacidlo(TL_PRIBLIZ);
  EXPECT_EQ(D, 430);
  // A press held on a zoom button zooms once and navigates as well.
  const int x = tlacidlo[TL_PRIBLIZ].x + 9, y = tlacidlo[TL_PRIBLIZ].y + 5;
  Pohyb(x, y);
  Dole(x, y);
  EXPECT_EQ(lave_dole, 1);
  EXPECT_EQ(D, 460);
}

TEST_F(AppTest, RightButtonTogglesTheList) {
  Panoramy(2);
  ASSERT_EQ(Spusti("pano_2.bmp"), 1);
  EXPECT_EQ(dui_PANO.viditelny, 0);
  pulz_poc_msna = 300;
  Posli(WM_RBUTTONDOWN, 0, 0);
  EXPECT_EQ(dui_PANO.viditelny, 1);
  EXPECT_EQ(pulz_poc_msna, 0);
  Posli(WM_RBUTTONDOWN, 0, 0);
  EXPECT_EQ(dui_PANO.viditelny, 0);
}

TEST_F(AppTest, PressOutsideTheListClosesItAndNavigates) {
  Panoramy(2);
  ASSERT_EQ(Spusti(""), 1);
  ASSERT_EQ(dui_PANO.viditelny, 1);
  Pohyb(20, 20);
  Dole(20, 20);
  EXPECT_EQ(dui_PANO.viditelny, 0);
  EXPECT_EQ(lave_dole, 1);
}

TEST_F(AppTest, PressInsideTheListDoesNotNavigate) {
  Panoramy(2);
  ASSERT_EQ(Spusti(""), 1);
  const RECT& r = dui_PANO.podkl_rect;
  Pohyb(r.left + 2, r.top + 2);
  Dole(r.left + 2, r.top + 2);
  EXPECT_EQ(dui_PANO.viditelny, 1);
  EXPECT_EQ(lave_dole, 0);
}

TEST_F(AppTest, SoundsOfKeysHoverAndChoice) {
  Panoramy(3);
  ASSERT_EQ(Spusti(""), 1);
  ASSERT_NE(zvuk_1.SBUFFER, nullptr);
  PLAT_FaultClear();
  Klaves(VK_F3);
  Klaves(VK_F4);
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 2);
  // Onto a row, along it, onto the next row, off the rows.
  const RECT r0 = dui_PANO.VOL[0].rect;
  const RECT r1 = dui_PANO.VOL[1].rect;
  Pohyb(r0.left + 5, r0.top + 5);
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 3);
  Pohyb(r0.left + 9, r0.top + 6);
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 3);
  Pohyb(r1.left + 5, r1.top + 5);
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 4);
  Pohyb(5, 5);
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 4);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PLAT_CallCount(PC_SoundPlay), 5);
}

TEST_F(AppTest, PreviousAndNextWrapAroundTheList) {
  Panoramy(3);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  KlikTlacidlo(TL_PRED);
  EXPECT_EQ(PAN_id, 2);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PAN_id, 0);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PAN_id, 1);
  EXPECT_EQ(lave_dole, 0);
}

TEST_F(AppTest, CloseButtonActsOnRelease) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  const int x = tlacidlo[TL_KONIEC].x + 5, y = tlacidlo[TL_KONIEC].y + 5;
  Pohyb(x, y);
  Dole(x, y);
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
  Hore(x, y);
  EXPECT_TRUE(PeekMessageA(&m, nullptr, WM_CLOSE, WM_CLOSE, PM_NOREMOVE));
}

}  // namespace
