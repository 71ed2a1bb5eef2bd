// Loading pictures into surfaces, palettes from colour tables, colours into pixel values.
#include <algorithm>
#include <string>

#include "platform/fault.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/user32.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/ddutil.h"

namespace {

class DdutilTest : public ToolkitTest {
 protected:
  bool Vypis_obsahuje(const std::string& text) const {
    const std::vector<std::string>& v = PLAT_DebugOutput();
    return std::find(v.begin(), v.end(), text) != v.end();
  }
};

TRgbPicture Jednofarebny(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
  TRgbPicture pic(w, h);
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) pic.Set(x, y, r, g, b);
  return pic;
}

void Put32(std::vector<uint8_t>* v, size_t at, uint32_t x) {
  for (int i = 0; i < 4; i++) (*v)[at + i] = (uint8_t)(x >> (8 * i));
}

// An information header (biSize bytes) of a w × 1 picture, the colour table (blue, green,
// red, 0 for entry i: i, 2i, 3i) with `v_tabulke` entries, then `pixely` bytes of pixels.
// A biSize below 40 still gets room for the fields.
std::vector<uint8_t> Info(uint32_t bi_size, int bity, uint32_t clr_used, int v_tabulke, int pixely) {
  const uint32_t hlavicka = std::max<uint32_t>(bi_size, 40);
  std::vector<uint8_t> v(hlavicka + 4 * v_tabulke + pixely, 0);
  Put32(&v, 0, bi_size);
  Put32(&v, 4, 8);
  Put32(&v, 8, 1);
  v[12] = 1;
  v[14] = (uint8_t)bity;
  Put32(&v, 32, clr_used);
  for (int i = 0; i < v_tabulke; i++) {
    v[hlavicka + 4 * i] = (uint8_t)i;
    v[hlavicka + 4 * i + 1] = (uint8_t)(2 * i);
    v[hlavicka + 4 * i + 2] = (uint8_t)(3 * i);
  }
  for (int i = 0; i < pixely; i++) v[hlavicka + 4 * v_tabulke + i] = (uint8_t)(200 + i);
  return v;
}

std::vector<uint8_t> Subor_bmp(const std::vector<uint8_t>& info) {
  std::vector<uint8_t> v(14 + info.size(), 0);
  v[0] = 'B';
  v[1] = 'M';
  Put32(&v, 2, (uint32_t)v.size());
  std::copy(info.begin(), info.end(), v.begin() + 14);
  return v;
}

struct TFarba3 {
  int r, g, b;
};

TFarba3 Kocka(int i) { return {((i >> 5) & 7) * 255 / 7, ((i >> 2) & 7) * 255 / 7, (i & 3) * 255 / 3}; }

void Zhoda(const PALETTEENTRY& e, TFarba3 f, int flags = 0) {
  EXPECT_EQ(f.r, e.peRed);
  EXPECT_EQ(f.g, e.peGreen);
  EXPECT_EQ(f.b, e.peBlue);
  EXPECT_EQ(flags, e.peFlags);
}

TEST_F(DdutilTest, PaletteWithoutANameIsTheColourCube) {
  IDirectDrawPalette* pal = DDLoadPalette(dd, nullptr);
  ASSERT_NE(nullptr, pal);
  Zhoda(pal->entries[0], {0, 0, 0});
  Zhoda(pal->entries[37], {36, 36, 85});
  Zhoda(pal->entries[224], {255, 0, 0});
  Zhoda(pal->entries[255], {255, 255, 255});
  Zhoda(pal->entries[146], {145, 145, 170});
  pal->Release();
}

TEST_F(DdutilTest, PaletteFromFiles) {
  struct TPripad {
    const char* nazov;
    std::vector<uint8_t> subor;
    int prevedene;   // entries converted from the table
    int surove;      // entries after them holding bytes as read
  };
  const std::vector<uint8_t> f4 = Subor_bmp(Info(40, 4, 0, 16, 8));
  const TPripad tabulka[] = {
      {"4-bit, colours used 0: sixteen entries", f4, 16, 2},
      {"8-bit, colours used 3", Subor_bmp(Info(40, 8, 3, 3, 8)), 3, 2},
      {"24-bit: no table, pixel bytes read raw", Subor_bmp(Info(40, 24, 0, 0, 16)), 0, 4},
      {"header not of 40 bytes: nothing converted", Subor_bmp(Info(108, 8, 2, 0, 0)), 0, 16},
      {"table cut short by the file's end", std::vector<uint8_t>(f4.begin(), f4.begin() + 54 + 4 * 5 + 2), 5, 0},
      {"file shorter than its headers", std::vector<uint8_t>(f4.begin(), f4.begin() + 30), 0, 0},
  };
  for (const TPripad& p : tabulka) {
    SCOPED_TRACE(p.nazov);
    const std::string cesta = Subor_bajty("pal.bmp", p.subor);
    IDirectDrawPalette* pal = DDLoadPalette(dd, cesta.c_str());
    ASSERT_NE(nullptr, pal);
    for (int i = 0; i < p.prevedene; i++) Zhoda(pal->entries[i], {3 * i, 2 * i, i});
    for (int i = p.prevedene; i < p.prevedene + p.surove; i++) {
      const uint8_t* b = &p.subor[54 + 4 * i];
      Zhoda(pal->entries[i], {b[0], b[1], b[2]}, b[3]);
    }
    const int konci = p.prevedene + p.surove;
    for (int i = konci + 1; i < 256; i++) Zhoda(pal->entries[i], Kocka(i));
    pal->Release();
  }
}

TEST_F(DdutilTest, PaletteFromAResource) {
  struct TPripad {
    const char* nazov;
    std::vector<uint8_t> zdroj;
    int prevedene;
  };
  const TPripad tabulka[] = {
      {"8-bit, colours used 2", Info(40, 8, 2, 2, 4), 2},
      {"4-bit, colours used 0", Info(40, 4, 0, 16, 4), 16},
      {"longer header: the table starts after it", Info(56, 4, 0, 16, 0), 16},
      {"256 colours announced, four there", Info(40, 8, 256, 4, 0), 4},
      {"header too short", Info(12, 8, 2, 2, 0), 0},
      {"24-bit", Info(40, 24, 0, 0, 12), 0},
  };
  for (const TPripad& p : tabulka) {
    SCOPED_TRACE(p.nazov);
    PLAT_ResourceAdd("palres.bmp", RT_BITMAP, p.zdroj.data(), p.zdroj.size());
    IDirectDrawPalette* pal = DDLoadPalette(dd, "PALRES.BMP");
    PLAT_ResourceRemove("palres.bmp", RT_BITMAP);
    ASSERT_NE(nullptr, pal);
    for (int i = 0; i < p.prevedene; i++) Zhoda(pal->entries[i], {3 * i, 2 * i, i});
    for (int i = p.prevedene; i < 256; i++) Zhoda(pal->entries[i], Kocka(i));
    pal->Release();
  }
}

TEST_F(DdutilTest, PaletteMissingSourceOrFailure) {
  IDirectDrawPalette* pal = DDLoadPalette(dd, (adresar + "/none.bmp").c_str());
  ASSERT_NE(nullptr, pal);
  Zhoda(pal->entries[37], {36, 36, 85});
  pal->Release();
  EXPECT_EQ(nullptr, DDLoadPalette(nullptr, nullptr));
  PLAT_FaultSet(PC_CreatePalette, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(nullptr, DDLoadPalette(dd, nullptr));
}

TEST_F(DdutilTest, ColorMatchOnA565Surface) {
  IDirectDrawSurface* s = Povrch(4, 3, 0x1234);
  EXPECT_EQ(0xFFFFu, DDColorMatch(s, RGB(255, 255, 255)));
  EXPECT_EQ(0u, DDColorMatch(s, RGB(0, 0, 0)));
  EXPECT_EQ(0xF800u, DDColorMatch(s, RGB(255, 0, 0)));
  EXPECT_EQ(0x1234, Px(s, 0, 0)) << "pixel (0, 0) is given back";
  EXPECT_EQ(0x1234u, DDColorMatch(s, CLR_INVALID)) << "no colour: the pixel as it is";
}

TEST_F(DdutilTest, ColorMatchOfAOnePixelSurfaceReadsOnlyThatPixel) {
  IDirectDrawSurface* s = Povrch(1, 1, 0x0042);
  EXPECT_EQ(0x07E0u, DDColorMatch(s, RGB(0, 255, 0)));
  EXPECT_EQ(0x0042, Px(s, 0, 0));
}

TEST_F(DdutilTest, ColorMatchFailures) {
  IDirectDrawSurface* s = Povrch(4, 3, 0x1234);
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(0xFFFFFFFFu, DDColorMatch(s, RGB(255, 255, 255)));
  EXPECT_EQ(0x1234, Px(s, 0, 0));
  PLAT_FaultClear();
  PLAT_FaultSet(PC_Lock, 0, 3, DDERR_WASSTILLDRAWING);
  EXPECT_EQ(0xFFFFu, DDColorMatch(s, RGB(255, 255, 255))) << "a busy lock is tried again";
  PLAT_FaultClear();
  PLAT_FaultSet(PC_GetDC, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(0x1234u, DDColorMatch(s, RGB(255, 255, 255))) << "no context: the pixel as it is";
  EXPECT_EQ(0x1234, Px(s, 0, 0));
  EXPECT_EQ(0xFFFFFFFFu, DDColorMatch(nullptr, 0));
}

TEST_F(DdutilTest, ColorKeyAndFill) {
  IDirectDrawSurface* s = Povrch(5, 4, 0);
  EXPECT_EQ(DD_OK, DDSetColorKey(s, RGB(255, 255, 255)));
  DDCOLORKEY k = {};
  ASSERT_EQ(DD_OK, s->GetColorKey(DDCKEY_SRCBLT, &k));
  EXPECT_EQ(0xFFFFu, k.dwColorSpaceLowValue);
  EXPECT_EQ(0xFFFFu, k.dwColorSpaceHighValue);
  DDSURFACE_ZMAZ(s, 0xABCD);
  for (int y = 0; y < 4; y++)
    for (int x = 0; x < 5; x++) EXPECT_EQ(0xABCD, Px(s, x, y));
}

TEST_F(DdutilTest, LoadAtNaturalAndAskedSize) {
  const std::string cesta = Subor("pic.bmp", Jednofarebny(6, 4, 0, 0, 255));
  int sir = -1, vys = -1;
  IDirectDrawSurface* s = DDLoadBitmap_ts(dd, cesta.c_str(), 0, 0, &sir, &vys);
  ASSERT_NE(nullptr, s);
  Uvolni_potom(s);
  EXPECT_EQ(6, sir);
  EXPECT_EQ(4, vys);
  EXPECT_EQ(6, s->PLAT_Width());
  EXPECT_EQ(0x001F, Px(s, 5, 3));
  IDirectDrawSurface* t = DDLoadBitmap_ts(dd, cesta.c_str(), 12, 2, &sir, &vys);
  ASSERT_NE(nullptr, t);
  Uvolni_potom(t);
  EXPECT_EQ(12, sir);
  EXPECT_EQ(2, vys);
  EXPECT_EQ(12, t->PLAT_Width());
  EXPECT_EQ(2, t->PLAT_Height());
}

TEST_F(DdutilTest, PlainSurfaceOfAskedSizeOrNone) {
  struct TPripad {
    int sir, vys;
    bool vznikne;
  };
  const TPripad pripady[] = {{1, 1, true}, {37, 5, true}, {0, 5, false}, {5, 0, false}, {-3, 5, false}, {5, -1, false}};
  for (const TPripad& p : pripady) {
    IDirectDrawSurface* s = DDVytvor_povrch(dd, p.sir, p.vys);
    ASSERT_EQ(p.vznikne, s != nullptr) << p.sir << " x " << p.vys;
    if (!s) continue;
    EXPECT_EQ(p.sir, s->PLAT_Width());
    EXPECT_EQ(p.vys, s->PLAT_Height());
    s->Release();
  }
  EXPECT_EQ(nullptr, DDVytvor_povrch(nullptr, 4, 4));
  PLAT_FaultSet(PC_CreateOffscreen, 0, 1, DDERR_OUTOFMEMORY);
  EXPECT_EQ(nullptr, DDVytvor_povrch(dd, 4, 4));
}

TEST_F(DdutilTest, MissingPictureLeavesTheSizesAlone) {
  int sir = -1, vys = -1;
  EXPECT_EQ(nullptr, DDLoadBitmap_ts(dd, (adresar + "/none.bmp").c_str(), 0, 0, &sir, &vys));
  EXPECT_EQ(-1, sir);
  EXPECT_EQ(-1, vys);
  EXPECT_EQ(nullptr, DDLoadBitmap_ts(dd, nullptr, 0, 0, &sir, &vys));
}

TEST_F(DdutilTest, SizeIsReportedEvenWhenTheSurfaceCannotBeMade) {
  const std::string cesta = Subor("pic.bmp", Jednofarebny(6, 4, 0, 0, 255));
  int sir = -1, vys = -1;
  PLAT_FaultSet(PC_CreateOffscreen, 0, 1, DDERR_OUTOFMEMORY);
  EXPECT_EQ(nullptr, DDLoadBitmap_ts(dd, cesta.c_str(), 0, 0, &sir, &vys));
  EXPECT_EQ(6, sir);
  EXPECT_EQ(4, vys);
  EXPECT_EQ(0, PLAT_GdiLiveObjects()) << "the bitmap is let go";
}

TEST_F(DdutilTest, StretchedLoad) {
  const std::string cesta = Subor("pic.bmp", Jednofarebny(6, 4, 0, 255, 0));
  IDirectDrawSurface* s = DDLoadBitmap_ts_stretch(dd, cesta.c_str(), 9, 7);
  ASSERT_NE(nullptr, s);
  Uvolni_potom(s);
  EXPECT_EQ(9, s->PLAT_Width());
  EXPECT_EQ(7, s->PLAT_Height());
  EXPECT_EQ(0x07E0, Px(s, 8, 6));
  EXPECT_EQ(nullptr, DDLoadBitmap_ts_stretch(dd, cesta.c_str(), 0, 7));
  EXPECT_EQ(nullptr, DDLoadBitmap_ts_stretch(dd, cesta.c_str(), 9, 0));
  EXPECT_EQ(0, PLAT_GdiLiveObjects());
}

TEST_F(DdutilTest, ResourceWinsOverAFileOfTheSameName) {
  const std::string cesta = Subor("same.bmp", Jednofarebny(3, 3, 0, 255, 0));
  Zdroj(cesta, Jednofarebny(3, 3, 0, 0, 255));
  int sir = 0, vys = 0;
  IDirectDrawSurface* s = DDLoadBitmap_ts(dd, cesta.c_str(), 0, 0, &sir, &vys);
  ASSERT_NE(nullptr, s);
  Uvolni_potom(s);
  EXPECT_EQ(0x001F, Px(s, 1, 1));
}

TEST_F(DdutilTest, CopyBitmap) {
  IDirectDrawSurface* s = Povrch(4, 4, 0x1111);
  EXPECT_EQ(E_FAIL, DDCopyBitmap(s, nullptr, 0, 0, 0, 0));
  EXPECT_EQ(0x1111, Px(s, 0, 0));
  const std::string cesta = Subor("quad.bmp", Jednofarebny(2, 2, 255, 255, 255));
  HBITMAP hbm = static_cast<HBITMAP>(LoadImageA(nullptr, cesta.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  ASSERT_NE(nullptr, hbm);
  EXPECT_EQ(E_FAIL, DDCopyBitmap(nullptr, hbm, 0, 0, 0, 0));
  EXPECT_EQ(DD_OK, DDCopyBitmap(s, hbm, 0, 0, 0, 0));
  EXPECT_EQ(0xFFFF, Px(s, 3, 3)) << "stretched over the whole surface";
  PLAT_FaultSet(PC_CreateCompatibleDC, 0, 1, 0);
  DDCopyBitmap(s, hbm, 0, 0, 0, 0);
  EXPECT_TRUE(Vypis_obsahuje("createcompatible dc failed\n"));
  PLAT_FaultClear();
  PLAT_FaultSet(PC_GetDC, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(DDERR_GENERIC, DDCopyBitmap(s, hbm, 0, 0, 0, 0));
  DeleteObject(hbm);
}

TEST_F(DdutilTest, ReloadStretchesThePictureOverTheSurface) {
  const std::string cesta = Subor("re.bmp", Jednofarebny(2, 2, 255, 0, 0));
  IDirectDrawSurface* s = Povrch(8, 6, 0);
  EXPECT_EQ(DD_OK, DDReLoadBitmap(s, cesta.c_str()));
  EXPECT_EQ(CERVENA_565, Px(s, 7, 5));
  EXPECT_EQ(E_FAIL, DDReLoadBitmap(s, (adresar + "/gone.bmp").c_str()));
  EXPECT_TRUE(Vypis_obsahuje("handle is null\n"));
  PLAT_FaultSet(PC_GetDC, 0, 1, DDERR_GENERIC);
  EXPECT_NE(DD_OK, DDReLoadBitmap(s, cesta.c_str()));
  EXPECT_TRUE(Vypis_obsahuje("ddcopybitmap failed\n"));
  EXPECT_EQ(0, PLAT_GdiLiveObjects());
}

TEST_F(DdutilTest, ResetReplacesTheCallersSurface) {
  const std::string cesta = Subor("reset.bmp", Jednofarebny(5, 3, 255, 0, 0));
  IDirectDrawSurface* s = nullptr;
  int sir = 0, vys = 0;
  DDReset_ts(dd, &s, cesta.c_str(), &sir, &vys);
  ASSERT_NE(nullptr, s);
  EXPECT_EQ(5, sir);
  EXPECT_EQ(3, vys);
  DDReset_ts(dd, &s, (adresar + "/gone.bmp").c_str(), &sir, &vys);
  EXPECT_EQ(nullptr, s);
}

}  // namespace
