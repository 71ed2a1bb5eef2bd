// The filtered view against the exact projection sampled bilinearly and supersampled; seam, poles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "display/screen.h"
#include "engine/filter.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "engine/workers.h"
#include "platform/pixel.h"
#include "tests/common/engine_ref.h"
#include "tests/common/filter_ref.h"
#include "tests/engine/engine_displej.h"

namespace {

const char* const kRezimy[] = {"nearest", "bilinear", "levels"};

class FilterTest : public EngineDisplej {
 protected:
  void TearDown() override {
    Sito_filter = SITO_NAJBLIZSI;
    Vlakna_Zastav();
    Vyprazdni_W();
    EngineDisplej::TearDown();
  }
  // The view in the given mode over a white back buffer, its pixels as X8R8G8B8 row by row.
  std::vector<uint32_t> Vykresli(int rezim, int mriezka = 20) {
    Sito_filter = rezim;
    EXPECT_EQ(Reset_Sito(mriezka, mriezka), 1);
    Zadny_vypln(0xFFFFFF);
    EXPECT_EQ(Sito_Vykresli(), 1);
    return Ref_Snimka();
  }
};

// Least dB of the levels against the bilinear reference, and gained against the supersampled one.
struct TFilter_nazor { const char* meno; int pan_s; float yaw, pitch; int d, sfer; double min_db, nad_urovne; };

// Screen 480 × 360: at D 240 a picture of 1508 columns is one picture pixel a screen pixel.
const TFilter_nazor kFiltre[] = {
    {"zoomed in, seam right", 400, 0.02f, 0.1f, 600, 0, 36, 0}, {"zoomed in, seam left", 400, 6.26f, 0.1f, 600, 0, 36, 0},
    {"typical", 1500, 2.0f, 0.2f, 240, 0, 27, 0},
    {"zoomed out, spherical", 4000, 2.0f, -0.4f, 100, 1, 0, 3}, {"widest, rectilinear", 4000, 2.0f, 0.2f, 100, 0, 0, 3},
    {"pole", 2000, 1.0f, 1.4707963f, 240, 0, 0, 0},
};

// Every view in every mode against both references (PSNR, dB); zoomed out the levels must win;
// zoomed in across the seam (right column blue, left not) no line.
TEST_F(FilterTest, PsnrAgainstTheReferences) {
  std::printf("PSNR (dB) vs bilinear / supersampled 4x4 reference, 480x360, grid 20\n");
  std::printf("  %-22s %-3s %-15s %-15s %-15s\n", "view", "bpp", kRezimy[0], kRezimy[1], kRezimy[2]);
  for (const TFilter_nazor& n : kFiltre) {
    const TRef_obraz o = Ref_obraz(n.pan_s, n.pan_s / 2);
    Pohlad_nastav({480, 360, n.pan_s, n.pan_s / 2, n.yaw, n.pitch, n.d, n.sfer});
    const std::vector<double> bilinear = Ref_Filtrovany(o, 1), nadvzorka = Ref_Filtrovany(o, 4);
    for (int bity : {32, 16}) {
      Obrazovka(480, 360, bity);
      Pohlad_nastav({480, 360, n.pan_s, n.pan_s / 2, n.yaw, n.pitch, n.d, n.sfer});
      ASSERT_TRUE(Ref_do_W(o, bity / 8));
      double psnr[3][2], chyba = 0;
      std::printf("  %-22s %-3d", n.meno, bity);
      for (int r = 0; r < 3; ++r) {
        const std::vector<uint32_t> px = Vykresli(r);
        psnr[r][0] = Ref_PSNR(bilinear, px, r == SITO_UROVNE ? &chyba : nullptr);
        psnr[r][1] = Ref_PSNR(nadvzorka, px);
        std::printf(" %6.2f / %6.2f", psnr[r][0], psnr[r][1]);
      }
      std::printf("\n");
      if (n.d == 600) { EXPECT_LT(chyba, bity == 32 ? 1.5 : 3.0) << n.meno << ", " << bity; }
      EXPECT_GT(psnr[SITO_UROVNE][0], n.min_db) << n.meno << ", " << bity;
      EXPECT_GE(psnr[SITO_UROVNE][1], psnr[SITO_BILINEAR][1] + n.nad_urovne) << n.meno << ", " << bity;
      EXPECT_GT(psnr[SITO_UROVNE][1], psnr[SITO_NAJBLIZSI][1] + 3) << n.meno << ", " << bity;
    }
  }
}

// Levels of a 5 × 3 store: odd last column boxed with the first, odd last row with itself.
TEST(FilterUrovne, BoxesWrapAcrossTheSeamAndHoldTheLastRow) {
  const uint32_t w[3][5] = {{0x000000, 0x040404, 0x0000FF, 0x00FF00, 0xFF0000},
                            {0x000000, 0x020202, 0x000001, 0x000003, 0x010101},
                            {0x101010, 0x202020, 0x00FF00, 0x00FF00, 0x0000FF}};
  ASSERT_EQ(Filter_priprav(w, sizeof(w[0]), 4, 5, 3), 1);
  const TFilter_uroven& u = Filter_uroven[1];
  ASSERT_EQ(std::vector<int>({Filter_pocet, u.sir, u.vys}), std::vector<int>({4, 3, 2}));  // 5 × 3, 3 × 2, 2 × 1, 1 × 1
  const uint32_t* p = static_cast<const uint32_t*>(u.px);
  const uint32_t ciel[2][3] = {{0x020202, 0x004041, 0x400000}, {0x181818, 0x00FF00, 0x080888}};
  for (int j = 0; j < 2; ++j)
    for (int i = 0; i < 3; ++i) EXPECT_EQ(p[j * u.pitch + i], ciel[j][i]) << i << "," << j;
  const uint32_t* q = static_cast<const uint32_t*>(Filter_uroven[2].px);  // 3 wide: its last box wraps too
  EXPECT_EQ(std::vector<uint32_t>(q, q + 2), std::vector<uint32_t>({0x075617, 0x190929}));
  // Step → level: 0 below the threshold, one more at each doubling, never past the last level made.
  const double kroky[][2] = {{1.49, 0}, {1.5, 1}, {2.99, 1}, {3, 2}, {100, 3}};
  for (const auto& k : kroky) EXPECT_EQ(Filter_uroven_kroku(k[0], 1.5), (int)k[1]) << k[0];
  const uint16_t w16[1][2] = {{0xFFFF, 0x0000}};
  ASSERT_EQ(Filter_priprav(w16, sizeof(w16[0]), 2, 2, 1), 1);
  EXPECT_EQ(*static_cast<const uint32_t*>(Filter_uroven[1].px), 0x808080u);
  EXPECT_EQ(Filter_priprav(w16, sizeof(w16[0]), 3, 2, 1) + Filter_pocet, 0);
  // Beyond the first and the last row's centre that row alone is read: no row outside the store.
  ASSERT_TRUE(Ref_do_W(Ref_obraz(64, 32), 4));
  uint32_t px[64];
  for (int n : {0, W_vys - 1}) {
    Filter_usek(px, 64, 128, n ? W_vys * 256 : 0, 256, 0, 0);
    for (int i = 0; i < 64; ++i) EXPECT_EQ(px[i], W_riadok<uint32_t>(n)[i]) << i << ", row " << n;
  }
  // The four weights of any fraction sum to one: a flat picture samples to itself (40 in 5-6-5),
  // and packed to 5-6-5 it comes back as that pixel.
  uint16_t px16[64];
  for (int bajty : {2, 4}) {
    ASSERT_TRUE(Ref_do_W({64, 32, std::vector<uint8_t>(64 * 32 * 3, 40)}, bajty));
    Filter_usek(px, 64, 77, 5 * 256 + 77, 101, 37, 0);
    Filter_usek(px16, 64, 77, 5 * 256 + 77, 101, 37, 0);
    for (int i = 0; i < 64; ++i)
      EXPECT_EQ(std::make_pair(px[i], px16[i]), std::make_pair(bajty == 4 ? 0x282828u : 0x292829u, (uint16_t)0x2945))
          << i << ", " << bajty;
  }
  // Worked samples between the rows 1/256 apart and across the seam, both blend passes rounded; a
  // column exactly one turn on wraps to the first.
  const uint32_t w2[2][2] = {{0x000000, 0xFF0000}, {0x0000FF, 0xFF00FF}};
  ASSERT_EQ(Filter_priprav(w2, sizeof(w2[0]), 4, 2, 2), 1);
  const struct { int r; uint32_t ciel[3]; } useky[] = {{128, {0x000001, 0xFF0001, 0x000001}},
                                                       {129, {0x010001, 0xFE0001, 0x010001}}};
  for (const auto& u2 : useky) {
    Filter_usek(px, 3, u2.r, 129, 256, 0, 0);
    EXPECT_EQ(std::vector<uint32_t>(px, px + 3), std::vector<uint32_t>(u2.ciel, u2.ciel + 3)) << u2.r;
  }
  Vyprazdni_W();
}

// Nearest from the levels: every pixel is pixel (m >> k, n >> k) of some level k, (m, n) the
// store pixel the sieve samples, and the centre comes from the level its step asks for (below
// 0.6 a level pixel a screen pixel): at 480 × 360 a picture s wide shows s / 2π / d there.
struct TNajblizsia { const char* meno; int pan_s, pan_v; float yaw, pitch; int d, sfer, bity, uroven; };
const TNajblizsia kNajblizsie[] = {
    {"step 0.5", 2000, 1000, 2.0f, 0.2f, 636, 0, 32, 0},        {"step 0.7", 2000, 1000, 2.0f, 0.2f, 455, 0, 32, 1},
    {"step 1.8, odd", 2002, 1001, 2.0f, 0.2f, 177, 0, 32, 2},    {"step 3.5, seam", 1001, 500, 0.01f, 0.1f, 45, 0, 32, 3},
    {"nadir", 2002, 1001, 1.0f, -1.4707963f, 76, 1, 32, -1},    {"16-bit store", 2000, 1000, 2.0f, 0.2f, 177, 0, 16, 0},
};

TEST_F(FilterTest, NearestFromTheLevelsPixelForPixel) {
  for (const TNajblizsia& c : kNajblizsie) {
    Obrazovka(480, 360, c.bity);
    Pohlad_nastav({480, 360, c.pan_s, c.pan_v, c.yaw, c.pitch, c.d, c.sfer});
    ASSERT_TRUE(Ref_do_W(Ref_obraz(c.pan_s, c.pan_v), c.bity / 8));
    const std::vector<uint32_t> px = Vykresli(SITO_NAJBLIZSI_UROVNE);
    TRef_suradnice o;
    Ref_Sito(&o);
    const auto bod = [&](size_t i, int k) {
      const TFilter_uroven& u = Filter_uroven[k];
      const size_t j = (size_t)(o.nn[i] >> k) * u.pitch + (o.mm[i] >> k);
      return u.bajty == 4 ? static_cast<const uint32_t*>(u.px)[j] & 0xFFFFFF
                          : PLAT_Convert(32, 16, static_cast<const uint16_t*>(u.px)[j]);
    };
    int ziadna = 0, mimo_stredu = 0;
    for (size_t i = 0; i < px.size(); ++i) {
      int k = 0;
      while (k < Filter_pocet && px[i] != bod(i, k)) ++k;
      ziadna += k == Filter_pocet;
      const int x = (int)(i % 480) - 240, y = (int)(i / 480) - 180;
      if (c.uroven >= 0 && std::abs(x) < 8 && std::abs(y) < 8) mimo_stredu += px[i] != bod(i, c.uroven);
    }
    EXPECT_EQ(std::make_pair(ziadna, mimo_stredu), std::make_pair(0, 0)) << c.meno;
  }
}

}  // namespace
