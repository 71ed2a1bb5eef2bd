// A JPEG that names its cropped area (GPano) sits where that says in the sphere: its
// columns and rows, across the seam, latitude lines at their angles, a sphere larger than
// the store, and packets that lie.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "tests/formats/formats_fixture.h"

namespace {

const double STUPEN = 3.14159265358979 / 180;

class FormatsGpano : public FormatsPohlad {
 protected:
  // Writes the picture as "c.jpg" with the packet and loads it.
  static void Nahraj(const TRgbPicture& pic, const std::string& paket) {
    ASSERT_TRUE(Zapis_jpg(pic, "bez.jpg"));
    ASSERT_TRUE(Zapis_bajty("c.jpg", S_xmp(Citaj_bajty("bez.jpg"), paket)));
    Nahraj_PANORAMU("c.jpg", 0);
    ASSERT_NE(pan_SRF, nullptr);
  }
  // Colour of a store pixel near the expected one (JPEG), as in Bloky.
  static void Blizko(int riadok, int stlpec, const TRgbPicture& pic, int x, int y) {
    BYTE r, g, b;
    PLAT_Unpack565(W[riadok][stlpec], &r, &g, &b);
    const uint8_t* o = pic.At(x, y);
    EXPECT_NEAR(r, o[0], 16) << riadok << "," << stlpec;
    EXPECT_NEAR(g, o[1], 16) << riadok << "," << stlpec;
    EXPECT_NEAR(b, o[2], 16) << riadok << "," << stlpec;
  }
};

// A block picture whose blocks are never black, so black in the store is the surround.
TRgbPicture Svetle_bloky(int w, int h) {
  TRgbPicture pic = Bloky(w, h);
  for (size_t i = 0; i < pic.rgb.size(); i += 3) pic.rgb[i + 1] |= 0x80;
  return pic;
}

TEST_F(FormatsGpano, TheCropSitsAtItsPlaceInTheFullSphere) {
  for (int y = 0; y <= 601; ++y)
    for (int x = 0; x <= 1200; ++x) W[y][x] = 0x1234;  // stale pixels the surround must cover
  const TRgbPicture pic = Svetle_bloky(600, 200);
  Nahraj(pic, Gpano_paket(1200, 600, 600, 200, 300, 150));
  EXPECT_EQ(pan_sir, 600);
  EXPECT_EQ(pan_vys, 200);
  EXPECT_EQ(W_pan_sir, 1200);
  EXPECT_EQ(W_pan_vys, 600);
  EXPECT_EQ(W_pan_vlavo, 300);
  EXPECT_EQ(W_pan_hore, 150);
  EXPECT_EQ(opt_TB, 300);
  EXPECT_FLOAT_EQ(opt_TA, 1200 / pi2);
  EXPECT_FLOAT_EQ(opt_TC, 600 / pi);
  for (const int y : {8, 100, 190})
    for (const int x : {8, 300, 590}) Blizko(150 + y, 300 + x, pic, x, y);
  // Black all around: above, below, left and right of the crop, and the row past the nadir.
  for (const int y : {0, 149, 350, 599, 600})
    for (const int x : {0, 299, 600, 900, 1199}) EXPECT_EQ(W[y][x], 0) << y << "," << x;
  for (const int x : {0, 299, 900, 1199}) EXPECT_EQ(W[250][x], 0) << x;
}

TEST_F(FormatsGpano, ACropAcrossTheSeamContinuesAtTheFirstColumn) {
  const TRgbPicture pic = Svetle_bloky(600, 200);
  Nahraj(pic, Gpano_paket(1200, 600, 600, 200, 1000, 400));
  EXPECT_EQ(W_pan_vlavo, 1000);
  EXPECT_EQ(W_pan_hore, 400);
  Blizko(500, 1000, pic, 0, 100);
  Blizko(500, 1199, pic, 199, 100);
  Blizko(500, 0, pic, 200, 100);
  Blizko(500, 399, pic, 599, 100);
  EXPECT_EQ(W[500][400], 0);
  EXPECT_EQ(W[500][999], 0);
  // Looking at azimuth 0 from above the crop's middle row sees it; half a turn away, black.
  EXPECT_NE(Stred(0.001f, (float)((300 - 500) * pi / 600)), 0);
  EXPECT_EQ(Stred(pi, (float)((300 - 500) * pi / 600)), 0);
}

// Red lines every 15 degrees across a crop from 45 degrees up to 15 down: seen from pitch 0
// each lands at its angle, and past the crop's first column the view is black.
TEST_F(FormatsGpano, LatitudeLinesOfTheCropLandAtTheirAngles) {
  TRgbPicture pic(600, 200);
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 600; ++x) {
      const bool ciara = (y + 2) % 50 < 5;  // rows 48 … 52 and so on: 30, 15, 0 degrees
      pic.Set(x, y, ciara ? 248 : 64, ciara ? 0 : 64, ciara ? 0 : 64);
    }
  Nahraj(pic, Gpano_paket(1200, 600, 600, 200, 300, 150));
  ASSERT_NE(Stred(pi, 0), 0);
  for (const double uhol : {30.0, 15.0, 0.0}) EXPECT_TRUE(Ciara_pri(Riadok(uhol))) << uhol;
  for (const double uhol : {22.5, 7.5, -7.5}) EXPECT_FALSE(Ciara_pri(Riadok(uhol))) << uhol;
  // The crop spans azimuths 90 … 270 degrees.
  EXPECT_EQ(Stred((float)(85 * STUPEN), 0), 0);
  EXPECT_NE(Stred((float)(95 * STUPEN), 0), 0);
  EXPECT_NE(Stred((float)(265 * STUPEN), 0), 0);
  EXPECT_EQ(Stred((float)(275 * STUPEN), 0), 0);
}

TEST_F(FormatsGpano, ASphereLargerThanTheStoreIsScaledToFitIt) {
  const TRgbPicture pic = Svetle_bloky(6000, 600);
  Nahraj(pic, Gpano_paket(6000, 3000, 6000, 600, 0, 1200));
  EXPECT_EQ(pan_sir, 4000);
  EXPECT_EQ(pan_vys, 400);
  EXPECT_EQ(W_pan_sir, 4000);
  EXPECT_EQ(W_pan_vys, 2000);
  EXPECT_EQ(W_pan_hore, 800);
  EXPECT_EQ(W[799][100], 0);
  EXPECT_NE(W[800][100], 0);
  EXPECT_NE(W[1199][100], 0);
  EXPECT_EQ(W[1200][100], 0);
}

// Packets that do not fit the picture or lie about sizes: the picture shows (placed by the
// packet where it is consistent, else as a plain partial panorama) and nothing leaves the store.
TEST_F(FormatsGpano, PacketsThatLieStayInsideTheStore) {
  const TRgbPicture pic = Svetle_bloky(300, 100);
  const struct {
    const char* meno;
    std::string paket;
    int w_pan_sir;  // 0: anything inside the store
  } pripady[] = {
      {"inconsistent", Gpano_paket(100, 50, 300, 100, 0, 0), 300},
      {"huge sphere", Gpano_paket(1000000, 500000, 300, 100, 999999, 499900), 0},
      {"crop much smaller than the picture", Gpano_paket(4000, 2000, 3, 1, 3999, 1999), 0},
      {"tall sphere", Gpano_paket(300, 100000, 300, 100, 0, 50000), 0},
  };
  for (const auto& p : pripady) {
    Nahraj(pic, p.paket);
    if (p.w_pan_sir) {
      EXPECT_EQ(W_pan_sir, p.w_pan_sir) << p.meno;
    }
    EXPECT_GE(W_pan_sir, pan_sir) << p.meno;
    EXPECT_LE(W_pan_sir, W_SIR) << p.meno;
    EXPECT_LE(W_pan_vlavo, W_pan_sir - 1) << p.meno;
    EXPECT_LE(W_pan_hore + pan_vys, W_VYS) << p.meno;
    EXPECT_LE(W_riadok_max, W_VYS - 1) << p.meno;
    for (const float pitch : {pi_pol_m, 0.0f, -pi_pol_m}) Stred(0.5f, pitch);
  }
}

// A picture that fails to load keeps the former placement with the former pixels.
TEST_F(FormatsGpano, AFailedLoadKeepsThePlacement) {
  Nahraj(Svetle_bloky(600, 200), Gpano_paket(1200, 600, 600, 200, 300, 150));
  const TBajty zly = S_xmp({0xFF, 0xD8, 0xFF, 0xD9}, Gpano_paket(4000, 2000, 600, 200, 0, 0));
  ASSERT_TRUE(Zapis_bajty("zly.jpg", zly));
  Nahraj_PANORAMU("zly.jpg", 0);
  EXPECT_EQ(pan_SRF, nullptr);
  EXPECT_EQ(W_pan_sir, 1200);
  EXPECT_EQ(W_pan_vlavo, 300);
  EXPECT_EQ(W_pan_hore, 150);
}

}  // namespace
