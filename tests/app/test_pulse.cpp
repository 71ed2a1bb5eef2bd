// The timer pulse: quadratic navigation, wrapping and limits, the idle count and its
// staged redraws, the idle rotation.
#include <gtest/gtest.h>

#include "app/pulse.h"
#include "app/scene.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/view.h"

namespace {

constexpr float DVA_PI = 6.2831855f;
constexpr uint16_t ZNACKA = 0x1234;

struct TKrok {
  int dx, dy;
  float yaw, pitch;
  int dx_po, dy_po;
  float yaw_po, pitch_po;
};

class PulseStep : public AppTest, public ::testing::WithParamInterface<TKrok> {};

TEST_P(PulseStep, TurnsQuadraticallyAndKeepsTheLimits) {
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
        // Clamped to 160 and stored; 160² / 640000 = 0.04.
        TKrok{300, 0, 1.0f, 0.1f, 160, 0, 1.04f, 0.1f}, TKrok{-300, 0, 1.0f, 0.1f, -160, 0, 0.96f, 0.1f},
        TKrok{80, 0, 1.0f, 0.1f, 80, 0, 1.01f, 0.1f}, TKrok{0, 0, 1.0f, 0.1f, 0, 0, 1.0f, 0.1f},
        // Pointer above the centre tilts up.
        TKrok{0, 80, 1.0f, 0.1f, 0, 80, 1.0f, 0.11f}, TKrok{0, -1000, 1.0f, 0.1f, 0, -160, 1.0f, 0.06f},
        // Wrapping just below 2π and just above 0.
        TKrok{160, 0, 6.27f, 0.1f, 160, 0, 6.27f + 0.04f - DVA_PI, 0.1f},
        TKrok{-160, 0, 0.01f, 0.1f, -160, 0, 0.01f - 0.04f + DVA_PI, 0.1f},
        // Pitch limits.
        TKrok{0, 160, 1.0f, 1.46f, 0, 160, 1.0f, 1.4707963f}, TKrok{0, -160, 1.0f, -1.46f, 0, -160, 1.0f, -1.4707963f}));

TEST_F(AppTest, NoTurningWhileTheStripIsDragged) {
  lave_dole = 1;
  ovl_uchopeny = 1;
  IN_dx = 300;
  YAW = 1.0f;
  PULZ();
  EXPECT_FLOAT_EQ(YAW, 1.0f);
  EXPECT_EQ(IN_dx, 300);
}

TEST_F(AppTest, IdleCountStopsAtItsCeiling) {
  pulz_poc_msna = 4999;
  demo_mod = 1;
  PULZ();
  EXPECT_EQ(pulz_poc_msna, 5000);
  PULZ();
  EXPECT_EQ(pulz_poc_msna, 5000);
}

struct TPrah {
  int pred;
  bool vykresli;
  bool demo;
};

class PulseThreshold : public AppTest, public ::testing::WithParamInterface<TPrah> {};

TEST_P(PulseThreshold, RendersAtTheStages) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  YAW = 1.0f;
  pulz_poc_msna = GetParam().pred;
  ZaplnZadny(ZNACKA);
  PULZ();
  EXPECT_EQ(!ZadnyZaplneny(ZNACKA), GetParam().vykresli);
  EXPECT_EQ(demo_mod, GetParam().demo ? 1 : 0);
  EXPECT_FLOAT_EQ(YAW, GetParam().demo ? 1.001f : 1.0f);
}

INSTANTIATE_TEST_SUITE_P(Table, PulseThreshold,
                         ::testing::Values(TPrah{197, false, false}, TPrah{198, false, false},
                                           TPrah{199, true, false}, TPrah{200, false, false},
                                           TPrah{398, false, false}, TPrah{399, true, false},
                                           TPrah{400, false, false}, TPrah{798, false, false},
                                           TPrah{799, true, true}));

TEST_F(AppTest, IdleRotationWrapsAtTwoPi) {
  demo_mod = 1;
  pulz_poc_msna = 900;
  YAW = 6.2831f;
  PULZ();
  EXPECT_FLOAT_EQ(YAW, 6.2831f + 0.001f - DVA_PI);
}

// What a frame puts over the view at a given idle count.
struct TViditelnost {
  int pocet;
  bool panel;
  bool pruh;
  bool kurzor;
};

class Overlays : public AppTest, public ::testing::WithParamInterface<TViditelnost> {};

TEST_P(Overlays, FollowTheIdleCount) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  const TViditelnost& v = GetParam();
  dui_PANO.viditelny = 0;
  dui_sito.viditelny = v.panel ? 1 : 0;
  kurzor.x = 300;
  kurzor.y = 100;
  pulz_poc_msna = v.pocet;
  Prekresli_scenu(1);
  // A stretch of the strip between the buttons, the zoom-out button, the close button.
  EXPECT_EQ(Prekryte(250, ovl_pos, 300, ovl_pos + 14), v.pruh);
  EXPECT_EQ(Prekryte(tlacidlo[0].x, tlacidlo[0].y, tlacidlo[0].x + 15, tlacidlo[0].y + 14), v.pruh);
  EXPECT_EQ(Prekryte(tlacidlo[4].x, tlacidlo[4].y, tlacidlo[4].x + 15, tlacidlo[4].y + 14), v.pruh);
  EXPECT_EQ(Prekryte(300, 100, 317, 119), v.kurzor);
}

INSTANTIATE_TEST_SUITE_P(Table, Overlays,
                         ::testing::Values(TViditelnost{0, false, true, true}, TViditelnost{199, false, true, true},
                                           TViditelnost{200, false, false, true},
                                           TViditelnost{399, false, false, true},
                                           TViditelnost{400, false, false, false},
                                           TViditelnost{800, false, false, false},
                                           TViditelnost{400, true, false, true}));

TEST_F(AppTest, StripRowsTakeTheSheetColours) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  pulz_poc_msna = 0;
  Prekresli_scenu(0);
  for (int j = 0; j < ovl_vys; ++j) {
    EXPECT_EQ(lpDDSPrimary->PLAT_Row(ovl_pos + j)[30], ovl_Mask[j]) << j;
    EXPECT_EQ(lpDDSPrimary->PLAT_Row(ovl_pos + j)[700], ovl_Mask[j]) << j;
  }
  // Nothing left of the strip, nor right of it beyond the close button.
  EXPECT_FALSE(Prekryte(0, ovl_pos, 29, ovl_pos + 14));
  EXPECT_FALSE(Prekryte(tlacidlo[4].x + 17, ovl_pos, obraz_sir - 1, ovl_pos + 14));
  // Grey ramp from the sheet, black at the bottom.
  EXPECT_NE(ovl_Mask[0], 0);
  EXPECT_EQ(ovl_Mask[14], 0);
}

TEST_F(AppTest, StripColourModes) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  Init_ovladac(0, 1);
  for (uint16_t m : ovl_Mask) EXPECT_EQ(m, 9);
  Init_ovladac(0, 7);  // unknown mode: colours stay
  for (uint16_t m : ovl_Mask) EXPECT_EQ(m, 9);
  Init_ovladac(0, 0);
  for (uint16_t m : ovl_Mask) EXPECT_EQ(m, 0);
  EXPECT_EQ(ovl_pos, 577);
}

}  // namespace
