// The BMP tests: a temporary current folder, the graphics tests' display, patterned surfaces, the
// file our writer must give for a picture.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/zeph_log.h"
#include "platform/gdi.h"
#include "tests/common/temp_folder.h"
#include "tests/platform_gfx/gfx_fixture.h"
#include "toolkit/ddutil.h"
#include "tools/bmp24.h"

// A pattern that uses every bit of an X8R8G8B8 pixel's colour, and its low half every bit of a 5-6-5 one.
inline uint32_t Vzor32(int x, int y) { return (x * 2654435761u + y * 40503u + (x ^ y) * 97u) & 0xFFFFFF; }

// The bytes our writer gives for a w × h picture of colours farba(x, y) (0xRRGGBB): the exact
// 24-bit encoder's file at 2880 pixels per metre.
template <typename F>
std::string Bmp(int w, int h, F farba) {
  TRgbPicture pic(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const uint32_t c = farba(x, y);
      pic.Set(x, y, (uint8_t)(c >> 16), (uint8_t)(c >> 8), (uint8_t)c);
    }
  EXPECT_TRUE(BMP24_Zapis(pic, "ref.bmp"));
  std::string s = CitajSubor("ref.bmp");
  std::remove("ref.bmp");
  for (int off : {38, 42}) s.replace(off, 4, std::string("\x40\x0B\0\0", 4));
  return s;
}

// The size the picture loader reads from a file; 0 × 0 when it refuses it.
inline std::vector<int> Rozmer(const std::string& cesta) {
  int sir = 0, vys = 0;
  PLAT_ImageSize(nullptr, cesta.c_str(), LR_LOADFROMFILE, &sir, &vys);
  return {sir, vys};
}

class DbmpTest : public GfxTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.Ok());
    GfxTest::SetUp();
  }
  // An off-screen surface of the display's depth holding Vzor32 (its low half at 16 bits).
  IDirectDrawSurface* Povrch(int sir, int vys) {
    IDirectDrawSurface* s = Keep(DDVytvor_povrch(dd, sir, vys));
    if (s != nullptr) Paint(s, Vzor32);
    return s;
  }
  // A 24-bit picture file whose pixel (x, y) has red x, green y, blue 100.
  static void Obrazok(const std::string& cesta, int sir, int vys) {
    TRgbPicture pic(sir, vys);
    for (int y = 0; y < vys; ++y)
      for (int x = 0; x < sir; ++x) pic.Set(x, y, (uint8_t)x, (uint8_t)y, 100);
    ASSERT_TRUE(BMP24_Zapis(pic, cesta.c_str()));
  }
  static std::vector<std::string> Log() { return Riadky(ZEPH_LOG_SUBOR); }

  TTempFolder tmp;
};
