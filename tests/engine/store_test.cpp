// Loading panoramas from BMP files into the store: contents, larger and partial pictures, depths, failures.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <string>
#include <vector>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "tests/common/engine_ref.h"
#include "engine/view.h"
#include "tests/engine/engine_displej.h"
#include "tests/bmpfiles/temp_folder.h"
#include "tools/bmp24.h"

namespace {

// Pattern colours exact in 5-6-5: red and blue in steps of 8, green in steps of 4.
uint16_t VzorPixel(int x, int y) {
  return PLAT_Pack565((uint8_t)((x & 31) << 3), (uint8_t)((y & 63) << 2), (uint8_t)(((x >> 5) & 31) << 3));
}

class StoreTest : public EngineDisplej {
 protected:
  void SetUp() override {
    EngineDisplej::SetUp();
    ASSERT_TRUE(tmp.Ok());
    dir = tmp.Cesta();
    Obrazovka(800, 600);
    ASSERT_EQ(Reset_Sito(20, 20), 1);
    D_start = 400;
  }

  // Writes a w × h picture whose pixel (x, y) is farba(x, y) as a BMP and returns its path.
  template <class F>
  std::string Obrazok(int w, int h, F farba) {
    TRgbPicture pic(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        BYTE r, g, b;
        PLAT_Unpack565(farba(x, y), &r, &g, &b);
        pic.Set(x, y, r, g, b);
      }
    const std::string path = dir + "/p" + std::to_string(w) + "x" + std::to_string(h) + ".bmp";
    EXPECT_TRUE(BMP24_Zapis(pic, path.c_str()));
    return path;
  }
  std::string Vzor(int w, int h) { return Obrazok(w, h, VzorPixel); }

  // Expects W to hold the pattern over w × h.
  void OcakavajVzor(int w, int h) {
    int zle = 0;
    for (int y = 0; y < h && zle < 5; ++y)
      for (int x = 0; x < w && zle < 5; ++x)
        if (W16(y, x) != VzorPixel(x, y)) ++zle, ADD_FAILURE() << "store pixel " << x << "," << y;
  }

  TTempFolder tmp;
  std::string dir;
};

TEST_F(StoreTest, LoadCopiesThePictureAndResetsTheView) {
  const std::string p = Vzor(600, 300);
  YAW = 1;
  PITCH = -1;
  D = 123;
  ASSERT_EQ(Nahraj_PANORAMU(p.c_str(), 1), IMG_LOAD_OK);
  EXPECT_EQ(pan_sir, 600);
  EXPECT_EQ(pan_vys, 300);
  EXPECT_FLOAT_EQ(opt_TA, 600 / pi2);
  EXPECT_EQ(opt_TB, 150);
  EXPECT_FLOAT_EQ(YAW, pi);
  EXPECT_FLOAT_EQ(PITCH, 0.1f);
  EXPECT_EQ(D, 400);
  OcakavajVzor(600, 300);
  // Looking straight down reaches row pan_vys: it repeats the last row.
  for (int x = 0; x < 600; ++x) ASSERT_EQ(W16(300, x), W16(299, x)) << x;
}

TEST_F(StoreTest, LargerPicturesAreScaledIntoTheStoreAndDrawnInsideIt) {
  const uint16_t cervena = PLAT_Pack565(248, 0, 0), modra = PLAT_Pack565(0, 0, 248);
  const struct {
    int w, h, sir, vys;
  } cases[] = {{16384, 40, 16384, 40}, {20000, 50, 16384, 40}, {100, 9000, 91, 8192}};  // kept; width, height limit
  for (const auto& c : cases) {
    const std::string p = Obrazok(c.w, c.h, [&](int x, int) { return x < c.w / 2 ? cervena : modra; });
    ASSERT_EQ(Nahraj_PANORAMU(p.c_str(), 0), IMG_LOAD_OK) << c.w << "x" << c.h;
    const int hore = W_pan_hore;
    EXPECT_EQ(std::vector<int>({pan_sir, pan_vys, W16(hore + c.vys / 2, c.sir / 4), W16(hore + c.vys / 2, c.sir * 3 / 4),
                                W16(hore + c.vys - 1, c.sir - 1)}),
              std::vector<int>({c.sir, c.vys, cervena, modra, modra})) << c.w << "x" << c.h;
  }
  // Straight down and straight up, narrow and wide: every pixel drawn comes from the store's rows.
  W_vypln(false);
  for (float pitch : {-pi_pol_m, pi_pol_m})
    for (int d : {100, 640}) {
      YAW = 2.5f;
      PITCH = pitch;
      D = d;
      ASSERT_EQ(Sito_Vykresli(), 1);
      for (int y = 0; y < 600; ++y)
        for (int x = 0; x < 800; ++x) ASSERT_LE(lpDDSBack->PLAT_Row(y)[x], 8192);
    }
}

// A 4:1 strip of latitude rings: 360 degrees across, 90 degrees high, shown unstretched.
TEST_F(StoreTest, PartialPanoramaSitsAroundTheHorizon) {
  const auto riadok = [](int, int y) { return PLAT_Pack565(8, (uint8_t)(y & 0xFC), 8); };  // row coded in green
  Nahraj_PANORAMU(Obrazok(800, 200, riadok).c_str(), 1);
  EXPECT_EQ(W_pan_vys, 400);
  EXPECT_EQ(W_pan_hore, 100);
  EXPECT_EQ(opt_TB, 200);
  EXPECT_FLOAT_EQ(opt_TC, opt_TA);
  for (int y = 0; y <= 400; ++y) {
    const bool obraz = y >= 100 && y < 300;
    ASSERT_EQ(W16(y, 5), obraz ? riadok(0, y - 100) : 0) << y;
  }
  // A ray 30 degrees up lands 30/180 of the sphere's 400 rows above the horizon.
  PITCH = 0.5235988f;
  int mm, nn;
  Pohlad_bod(SX, SY, &mm, &nn);
  EXPECT_NEAR(nn, 200 - 400 / 6, 1);
  // Looking up 60 degrees: the top of the screen is beyond the strip and black.
  PITCH = 1.0471976f;
  ASSERT_EQ(Sito_Vykresli(), 1);
  EXPECT_EQ(lpDDSBack->PLAT_Row(0)[400], 0);
  EXPECT_NE(lpDDSBack->PLAT_Row(599)[400], 0);
}

// Smooth 8-bit gradients in a 16- and a 32-bit mode: every pixel of the 16-bit frame is the
// 32-bit one's reduced to 5-6-5, within one level a channel.
TEST_F(StoreTest, ClassicFrameIsTheTrueColourFrameReduced) {
  TRgbPicture pic(1000, 500);
  for (int y = 0; y < 500; ++y)
    for (int x = 0; x < 1000; ++x) pic.Set(x, y, (uint8_t)(x * 255 / 999), (uint8_t)(y * 255 / 499), (uint8_t)((x + y) & 255));
  const std::string path = dir + "/hladky.bmp";
  ASSERT_TRUE(BMP24_Zapis(pic, path.c_str()));
  const struct {
    float yaw, pitch;
    int d;
  } nazory[] = {{3.1415927f, 0.1f, 160}, {6.2f, 0.0f, 300}, {1.0f, 1.4707963f, 100}, {4.0f, -1.4707963f, 100}};
  std::vector<uint32_t> snimky[2];
  for (int bity : {32, 16}) {
    Obrazovka(320, 200, bity);
    ASSERT_EQ(Reset_Sito(20, 20), 1);
    Nahraj_PANORAMU(path.c_str(), 0);
    ASSERT_EQ(W_bajty * 8, bity);
    for (const auto& n : nazory) {
      YAW = n.yaw;
      PITCH = n.pitch;
      D = n.d;
      ASSERT_EQ(Sito_Vykresli(), 1);
      for (int y = 0; y < 200; ++y)
        for (int x = 0; x < 320; ++x) snimky[bity == 16].push_back(lpDDSBack->PLAT_Pixel(x, y));
    }
  }
  std::set<uint32_t> cervene;
  for (uint32_t p : snimky[0]) cervene.insert(p >> 16 & 255);
  EXPECT_GT(cervene.size(), 100u);  // more levels of red than 5-6-5 holds
  int zle = 0;
  for (size_t i = 0; i < snimky[0].size() && zle < 5; ++i) {
    const uint32_t p32 = snimky[0][i], p16 = snimky[1][i];
    const int kanaly[3][4] = {{(int)(p32 >> 16) & 255, (int)(p16 >> 11), 3, 31},
                              {(int)(p32 >> 8) & 255, (int)(p16 >> 5) & 63, 2, 63},
                              {(int)p32 & 255, (int)p16 & 31, 3, 31}};
    for (const auto& k : kanaly)
      if (std::abs((k[0] >> k[2]) - k[1]) > 1) ++zle, ADD_FAILURE() << "pixel " << i << ": " << std::hex << p32 << " vs " << p16;
  }
}

// A missing file (broken ones are the formats tests'), an index outside the list, an empty
// name: nothing loaded, the store and its size kept, the view reset.
TEST_F(StoreTest, FailuresKeepTheStore) {
  std::string p = Vzor(400, 200);
  PAN_subor[0] = &p[0];
  PAN_id_max = 0;
  EXPECT_EQ(Nahraj_PANORAMU(0, 1), IMG_LOAD_OK);
  YAW = 1;
  EXPECT_EQ(Nahraj_PANORAMU((dir + "/missing.bmp").c_str(), 0), IMG_LOAD_FAILED);
  EXPECT_FLOAT_EQ(YAW, pi);
  for (int id : {-1, 1}) EXPECT_EQ(Nahraj_PANORAMU(id, 1), IMG_LOAD_FAILED);
  EXPECT_EQ(Nahraj_PANORAMU("", 1), IMG_LOAD_FAILED);
  PAN_subor[0] = nullptr;
  PAN_id_max = -1;
  EXPECT_EQ(pan_sir, 400);
  OcakavajVzor(400, 200);
}

}  // namespace
