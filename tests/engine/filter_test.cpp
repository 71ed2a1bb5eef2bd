// The filtered view against its yardsticks (the exact projection sampled bilinearly, and
// supersampled), at the seam and the poles, on any number of threads and every grid.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "display/screen.h"
#include "engine/filter.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "engine/workers.h"
#include "tests/common/filter_ref.h"
#include "tests/engine/engine_displej.h"
#include "tests/engine/engine_test_util.h"

namespace {

const char* const kRezimy[] = {"nearest", "bilinear", "levels"};

class FilterTest : public EngineDisplej {
 protected:
  void TearDown() override {
    Sito_filter = SITO_NAJBLIZSI;
    Vlakna_Zastav();
    Filter_uvolni();
    EngineDisplej::TearDown();
  }
  // The view in the given mode, its pixels row by row.
  std::vector<uint16_t> Vykresli(int rezim, int mriezka = 20) {
    Sito_filter = rezim;
    EXPECT_EQ(Reset_Sito(mriezka, mriezka), 1);
    Zadny_vypln(0xFFFF);
    EXPECT_EQ(Sito_Vykresli(), 1);
    return Zadny_pixely();
  }
};

struct TFilter_nazor {
  const char* meno;
  int pan_s;
  float yaw, pitch;
  int d, sfer;
};

// Screen 480 × 360: the eye 240 pixels away sees a picture of 1508 columns at one picture
// pixel a screen pixel.
const TFilter_nazor kNazory[] = {
    {"zoomed in", 400, 2.0f, 0.2f, 600, 0},
    {"typical", 1500, 2.0f, 0.2f, 240, 0},
    {"zoomed out, spherical", 4000, 2.0f, -0.4f, 100, 1},
    {"widest, rectilinear", 4000, 2.0f, 0.2f, 100, 0},
    {"pole", 2000, 1.0f, 1.4707963f, 240, 0},
};

// Every view in every mode against both references (PSNR, dB); the filtered frame agrees
// with the bilinear reference zoomed in and comes close to the supersampled one zoomed out,
// where the nearest and the unlevelled frames fall far behind.
TEST_F(FilterTest, PsnrAgainstTheReferences) {
  Obrazovka(480, 360);
  std::printf("PSNR (dB) vs bilinear / supersampled 4x4 reference, 480x360, grid 20, 16-bit\n");
  std::printf("  %-22s %-15s %-15s %-15s\n", "view", kRezimy[0], kRezimy[1], kRezimy[2]);
  for (const TFilter_nazor& n : kNazory) {
    Pohlad_nastav({480, 360, n.pan_s, n.pan_s / 2, n.yaw, n.pitch, n.d, n.sfer});
    const TRef_obraz o = Ref_obraz(n.pan_s, n.pan_s / 2);
    Ref_do_W(o);
    const std::vector<double> bilinear = Ref_Filtrovany(o, 1), nadvzorka = Ref_Filtrovany(o, 4);
    double psnr[3][2], chyba = 0;
    std::printf("  %-22s", n.meno);
    for (int r = 0; r < 3; ++r) {
      const std::vector<uint16_t> px = Vykresli(r);
      psnr[r][0] = Ref_PSNR(bilinear, px.data(), 480, r == SITO_UROVNE ? &chyba : nullptr);
      psnr[r][1] = Ref_PSNR(nadvzorka, px.data(), 480);
      std::printf(" %6.2f / %6.2f", psnr[r][0], psnr[r][1]);
    }
    std::printf("\n");
    if (n.d == 600) {
      EXPECT_LT(chyba, 3.0) << n.meno;
      EXPECT_GT(psnr[SITO_UROVNE][0], psnr[SITO_NAJBLIZSI][0] + 6) << n.meno;
    } else if (n.d == 100) {
      EXPECT_GT(psnr[SITO_UROVNE][1], psnr[SITO_BILINEAR][1] + 3) << n.meno;
    }
    if (n.d < 600) EXPECT_GT(psnr[SITO_UROVNE][1], psnr[SITO_NAJBLIZSI][1] + 3) << n.meno;
  }
}

}  // namespace
