// Measuring phases on small sheets and on the program's own sheet.
#include "platform/fault.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/das_surface.h"

namespace {

struct TMeranie {
  const char* nazov;
  bool riadok_11;  // the bottom border line is there
  int xx, yy;
  TFAZA ocakavana;
};

class PhaseTest : public ToolkitTest {
 protected:
  // The 20 × 12 sheet, with or without its bottom border line.
  void Nahraj(CDas_Surface* das, bool riadok_11) {
    Nahraj_vzorovu(das, riadok_11 ? "sheet20.bmp" : "sheet20open.bmp", riadok_11 ? nullptr : Bez_riadku_11);
  }
  static void Bez_riadku_11(TRgbPicture* pic) {
    for (int x = 0; x < 20; x++) pic->Set(x, 11, 40, 80, 120);
  }
};

void Zhoda(const TFAZA& f, const TFAZA& o) {
  EXPECT_EQ(o.XL, f.XL);
  EXPECT_EQ(o.YH, f.YH);
  EXPECT_EQ(o.XP, f.XP);
  EXPECT_EQ(o.YD, f.YD);
  EXPECT_EQ(o.SIR, f.SIR);
  EXPECT_EQ(o.VYS, f.VYS);
}

TEST_F(PhaseTest, MeasuresAroundAPixel) {
  const TMeranie tabulka[] = {
      {"left phase", true, 5, 5, {1, 1, 9, 11, 9, 11}},
      {"right phase", true, 12, 5, {10, 1, 19, 11, 10, 11}},
      {"no bottom line: down to the sheet's edge", false, 5, 5, {1, 1, 9, 12, 9, 12}},
      // a pixel of the border colour: the rows below it and the columns right of it, along lines
      // that are themselves border, so the other axis comes out one pixel long
      {"pixel on the top line", true, 5, 0, {6, 1, 6, 11, 1, 11}},
      {"pixel on a dividing column", true, 9, 5, {10, 6, 19, 6, 10, 1}},
      {"pixel on the bottom line: an empty phase below it", true, 5, 11, {6, 12, 6, 12, 1, 1}},
  };
  for (const TMeranie& m : tabulka) {
    SCOPED_TRACE(m.nazov);
    CDas_Surface das;
    Nahraj(&das, m.riadok_11);
    Zhoda(das.ZAMERAJ_FAZU(m.xx, m.yy), m.ocakavana);
  }
}

TEST_F(PhaseTest, NoBorderAboveOrLeftStartsAtOne) {
  // no red anywhere: row 0 and column 0 are never part of a phase
  Zdroj("plain.bmp", Plachta(12, 8, {}, {}));
  CDas_Surface das;
  das.NAHRAJ_SURFACE(dd, "plain.bmp");
  ASSERT_NE(nullptr, das.SURFACE);
  Uvolni_potom(das.SURFACE);
  das.BC = CERVENA_565;
  Zhoda(das.ZAMERAJ_FAZU(6, 5), TFAZA{1, 1, 12, 8, 12, 8});
}

TEST_F(PhaseTest, WholePictureLessItsFrame) {
  Zdroj("small.bmp", Plachta(10, 8, {}, {}));
  CDas_Surface das;
  das.NAHRAJ_SURFACE(dd, "small.bmp");
  Uvolni_potom(das.SURFACE);
  Zhoda(das.ZAMERAJ_FAZU_CS(), TFAZA{1, 1, 9, 7, 10, 8});
}

TEST_F(PhaseTest, PixelOffTheSheetGivesAnEmptyPhase) {
  CDas_Surface das;
  Nahraj(&das, true);
  const int body[][2] = {{-1, 5}, {5, -1}, {20, 5}, {5, 12}, {1000000, 1000000}};
  for (const auto& b : body) {
    SCOPED_TRACE(testing::Message() << b[0] << "," << b[1]);
    Zhoda(das.ZAMERAJ_FAZU(b[0], b[1]), TFAZA{0, 0, 0, 0, 0, 0});
  }
}

TEST_F(PhaseTest, UnlockableSheetGivesAnEmptyPhase) {
  CDas_Surface das;
  Nahraj(&das, true);
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_GENERIC);
  Zhoda(das.ZAMERAJ_FAZU(5, 5), TFAZA{0, 0, 0, 0, 0, 0});
  Zhoda(das.ZAMERAJ_FAZU(5, 5), TFAZA{1, 1, 9, 11, 9, 11});
}

TEST_F(PhaseTest, NoSurfaceGivesAnEmptyPhase) {
  CDas_Surface das;
  Zhoda(das.ZAMERAJ_FAZU(5, 5), TFAZA{0, 0, 0, 0, 0, 0});
}

TEST_F(PhaseTest, KeyColoursReadFromTheSheet) {
  TRgbPicture pic = Plachta(20, 12, {0, 11}, {0, 9, 19});
  pic.Set(3, 3, 0, 255, 255);
  Zdroj("keys.bmp", pic);
  CDas_Surface das;
  das.NAHRAJ_SURFACE(dd, "keys.bmp");
  Uvolni_potom(das.SURFACE);
  das.BC_NASTAV(0, 0);
  das.TC_NASTAV(3, 3);
  EXPECT_EQ(CERVENA_565, das.BC);
  EXPECT_EQ(TYRKYS_565, das.TC);
  DDCOLORKEY k = {};
  ASSERT_EQ(DD_OK, das.SURFACE->GetColorKey(DDCKEY_SRCBLT, &k));
  EXPECT_EQ(TYRKYS_565, k.dwColorSpaceLowValue);
  EXPECT_EQ(TYRKYS_565, k.dwColorSpaceHighValue);
}

TEST_F(PhaseTest, KeyColoursRefusedOffTheSheetOrWhenLocked) {
  Zdroj("keys2.bmp", Plachta(20, 12, {0, 11}, {0, 9, 19}));
  CDas_Surface das;
  das.NAHRAJ_SURFACE(dd, "keys2.bmp");
  Uvolni_potom(das.SURFACE);
  das.TC = 7;
  das.BC = 9;
  das.TC_NASTAV(20, 3);
  das.BC_NASTAV(-1, 0);
  EXPECT_EQ(7, das.TC);
  EXPECT_EQ(9, das.BC);
  DDCOLORKEY k = {};
  EXPECT_NE(DD_OK, das.SURFACE->GetColorKey(DDCKEY_SRCBLT, &k));
  PLAT_FaultSet(PC_Lock, 0, 2, DDERR_GENERIC);
  das.TC_NASTAV(3, 3);
  das.BC_NASTAV(0, 0);
  EXPECT_EQ(7, das.TC);
  EXPECT_EQ(9, das.BC);
  EXPECT_NE(DD_OK, das.SURFACE->GetColorKey(DDCKEY_SRCBLT, &k));
}

// The program's own sheet, as carried inside the program: every registered pixel measures
// exactly the rectangle its sprite was painted in.
TEST_F(PhaseTest, ProgramSheetPhasesAreExact) {
  struct TBod {
    int xx, yy, XL, YH, XP, YD;
  };
  const TBod tabulka[] = {
      {5, 55, 1, 50, 19, 70},     {25, 55, 20, 50, 38, 70},   {5, 5, 1, 1, 18, 16},       {5, 20, 1, 17, 18, 32},
      {25, 5, 19, 1, 36, 16},     {25, 20, 19, 17, 36, 32},   {45, 5, 37, 1, 54, 16},     {45, 20, 37, 17, 54, 32},
      {60, 5, 55, 1, 72, 16},     {60, 20, 55, 17, 72, 32},   {80, 5, 73, 1, 89, 16},     {80, 20, 73, 17, 89, 32},
      {95, 10, 90, 1, 103, 20},   {110, 10, 104, 1, 116, 20}, {125, 10, 117, 1, 130, 20}, {135, 10, 131, 1, 144, 20},
      {150, 10, 145, 1, 158, 20}, {165, 10, 159, 1, 172, 20}, {180, 80, 165, 59, 208, 102},
      {230, 80, 209, 59, 252, 102}, {190, 10, 175, 1, 200, 58}, {210, 10, 201, 1, 226, 58},
      {50, 60, 39, 50, 64, 67},   {80, 60, 65, 50, 90, 67},   {100, 60, 91, 50, 116, 67}, {130, 60, 117, 50, 142, 67},
      {240, 10, 227, 1, 252, 57},
  };
  CDas_Surface rezia;
  rezia.NAHRAJ_SURFACE(dd, "rezia_pan.bmp");
  ASSERT_NE(nullptr, rezia.SURFACE) << "the sheet resource is missing";
  Uvolni_potom(rezia.SURFACE);
  EXPECT_EQ(253, rezia.srf_sir);
  EXPECT_EQ(103, rezia.srf_vys);
  rezia.BC_NASTAV(0, 0);
  rezia.TC_NASTAV(3, 3);
  EXPECT_EQ(CERVENA_565, rezia.BC);
  EXPECT_EQ(TYRKYS_565, rezia.TC);
  for (const TBod& b : tabulka) {
    SCOPED_TRACE(testing::Message() << "phase at " << b.xx << "," << b.yy);
    Zhoda(rezia.ZAMERAJ_FAZU(b.xx, b.yy), TFAZA{b.XL, b.YH, b.XP, b.YD, b.XP - b.XL + 1, b.YD - b.YH + 1});
  }
}

TEST_F(PhaseTest, ProgramSheetStripColours) {
  const uint8_t sive[15] = {159, 184, 175, 168, 166, 162, 159, 155, 151, 148, 143, 140, 136, 132, 0};
  CDas_Surface rezia;
  rezia.NAHRAJ_SURFACE(dd, "rezia_pan.bmp");
  ASSERT_NE(nullptr, rezia.SURFACE);
  Uvolni_potom(rezia.SURFACE);
  for (int i = 0; i < 15; i++) {
    SCOPED_TRACE(i);
    EXPECT_EQ(PLAT_Pack565(sive[i], sive[i], sive[i]), Px(rezia.SURFACE, 85, 34 + i));
  }
}

}  // namespace
