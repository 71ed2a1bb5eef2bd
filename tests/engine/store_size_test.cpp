// Stores of the largest and of odd sizes: the view against the reference over both poles and
// across the seam (the store lies between pages no one may touch), its memory given back, and
// sizes it refuses.
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

namespace {

// Resident bytes of this process.
long Rezidentne() {
  long velkost = 0, rezidentne = -1;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &velkost, &rezidentne) != 2) rezidentne = -1;
    std::fclose(f);
  }
  return rezidentne * sysconf(_SC_PAGESIZE);
}

// Every store pixel tells where it lies: its offset (a mix of it at 2 bytes), never 0.
void Vypln(int bajty) {
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) {
      if (bajty == 4) W_riadok<uint32_t>(n)[m] = 1 + (uint32_t)n * (uint32_t)W_sir + (uint32_t)m;
      if (bajty == 2) W16(n, m) = (uint16_t)(1 + (m * 7 + n * 4099) % 65534);
    }
}

struct TSklad {
  int sir, vys, bajty;
};

// Over the zenith and the nadir, across the seam both ways, spherical over the nadir; two
// grids on a small screen: the frame equals the reference's.
TEST_F(EngineDisplej, LargeStoreViewMatchesTheReferenceAtEverySize) {
  const TSklad sklady[] = {{16384, 8192, 4}, {8192, 4096, 2}, {4097, 2049, 4}, {4097, 2049, 2}, {6000, 3000, 4}};
  const int w = 320, h = 200;
  for (const TSklad& s : sklady) {
    Obrazovka(w, h, s.bajty * 8);
    ASSERT_EQ(W_priprav(s.sir, s.vys, s.bajty, nullptr), 1) << s.sir << "x" << s.vys;
    EXPECT_EQ((long)W_sir * W_vys, (long)s.sir * (s.vys + 1));
    Vypln(s.bajty);
    const int b = s.bajty;
    std::vector<unsigned char> ref((size_t)w * h * b), frame((size_t)w * h * b);
    for (int ni : {3, 4, 1, 2, 8})
      for (int g : {10, 20}) {
        const TNazor& n = kNazory[ni];
        Pohlad_nastav({w, h, s.sir, s.vys, n.yaw, n.pitch, n.d, n.sfer});
        ASSERT_EQ(Reset_Sito(g, g), 1);
        Ref_Sito_Pixely(ref.data(), (long)w * b, b);
        ASSERT_EQ(Sito_Vykresli(), 1);
        for (int y = 0; y < h; ++y) std::memcpy(&frame[(size_t)y * w * b], lpDDSBack->PLAT_Row(y), (size_t)w * b);
        ASSERT_TRUE(frame == ref) << s.sir << "x" << s.vys << " at " << b << " bytes, " << n.meno << ", grid " << g;
      }
  }
}

// The pages of a 16384 × 8192 store at 4 bytes go back when the next picture is prepared
// and when the store is emptied.
TEST(Sklad, MemoryOfALargeStoreGoesBack) {
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

// Sizes the store does not take leave it empty (one black pixel, no picture); rows outside
// the picture are not written, not even the one below the nadir.
TEST(Sklad, RefusesSizesDepthsAndRowsItDoesNotHold) {
  const TSklad zle[] = {{0, 100, 2}, {100, 0, 4}, {16385, 100, 4}, {100, 8193, 2}, {-5, 100, 2}, {100, 50, 3}};
  for (const TSklad& s : zle) {
    ASSERT_EQ(W_priprav(200, 100, 2, nullptr), 1);
    EXPECT_EQ(W_priprav(s.sir, s.vys, s.bajty, nullptr), 0) << s.sir << "x" << s.vys << " at " << s.bajty;
    EXPECT_EQ(std::vector<int>({W_sir * W_vys, W_bajty, pan_sir, W_riadok_max}), std::vector<int>({1, 0, 0, 0}));
  }
  ASSERT_EQ(W_priprav(100, 50, 4, nullptr), 1);
  const std::vector<uint32_t> biely(100, 0xFFFFFF);
  for (int y : {-1, 50, 51, 1 << 30}) W_zapis_riadok(y, biely.data());
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) ASSERT_EQ(W_riadok<uint32_t>(n)[m], 0u) << m << "," << n;
}

}  // namespace
