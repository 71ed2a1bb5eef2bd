// The graphics tests' display as an 800 × 600 screen, sheets made as resources or files; pixels as 5-6-5.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "display/screen.h"
#include "platform/resources.h"
#include "tests/common/temp_folder.h"
#include "tests/platform_gfx/gfx_fixture.h"
#include "toolkit/das_surface.h"
#include "toolkit/ddutil.h"
#include "tools/bmp24.h"

const uint16_t CERVENA_565 = 0xF800;
const uint16_t TYRKYS_565 = 0x07FF;
const uint16_t POZADIE = 0x1111;  // a destination before drawing
const TFAZA FAZA_VZOR = {1, 1, 9, 11, 9, 11};  // the sheet's left phase: 8 × 10 drawn

// The raw pixel the sheet's left phase holds at sheet pixel (x, y): each tells where it came from.
inline uint16_t Vzor565(int x, int y) { return PLAT_Pack565(64, (uint8_t)(4 * y), (uint8_t)(8 * x)); }

// A sheet of one fill with red lines along the given rows and columns.
inline TRgbPicture Plachta(int w, int h, const std::vector<int>& riadky, const std::vector<int>& stlpce) {
  TRgbPicture pic(w, h);
  for (int i = 0; i < w * h; i++) {
    const bool ciara = std::count(riadky.begin(), riadky.end(), i / w) || std::count(stlpce.begin(), stlpce.end(), i % w);
    pic.Set(i % w, i / w, ciara ? 255 : 40, ciara ? 0 : 80, ciara ? 0 : 120);
  }
  return pic;
}

class ToolkitTest : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    MAXX = 800, MAXY = 600;
    ASSERT_TRUE(tmp.Ok());
  }
  void TearDown() override {
    for (const std::string& z : zdroje) PLAT_ResourceRemove(z.c_str(), RT_BITMAP);
    GfxTest::TearDown();
  }
  // An off-screen surface of one 5-6-5 value, released when the test ends.
  IDirectDrawSurface* Povrch(int w, int h, uint16_t farba) {
    IDirectDrawSurface* s = Keep(DDVytvor_povrch(dd, w, h));
    Zmaz(s, farba);
    return s;
  }
  void Zmaz(IDirectDrawSurface* s, uint16_t farba) const { DDSURFACE_ZMAZ(s, PLAT_Convert((int)mode_bits, 16, farba)); }
  // The picture as a BMP file in the test's folder, and as a bitmap resource (no file header).
  static std::string Subor(const std::string& meno, const TRgbPicture& pic) {
    EXPECT_TRUE(BMP24_Zapis(pic, meno.c_str()));
    return meno;
  }
  void Zdroj(const std::string& meno, const TRgbPicture& pic) {
    std::ifstream f(Subor("zdroj.bmp", pic), std::ios::binary);
    const std::vector<char> b((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
    PLAT_ResourceAdd(meno.c_str(), RT_BITMAP, b.data() + 14, b.size() - 14);
    zdroje.push_back(meno);
  }
  // The 20 × 12 sheet: red border lines in rows 0, 11, columns 0, 9, 19; the left phase is Vzor565.
  void Nahraj_vzorovu(CDas_Surface* das, void (*uprav)(TRgbPicture*) = nullptr) {
    TRgbPicture pic = Plachta(20, 12, {0, 11}, {0, 9, 19});
    for (int i = 0; i < 80; i++) pic.Set(1 + i % 8, 1 + i / 8, 64, (uint8_t)(4 * (1 + i / 8)), (uint8_t)(8 * (1 + i % 8)));
    if (uprav) uprav(&pic);
    const std::string meno = "vzor" + std::to_string(zdroje.size()) + ".bmp";
    Zdroj(meno, pic);
    das->NAHRAJ_SURFACE(dd, meno.c_str());
    ASSERT_NE(nullptr, Keep(das->SURFACE));
    das->BC_NASTAV(0, 0);
  }
  // The pixel reduced to 5-6-5: a 32-bit surface must show what a 16-bit one does.
  static uint16_t At(const IDirectDrawSurface* s, int x, int y) {
    return (uint16_t)PLAT_Convert(16, s->PLAT_Bits(), s->PLAT_Pixel(x, y));
  }

  TTempFolder tmp;  // the current folder while the test runs

 private:
  std::vector<std::string> zdroje;
};
