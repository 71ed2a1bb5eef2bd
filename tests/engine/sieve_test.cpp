// The rasterizer against the plain reference sieve, pixel for pixel, its drawn area, and
// the same pixels from any number of drawing threads.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "engine/workers.h"
#include "platform/fault.h"
#include "tests/common/engine_ref.h"
#include "tests/engine/engine_displej.h"
#include "tests/engine/engine_test_util.h"

namespace {

struct TNazor {
  const char* meno;
  float yaw, pitch;
  int d, sfer;
};

const TNazor kNazory[] = {
    {"first view", 3.1415927f, 0.1f, 400, 0},
    {"across the seam, right", 6.2f, 0.0f, 300, 0},
    {"across the seam, left", 0.05f, -0.2f, 300, 0},
    {"over the zenith", 1.0f, 1.4707963f, 100, 0},
    {"over the nadir", 4.0f, -1.4707963f, 100, 0},
    {"straight up, narrow", 2.0f, 1.4707963f, 640, 0},
    {"case B, wide", 1.6f, 0.3f, 150, 0},
    {"spherical, corners 5 rad off-axis", 0.3f, 0.5f, 100, 1},
    {"spherical over the nadir", 5.5f, -1.4707963f, 160, 1},
    {"spherical over the zenith, case B", 4.7f, 1.4707963f, 100, 1},
};

const int kObrazovky[][2] = {{320, 200},  {640, 480},   {800, 600},   {1024, 768}, {1280, 1024},
                             {1366, 768}, {1920, 1080}, {2560, 1080}, {1920, 1200}};
const std::vector<int> kMenu = {10, 15, 20, 25, 40};
const uint16_t kMimo = 0xFFFF;  // outside the picture, and the back buffer before drawing

// Every pixel of the picture tells where it came from (a step off in column or row changes
// it) and is neither black nor kMimo; the store around the picture is kMimo.
void W_vypln_vzor() {
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m)
      W16(n, m) = m < pan_sir && n <= W_riadok_max ? (uint16_t)(1 + (m * 7 + n * 4099) % 65534) : kMimo;
}

class SitoTest : public EngineDisplej {
 protected:
  void TearDown() override {
    Vlakna_Zastav();
    EngineDisplej::TearDown();
  }

  // Renders; the whole screen must match the reference, which must stay in the picture.
  void Porovnaj(const char* kde) {
    const int w = obraz_sir, h = obraz_vys;
    std::vector<uint16_t> ref((size_t)w * h);
    Ref_Sito_Pixely(ref.data(), (long)w * 2, 2);
    Zadny_vypln(kMimo);
    ASSERT_EQ(Sito_Vykresli(), 1) << kde;
    for (int y = 0; y < h; ++y) {
      const uint16_t *p = lpDDSBack->PLAT_Row(y), *o = &ref[(size_t)y * w];
      if (std::memcmp(p, o, (size_t)w * 2) == 0 && std::find(o, o + w, kMimo) == o + w) continue;
      int x = 0;
      while (p[x] == o[x] && o[x] != kMimo) ++x;
      FAIL() << kde << ": pixel " << x << "," << y << " is " << p[x] << ", the reference " << o[x];
    }
  }

  // The views given (all when none) on the screens and grids given.
  void VsetkyNazory(int pan_s, int pan_v, std::vector<int> obrazovky, std::vector<int> mriezky = kMenu,
                    std::vector<int> nazory = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}) {
    Pohlad_nastav({800, 600, pan_s, pan_v, 0, 0, 400, 0});  // the picture's place in the store
    W_vypln_vzor();
    for (int oi : obrazovky) {
      const int* o = kObrazovky[oi];
      Obrazovka(o[0], o[1]);
      for (int g : mriezky) {
        for (int ni : nazory) {
          const TNazor& n = kNazory[ni];
          Pohlad_nastav({o[0], o[1], pan_s, pan_v, n.yaw, n.pitch, n.d, n.sfer});
          ASSERT_EQ(Reset_Sito(g, g), 1);
          char kde[160];
          std::snprintf(kde, sizeof(kde), "%s, %dx%d, grid %d, picture %dx%d", n.meno, o[0], o[1], g, pan_s, pan_v);
          Porovnaj(kde);
          if (HasFatalFailure()) return;
        }
      }
    }
  }
};

// Every view on two screens; on the others (the cost grows with the size) a view across the
// seam and one beyond each pole, rectilinear and spherical.
TEST_F(SitoTest, MatchesTheReferenceEverywhere) {
  VsetkyNazory(4000, 2000, {0, 2});
  VsetkyNazory(4000, 2000, {1, 3, 4, 5, 6, 7, 8}, kMenu, {1, 3, 8});
}

// Cells of 50 pixels step by 1/49, which binary fractions do not hold exactly.
TEST_F(SitoTest, MatchesTheReferenceWhereTheStepIsInexact) { VsetkyNazory(4000, 2000, {2}, {16}); }

// The store's last row and column reached beyond the poles.
TEST_F(SitoTest, MatchesTheReferenceForA2001RowPicture) {
  VsetkyNazory(4001, 2001, {0, 4}, {15, 20, 40}, {1, 3, 4, 8, 9});
}

TEST_F(SitoTest, MatchesTheReferenceForOddAndPartialPictures) {
  VsetkyNazory(2999, 1500, {1}, {20, 25});
  VsetkyNazory(4000, 1000, {2}, {10, 20});
}

// No pixel of any screen left black at any grid of the menu, and the same pixels from 1, 2
// and 8 drawing threads, whichever thread takes which band, after a frame of another view.
TEST_F(SitoTest, EveryPixelDrawnAlikeOnAnyNumberOfThreads) {
  Pohlad_nastav({800, 600, 4000, 2000, 0, 0, 400, 0});
  W_vypln_vzor();
  for (const auto& o : kObrazovky) {
    Obrazovka(o[0], o[1]);
    for (int g : kMenu) {
      const TNazor& n = kNazory[3];
      Pohlad_nastav({o[0], o[1], 4000, 2000, n.yaw, n.pitch, n.d, n.sfer});
      ASSERT_EQ(Reset_Sito(g, g), 1);
      std::vector<uint16_t> jedno;
      for (int vlakna : {1, 2, 8}) {
        ASSERT_EQ(Vlakna_Spusti(vlakna), 1);
        YAW += 1;
        ASSERT_EQ(Sito_Vykresli(), 1);
        YAW -= 1;
        Zadny_vypln(0);
        ASSERT_EQ(Sito_Vykresli(), 1);
        const std::vector<uint16_t> px = Zadny_pixely();
        if (vlakna > 1) {
          ASSERT_TRUE(px == jedno) << o[0] << "x" << o[1] << ", grid " << g << ", " << vlakna << " threads";
          continue;
        }
        jedno = px;
        const long cierny = std::find(px.begin(), px.end(), 0) - px.begin();
        ASSERT_EQ(cierny, (long)px.size()) << o[0] << "x" << o[1] << ", grid " << g << ": black at "
                                           << cierny % o[0] << "," << cierny / o[0];
      }
    }
  }
}

TEST_F(SitoTest, CentreCellRunsTheShortWayOverThePole) {
  Obrazovka(800, 600);
  Pohlad_nastav({800, 600, 4000, 2000, 1.0f, pi_pol_m, 100, 0});
  ASSERT_EQ(Reset_Sito(20, 20), 1);
  W_vypln_stlpce();
  ASSERT_EQ(Sito_Vykresli(), 1);
  const uint16_t* r0 = lpDDSBack->PLAT_Row(0);
  // Cell 10 of the first band: from -1277 to 2634 - 3999 = -1365, wrapped to 2723 … 2635.
  EXPECT_NEAR(r0[360], 2723, 1);
  EXPECT_NEAR(r0[399], 2635, 2);
  for (int x = 361; x < 400; ++x) EXPECT_LE(r0[x], r0[x - 1]) << x;
}

TEST_F(SitoTest, NothingLoadedDrawsTheStoresCorner) {
  Obrazovka(640, 480);
  Pohlad_nastav({640, 480, 0, 0, 3.1415927f, 0.1f, 320, 0});
  ASSERT_EQ(Reset_Sito(15, 15), 1);
  W_vypln_stlpce();
  W16(0, 0) = 77;
  ASSERT_EQ(Sito_Vykresli(), 1);
  for (int y = 0; y < 15 * 32; ++y)
    for (int x = 0; x < 15 * 42; ++x) ASSERT_EQ(lpDDSBack->PLAT_Row(y)[x], 77) << x << "," << y;
}

TEST_F(SitoTest, NothingDrawnWithoutALockableBackBuffer) {
  Obrazovka(800, 600);
  Pohlad_nastav({800, 600, 4000, 2000, 3.1415927f, 0.1f, 400, 0});
  ASSERT_EQ(Reset_Sito(20, 20), 1);
  W_vypln_stlpce();
  Zadny_vypln(kMimo);
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_SURFACELOST);
  EXPECT_EQ(Sito_Vykresli(), 0);
  PLAT_FaultClear();
  for (uint16_t p : Zadny_pixely()) ASSERT_EQ(p, kMimo);
  // A grid laid out for a larger screen than the buffer: refused, not drawn past its edges.
  obraz_sir = 1280;
  obraz_vys = 1024;
  ASSERT_EQ(Reset_Sito(20, 20), 1);
  EXPECT_EQ(Sito_Vykresli(), 0);
  for (uint16_t p : Zadny_pixely()) ASSERT_EQ(p, kMimo);
  IDirectDrawSurface* const zadny = lpDDSBack;
  lpDDSBack = nullptr;
  EXPECT_EQ(Sito_Vykresli(), 0);
  lpDDSBack = zadny;
}

}  // namespace
