#include <gtest/gtest.h>

#include "bmpfiles/dbmp.h"
#include "platform/gdi.h"
#include "tests/bmpfiles/dbmp_fixture.h"
#include "toolkit/ddutil.h"

namespace {

typedef DbmpTest DbmpZapis;

TEST_F(DbmpZapis, HeaderFieldByField) {
  IDirectDrawSurface* s = Povrch(5, 3);
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(s, "h.bmp");
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("h.bmp", &b));
  struct TPole {
    size_t off;
    int velkost;
    uint32_t hodnota;
    const char* meno;
  } const polia[] = {
      {0, 2, 0x4D42, "bfType"},   {2, 4, 54 + 16 * 3, "bfSize"}, {6, 2, 0, "bfReserved1"},
      {8, 2, 0, "bfReserved2"},   {10, 4, 54, "bfOffBits"},      {14, 4, 40, "biSize"},
      {18, 4, 5, "biWidth"},      {22, 4, 3, "biHeight"},        {26, 2, 1, "biPlanes"},
      {28, 2, 24, "biBitCount"},  {30, 4, 0, "biCompression"},   {34, 4, 0, "biSizeImage"},
      {38, 4, 2880, "biXPelsPerMeter"}, {42, 4, 2880, "biYPelsPerMeter"}, {46, 4, 0, "biClrUsed"},
      {50, 4, 0, "biClrImportant"},
  };
  for (const TPole& p : polia) EXPECT_EQ(p.velkost == 2 ? b.U16(p.off) : b.U32(p.off), p.hodnota) << p.meno;
  EXPECT_EQ(b.data.size(), (size_t)(54 + 16 * 3));
  EXPECT_TRUE(Log().empty());
}

TEST_F(DbmpZapis, RowsArePaddedToFourBytes) {
  struct TSirka {
    int sir;
    size_t riadok;
  } const pripady[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {8, 24}};
  for (const TSirka& p : pripady) {
    IDirectDrawSurface* s = Povrch(p.sir, 2);
    DBMP_VYTVOR_BMP_0_celySRF_doFILE(s, "p.bmp");
    TBmpSubor b;
    ASSERT_TRUE(CitajBmp("p.bmp", &b)) << p.sir;
    EXPECT_EQ(b.data.size(), 54 + 2 * p.riadok) << p.sir;
    for (int y = 0; y < 2; ++y) {
      for (size_t i = 3 * (size_t)p.sir; i < p.riadok; ++i) EXPECT_EQ(b.data[54 + y * p.riadok + i], 0) << p.sir;
      for (int x = 0; x < p.sir; ++x) EXPECT_EQ(b.Pixel(x, y), Rgb(Vzor(x, y))) << p.sir;
    }
  }
}

TEST_F(DbmpZapis, InclusiveRectangleBottomRowFirst) {
  IDirectDrawSurface* s = Povrch(120, 60);
  const RECT r = {0, 0, 99, 49};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, &r, "r.bmp");
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("r.bmp", &b));
  EXPECT_EQ(b.Sir(), 100);
  EXPECT_EQ(b.Vys(), 50);
  // The first stored triple is the rectangle's bottom-left pixel.
  EXPECT_EQ((uint8_t)b.data[54], Rgb(Vzor(0, 49)) & 0xFF);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 100; ++x) ASSERT_EQ(b.Pixel(x, y), Rgb(Vzor(x, y))) << x << "," << y;
  // An inner rectangle starts at its own corner.
  const RECT vnutro = {10, 20, 12, 20};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, &vnutro, "v.bmp");
  ASSERT_TRUE(CitajBmp("v.bmp", &b));
  EXPECT_EQ(b.Sir(), 3);
  EXPECT_EQ(b.Vys(), 1);
  for (int x = 0; x < 3; ++x) EXPECT_EQ(b.Pixel(x, 0), Rgb(Vzor(10 + x, 20)));
}

TEST_F(DbmpZapis, PixelsOutsideTheSurfaceAreWhite) {
  IDirectDrawSurface* s = Povrch(4, 4);
  const RECT r = {-2, -1, 5, 4};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, &r, "o.bmp");
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("o.bmp", &b));
  ASSERT_EQ(b.Sir(), 8);
  ASSERT_EQ(b.Vys(), 6);
  for (int y = 0; y < 6; ++y) {
    for (int x = 0; x < 8; ++x) {
      const int sx = x - 2, sy = y - 1;
      const bool vnutri = sx >= 0 && sx < 4 && sy >= 0 && sy < 4;
      EXPECT_EQ(b.Pixel(x, y), vnutri ? Rgb(Vzor(sx, sy)) : 0xFFFFFFu) << x << "," << y;
    }
  }
}

TEST_F(DbmpZapis, SameColoursAsPixelReadsThroughTheDrawingContext) {
  IDirectDrawSurface* s = Povrch(9, 7);
  const RECT r = {-1, -1, 9, 7};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, &r, "dc.bmp");
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("dc.bmp", &b));
  HDC dc = nullptr;
  ASSERT_EQ(s->GetDC(&dc), DD_OK);
  for (int y = r.top; y <= r.bottom; ++y) {
    for (int x = r.left; x <= r.right; ++x) {
      const COLORREF c = GetPixel(dc, x, y);
      const uint32_t rgb = ((uint32_t)GetRValue(c) << 16) | ((uint32_t)GetGValue(c) << 8) | GetBValue(c);
      EXPECT_EQ(b.Pixel(x - r.left, y - r.top), rgb) << x << "," << y;
    }
  }
  s->ReleaseDC(dc);
}

TEST_F(DbmpZapis, RoundTripThroughThePictureLoader) {
  IDirectDrawSurface* s = Povrch(37, 23);
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(s, "rt.bmp");
  HBITMAP hbm = (HBITMAP)LoadImageA(nullptr, "rt.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE);
  ASSERT_NE(hbm, nullptr);
  ASSERT_EQ(hbm->width, 37);
  ASSERT_EQ(hbm->height, 23);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) ASSERT_EQ(hbm->px[(size_t)y * 37 + x], Rgb(Vzor(x, y))) << x << "," << y;
  DeleteObject(hbm);
  // Back into a surface, the 16-bit pixels are the very ones written.
  int sir = 0, vys = 0;
  IDirectDrawSurface* z = DDLoadBitmap_ts(dd, "rt.bmp", 0, 0, &sir, &vys);
  ASSERT_NE(z, nullptr);
  povrchy.push_back(z);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 37; ++x) ASSERT_EQ(z->PLAT_Row(y)[x], Vzor(x, y)) << x << "," << y;
}

TEST_F(DbmpZapis, ReplacesAnExistingFileWholeAndLeavesNoTemporaryFile) {
  ASSERT_TRUE(ZapisSubor("x.bmp", std::string(5000, 'z')));
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(Povrch(3, 3), "x.bmp");
  TBmpSubor b;
  EXPECT_TRUE(CitajBmp("x.bmp", &b));
  EXPECT_EQ(TTempFolder::Obsah(), std::vector<std::string>{"x.bmp"});
}

// Every failure leaves the old file as it was, no temporary file, and one log line.
struct TZlyhanie {
  const char* nazov;
  TPlatCall volanie;  // PC_COUNT: nothing injected
  int preskoc;
  const char* ciel;
  const char* riadok_logu;
};

void PrintTo(const TZlyhanie& p, std::ostream* os) { *os << p.nazov; }

class DbmpZapisZlyhanie : public DbmpTest, public ::testing::WithParamInterface<TZlyhanie> {};

TEST_P(DbmpZapisZlyhanie, NoPartialFileAndALogLine) {
  const TZlyhanie& z = GetParam();
  const std::string stary = "stary obsah";
  ASSERT_TRUE(ZapisSubor("x.bmp", stary));
  IDirectDrawSurface* s = Povrch(10, 4);  // rows of 32 bytes
  if (z.volanie != PC_COUNT) PLAT_FaultSet(z.volanie, z.preskoc, -1, DDERR_GENERIC);
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(s, z.ciel);
  PLAT_FaultClear();
  EXPECT_EQ(CitajSubor("x.bmp"), stary);
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "x.bmp"}));
  EXPECT_EQ(Log(), std::vector<std::string>{z.riadok_logu});
}

INSTANTIATE_TEST_SUITE_P(
    Vsetky, DbmpZapisZlyhanie,
    ::testing::Values(
        TZlyhanie{"Unopenable", PC_FileOpen, 0, "x.bmp", "DBMP_5(85) : Chyba pri otvaraní suboru"},
        TZlyhanie{"MissingFolder", PC_COUNT, 0, "nie/x.bmp", "DBMP_5(85) : Chyba pri otvaraní suboru"},
        TZlyhanie{"DiskFullInFileHeader", PC_FileWrite, 10, "x.bmp", "DBMP_5(134) : PROBLEM pri fHeader zapise"},
        TZlyhanie{"DiskFullInInfoHeader", PC_FileWrite, 14, "x.bmp", "DBMP_5(141) : PROBLEM pri iHeader zapise"},
        TZlyhanie{"DiskFullInRows", PC_FileWrite, 54 + 32 * 2 + 5, "x.bmp",
                  "DBMP_5(148) : PROBLEM pri zapise riadkov x.bmp"},
        TZlyhanie{"CloseFails", PC_FileClose, 0, "x.bmp", "DBMP_5(152) : PROBLEM pri zatvarani suboru x.bmp"},
        TZlyhanie{"RenameFails", PC_FileRename, 0, "x.bmp", "DBMP_5(156) : PROBLEM pri premenovani suboru x.bmp"},
        TZlyhanie{"LockRefused", PC_Lock, 0, "x.bmp", "DBMP_5(100) : Chyba pri citani povrchu x.bmp"}),
    [](const ::testing::TestParamInfo<TZlyhanie>& i) { return std::string(i.param.nazov); });

TEST_F(DbmpZapis, ALostSurfaceGivesNoFile) {
  IDirectDrawSurface* s = Povrch(4, 4);
  s->PLAT_Lose();
  const RECT r = {0, 0, 3, 3};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, &r, "x.bmp");
  EXPECT_EQ(TTempFolder::Obsah(), std::vector<std::string>{ZEPH_LOG_SUBOR});
  EXPECT_EQ(Log(), std::vector<std::string>{"DBMP_5(100) : Chyba pri citani povrchu x.bmp"});
}

TEST_F(DbmpZapis, EmptyOrHugeRectanglesAndMissingSurfaceWriteNothing) {
  IDirectDrawSurface* s = Povrch(4, 4);
  const RECT zle[] = {{3, 0, 2, 3}, {0, 3, 3, 2}, {0, 0, 30000, 0}, {-2147483647 - 1, 0, 2147483647, 0}};
  for (const RECT& r : zle) DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, &r, "x.bmp");
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, nullptr, "x.bmp");
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(nullptr, "x.bmp");
  EXPECT_EQ(TTempFolder::Obsah(), std::vector<std::string>{ZEPH_LOG_SUBOR});
  EXPECT_EQ(Log(), (std::vector<std::string>{
                       "DBMP_5(90) : Chybny obdlznik: sirka, vyska [0] [4]",
                       "DBMP_5(90) : Chybny obdlznik: sirka, vyska [4] [0]",
                       "DBMP_5(90) : Chybny obdlznik: sirka, vyska [30001] [1]",
                       "DBMP_5(90) : Chybny obdlznik: sirka, vyska [0] [1]",
                       "DBMP_5(100) : Chyba pri citani povrchu x.bmp",
                       "DBMP_5(100) : Chyba pri citani povrchu x.bmp",
                   }));
}

}  // namespace
