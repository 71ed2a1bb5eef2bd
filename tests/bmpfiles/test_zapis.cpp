// The one BMP writer: the whole file against an independent encoder, the round trip through
// the picture loader, and failures that never leave a half-written file.
#include "bmpfiles/dbmp.h"
#include "tests/bmpfiles/dbmp_fixture.h"

namespace {

typedef DbmpTest DbmpZapis;

// The file the writer must produce for rectangle r of a Vzor surface of sir × vys: the
// pixels outside the surface white, 2880 pixels per metre.
std::string Ocakavany(int sir, int vys, const RECT& r) {
  TRgbPicture pic(r.right - r.left + 1, r.bottom - r.top + 1);
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x) {
      const int sx = r.left + x, sy = r.top + y;
      const bool vnutri = sx >= 0 && sy >= 0 && sx < sir && sy < vys;
      const uint32_t c = vnutri ? Rgb(Vzor(sx, sy)) : 0xFFFFFF;
      pic.Set(x, y, (uint8_t)(c >> 16), (uint8_t)(c >> 8), (uint8_t)c);
    }
  EXPECT_TRUE(BMP24_Zapis(pic, "ref.bmp"));
  std::string s = CitajSubor("ref.bmp");
  for (int off : {38, 42}) s.replace(off, 4, std::string("\x40\x0B\0\0", 4));
  return s;
}

TEST_F(DbmpZapis, RectangleBecomesA24BitBottomUpFileWithPaddedRows) {
  const RECT pripady[] = {{0, 0, 0, 1}, {0, 0, 1, 1}, {0, 0, 2, 2}, {0, 0, 3, 1}, {0, 0, 4, 2},
                          {0, 0, 8, 5}, {3, 2, 5, 2}, {-2, -1, 5, 4}, {-1, -1, 9, 6}};
  for (const RECT& r : pripady) {
    DBMP_VYTVOR_BMP_0_zoSRF_doFILE(Povrch(9, 6), &r, "z.bmp");
    EXPECT_EQ(CitajSubor("z.bmp"), Ocakavany(9, 6, r)) << r.left << "," << r.top << "-" << r.right << "," << r.bottom;
  }
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(Povrch(5, 3), "cely.bmp");
  EXPECT_EQ(CitajSubor("cely.bmp"), Ocakavany(5, 3, RECT{0, 0, 4, 2}));
  EXPECT_TRUE(Log().empty());
}

// At either depth the file loads back into the very pixels; the screenshot's way (fitted into a
// box through a surface of the display's depth) keeps a 32-bit screen's colours whole.
TEST_F(DbmpZapis, RoundTripThroughThePictureLoaderAtBothDepths) {
  for (int bity : {16, 32}) {
    ASSERT_EQ(dd->SetDisplayMode(64, 48, (DWORD)bity), DD_OK);
    IDirectDrawSurface* s = Povrch(74, 46);
    DBMP_VYTVOR_BMP_0_celySRF_doFILE(s, "rt.bmp");
    int sir = 0, vys = 0;
    IDirectDrawSurface* z = DDLoadBitmap_ts(dd, "rt.bmp", 0, 0, &sir, &vys);
    ASSERT_NE(z, nullptr);
    povrchy.push_back(z);
    ASSERT_EQ(sir, 74);
    ASSERT_EQ(vys, 46);
    for (int y = 0; y < 46; ++y)
      for (int x = 0; x < 74; ++x) ASSERT_EQ(z->PLAT_Pixel(x, y), s->PLAT_Pixel(x, y)) << bity << ": " << x << "," << y;
    DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 1, 37, 37, "snimka.bmp");
    TBmpSubor b;
    ASSERT_TRUE(CitajBmp("snimka.bmp", &b));
    ASSERT_EQ(b.Sir(), 37);
    for (int y = 0; y < b.Vys(); ++y)
      for (int x = 0; x < 37; ++x)
        ASSERT_EQ(b.Pixel(x, y), bity == 32 ? Vzor32(2 * x + 1, 2 * y + 1) : Rgb(Vzor(2 * x + 1, 2 * y + 1))) << x << "," << y;
  }
}

// Every failure leaves the old file as it was, no temporary file, and one log line.
struct TZlyhanie {
  TPlatCall volanie;  // PC_COUNT: nothing injected
  int preskoc;
  const char* ciel;
  const char* riadok_logu;
};

class DbmpZapisZlyhanie : public DbmpTest, public ::testing::WithParamInterface<TZlyhanie> {};

TEST_P(DbmpZapisZlyhanie, NoPartialFileAndALogLine) {
  const TZlyhanie& z = GetParam();
  ASSERT_TRUE(ZapisSubor("x.bmp", "stary obsah"));
  IDirectDrawSurface* s = Povrch(10, 4);  // rows of 32 bytes
  if (z.volanie != PC_COUNT) PLAT_FaultSet(z.volanie, z.preskoc, -1, DDERR_GENERIC);
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(s, z.ciel);
  PLAT_FaultClear();
  EXPECT_EQ(CitajSubor("x.bmp"), "stary obsah");
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "x.bmp"}));
  EXPECT_EQ(Log(), std::vector<std::string>{z.riadok_logu});
}

INSTANTIATE_TEST_SUITE_P(
    Vsetky, DbmpZapisZlyhanie,
    ::testing::Values(TZlyhanie{PC_FileOpen, 0, "x.bmp", "DBMP_5(85) : Chyba pri otvaraní suboru"},
                      TZlyhanie{PC_COUNT, 0, "nie/x.bmp", "DBMP_5(85) : Chyba pri otvaraní suboru"},
                      TZlyhanie{PC_FileWrite, 10, "x.bmp", "DBMP_5(134) : PROBLEM pri fHeader zapise"},
                      TZlyhanie{PC_FileWrite, 14, "x.bmp", "DBMP_5(141) : PROBLEM pri iHeader zapise"},
                      TZlyhanie{PC_FileWrite, 54 + 32 * 2 + 5, "x.bmp", "DBMP_5(148) : PROBLEM pri zapise riadkov x.bmp"},
                      TZlyhanie{PC_FileClose, 0, "x.bmp", "DBMP_5(152) : PROBLEM pri zatvarani suboru x.bmp"},
                      TZlyhanie{PC_FileRename, 0, "x.bmp", "DBMP_5(156) : PROBLEM pri premenovani suboru x.bmp"},
                      TZlyhanie{PC_Lock, 0, "x.bmp", "DBMP_5(100) : Chyba pri citani povrchu x.bmp"}));

TEST_F(DbmpZapis, EmptyOrHugeRectanglesAndMissingSurfaceWriteNothing) {
  IDirectDrawSurface* s = Povrch(4, 4);
  const RECT zle[] = {{3, 0, 2, 3}, {0, 0, 30000, 0}, {-2147483647 - 1, 0, 2147483647, 0}};
  for (const RECT& r : zle) DBMP_VYTVOR_BMP_0_zoSRF_doFILE(s, &r, "x.bmp");
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(nullptr, "x.bmp");
  EXPECT_EQ(TTempFolder::Obsah(), std::vector<std::string>{ZEPH_LOG_SUBOR});
  EXPECT_EQ(Log(), (std::vector<std::string>{"DBMP_5(90) : Chybny obdlznik: sirka, vyska [0] [4]",
                                             "DBMP_5(90) : Chybny obdlznik: sirka, vyska [30001] [1]",
                                             "DBMP_5(90) : Chybny obdlznik: sirka, vyska [0] [1]",
                                             "DBMP_5(100) : Chyba pri citani povrchu x.bmp"}));
}

}  // namespace
