// The rasterizer against the plain reference sieve, pixel for pixel, and its drawn area.
#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
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

const int kObrazovky[][2] = {{320, 200}, {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
const uint16_t kZnacka = 0xFFFF;  // never a column or row number

class SitoTest : public EngineDisplej {
 protected:
  // Renders and compares with the reference; one store fill: columns (true) or rows.
  void Porovnaj(bool stlpce, const char* kde) {
    TRef_suradnice ref;
    Ref_Sito(&ref);
    Zadny_vypln(kZnacka);
    ASSERT_EQ(Sito_Vykresli(), 1) << kde;
    const std::vector<uint16_t> px = Zadny_pixely();
    const int w = lpDDSBack->PLAT_Width(), h = lpDDSBack->PLAT_Height();
    int zle = 0;
    for (int y = 0; y < h && zle < 5; ++y)
      for (int x = 0; x < w && zle < 5; ++x) {
        const uint16_t p = px[(size_t)y * w + x];
        if (x >= ref.sir || y >= ref.vys) {
          if (p != kZnacka) ++zle, ADD_FAILURE() << kde << ": written outside the grid at " << x << "," << y;
          continue;
        }
        const size_t i = (size_t)y * ref.sir + x;
        const int ocak = stlpce ? ref.mm[i] : ref.nn[i];
        if (stlpce ? (ocak < 0 || ocak >= pan_sir) : (ocak < 0 || ocak > W_riadok_max))
          ++zle, ADD_FAILURE() << kde << ": reference leaves the picture at " << x << "," << y << ": " << ocak;
        if (p != ocak)
          ++zle, ADD_FAILURE() << kde << (stlpce ? ": column " : ": row ") << p << " instead of " << ocak << " at "
                               << x << "," << y;
      }
  }

  // Every view on the screens and grids given (all of them when none are given).
  void VsetkyNazory(int pan_s, int pan_v, std::vector<int> obrazovky = {0, 1, 2, 3, 4},
                    std::vector<int> mriezky = {10, 15, 20, 25, 40}) {
    for (int fill = 0; fill < 2; ++fill) {
      fill == 0 ? W_vypln_stlpce() : W_vypln_riadky();
      for (int oi : obrazovky) {
        const int* o = kObrazovky[oi];
        Obrazovka(o[0], o[1]);
        for (int g : mriezky) {
          ASSERT_EQ(Reset_Sito(g, g), 1);
          for (const TNazor& n : kNazory) {
            Pohlad_nastav({o[0], o[1], pan_s, pan_v, n.yaw, n.pitch, n.d, n.sfer});
            char kde[160];
            std::snprintf(kde, sizeof(kde), "%s, %dx%d, grid %d, picture %dx%d", n.meno, o[0], o[1], g, pan_s, pan_v);
            Porovnaj(fill == 0, kde);
          }
        }
      }
    }
  }
};

TEST_F(SitoTest, MatchesTheReferenceEverywhere) { VsetkyNazory(4000, 2000); }

TEST_F(SitoTest, MatchesTheReferenceForA2001RowPicture) { VsetkyNazory(4001, 2001, {0, 4}, {15, 20, 40}); }

TEST_F(SitoTest, MatchesTheReferenceForOddAndPartialPictures) {
  VsetkyNazory(2999, 1500, {1}, {20, 25});
  VsetkyNazory(4000, 1000, {2}, {10, 20});
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
  W[0][0] = 77;
  ASSERT_EQ(Sito_Vykresli(), 1);
  for (int y = 0; y < 15 * 32; ++y)
    for (int x = 0; x < 15 * 42; ++x) ASSERT_EQ(lpDDSBack->PLAT_Row(y)[x], 77) << x << "," << y;
}

TEST_F(SitoTest, NothingDrawnWithoutALockableBackBuffer) {
  Obrazovka(800, 600);
  Pohlad_nastav({800, 600, 4000, 2000, 3.1415927f, 0.1f, 400, 0});
  ASSERT_EQ(Reset_Sito(20, 20), 1);
  W_vypln_stlpce();
  Zadny_vypln(kZnacka);
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_SURFACELOST);
  EXPECT_EQ(Sito_Vykresli(), 0);
  PLAT_FaultClear();
  for (uint16_t p : Zadny_pixely()) ASSERT_EQ(p, kZnacka);
  // A grid laid out for a larger screen than the buffer: refused, not drawn past its edges.
  obraz_sir = 1280;
  obraz_vys = 1024;
  ASSERT_EQ(Reset_Sito(20, 20), 1);
  EXPECT_EQ(Sito_Vykresli(), 0);
  for (uint16_t p : Zadny_pixely()) ASSERT_EQ(p, kZnacka);
  IDirectDrawSurface* const zadny = lpDDSBack;
  lpDDSBack = nullptr;
  EXPECT_EQ(Sito_Vykresli(), 0);
  lpDDSBack = zadny;
}

}  // namespace
