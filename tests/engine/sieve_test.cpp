// The rasterizer against the plain reference sieve, pixel for pixel; how far both stray from exact.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "engine/workers.h"
#include "platform/fault.h"
#include "tests/common/engine_ref.h"
#include "tests/engine/engine_displej.h"

namespace {

const int kObrazovky[][2] = {{320, 200},  {640, 480},   {800, 600},   {1024, 768}, {1280, 1024},
                             {1366, 768}, {1920, 1080}, {2560, 1080}, {1920, 1200}};
const std::vector<int> kMenu = {10, 15, 20, 25, 40}, kVsetky = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9},
                       kPoly = {3, 4, 1, 2, 8};  // the poles, the seam both ways
// Views that reach the seam, the poles and both projections' corners.
const struct { const char* meno; float yaw, pitch; int d, sfer; } kNazory[] = {
    {"first view", 3.1415927f, 0.1f, 400, 0},          {"across the seam, right", 6.2f, 0.0f, 300, 0},
    {"across the seam, left", 0.05f, -0.2f, 300, 0},   {"over the zenith", 1.0f, 1.4707963f, 100, 0},
    {"over the nadir", 4.0f, -1.4707963f, 100, 0},     {"straight up, narrow", 2.0f, 1.4707963f, 640, 0},
    {"case B, wide", 1.6f, 0.3f, 150, 0},              {"spherical, corners 5 rad off-axis", 0.3f, 0.5f, 100, 1},
    {"spherical over the nadir", 5.5f, -1.4707963f, 160, 1}, {"spherical over the zenith, case B", 4.7f, 1.4707963f, 100, 1},
};
const uint16_t kMimo = 0xFFFF;  // outside the picture, and the back buffer before drawing

// Every picture pixel tells where it lies, neither black nor all ones; around the picture all ones.
void W_vypln_vzor() {
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) {
      const bool obraz = m < pan_sir && n <= W_riadok_max;
      if (W_bajty == 4) W_riadok<uint32_t>(n)[m] = obraz ? 1 + (uint32_t)n * (uint32_t)W_sir + (uint32_t)m : ~0u;
      if (W_bajty == 2) W16(n, m) = obraz ? (uint16_t)(1 + (m * 7 + n * 4099) % 65534) : kMimo;
    }
}

struct TPripad {
  int pan_s, pan_v, bajty, vlakna;
  std::vector<int> obrazovky, mriezky, nazory;
};

class SitoTest : public EngineDisplej {
 protected:
  void TearDown() override {
    Vlakna_Zastav();
    Vyprazdni_W();
    EngineDisplej::TearDown();
  }
  // Each picture on its screens, grids and views: every pixel the reference's, and inside the picture.
  void Porovnaj(const std::vector<TPripad>& cases) {
    for (const auto& c : cases) {
      ASSERT_EQ(Vlakna_Spusti(c.vlakna), 1);
      ASSERT_EQ(W_priprav(c.pan_s, c.pan_v, c.bajty, nullptr), 1);
      W_vypln_vzor();
      const uint32_t mimo = c.bajty == 4 ? ~0u : kMimo;
      for (int oi : c.obrazovky) {
        const int w = kObrazovky[oi][0], h = kObrazovky[oi][1];
        Obrazovka(w, h, c.bajty * 8);
        std::vector<uint32_t> ref((size_t)w * h);
        for (int g : c.mriezky)
          for (int ni : c.nazory) {
            const auto& n = kNazory[ni];
            Pohlad_nastav({w, h, c.pan_s, c.pan_v, n.yaw, n.pitch, n.d, n.sfer});
            ASSERT_EQ(Reset_Sito(g, g), 1);
            Ref_Sito_Pixely(ref.data(), (long)w * c.bajty, c.bajty);
            Zadny_vypln(mimo);
            ASSERT_EQ(Sito_Vykresli(), 1);
            for (int i = 0; i < w * h; ++i) {
              const uint32_t o = c.bajty == 4 ? ref[i] : reinterpret_cast<uint16_t*>(ref.data())[i];
              if (lpDDSBack->PLAT_Pixel(i % w, i / w) != o || o == mimo)
                FAIL() << n.meno << ", " << w << "x" << h << ", grid " << g << ", " << c.pan_s << "x" << c.pan_v << "x" << c.bajty
                       << ", " << c.vlakna << " threads: pixel " << i % w << "," << i / w << " is not " << o;
            }
          }
      }
    }
  }
};

// Every view on two screens, the seam and poles on the rest; cells of 50 pixels (steps of 1/49).
TEST_F(SitoTest, MatchesTheReferenceOnAnyNumberOfThreads) {
  Porovnaj({{4000, 2000, 2, 1, {0, 2}, kMenu, kVsetky},
            {4000, 2000, 2, 8, {1, 3, 4, 5, 6, 7, 8}, kMenu, {1, 3, 8}},
            {4000, 2000, 2, 2, {2}, {16}, kVsetky}});
}

// A 2001-row picture, odd and partial ones, the largest and odd stores at either depth.
TEST_F(SitoTest, MatchesTheReferenceForOddAndLargeStores) {
  Porovnaj({{4001, 2001, 2, 1, {0, 4}, {15, 20, 40}, {1, 3, 4, 8, 9}}, {2999, 1500, 2, 2, {1}, {20, 25}, kVsetky},
            {4000, 1000, 2, 8, {2}, {10, 20}, kVsetky},    {16384, 8192, 4, 2, {0}, {10, 20}, kPoly},
            {8192, 4096, 2, 1, {0}, {10, 20}, kPoly},      {4097, 2049, 4, 8, {0}, {10, 20}, kPoly},
            {4097, 2049, 2, 1, {0}, {10, 20}, kPoly},      {6000, 3000, 4, 1, {0}, {10, 20}, kPoly}});
}

// A lost back buffer, a grid for a larger screen than the buffer, a store of another depth: nothing drawn.
TEST_F(SitoTest, NothingDrawnWithoutALockableBackBuffer) {
  Obrazovka(800, 600);
  Pohlad_nastav({800, 600, 4000, 2000, pi, 0.1f, 400, 0});
  ASSERT_EQ(Reset_Sito(20, 20), 1);
  W_vypln_vzor();
  Zadny_vypln(kMimo);
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_SURFACELOST);
  EXPECT_EQ(Sito_Vykresli(), 0);
  PLAT_FaultClear();
  obraz_sir = 1280;
  obraz_vys = 1024;
  ASSERT_EQ(Reset_Sito(20, 20), 1);
  EXPECT_EQ(Sito_Vykresli(), 0);
  Pohlad_nastav({800, 600, 64, 32, pi, 0.1f, 400, 0});
  ASSERT_EQ(Reset_Sito(20, 20) + W_priprav(64, 32, 4, nullptr), 2);  // a true-colour store, a 16-bit buffer
  EXPECT_EQ(Sito_Vykresli(), 0);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 800; ++x) ASSERT_EQ(lpDDSBack->PLAT_Row(y)[x], kMimo) << x << "," << y;
  IDirectDrawSurface* const zadny = lpDDSBack;
  lpDDSBack = nullptr;
  EXPECT_EQ(Sito_Vykresli(), 0);
  lpDDSBack = zadny;
}

// Mean and 99th-percentile distance from the exact projection per grid, within 70° of the horizon.
TEST(Presnost, SieveStaysCloseToTheExactProjection) {
  for (int sfer = 0; sfer <= 1; ++sfer) {
    Pohlad_nastav({800, 600, 4000, 2000, 2.0f, 0.3f, 400, sfer});
    std::printf("800x600, 4000x2000, %s: grid  mean  p99 (panorama pixels)\n", sfer ? "spherical" : "rectilinear");
    for (int g : kMenu) {
      ASSERT_EQ(Reset_Sito(g, g), 1);
      TRef_suradnice sito;
      Ref_Sito(&sito);
      std::vector<double> d;
      double sucet = 0;
      for (size_t i = 0; i < sito.mm.size(); ++i) {
        int mm, nn;  // exact at the pixel's node position, one right of and below it
        Pohlad_bod((int)(i % sito.sir) + 1, (int)(i / sito.sir) + 1, &mm, &nn);
        if (std::abs(nn - pan_vys / 2) > pan_vys * 7 / 18) continue;
        const int dx = std::abs(sito.mm[i] - mm), dy = sito.nn[i] - nn;
        d.push_back(std::hypot(std::min(dx, pan_sir - dx), dy));
        sucet += d.back();
      }
      std::sort(d.begin(), d.end());
      const double priemer = sucet / d.size(), p99 = d[d.size() * 99 / 100];
      std::printf("  %2d x %-2d  %6.3f  %6.3f\n", g, g, priemer, p99);
      EXPECT_TRUE(g != 20 || (priemer < 1.0 && p99 < 3.0)) << priemer << " " << p99;
    }
  }
}

}  // namespace
