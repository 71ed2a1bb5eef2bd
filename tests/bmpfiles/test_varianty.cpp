#include <gtest/gtest.h>

#include <functional>

#include "bmpfiles/dbmp.h"
#include "tests/bmpfiles/dbmp_fixture.h"

namespace {

typedef DbmpTest DbmpVarianty;

// Colour of pixel (x, y) of DbmpTest::Obrazok after a trip through 16 bits.
uint32_t ObrazokRgb(int x, int y) { return Rgb(PLAT_Pack565((BYTE)x, (BYTE)y, 100)); }

void OcakavajRozmery(const char* cesta, int sir, int vys) {
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp(cesta, &b)) << cesta;
  EXPECT_EQ(b.Sir(), sir) << cesta;
  EXPECT_EQ(b.Vys(), vys) << cesta;
}

TEST_F(DbmpVarianty, BandOfA100RowLoadIsRows25To74) {
  Obrazok("p.bmp", 60, 100);
  DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 60, 100, 0.25f, 0.75f, "pas.bmp");
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("pas.bmp", &b));
  ASSERT_EQ(b.Sir(), 60);
  ASSERT_EQ(b.Vys(), 50);
  for (int y = 0; y < 50; ++y)
    for (int x = 0; x < 60; ++x) ASSERT_EQ(b.Pixel(x, y), ObrazokRgb(x, 25 + y)) << x << "," << y;
}

TEST_F(DbmpVarianty, ThumbnailBandIs100x25) {
  Obrazok("p.bmp", 400, 200);
  DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 100, 50, 0.25f, 0.75f, "p.thm");
  OcakavajRozmery("p.thm", 100, 25);
}

TEST_F(DbmpVarianty, CopyReencodesAtTheSourceSize) {
  Obrazok("p.bmp", 30, 20);
  DBMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(dd, "p.bmp", "k.bmp");
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("k.bmp", &b));
  ASSERT_EQ(b.Sir(), 30);
  ASSERT_EQ(b.Vys(), 20);
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) ASSERT_EQ(b.Pixel(x, y), ObrazokRgb(x, y));
}

TEST_F(DbmpVarianty, ResizedFileSizes) {
  Obrazok("p.bmp", 401, 201);
  DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 2, 0, 0, "k2.bmp");
  OcakavajRozmery("k2.bmp", 200, 100);
  DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 0, 100, 100, "fit.bmp");
  OcakavajRozmery("fit.bmp", 100, 50);
  DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 77, 33, "3b.bmp");
  OcakavajRozmery("3b.bmp", 77, 33);
  EXPECT_TRUE(Log().empty());
}

TEST_F(DbmpVarianty, SurfaceStretchedExactlyOrFitted) {
  IDirectDrawSurface* s = Povrch(800, 600);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 0, 400, 200, "presne.bmp");
  OcakavajRozmery("presne.bmp", 400, 200);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 1, 400, 200, "TSSCAN.bmp");
  OcakavajRozmery("TSSCAN.bmp", 266, 200);
}

TEST_F(DbmpVarianty, PhaseOfASpriteSheetFitted) {
  // A red sheet with one framed phase: columns 5…24, rows 3…12 hold the picture.
  TRgbPicture pic(40, 30);
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) {
      const bool faza = x >= 5 && x < 25 && y >= 3 && y < 13;
      pic.Set(x, y, faza ? 0 : 255, faza ? (uint8_t)(x * 10) : 0, faza ? 200 : 0);
    }
  ASSERT_TRUE(BMP24_Zapis(pic, "sheet.bmp"));
  DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "sheet.bmp", 42, 100, "f.bmp", 10, 5);
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("f.bmp", &b));
  // Measured SIR 21 × VYS 11, fitted into 42 wide: 42 × 22.
  ASSERT_EQ(b.Sir(), 42);
  ASSERT_EQ(b.Vys(), 22);
  for (int y = 0; y < 22; ++y)
    for (int x = 0; x < 42; ++x) ASSERT_NE(b.Pixel(x, y) >> 16, 0xFFu) << "border red at " << x << "," << y;
  EXPECT_TRUE(Log().empty());
  // A point off the sheet is refused before anything scans from it.
  DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "sheet.bmp", 42, 100, "g.bmp", 40, 5);
  DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "sheet.bmp", 42, 100, "g.bmp", 3, -1);
  EXPECT_FALSE(DBMP_Existuje_sub("g.bmp"));
  EXPECT_EQ(Log(), (std::vector<std::string>{"DBMP_5(620) : Bod fazy mimo obrazka: fx, fy [40] [5]",
                                             "DBMP_5(620) : Bod fazy mimo obrazka: fx, fy [3] [-1]"}));
}

// Each variant with a temporary surface logs its own line when it cannot be created.
struct TBezPovrchu {
  const char* nazov;
  int preskoc;  // surfaces created before the temporary one (the loaded picture)
  std::function<void(IDirectDraw*, IDirectDrawSurface*)> volaj;
  const char* riadok_logu;
};

void PrintTo(const TBezPovrchu& p, std::ostream* os) { *os << p.nazov; }

class DbmpBezPovrchu : public DbmpTest, public ::testing::WithParamInterface<TBezPovrchu> {};

TEST_P(DbmpBezPovrchu, LogsItsLineAndWritesNothing) {
  Obrazok("p.bmp", 40, 20);
  IDirectDrawSurface* s = Povrch(40, 20);
  PLAT_FaultSet(PC_CreateOffscreen, GetParam().preskoc, -1, DDERR_OUTOFMEMORY);
  GetParam().volaj(dd, s);
  PLAT_FaultClear();
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "p.bmp"}));
  EXPECT_EQ(Log(), std::vector<std::string>{GetParam().riadok_logu});
}

INSTANTIATE_TEST_SUITE_P(
    Vsetky, DbmpBezPovrchu,
    ::testing::Values(
        TBezPovrchu{"Stretch", 0,
                    [](IDirectDraw* dd, IDirectDrawSurface* s) {
                      DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 1, 20, 20, "o.bmp");
                    },
                    "DBMP_5(276) : DBMP_VYTVOR_BMP_5 - Chyba pri CreateSurface"},
        TBezPovrchu{"Variant3", 1,
                    [](IDirectDraw* dd, IDirectDrawSurface*) {
                      DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 2, 0, 0, "o.bmp");
                    },
                    "DBMP_5(403) : DBMP_VYTVOR_BMP_3 - Chyba pri CreateSurface"},
        TBezPovrchu{"Variant4", 1,
                    [](IDirectDraw* dd, IDirectDrawSurface*) {
                      DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "p.bmp", 20, 20, "o.bmp", 5, 5);
                    },
                    "DBMP_5(635) : DBMP_VYTVOR_BMP_3 - Chyba pri CreateSurface"}),
    [](const ::testing::TestParamInfo<TBezPovrchu>& i) { return std::string(i.param.nazov); });

TEST_F(DbmpVarianty, ALostOrFailingBlitEndsWithoutFileOrLogLine) {
  IDirectDrawSurface* s = Povrch(40, 20);
  PLAT_FaultSet(PC_Blt, 0, -1, DDERR_GENERIC);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 0, 20, 10, "o.bmp");
  PLAT_FaultClear();
  s->PLAT_Lose();
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 0, 20, 10, "o.bmp");
  EXPECT_EQ(s->IsLost(), DD_OK) << "the lost source is restored";
  EXPECT_TRUE(TTempFolder::Obsah().empty());
}

TEST_F(DbmpVarianty, ABusyBlitterIsWaitedFor) {
  IDirectDrawSurface* s = Povrch(40, 20);
  PLAT_FaultSet(PC_Blt, 0, 3, DDERR_WASSTILLDRAWING);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 0, 20, 10, "o.bmp");
  OcakavajRozmery("o.bmp", 20, 10);
}

TEST_F(DbmpVarianty, AnUnreadablePictureGivesNoFileAndALogLine) {
  ASSERT_TRUE(ZapisSubor("zly.bmp", "BM to nie je obrazok"));
  DBMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(dd, "zly.bmp", "o.bmp");
  DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "zly.bmp", 2, 0, 0, "o.bmp");
  DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, "zly.bmp", 10, 10, "o.bmp");
  DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, "chyba.bmp", 10, 10, 0.25f, 0.75f, "o.bmp");
  DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "zly.bmp", 10, 10, "o.bmp", 1, 1);
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "zly.bmp"}));
  const std::string t = "DBMP_5(300) : Chyba pri nacitani obrazka ";
  EXPECT_EQ(Log(), (std::vector<std::string>{t + "zly.bmp", t + "zly.bmp", t + "zly.bmp", t + "chyba.bmp",
                                             t + "zly.bmp"}));
}

}  // namespace
