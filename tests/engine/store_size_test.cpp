// Stores of the largest and of odd sizes: the view against the reference over both poles and
// across the seam (every read inside the store: it lies between pages no one may touch), and a
// large store's memory given back.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <vector>

#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "tests/common/engine_ref.h"
#include "tests/engine/engine_displej.h"
#include "tests/engine/engine_test_util.h"

namespace {

// Resident bytes of this process.
long Rezidentne() {
  long velkost = 0, rezidentne = 0;
  FILE* f = std::fopen("/proc/self/statm", "r");
  if (!f) return -1;
  const int n = std::fscanf(f, "%ld %ld", &velkost, &rezidentne);
  std::fclose(f);
  return n == 2 ? rezidentne * sysconf(_SC_PAGESIZE) : -1;
}

// Every store pixel tells where it lies: its offset (a mix of it at 2 bytes), never 0.
void Vypln(int bajty) {
  for (int n = 0; n < W_vys; ++n) {
    if (bajty == 4) {
      uint32_t* r = W_riadok<uint32_t>(n);
      for (int m = 0; m < W_sir; ++m) r[m] = 1 + (uint32_t)n * (uint32_t)W_sir + (uint32_t)m;
    } else {
      uint16_t* r = W_riadok<uint16_t>(n);
      for (int m = 0; m < W_sir; ++m) r[m] = (uint16_t)(1 + (m * 7 + n * 4099) % 65534);
    }
  }
}

struct TNazor {
  const char* meno;
  float yaw, pitch;
  int d, sfer;
};

const TNazor kNazory[] = {
    {"over the zenith", 1.0f, 1.4707963f, 100, 0},        {"over the nadir", 4.0f, -1.4707963f, 100, 0},
    {"across the seam", 6.2f, 0.0f, 300, 0},              {"across the seam, left", 0.05f, -0.2f, 300, 0},
    {"spherical over the nadir", 5.5f, -1.4707963f, 160, 1},
};

struct TSklad {
  int sir, vys, bajty;
};

class VelkySklad : public EngineDisplej {
 protected:
  // Every view on a small screen at two grids: the frame equals the reference's.
  void Porovnaj(const TSklad& s) {
    const int w = 320, h = 200, b = s.bajty;
    std::vector<unsigned char> ref((size_t)w * h * b), frame((size_t)w * h * b);
    for (const TNazor& n : kNazory)
      for (int g : {10, 20}) {
        Pohlad_nastav({w, h, s.sir, s.vys, n.yaw, n.pitch, n.d, n.sfer});
        ASSERT_EQ(Reset_Sito(g, g), 1);
        Ref_Sito_Pixely(ref.data(), (long)w * b, b);
        ASSERT_EQ(Sito_Vykresli(), 1);
        for (int y = 0; y < h; ++y) std::memcpy(&frame[(size_t)y * w * b], lpDDSBack->PLAT_Row(y), (size_t)w * b);
        ASSERT_TRUE(frame == ref) << s.sir << "x" << s.vys << " at " << b << " bytes, " << n.meno << ", grid " << g;
      }
  }
};

TEST_F(VelkySklad, ViewMatchesTheReferenceAtEverySize) {
  const TSklad sklady[] = {{16384, 8192, 4}, {8192, 4096, 2}, {4097, 2049, 4}, {4097, 2049, 2}, {6000, 3000, 4}};
  for (const TSklad& s : sklady) {
    Obrazovka(320, 200, s.bajty * 8);
    ASSERT_EQ(W_priprav(s.sir, s.vys, s.bajty, nullptr), 1) << s.sir << "x" << s.vys;
    EXPECT_EQ((long)W_sir * W_vys, (long)s.sir * (s.vys + 1));
    Vypln(s.bajty);
    Porovnaj(s);
    if (HasFatalFailure()) return;
  }
}

// The pages of a 16384 × 8192 store at 4 bytes go back when the next picture is prepared
// and when the store is emptied.
TEST_F(VelkySklad, MemoryOfALargeStoreGoesBack) {
  const long mb = 1 << 20;
  Vyprazdni_W();
  const long pred = Rezidentne();
  ASSERT_EQ(W_priprav(16384, 8192, 4, nullptr), 1);
  Vypln(4);
  EXPECT_GT(Rezidentne() - pred, 500 * mb);
  ASSERT_EQ(W_priprav(2000, 1000, 4, nullptr), 1);
  Vypln(4);
  EXPECT_LT(Rezidentne() - pred, 20 * mb);
  ASSERT_EQ(W_priprav(16384, 8192, 2, nullptr), 1);
  Vypln(2);
  Vyprazdni_W();
  EXPECT_LT(Rezidentne() - pred, 20 * mb);
}

// Sizes the store does not take leave it empty: one black pixel, no picture.
TEST(Sklad, RefusesSizesAndDepthsItDoesNotHold) {
  const TSklad zle[] = {{0, 100, 2}, {100, 0, 4}, {16385, 100, 4}, {100, 8193, 2}, {-5, 100, 2}, {100, 50, 3}};
  for (const TSklad& s : zle) {
    ASSERT_EQ(W_priprav(200, 100, 2, nullptr), 1);
    EXPECT_EQ(W_priprav(s.sir, s.vys, s.bajty, nullptr), 0) << s.sir << "x" << s.vys << " at " << s.bajty;
    EXPECT_EQ(W_sir * W_vys, 1);
    EXPECT_EQ(W_bajty, 0);
    EXPECT_EQ(pan_sir, 0);
    EXPECT_EQ(W_riadok_max, 0);
  }
}

// Rows outside the picture are not written, not even the one below the nadir.
TEST(Sklad, WritesOnlyThePicturesRows) {
  ASSERT_EQ(W_priprav(100, 50, 4, nullptr), 1);
  const std::vector<uint32_t> biely(100, 0xFFFFFF);
  for (int y : {-1, 50, 51, 1 << 30}) W_zapis_riadok(y, biely.data());
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) ASSERT_EQ(W_riadok<uint32_t>(n)[m], 0u) << m << "," << n;
}

}  // namespace
