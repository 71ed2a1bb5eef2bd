// The store: loading BMP files, larger and partial pictures, failures, refused sizes, memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "tests/common/engine_ref.h"
#include "tests/common/temp_folder.h"
#include "tests/engine/engine_displej.h"
#include "tools/bmp24.h"

namespace {

uint16_t Na565(uint32_t c) { return PLAT_Pack565((uint8_t)(c >> 16), (uint8_t)(c >> 8), (uint8_t)c); }
// Colours exact in 5-6-5 (red and blue in steps of 8, green of 4) that tell where they lie.
uint32_t Vzor(int x, int y) { return (uint32_t)(x & 31) << 19 | (y & 63) << 10 | ((x >> 5) & 31) << 3; }

class StoreTest : public EngineDisplej {
 protected:
  void SetUp() override {
    EngineDisplej::SetUp();
    ASSERT_TRUE(tmp.Ok());
    Obrazovka(800, 600);
    ASSERT_EQ(Reset_Sito(20, 20), 1);
    D_start = 400;
  }
  // A w × h BMP whose pixel (x, y) is farba(x, y) (0xRRGGBB), in the current folder; its name.
  template <class F>
  std::string Obrazok(int w, int h, F farba) {
    TRgbPicture pic(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pic.Set(x, y, (BYTE)(farba(x, y) >> 16), (BYTE)(farba(x, y) >> 8), (BYTE)farba(x, y));
    const std::string meno = "p" + std::to_string(w) + "x" + std::to_string(h) + ".bmp";
    EXPECT_TRUE(BMP24_Zapis(pic, meno.c_str()));
    return meno;
  }
  // Every store row: the w × h picture of Vzor from row `hore` on, below a full sphere's nadir its
  // last row again, black elsewhere.
  void OcakavajVzor(int w, int h, int hore) {
    int zle = 0;
    for (int y = 0; y < W_vys && zle < 5; ++y)
      for (int x = 0; x < w && zle < 5; ++x) {
        const int n = hore == 0 && y == h ? h - 1 : y - hore;
        if (W16(y, x) != (n >= 0 && n < h ? Na565(Vzor(x, n)) : 0)) ++zle, ADD_FAILURE() << "store pixel " << x << "," << y;
      }
  }
  TTempFolder tmp;
};

// A full sphere, then by its index a 4:1 strip around the horizon of a sphere of its size (the
// store kept, black again above and below the strip). A missing file, an index outside the
// list, an empty name: the store kept.
TEST_F(StoreTest, LoadPlacesThePictureAndResetsTheViewFailuresKeepIt) {
  YAW = 1, PITCH = -1, D = 123;
  ASSERT_EQ(Nahraj_PANORAMU(Obrazok(800, 400, Vzor).c_str(), 1), IMG_LOAD_OK);
  EXPECT_EQ(std::vector<float>({YAW, PITCH, (float)D}), std::vector<float>({pi, 0.1f, 400}));
  OcakavajVzor(800, 400, 0);
  std::string p = Obrazok(800, 200, Vzor);
  PAN_subor[0] = &p[0];
  PAN_id_max = 0;
  EXPECT_EQ(Nahraj_PANORAMU(0, 0), IMG_LOAD_OK);
  YAW = 1;
  EXPECT_EQ(Nahraj_PANORAMU("missing.bmp", 0), IMG_LOAD_FAILED);
  EXPECT_FLOAT_EQ(YAW, pi);
  for (int id : {-1, 1}) EXPECT_EQ(Nahraj_PANORAMU(id, 1), IMG_LOAD_FAILED);
  EXPECT_EQ(Nahraj_PANORAMU("", 1), IMG_LOAD_FAILED);
  PAN_subor[0] = nullptr;
  PAN_id_max = -1;
  OcakavajVzor(800, 200, 100);
}

// Kept, limited by the width, by the height: the picture's halves stay where they were.
TEST_F(StoreTest, LargerPicturesAreScaledIntoTheStore) {
  const uint32_t cervena = 0xF80000, modra = 0x0000F8;
  const struct { int w, h, sir, vys; } cases[] = {{16384, 40, 16384, 40}, {20000, 50, 16384, 40}, {100, 9000, 91, 8192}};
  for (const auto& c : cases) {
    const std::string p = Obrazok(c.w, c.h, [&](int x, int) { return x < c.w / 2 ? cervena : modra; });
    ASSERT_EQ(Nahraj_PANORAMU(p.c_str(), 0), IMG_LOAD_OK) << c.w << "x" << c.h;
    const int y = W_pan_hore + c.vys / 2;
    EXPECT_EQ(std::vector<int>({pan_sir, pan_vys, W16(y, c.sir / 4), W16(y, c.sir * 3 / 4), W16(y + c.vys / 2 - 1, c.sir - 1)}),
              std::vector<int>({c.sir, c.vys, Na565(cervena), Na565(modra), Na565(modra)})) << c.w << "x" << c.h;
  }
}

// Resident bytes of this process.
long Rezidentne() {
  long velkost = 0, rezidentne = -1;
  std::ifstream("/proc/self/statm") >> velkost >> rezidentne;
  return rezidentne * sysconf(_SC_PAGESIZE);
}

// A 16384 × 8192 store's pages go back on the next picture and when emptied.
TEST(Sklad, MemoryOfALargeStoreGoesBack) {
  const long mb = 1 << 20;
  Vyprazdni_W();
  const long pred = Rezidentne();
  const struct { int sir, vys, bajty; long najmenej, najviac; } kroky[] = {
      {16384, 8192, 4, 500 * mb, 1L << 40}, {2000, 1000, 4, -1, 20 * mb}, {16384, 8192, 2, 200 * mb, 1L << 40}};
  for (const auto& k : kroky) {
    ASSERT_EQ(W_priprav(k.sir, k.vys, k.bajty, nullptr), 1);
    std::memset(W, 1, (size_t)W_sir * W_vys * W_bajty);
    EXPECT_TRUE(Rezidentne() - pred > k.najmenej && Rezidentne() - pred < k.najviac) << k.sir << "x" << k.vys;
  }
  Vyprazdni_W();
  EXPECT_LT(Rezidentne() - pred, 20 * mb);
}

// Refused sizes leave the store empty; rows outside the picture (even below the nadir) unwritten.
TEST(Sklad, RefusesSizesDepthsAndRowsItDoesNotHold) {
  const int zle[][3] = {{0, 100, 2}, {100, 0, 4}, {16385, 100, 4}, {100, 8193, 2}, {-5, 100, 2}, {100, 50, 3}};
  for (const auto& s : zle) {
    ASSERT_EQ(W_priprav(200, 100, 2, nullptr), 1);
    EXPECT_EQ(W_priprav(s[0], s[1], s[2], nullptr), 0) << s[0] << "x" << s[1] << " at " << s[2];
    EXPECT_EQ(std::vector<int>({W_sir * W_vys, W_bajty, pan_sir, W_riadok_max}), std::vector<int>({1, 0, 0, 0}));
  }
  ASSERT_EQ(W_priprav(100, 50, 4, nullptr), 1);
  const std::vector<uint32_t> biely(100, 0xFFFFFF);
  for (int y : {-1, 50, 51, 1 << 30}) W_zapis_riadok(y, biely.data());
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) ASSERT_EQ(W_riadok<uint32_t>(n)[m], 0u) << m << "," << n;
}

}  // namespace

// One picture of smooth gradients in a classic mode and in the desktop's: for every view each
// pixel of the 16-bit frame is the 32-bit one reduced to 5-6-5, within one level a channel.
TEST_F(StoreTest, ClassicFrameIsTheTrueColourFrameReduced) {
  const std::string path = Obrazok(1000, 500, [](int x, int y) { return (x * 255 / 999) << 16 | (y * 255 / 499) << 8 | ((x + y) & 255); });
  const float nazory[][3] = {{3.1415927f, 0.1f, 160}, {6.2f, 0.0f, 300}, {1.0f, 1.4707963f, 100}, {4.0f, -1.4707963f, 100}};
  std::vector<uint32_t> snimky[2];
  for (int bity : {32, 16}) {
    Obrazovka(320, 200, bity);
    ASSERT_EQ(Reset_Sito(20, 20), 1);
    ASSERT_EQ(Nahraj_PANORAMU(path.c_str(), 0), IMG_LOAD_OK);
    for (const auto& n : nazory) {
      YAW = n[0], PITCH = n[1], D = n[2];
      ASSERT_EQ(Sito_Vykresli(), 1);
      for (int i = 0; i < 320 * 200; ++i) snimky[bity == 16].push_back(lpDDSBack->PLAT_Pixel(i % 320, i / 320));
    }
  }
  int zle = 0, cervene[256] = {};
  for (size_t i = 0; i < snimky[0].size() && zle < 5; ++i) {
    const uint32_t a = snimky[0][i], b = snimky[1][i];
    cervene[a >> 16 & 255] = 1;
    if (std::abs((int)(a >> 19 & 31) - (int)(b >> 11)) > 1 || std::abs((int)(a >> 10 & 63) - (int)(b >> 5 & 63)) > 1 ||
        std::abs((int)(a >> 3 & 31) - (int)(b & 31)) > 1)
      ++zle, ADD_FAILURE() << "pixel " << i << ": " << std::hex << a << " vs " << b;
  }
  EXPECT_GT(std::count(cervene, cervene + 256, 1), 100);  // more levels of red than 5-6-5 holds
}
