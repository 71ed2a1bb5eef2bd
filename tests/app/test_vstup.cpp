// Keys, the wheel, the timer pulse and the idle count, the strip and the buttons, through
// the window procedure.
#include <sys/stat.h>

#include <vector>

#include "app/input.h"
#include "app/pulse.h"
#include "app/scene.h"
#include "app/sprava.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/view.h"
#include "platform/fault.h"

namespace {

constexpr float DVA_PI = 6.2831855f;
constexpr uint16_t ZNACKA = 0x4321;

struct TVstup {
  UINT msg;
  WPARAM kod;
  bool ctrl;
  float yaw, pitch;
  int d;
  float yaw_po, pitch_po;
  int d_po, pulz_po;  // the idle count after, from 900
};

WPARAM Koliesko(int delta) { return MAKEWPARAM(0, (WORD)(short)delta); }

class KeyTable : public AppTest, public ::testing::WithParamInterface<TVstup> {};

TEST_P(KeyTable, ChangesTheViewStopsTheIdleTurningAndRenders) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  const TVstup& k = GetParam();
  if (k.ctrl) Klaves(VK_CONTROL);
  YAW = k.yaw;
  PITCH = k.pitch;
  D = k.d;
  demo_mod = 1;
  pulz_poc_msna = 900;
  ZaplnZadny(ZNACKA);
  Posli(k.msg, k.kod, 0);
  EXPECT_FLOAT_EQ(YAW, k.yaw_po);
  EXPECT_FLOAT_EQ(PITCH, k.pitch_po);
  EXPECT_EQ(D, k.d_po);
  EXPECT_EQ(demo_mod, 0);
  EXPECT_EQ(pulz_poc_msna, k.pulz_po);
  if (k.msg == WM_KEYDOWN) {
    EXPECT_FALSE(ZadnyZaplneny(ZNACKA));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Table, KeyTable,
    ::testing::Values(
        TVstup{WM_KEYDOWN, VK_ADD, false, 1, 0.1f, 110, 1, 0.1f, 100, 401},
        TVstup{WM_KEYDOWN, VK_SUBTRACT, false, 1, 0.1f, 590, 1, 0.1f, 600, 401},
        // Above the limit after a mode change: the next zoom input limits it.
        TVstup{WM_KEYDOWN, VK_SUBTRACT, false, 1, 0.1f, 640, 1, 0.1f, 600, 401},
        TVstup{WM_KEYDOWN, VK_UP, true, 1, 0.1f, 590, 1, 0.1f, 600, 401},
        TVstup{WM_KEYDOWN, VK_DOWN, true, 1, 0.1f, 110, 1, 0.1f, 100, 401},
        TVstup{WM_KEYDOWN, VK_NUMPAD8, true, 1, 0.1f, 400, 1, 0.1f, 430, 401},
        TVstup{WM_KEYDOWN, VK_LEFT, false, 0.05f, 0.1f, 400, 0.05f - 0.1f + DVA_PI, 0.1f, 400, 401},
        TVstup{WM_KEYDOWN, VK_NUMPAD4, false, 1, 0.1f, 400, 0.9f, 0.1f, 400, 401},
        TVstup{WM_KEYDOWN, VK_RIGHT, false, 6.25f, 0.1f, 400, 6.25f + 0.1f - DVA_PI, 0.1f, 400, 401},
        TVstup{WM_KEYDOWN, VK_NUMPAD6, false, 1, 0.1f, 400, 1.1f, 0.1f, 400, 401},
        TVstup{WM_KEYDOWN, VK_UP, false, 1, 1.45f, 400, 1, 1.4707963f, 400, 401},
        TVstup{WM_KEYDOWN, VK_NUMPAD2, false, 1, -1.45f, 400, 1, -1.4707963f, 400, 401},
        TVstup{WM_KEYDOWN, VK_DOWN, false, 1, 0.3f, 400, 1, 0.2f, 400, 401},
        TVstup{WM_KEYDOWN, VK_SHIFT, false, 1, 0.3f, 400, 1, 0.3f, 400, 401},
        // The wheel: a sixth of the delta, limited; it resets the idle count.
        TVstup{WM_MOUSEWHEEL, Koliesko(120), false, 1, 0.1f, 400, 1, 0.1f, 420, 0},
        TVstup{WM_MOUSEWHEEL, Koliesko(-120), false, 1, 0.1f, 400, 1, 0.1f, 380, 0},
        TVstup{WM_MOUSEWHEEL, Koliesko(240), false, 1, 0.1f, 590, 1, 0.1f, 600, 0},
        TVstup{WM_MOUSEWHEEL, Koliesko(-120), false, 1, 0.1f, 110, 1, 0.1f, 100, 0},
        TVstup{WM_MOUSEWHEEL, Koliesko(-5), false, 1, 0.1f, 400, 1, 0.1f, 400, 0},
        TVstup{WM_MOUSEWHEEL, Koliesko(-7), false, 1, 0.1f, 400, 1, 0.1f, 399, 0}));

struct TKrok {
  int dx, dy;
  float yaw, pitch;
  int dx_po, dy_po;
  float yaw_po, pitch_po;
};

class PulseStep : public AppTest, public ::testing::WithParamInterface<TKrok> {};

TEST_P(PulseStep, TurnsQuadraticallyWithTheOffsetsSign) {
  const TKrok& k = GetParam();
  lave_dole = 1;
  IN_dx = k.dx;
  IN_dy = k.dy;
  YAW = k.yaw;
  PITCH = k.pitch;
  PULZ();
  EXPECT_EQ(IN_dx, k.dx_po);
  EXPECT_EQ(IN_dy, k.dy_po);
  EXPECT_FLOAT_EQ(YAW, k.yaw_po);
  EXPECT_FLOAT_EQ(PITCH, k.pitch_po);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PulseStep,
    ::testing::Values(
        // Clamped to 160 and stored; 160² / 640000 = 0.04. The wrap and the pitch limit are the
        // keys' (one rule for both).
        TKrok{300, 0, 1.0f, 0.1f, 160, 0, 1.04f, 0.1f}, TKrok{-300, 0, 1.0f, 0.1f, -160, 0, 0.96f, 0.1f},
        TKrok{80, 0, 1.0f, 0.1f, 80, 0, 1.01f, 0.1f}, TKrok{0, 80, 1.0f, 0.1f, 0, 80, 1.0f, 0.11f},
        TKrok{0, -1000, 1.0f, 0.1f, 0, -160, 1.0f, 0.06f}));

// The idle count: a frame at 200 (strip gone), 400 (pointer gone) and 800 (idle turning
// starts), stopping at 5000.
TEST_F(AppTest, IdleCountRendersAtItsStages) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  const struct {
    int pred;
    bool vykresli, demo;
  } pripady[] = {{198, false, false}, {199, true, false}, {200, false, false}, {398, false, false},
                 {399, true, false},  {400, false, false}, {798, false, false}, {799, true, true},
                 {4999, false, false}, {5000, false, false}};
  for (const auto& c : pripady) {
    YAW = 1.0f;
    demo_mod = 0;
    pulz_poc_msna = c.pred;
    ZaplnZadny(ZNACKA);
    PULZ();
    EXPECT_EQ(pulz_poc_msna, c.pred < 5000 ? c.pred + 1 : 5000);
    EXPECT_EQ(!ZadnyZaplneny(ZNACKA), c.vykresli) << c.pred;
    EXPECT_EQ(demo_mod, c.demo ? 1 : 0) << c.pred;
    EXPECT_FLOAT_EQ(YAW, c.demo ? 1.001f : 1.0f) << c.pred;
  }
}

// What a frame puts over the view at a given idle count.
TEST_F(AppTest, OverlaysFollowTheIdleCount) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  const struct {
    int pocet;
    bool panel, pruh, kurzor;
  } pripady[] = {{199, false, true, true},  {200, false, false, true}, {399, false, false, true},
                 {400, false, false, false}, {400, true, false, true}};
  for (const auto& v : pripady) {
    dui_sito.viditelny = v.panel ? 1 : 0;
    kurzor.x = 300;
    kurzor.y = 100;
    pulz_poc_msna = v.pocet;
    Prekresli_scenu(1);
    EXPECT_EQ(Prekryte(250, ovl_pos, 300, ovl_pos + 14), v.pruh) << v.pocet;
    EXPECT_EQ(Prekryte(tlacidlo[4].x, tlacidlo[4].y, tlacidlo[4].x + 15, tlacidlo[4].y + 14), v.pruh) << v.pocet;
    EXPECT_EQ(Prekryte(300, 100, 317, 119), v.kurzor) << v.pocet;
  }
}

TEST_F(AppTest, StripIsDraggedToTheTopAndToTheBottom) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  Pohyb(300, ovl_pos + 5);
  Dole(300, ovl_pos + 5);
  ASSERT_EQ(ovl_uchopeny, 1);
  Pohyb(300, 2);
  EXPECT_EQ(ovl_pos, 0);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(tlacidlo[i].y, 0) << i;
  // The view does not turn while the strip is held; the strip shows the sheet's colours.
  YAW = 1.0f;
  PULZ();
  EXPECT_FLOAT_EQ(YAW, 1.0f);
  pulz_poc_msna = 0;
  Prekresli_scenu(1);
  for (int j = 0; j < ovl_vys; ++j) EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(500, j), ovl_Mask[j]) << j;
  EXPECT_FALSE(Prekryte(0, 0, 29, 14));
  Pohyb(300, 5000);
  EXPECT_EQ(ovl_pos, 585);
  Hore(300, 5000);
  Pohyb(300, 100);
  EXPECT_EQ(ovl_pos, 585);
}

std::vector<uint16_t> Obrazovka() {
  std::vector<uint16_t> px;
  for (int y = 0; y < lpDDSPrimary->PLAT_Height(); ++y)
    px.insert(px.end(), lpDDSPrimary->PLAT_Row(y), lpDDSPrimary->PLAT_Row(y) + lpDDSPrimary->PLAT_Width());
  return px;
}

// Pointer moves and the strip's drag draw no new view: the last one comes back from under the
// overlays, so the screen is the one a frame with a new view of it shows, with the text over
// the view or without.
TEST_F(AppTest, FramesWithoutANewViewShowWhatARenderedFrameShows) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  for (const char* subor : {"pano_1.bmp", "chyba.bmp"}) {
    Zobraz_PANORAMU(subor, 1);
    Prekresli_scenu(1);
    const int pruh = ovl_pos + 5, sipka_x = tlacidlo[5].x + 8, sipka_y = tlacidlo[5].y + 8;
    const struct {
      bool dole;
      int x, y;
    } kroky[] = {{false, 400, 300}, {false, 310, 10},  {false, sipka_x, sipka_y}, {false, 400, 300},
                 {false, 300, pruh}, {true, 300, pruh}, {false, 320, 200},         {false, 330, 590}};
    for (const auto& k : kroky) {
      if (k.dole)
        Dole(k.x, k.y);
      else
        Pohyb(k.x, k.y);
      const std::vector<uint16_t> bez = Obrazovka();
      Prekresli_scenu(1);
      EXPECT_TRUE(Obrazovka() == bez) << subor << " " << k.x << "," << k.y;
    }
    Hore(330, 590);
  }
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
  EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(700, 50), ZNACKA);
  Prekresli_scenu(1);
  EXPECT_NE(lpDDSPrimary->PLAT_Pixel(700, 50), ZNACKA);
}

TEST_F(AppTest, F2WritesTheScreenshotAndEscapeCloses) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  Klaves(VK_F2);
  struct stat st;
  ASSERT_EQ(stat("TSSCAN.bmp", &st), 0);
  // 800 × 600 fitted into 400 × 200 keeps its proportions: 266 × 200, 24 bits.
  EXPECT_EQ(st.st_size, 54 + ((266 * 3 + 3) & ~3) * 200);
  ZaplnZadny(ZNACKA);
  Klaves(VK_ESCAPE);
  EXPECT_TRUE(ZadnyZaplneny(ZNACKA));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(m.message, (UINT)WM_CLOSE);
}

}  // namespace
