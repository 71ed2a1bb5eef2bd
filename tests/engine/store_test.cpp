// The store: loading BMP files, larger and partial pictures, failures, refused sizes, memory.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
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
  // A w × h BMP whose pixel (x, y) is farba(x, y) (0xRRGGBB); its path.
  template <class F>
  std::string Obrazok(int w, int h, F farba) {
    TRgbPicture pic(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) pic.Set(x, y, (BYTE)(farba(x, y) >> 16), (BYTE)(farba(x, y) >> 8), (BYTE)farba(x, y));
    const std::string path = tmp.Cesta() + "/p" + std::to_string(w) + "x" + std::to_string(h) + ".bmp";
    EXPECT_TRUE(BMP24_Zapis(pic, path.c_str()));
    return path;
  }
  void OcakavajVzor(int w, int h) {
    int zle = 0;
    for (int y = 0; y < h && zle < 5; ++y)
      for (int x = 0; x < w && zle < 5; ++x)
        if (W16(y, x) != Na565(Vzor(x, y))) ++zle, ADD_FAILURE() << "store pixel " << x << "," << y;
  }
  TTempFolder tmp;
};

TEST_F(StoreTest, LoadCopiesThePictureAndResetsTheView) {
  const std::string p = Obrazok(600, 300, Vzor);
  YAW = 1;
  PITCH = -1;
  D = 123;
  ASSERT_EQ(Nahraj_PANORAMU(p.c_str(), 1), IMG_LOAD_OK);
  EXPECT_EQ(std::vector<int>({pan_sir, pan_vys, opt_TB, D}), std::vector<int>({600, 300, 150, 400}));
  EXPECT_FLOAT_EQ(opt_TA, 600 / pi2);
  EXPECT_FLOAT_EQ(YAW, pi);
  EXPECT_FLOAT_EQ(PITCH, 0.1f);
  OcakavajVzor(600, 300);
  // Looking straight down reaches row pan_vys: it repeats the last row.
  for (int x = 0; x < 600; ++x) ASSERT_EQ(W16(300, x), W16(299, x)) << x;
}

// Kept, limited by the width, by the height; then every pixel drawn comes from the store's rows.
TEST_F(StoreTest, LargerPicturesAreScaledIntoTheStoreAndDrawnInsideIt) {
  const uint32_t cervena = 0xF80000, modra = 0x0000F8;
  const struct { int w, h, sir, vys; } cases[] = {{16384, 40, 16384, 40}, {20000, 50, 16384, 40}, {100, 9000, 91, 8192}};
  for (const auto& c : cases) {
    const std::string p = Obrazok(c.w, c.h, [&](int x, int) { return x < c.w / 2 ? cervena : modra; });
    ASSERT_EQ(Nahraj_PANORAMU(p.c_str(), 0), IMG_LOAD_OK) << c.w << "x" << c.h;
    const int y = W_pan_hore + c.vys / 2;
    EXPECT_EQ(std::vector<int>({pan_sir, pan_vys, W16(y, c.sir / 4), W16(y, c.sir * 3 / 4), W16(y + c.vys / 2 - 1, c.sir - 1)}),
              std::vector<int>({c.sir, c.vys, Na565(cervena), Na565(modra), Na565(modra)})) << c.w << "x" << c.h;
  }
  W_vypln(false);
  for (float pitch : {-pi_pol_m, pi_pol_m})
    for (int d : {100, 640}) {
      Pohlad_nastav({800, 600, pan_sir, pan_vys, 2.5f, pitch, d, 0});
      ASSERT_EQ(Sito_Vykresli(), 1);
      for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_LE(lpDDSBack->PLAT_Row(y)[x], 8192);
    }
}

// A 4:1 strip around the horizon, unstretched: 30° up is 400/6 rows up; 60° up is beyond it, black.
TEST_F(StoreTest, PartialPanoramaSitsAroundTheHorizon) {
  const auto riadok = [](int, int y) { return 0x080008u | (y & 0xFC) << 8; };  // row coded in green
  Nahraj_PANORAMU(Obrazok(800, 200, riadok).c_str(), 1);
  EXPECT_EQ(std::vector<int>({W_pan_vys, W_pan_hore, opt_TB}), std::vector<int>({400, 100, 200}));
  EXPECT_FLOAT_EQ(opt_TC, opt_TA);
  for (int y = 0; y <= 400; ++y) ASSERT_EQ(W16(y, 5), y >= 100 && y < 300 ? Na565(riadok(0, y - 100)) : 0) << y;
  PITCH = 0.5235988f;
  int mm, nn;
  Pohlad_bod(SX, SY, &mm, &nn);
  EXPECT_NEAR(nn, 200 - 400 / 6, 1);
  PITCH = 1.0471976f;
  ASSERT_EQ(Sito_Vykresli(), 1);
  EXPECT_EQ(lpDDSBack->PLAT_Row(0)[400], 0);
  EXPECT_NE(lpDDSBack->PLAT_Row(599)[400], 0);
}

// Missing file, index outside the list, empty name: the store kept, the view reset.
TEST_F(StoreTest, FailuresKeepTheStore) {
  std::string p = Obrazok(400, 200, Vzor);
  PAN_subor[0] = &p[0];
  PAN_id_max = 0;
  EXPECT_EQ(Nahraj_PANORAMU(0, 1), IMG_LOAD_OK);
  YAW = 1;
  EXPECT_EQ(Nahraj_PANORAMU((tmp.Cesta() + "/missing.bmp").c_str(), 0), IMG_LOAD_FAILED);
  EXPECT_FLOAT_EQ(YAW, pi);
  for (int id : {-1, 1}) EXPECT_EQ(Nahraj_PANORAMU(id, 1), IMG_LOAD_FAILED);
  EXPECT_EQ(Nahraj_PANORAMU("", 1), IMG_LOAD_FAILED);
  PAN_subor[0] = nullptr;
  PAN_id_max = -1;
  EXPECT_EQ(pan_sir, 400);
  OcakavajVzor(400, 200);
}

// Resident bytes of this process.
long Rezidentne() {
  long velkost = 0, rezidentne = -1;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &velkost, &rezidentne) != 2) rezidentne = -1;
    std::fclose(f);
  }
  return rezidentne * sysconf(_SC_PAGESIZE);
}

// A 16384 × 8192 store's pages go back on the next picture and when emptied.
TEST(Sklad, MemoryOfALargeStoreGoesBack) {
  const long mb = 1 << 20;
  Vyprazdni_W();
  const long pred = Rezidentne();
  const struct { int sir, vys, bajty; long najmenej, najviac; } kroky[] = {{16384, 8192, 4, 500 * mb, 1L << 40}, {2000, 1000, 4, -1, 20 * mb}, {16384, 8192, 2, 200 * mb, 1L << 40}};
  for (const auto& k : kroky) {
    ASSERT_EQ(W_priprav(k.sir, k.vys, k.bajty, nullptr), 1);
    std::memset(W, 1, (size_t)W_sir * W_vys * W_bajty);
    EXPECT_GT(Rezidentne() - pred, k.najmenej) << k.sir << "x" << k.vys;
    EXPECT_LT(Rezidentne() - pred, k.najviac) << k.sir << "x" << k.vys;
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
