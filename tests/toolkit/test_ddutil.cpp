// Pictures into surfaces, palettes from colour tables, colours into pixel values.
#include <tuple>

#include "platform/gdi.h"
#include "tests/platform_gfx/bmp_maker.h"
#include "tests/toolkit/toolkit_fixture.h"

namespace {

// An information header of biSize bytes (room for 40), `v_tabulke` entries (blue, green, red = i, 2i, 3i),
// `pixely` bytes; with `subor` a file header in front; cut to `dlzka` bytes when given.
std::vector<uint8_t> Info(uint32_t bi_size, int bity, uint32_t clr_used, int v_tabulke, int pixely, bool subor,
                          size_t dlzka = 0) {
  const uint32_t h = std::max<uint32_t>(bi_size, 40), f = subor ? 14 : 0;
  std::vector<uint8_t> v(f + h + 4 * v_tabulke + pixely, 0);
  for (const auto& p : {std::make_pair(0u, bi_size), {4u, 8u}, {8u, 1u}, {12u, 1 | (uint32_t)bity << 16}, {32u, clr_used}})
    Put32(&v, f + p.first, p.second);
  for (int i = 0; i < v_tabulke; i++) Put32(&v, f + h + 4 * i, (uint32_t)(i | 2 * i << 8 | 3 * i << 16));
  if (subor) v[0] = 'B', v[1] = 'M';
  if (dlzka) v.resize(dlzka);
  return v;
}

TEST_F(ToolkitTest, APaletteIsTheColourCubeWithTheSourcesTableOverIt) {
  const struct {
    std::vector<uint8_t> zdroj;
    int prevedene;  // entries taken from the table
  } tabulka[] = {
      {Info(40, 4, 0, 16, 8, true), 16},     {Info(108, 8, 2, 0, 0, true), 0},   {Info(40, 4, 0, 16, 8, true, 76), 5},
      {Info(40, 8, 2, 2, 4, false), 2},      {Info(56, 4, 0, 16, 0, false), 16}, {Info(40, 8, 256, 4, 0, false), 4},
      {Info(12, 8, 2, 2, 0, false), 0},      {{}, 0},
  };
  for (const auto& p : tabulka) {
    const int riadok = (int)(&p - tabulka);
    const bool subor = !p.zdroj.empty() && p.zdroj[0] == 'B';
    std::ofstream("pal.bmp", std::ios::binary).write((const char*)p.zdroj.data(), subor ? (long)p.zdroj.size() : 0);
    if (!subor) PLAT_ResourceAdd("palres.bmp", RT_BITMAP, p.zdroj.data(), p.zdroj.size());
    IDirectDrawPalette* pal = DDLoadPalette(dd, p.zdroj.empty() ? nullptr : subor ? "pal.bmp" : "PALRES.BMP");
    PLAT_ResourceRemove("palres.bmp", RT_BITMAP);
    ASSERT_NE(nullptr, pal) << riadok;
    for (int i = 0; i < p.prevedene; i++) {
      const PALETTEENTRY& e = pal->entries[i];
      EXPECT_TRUE(e.peRed == 3 * i && e.peGreen == 2 * i && e.peBlue == i && !e.peFlags) << riadok << ": " << i;
    }
    for (int i : {37, 224, 255}) {  // the cube: 3 bits of red, 3 of green, 2 of blue
      const PALETTEENTRY& e = pal->entries[i];
      EXPECT_TRUE(e.peRed == (i >> 5) * 255 / 7 && e.peGreen == (i >> 2 & 7) * 255 / 7 && e.peBlue == (i & 3) * 85)
          << riadok << ": " << i;
    }
    pal->Release();
  }
  PLAT_FaultSet(PC_CreatePalette, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(nullptr, DDLoadPalette(dd, nullptr));
}

TEST_F(ToolkitTest, AColourMatchesThroughPixelZeroWhichIsGivenBack) {
  IDirectDrawSurface* s = Povrch(1, 1, 0x1234);
  EXPECT_EQ(std::make_pair(0xF800u, 0x07E0u), std::make_pair(DDColorMatch(s, RGB(255, 0, 0)), DDColorMatch(s, RGB(0, 255, 0))));
  PLAT_FaultSet(PC_Lock, 0, 3, DDERR_WASSTILLDRAWING);
  EXPECT_EQ(0xFFFFu, DDColorMatch(s, RGB(255, 255, 255))) << "a busy lock is tried again";
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(0xFFFFFFFFu, DDColorMatch(s, RGB(255, 255, 255)));
  PLAT_FaultSet(PC_GetDC, 0, 1, DDERR_GENERIC);
  EXPECT_EQ(0x1234u, DDColorMatch(s, RGB(255, 255, 255))) << "no context: the pixel as it is";
  ASSERT_EQ(DD_OK, DDSetColorKey(s, RGB(255, 255, 255)));
  EXPECT_EQ(std::make_pair(0x1234u, 0xFFFFu), std::make_pair(At(s, 0, 0) + 0u, s->key));
}

TEST_F(ToolkitTest, PicturesLoadAtTheirSizeOrTheAskedOneAndSheetsComeBackAfterALoss) {
  const std::string cesta = Subor("pic.bmp", Plachta(6, 4, {0, 1, 2, 3}, {}));  // all red
  int sir = -1, vys = -1;
  EXPECT_EQ(nullptr, DDLoadBitmap_ts(dd, "none.bmp", 0, 0, &sir, &vys));
  EXPECT_EQ(-1, sir) << "a missing picture leaves the sizes alone";
  IDirectDrawSurface* s = Keep(DDLoadBitmap_ts(dd, cesta.c_str(), 0, 0, &sir, &vys));
  EXPECT_EQ(std::make_tuple(6, 4, CERVENA_565), std::make_tuple(sir, vys, At(s, 5, 3)));
  s = Keep(DDLoadBitmap_ts_stretch(dd, cesta.c_str(), 9, 7));
  EXPECT_EQ(std::make_tuple(9, 7, CERVENA_565), std::make_tuple(s->PLAT_Width(), s->PLAT_Height(), At(s, 8, 6)));
  PLAT_FaultSet(PC_CreateOffscreen, 0, 1, DDERR_OUTOFMEMORY);
  EXPECT_EQ(nullptr, DDLoadBitmap_ts(dd, "pic.bmp", 3, 2, &sir, &vys));
  EXPECT_EQ(3, sir) << "the size is told even when the surface cannot be made";
  EXPECT_EQ(0, PLAT_GdiLiveObjects()) << "the bitmap is let go";
  Zdroj(cesta, Plachta(3, 3, {}, {}));
  const uint16_t vypln = PLAT_Pack565(40, 80, 120);
  EXPECT_EQ(vypln, At(Keep(DDLoadBitmap_ts(dd, cesta.c_str(), 0, 0, &sir, &vys)), 1, 1)) << "a resource wins";
  // A sheet keeps its own copy of the name and comes back stretched after a loss.
  Zdroj("own_name.bmp", Plachta(20, 12, {0, 11}, {0, 9, 19}));
  CDas_Surface rezia;
  char meno[] = "own_name.bmp";
  rezia.NAHRAJ_SURFACE(dd, meno);  // its surface goes with the next load
  meno[0] = 'X';
  rezia.NAHRAJ_SURFACE_2_stretch(dd, rezia.subor_nazov, 40, 24);
  ASSERT_NE(nullptr, Keep(rezia.SURFACE));
  rezia.SURFACE->PLAT_Lose();
  EXPECT_EQ(DD_OK, rezia.RESTORE_SURFACE());
  EXPECT_EQ(std::make_tuple(CERVENA_565, vypln, vypln, CERVENA_565),
            std::make_tuple(At(rezia.SURFACE, 0, 0), At(rezia.SURFACE, 8, 10), At(rezia.SURFACE, 30, 15),
                            At(rezia.SURFACE, 39, 23)));
}

// At 32 bits a 24-bit picture keeps every level, enlarged too, and colours match exactly.
TEST_F(ToolkitTest, ThirtyTwoBitSurfacesKeepEveryLevel) {
  mode_bits = 32;
  ASSERT_EQ(DD_OK, dd->SetDisplayMode(800, 600, 32));
  TRgbPicture pic(256, 2);
  for (int i = 0; i < 512; i++) pic.Set(i % 256, i / 256, (uint8_t)(i % 256), (uint8_t)(255 - i % 256), (uint8_t)(i ^ 0x5A));
  const std::string cesta = Subor("gradient.bmp", pic);
  int sir = 0, vys = 0;
  for (int krat : {1, 2}) {
    IDirectDrawSurface* s = Keep(DDLoadBitmap_ts_krat(dd, cesta.c_str(), krat, &sir, &vys));
    ASSERT_EQ(32, s->PLAT_Bits());
    for (int i = 0; i < 256 * krat * 2 * krat; i++) {
      const int x = i % (256 * krat), y = i / (256 * krat), o = x / krat + 256 * (y / krat);
      ASSERT_EQ(PLAT_Pack8888((uint8_t)o, (uint8_t)(255 - o), (uint8_t)(o ^ 0x5A)), s->PLAT_Pixel(x, y) & 0xFFFFFF) << x << "," << y;
    }
  }
  IDirectDrawSurface* s = Povrch(2, 2, 0x1234);
  EXPECT_EQ(0x010203u, DDColorMatch(s, RGB(1, 2, 3)));
  ASSERT_EQ(DD_OK, DDSetColorKey(s, RGB(255, 0, 254)));
  EXPECT_EQ(std::make_pair(PLAT_Convert(32, 16, 0x1234), 0xFF00FEu), std::make_pair(s->PLAT_Pixel(0, 0), s->key)) << "pixel 0 given back";
}

}  // namespace
