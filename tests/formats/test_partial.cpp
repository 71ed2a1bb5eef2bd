// Pictures that are not 2:1: a partial panorama spans 360 degrees across at the latitude
// scale of its width, around the horizon, with black above and below.
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

// A grey picture with a red line, three rows thick, every 15 degrees of latitude, for a
// picture spanning 360 degrees across: the horizon in the middle row, w / 2π rows a radian.
TRgbPicture Rovnobezky(int w, int h) {
  TRgbPicture pic(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) pic.Set(x, y, 64, 64, 64);
  const double riadkov_na_radian = w / (2 * 3.14159265358979);
  for (int k = -5; k <= 5; ++k) {
    const int r = (int)std::lround(h / 2.0 - k * 15 * STUPEN * riadkov_na_radian);
    for (int y = r - 1; y <= r + 1; ++y)
      for (int x = 0; x < w; ++x) pic.Set(x, y, 248, 0, 0);
  }
  return pic;
}

typedef FormatsPohlad FormatsPartial;

TEST_F(FormatsPartial, LatitudeLinesOfThreeAndFourToOnePicturesLandAtTheirAngles) {
  const struct {
    int w, h;
    const char* subor;
  } pripady[] = {{1200, 400, "tri.png"}, {1440, 360, "styri.jpg"}, {1600, 400, "styri.bmp"}};
  for (const auto& p : pripady) {
    const TRgbPicture pic = Rovnobezky(p.w, p.h);
    const std::string s = p.subor;
    ASSERT_TRUE(s.find(".png") != std::string::npos   ? Zapis_png(pic, s)
                : s.find(".jpg") != std::string::npos ? Zapis_jpg(pic, s)
                                                      : Zapis_bmp(pic, s));
    Nahraj_PANORAMU(p.subor, 0);
    ASSERT_NE(pan_SRF, nullptr) << p.subor;
    ASSERT_TRUE(Ciara(Stred(pi, 0))) << p.subor << ": the horizon";
    // Every line within the screen where it belongs, none half-way between.
    for (int k = -2; k <= 2; ++k) EXPECT_TRUE(Ciara_pri(Riadok(k * 15))) << p.subor << ": line at " << k * 15;
    for (int k = -2; k < 2; ++k)
      EXPECT_FALSE(Ciara_pri(Riadok(k * 15 + 7.5))) << p.subor << ": between lines at " << k * 15 + 7.5;
    // Beyond the picture's own latitudes, 10 degrees past its edge, black.
    const float okraj = (float)(p.h / 2.0 / (p.w / (2 * 3.14159265358979)));
    EXPECT_EQ(Stred(pi, okraj + 0.1745f), 0) << p.subor << ": above";
    EXPECT_EQ(Stred(pi, -okraj - 0.1745f), 0) << p.subor << ": below";
    EXPECT_NE(Stred(pi, okraj - 0.0873f), 0) << p.subor << ": inside the top edge";
  }
}

}  // namespace
