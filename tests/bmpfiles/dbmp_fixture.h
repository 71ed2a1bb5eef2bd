// The BMP tests: a temporary current folder, the graphics tests' display, patterned surfaces, a BMP reader.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/zeph_log.h"
#include "tests/common/temp_folder.h"
#include "tests/platform_gfx/gfx_fixture.h"
#include "toolkit/ddutil.h"
#include "tools/bmp24.h"

// A written BMP: its size and the colour (0xRRGGBB) of pixel (x, y) counted from the top.
struct TBmpSubor {
  std::string data;
  uint32_t U32(size_t off) const {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | (uint8_t)data[off + i];
    return v;
  }
  int Sir() const { return (int)U32(18); }
  int Vys() const { return (int)U32(22); }
  uint32_t Pixel(int x, int y) const {
    const size_t off = 54 + (size_t)(Vys() - 1 - y) * ((3 * Sir() + 3) & ~3) + 3 * (size_t)x;
    return (uint32_t)(uint8_t)data[off + 2] << 16 | (uint32_t)(uint8_t)data[off + 1] << 8 | (uint8_t)data[off];
  }
};

inline bool CitajBmp(const std::string& cesta, TBmpSubor* bmp) {
  bmp->data = CitajSubor(cesta);
  return bmp->data.size() >= 54 && bmp->data.size() == 54 + (size_t)((3 * bmp->Sir() + 3) & ~3) * bmp->Vys();
}

// A pattern that uses every bit of a 5-6-5 pixel, and of an X8R8G8B8 one's colour.
inline uint32_t Vzor32(int x, int y) { return (x * 2654435761u + y * 40503u + (x ^ y) * 97u) & 0xFFFFFF; }
inline uint16_t Vzor(int x, int y) { return (uint16_t)Vzor32(x, y); }

inline uint32_t Rgb(uint16_t p) {
  BYTE r, g, b;
  PLAT_Unpack565(p, &r, &g, &b);
  return (uint32_t)r << 16 | (uint32_t)g << 8 | b;
}

class DbmpTest : public GfxTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.Ok());
    GfxTest::SetUp();
  }
  void TearDown() override {
    for (IDirectDrawSurface* s : povrchy) s->Release();
    GfxTest::TearDown();
  }

  // An off-screen surface holding Vzor (Vzor32 at 32 bits); released by the fixture.
  IDirectDrawSurface* Povrch(int sir, int vys) {
    IDirectDrawSurface* s = DDVytvor_povrch(dd, sir, vys);
    if (s == nullptr) return nullptr;
    povrchy.push_back(s);
    for (int y = 0; y < vys; ++y)
      for (int x = 0; x < sir; ++x)
        if (s->PLAT_Bits() == 32)
          const_cast<uint32_t*>(s->PLAT_Row32(y))[x] = Vzor32(x, y);
        else
          const_cast<uint16_t*>(s->PLAT_Row(y))[x] = Vzor(x, y);
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
  std::vector<IDirectDrawSurface*> povrchy;
};
