// How far the sieve strays from the exact projection, per grid size, away from the poles.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include "engine/sieve.h"
#include "engine/store.h"
#include "tests/common/engine_ref.h"
#include "tests/engine/engine_test_util.h"

namespace {

struct TPresnost {
  double priemer, p99;
};

// Seam-aware distance in panorama pixels over the pixels whose exact row lies
// within 70 degrees of the horizon.
TPresnost Presnost(int mriezka) {
  EXPECT_EQ(Reset_Sito(mriezka, mriezka), 1);
  TRef_suradnice sito, presne;
  Ref_Sito(&sito);
  Ref_Presne(&presne);
  const int okraj = pan_vys * 20 / 180;
  std::vector<double> d;
  for (size_t i = 0; i < sito.mm.size(); ++i) {
    if (presne.nn[i] < okraj || presne.nn[i] > pan_vys - okraj) continue;
    int dx = std::abs(sito.mm[i] - presne.mm[i]);
    dx = std::min(dx, pan_sir - dx);
    const int dy = sito.nn[i] - presne.nn[i];
    d.push_back(std::sqrt((double)dx * dx + (double)dy * dy));
  }
  if (d.empty()) return {0, 0};
  double sucet = 0;
  for (double v : d) sucet += v;
  std::sort(d.begin(), d.end());
  return {sucet / d.size(), d[d.size() * 99 / 100]};
}

TEST(Presnost, SieveStaysCloseToTheExactProjection) {
  const int mriezky[] = {10, 15, 20, 25, 40};
  for (int sfer = 0; sfer <= 1; ++sfer) {
    Pohlad_nastav({800, 600, 4000, 2000, 2.0f, 0.3f, 400, sfer});
    std::printf("800x600, 4000x2000, %s: grid  mean  p99 (panorama pixels)\n", sfer ? "spherical" : "rectilinear");
    for (int g : mriezky) {
      const TPresnost p = Presnost(g);
      std::printf("  %2d x %-2d  %6.3f  %6.3f\n", g, g, p.priemer, p.p99);
      if (g == 20) {
        EXPECT_LT(p.priemer, 1.0);
        EXPECT_LT(p.p99, 3.0);
      }
    }
  }
}

}  // namespace
