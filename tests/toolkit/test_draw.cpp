// Drawing the sheet: screen clipping, window clipping, keying, mirroring, stretching,
// blending, and the recovery of a lost sheet.
#include <string>

#include "display/screen.h"
#include "platform/fault.h"
#include "platform/gdi.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/das_surface.h"

namespace {

const uint16_t POZADIE = 0x1111;  // the destination before drawing
const TFAZA FAZA = FAZA_VZOR;

class DrawTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ciel = Povrch(800, 600, POZADIE);
  }
  void Nahraj(const std::string& meno, void (*uprav)(TRgbPicture*) = nullptr) { Nahraj_vzorovu(&das, meno, uprav); }
  // Which sheet column each destination column of row y shows (−1 where untouched).
  std::vector<int> Stlpce(int y, int x0, int x1) const {
    std::vector<int> s;
    for (int x = x0; x < x1; x++) s.push_back(Px(ciel, x, y) == POZADIE ? -1 : Px(ciel, x, y) & 31);
    return s;
  }
  std::vector<int> Riadky(int x, int y0, int y1) const {
    std::vector<int> s;
    for (int y = y0; y < y1; y++) s.push_back(Px(ciel, x, y) == POZADIE ? -1 : (Px(ciel, x, y) >> 5) & 63);
    return s;
  }
  bool Nedotknuty() const {
    for (int y = 0; y < 600; y++)
      for (int x = 0; x < 800; x++)
        if (Px(ciel, x, y) != POZADIE) return false;
    return true;
  }

  IDirectDrawSurface* ciel = nullptr;
  CDas_Surface das;
};

TEST_F(DrawTest, PhaseClippedToTheScreen) {
  struct TPripad {
    const char* nazov;
    int maxx, x, extra_orez;
    int od, po;                  // destination columns inspected
    std::vector<int> ocakavane;  // sheet column shown in each, −1 untouched
  };
  const TPripad tabulka[] = {
      {"inside", 800, 100, 1, 99, 109, {-1, 1, 2, 3, 4, 5, 6, 7, 8, -1}},
      {"right edge: five columns up to 799", 800, 795, 1, 794, 800, {-1, 1, 2, 3, 4, 5}},
      {"left edge: from column 0, sheet from 4", 800, -3, 1, 0, 6, {4, 5, 6, 7, 8, -1}},
      {"unclipped past the screen width", 400, 395, 0, 394, 404, {-1, 1, 2, 3, 4, 5, 6, 7, 8, -1}},
      {"clipped to the screen width", 400, 395, 1, 394, 404, {-1, 1, 2, 3, 4, 5, -1, -1, -1, -1}},
  };
  Nahraj("clip.bmp");
  for (const TPripad& p : tabulka) {
    SCOPED_TRACE(p.nazov);
    das.Zobraz_Rect(ciel, 0, 0, tagRECT{0, 0, 0, 0});  // an empty rectangle draws nothing
    DDBLTFX fx = {};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = POZADIE;
    ciel->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx);
    MAXX = p.maxx;
    das.ZOBRAZ_FAZU(ciel, p.x, 50, FAZA, p.extra_orez);
    EXPECT_EQ(p.ocakavane, Stlpce(50, p.od, p.po));
  }
}

TEST_F(DrawTest, PhaseClippedToTheScreenVertically) {
  Nahraj("clipv.bmp");
  das.ZOBRAZ_FAZU(ciel, 10, 595, FAZA, 1);
  EXPECT_EQ((std::vector<int>{-1, 1, 2, 3, 4, 5}), Riadky(11, 594, 600));
  das.ZOBRAZ_FAZU(ciel, 30, -3, FAZA, 1);
  EXPECT_EQ((std::vector<int>{4, 5, 6, 7, 8, 9, 10, -1}), Riadky(31, 0, 8));
}

TEST_F(DrawTest, PhaseEntirelyOffTheScreenDrawsNothing) {
  Nahraj("off.bmp");
  const int polohy[][2] = {{801, 10}, {-10, 10}, {10, 601}, {10, -12}};
  for (const auto& p : polohy) das.ZOBRAZ_FAZU(ciel, p[0], p[1], FAZA, 1);
  for (const auto& p : polohy) das.ZOBRAZ_FAZU_Z(ciel, p[0], p[1], FAZA, 1);
  EXPECT_TRUE(Nedotknuty());
}

TEST_F(DrawTest, MirrorIsOnePixelSmallerAndReversed) {
  Nahraj("mirror.bmp");
  das.TC_NASTAV(0, 0);  // red, which the phase does not hold
  das.ZOBRAZ_FAZU_Z(ciel, 100, 50, FAZA, 1);
  const std::vector<int> s = Stlpce(51, 99, 109);
  EXPECT_EQ(-1, s.front());
  EXPECT_EQ(-1, s.back()) << "seven columns, not eight";
  EXPECT_EQ(8, s[1]) << "the phase's right column comes first";
  EXPECT_EQ(1, s[7]) << "and its left column last";
  for (int i = 2; i <= 7; i++) EXPECT_LT(s[i], s[i - 1]);
  const std::vector<int> r = Riadky(100, 49, 60);
  EXPECT_EQ(-1, r.front());
  EXPECT_EQ(-1, r.back()) << "nine rows, not ten";
  EXPECT_EQ(1, r[1]);
  EXPECT_EQ(10, r[9]);
  for (int i = 2; i <= 9; i++) EXPECT_GT(r[i], r[i - 1]);
}

TEST_F(DrawTest, MirrorClippedTakesColumnsFromTheOtherEnd) {
  Nahraj("mirrorclip.bmp");
  das.TC_NASTAV(0, 0);
  das.ZOBRAZ_FAZU_Z(ciel, -3, 50, FAZA, 1);
  // the three hidden screen columns would have shown sheet columns 8, 7, 6
  const std::vector<int> s = Stlpce(51, 0, 6);
  EXPECT_EQ(5, s[0]);
  EXPECT_EQ(1, s[3]);
  EXPECT_EQ(-1, s[4]);
  das.ZOBRAZ_FAZU_Z(ciel, 795, 200, FAZA, 1);
  // the right cut takes the sheet's left columns: 4…8 remain, mirrored onto 795…798
  const std::vector<int> t = Stlpce(201, 794, 800);
  EXPECT_EQ(-1, t[0]);
  EXPECT_EQ(8, t[1]);
  EXPECT_EQ(4, t[4]);
  EXPECT_EQ(-1, t[5]);
  for (int i = 2; i <= 4; i++) EXPECT_LT(t[i], t[i - 1]);
}

void Cierna_v_kluci(TRgbPicture* pic) {
  pic->Set(3, 3, 0, 0, 0);
  pic->Set(5, 6, 0, 0, 0);
}

TEST_F(DrawTest, BlackTransparentColourDrawsOpaqueButMirrorsKeyed) {
  Nahraj("black.bmp", Cierna_v_kluci);
  das.TC_NASTAV(3, 3);
  ASSERT_EQ(0, das.TC);
  struct TKresba {
    const char* nazov;
    void (*kresli)(CDas_Surface*, IDirectDrawSurface*);
    int x, y;  // where sheet pixel (0, 0) lands
  };
  const TKresba tabulka[] = {
      {"ZOBRAZ", [](CDas_Surface* d, IDirectDrawSurface* c) { d->ZOBRAZ(c, 100, 100); }, 100, 100},
      {"Zobraz_Rect", [](CDas_Surface* d, IDirectDrawSurface* c) { d->Zobraz_Rect(c, 200, 100, tagRECT{1, 1, 9, 11}); },
       199, 99},
      {"ZOBRAZ_FAZU", [](CDas_Surface* d, IDirectDrawSurface* c) { d->ZOBRAZ_FAZU(c, 300, 100, FAZA, 1); }, 299, 99},
      {"ZOBRAZ_FAZU_2",
       [](CDas_Surface* d, IDirectDrawSurface* c) { d->ZOBRAZ_FAZU_2(c, 0, 800, 0, 600, 400, 100, FAZA); }, 399, 99},
  };
  for (const TKresba& k : tabulka) {
    SCOPED_TRACE(k.nazov);
    k.kresli(&das, ciel);
    EXPECT_EQ(0, Px(ciel, k.x + 5, k.y + 6));
    EXPECT_EQ(Vzor565(4, 6), Px(ciel, k.x + 4, k.y + 6));
  }
  das.ZOBRAZ_FAZU_Z(ciel, 500, 100, FAZA, 1);
  int cierne = 0, nakreslene = 0;
  for (int y = 100; y < 110; y++)
    for (int x = 500; x < 508; x++) {
      cierne += Px(ciel, x, y) == 0;
      nakreslene += Px(ciel, x, y) != POZADIE;
    }
  EXPECT_EQ(0, cierne);
  EXPECT_GT(nakreslene, 50);
}

void Tyrkys_v_kluci(TRgbPicture* pic) {
  pic->Set(3, 3, 0, 255, 255);
  pic->Set(5, 6, 0, 255, 255);
}

TEST_F(DrawTest, KeyedDrawsLeaveThePixelsUnderTheKeyUntouched) {
  Nahraj("cyan.bmp", Tyrkys_v_kluci);
  das.TC_NASTAV(3, 3);
  ASSERT_EQ(TYRKYS_565, das.TC);
  das.ZOBRAZ(ciel, 100, 100);
  das.Zobraz_Rect(ciel, 200, 100, tagRECT{0, 0, 20, 12});
  das.ZOBRAZ_FAZU(ciel, 301, 101, FAZA, 1);
  das.ZOBRAZ_FAZU_2(ciel, 0, 800, 0, 600, 401, 101, FAZA);
  for (int x0 : {100, 200, 300, 400}) {
    SCOPED_TRACE(x0);
    EXPECT_EQ(POZADIE, Px(ciel, x0 + 3, 103));
    EXPECT_EQ(POZADIE, Px(ciel, x0 + 5, 106));
    EXPECT_EQ(Vzor565(4, 6), Px(ciel, x0 + 4, 106));
  }
  // stretching never keys
  das.Zobraz_Stretch_1(ciel, tagRECT{500, 100, 520, 112}, tagRECT{0, 0, 20, 12});
  EXPECT_EQ(TYRKYS_565, Px(ciel, 503, 103));
}

TEST_F(DrawTest, StretchesMapTheRightRectangles) {
  Nahraj("stretch.bmp");
  das.Zobraz_Stretch_1(ciel, tagRECT{10, 10, 26, 30}, tagRECT{1, 1, 9, 11});
  EXPECT_EQ(Vzor565(1, 1), Px(ciel, 10, 10));
  EXPECT_EQ(Vzor565(8, 10), Px(ciel, 25, 29));
  EXPECT_EQ(POZADIE, Px(ciel, 26, 30));
  das.Zobraz_Stretch_2(ciel, tagRECT{100, 100, 140, 124});
  EXPECT_EQ(CERVENA_565, Px(ciel, 100, 100));
  EXPECT_EQ(Vzor565(1, 1), Px(ciel, 102, 102));
  EXPECT_EQ(CERVENA_565, Px(ciel, 139, 123));
  IDirectDrawSurface* maly = Povrch(16, 20, POZADIE);
  das.Zobraz_Stretch_3(maly, tagRECT{1, 1, 9, 11});
  EXPECT_EQ(Vzor565(1, 1), Px(maly, 0, 0));
  EXPECT_EQ(Vzor565(8, 10), Px(maly, 15, 19));
  das.Zobraz_Stretch_4(maly);
  EXPECT_EQ(CERVENA_565, Px(maly, 0, 0));
  EXPECT_EQ(CERVENA_565, Px(maly, 15, 19));
}

TEST_F(DrawTest, WindowClipDrawsOnlyInsideIt) {
  Nahraj("window.bmp");
  das.ZOBRAZ_FAZU_2(ciel, 100, 104, 100, 103, 98, 99, FAZA);
  EXPECT_EQ((std::vector<int>{-1, 3, 4, 5, 6, -1}), Stlpce(100, 99, 105));
  EXPECT_EQ((std::vector<int>{-1, 2, 3, 4, -1}), Riadky(100, 99, 104));
}

TEST_F(DrawTest, CentredOnTheScreen) {
  Nahraj("centre.bmp");
  das.Zobraz_Center(ciel);
  EXPECT_EQ(CERVENA_565, Px(ciel, 390, 294));
  EXPECT_EQ(POZADIE, Px(ciel, 389, 294));
  EXPECT_EQ(POZADIE, Px(ciel, 390, 293));
  EXPECT_EQ(CERVENA_565, Px(ciel, 409, 305));
  EXPECT_EQ(POZADIE, Px(ciel, 410, 305));
}

TEST_F(DrawTest, ConstantAlphaBlends) {
  Nahraj("alpha.bmp");
  das.ZOBRAZ_ALPHA(ciel, 0, 0, 255);
  EXPECT_EQ(CERVENA_565, Px(ciel, 0, 0));
  das.ZOBRAZ_ALPHA(ciel, 100, 0, 0);
  EXPECT_EQ(POZADIE, Px(ciel, 100, 0));
  das.ZOBRAZ_ALPHA(ciel, 200, 0, 128);
  const int r = Px(ciel, 200, 0) >> 11;
  EXPECT_GT(r, POZADIE >> 11);
  EXPECT_LT(r, 31);
}

TEST_F(DrawTest, LostSheetIsRestoredAndDrawnFromTheNextCall) {
  Nahraj("lost.bmp");
  das.SURFACE->PLAT_Lose();
  das.ZOBRAZ_FAZU(ciel, 100, 100, FAZA, 1);
  EXPECT_TRUE(Nedotknuty()) << "nothing is drawn in the call that met the loss";
  EXPECT_EQ(DD_OK, das.SURFACE->IsLost());
  EXPECT_EQ(Vzor565(4, 6), Px(das.SURFACE, 4, 6)) << "the picture is back in the sheet";
  das.ZOBRAZ_FAZU(ciel, 100, 100, FAZA, 1);
  EXPECT_EQ(Vzor565(4, 6), Px(ciel, 103, 105));
}

TEST_F(DrawTest, LostSheetThatCannotBeRestoredDrawsNothing) {
  Nahraj("lost2.bmp");
  das.SURFACE->PLAT_Lose();
  PLAT_FaultSet(PC_Restore, 0, -1, DDERR_GENERIC);
  das.ZOBRAZ_FAZU_Z(ciel, 100, 100, FAZA, 1);
  das.Zobraz_Stretch_4(ciel);
  EXPECT_TRUE(Nedotknuty());
  EXPECT_EQ(DDERR_SURFACELOST, das.SURFACE->IsLost()) << "the restores failed";
  PLAT_FaultClear();
  das.ZOBRAZ_FAZU(ciel, 100, 100, FAZA, 1);
  EXPECT_TRUE(Nedotknuty());
  das.ZOBRAZ_FAZU(ciel, 100, 100, FAZA, 1);
  EXPECT_EQ(Vzor565(4, 6), Px(ciel, 103, 105));
}

TEST_F(DrawTest, BusyDisplayIsWaitedForOtherErrorsDropTheDraw) {
  Nahraj("busy.bmp");
  PLAT_FaultSet(PC_BltFast, 0, 2, DDERR_WASSTILLDRAWING);
  das.ZOBRAZ_FAZU(ciel, 100, 100, FAZA, 1);
  EXPECT_EQ(3, PLAT_CallCount(PC_BltFast));
  EXPECT_EQ(Vzor565(4, 6), Px(ciel, 103, 105));
  PLAT_FaultClear();
  PLAT_FaultSet(PC_BltFast, 0, 1, DDERR_GENERIC);
  das.ZOBRAZ_FAZU(ciel, 300, 100, FAZA, 1);
  EXPECT_EQ(1, PLAT_CallCount(PC_BltFast));
  EXPECT_EQ(POZADIE, Px(ciel, 303, 105));
}

TEST_F(DrawTest, WithoutASheetNothingIsDrawn) {
  CDas_Surface prazdna;
  prazdna.srf_sir = 20;
  prazdna.srf_vys = 12;
  prazdna.ZOBRAZ(ciel, 0, 0);
  prazdna.Zobraz_Center(ciel);
  prazdna.ZOBRAZ_ALPHA(ciel, 0, 0, 128);
  prazdna.ZOBRAZ_FAZU(ciel, 0, 0, FAZA, 1);
  prazdna.ZOBRAZ_FAZU_Z(ciel, 0, 0, FAZA, 1);
  prazdna.ZOBRAZ_FAZU_2(ciel, 0, 800, 0, 600, 0, 0, FAZA);
  prazdna.Zobraz_Stretch_4(ciel);
  EXPECT_NE(DD_OK, prazdna.RESTORE_SURFACE());
  EXPECT_TRUE(Nedotknuty());
}

TEST(Orez, ClipsToTheWindow) {
  struct TPripad {
    const char* nazov;
    int xx, yy;
    tagRECT r;
    bool ostalo;
    int xx2, yy2;
    tagRECT r2;
  };
  const TPripad tabulka[] = {
      {"20 × 80 at (10, −20): rows 20…69 at 0…49", 10, -20, {0, 0, 20, 80}, true, 10, 0, {0, 20, 20, 70}},
      {"inside: unchanged", 10, 10, {5, 5, 15, 15}, true, 10, 10, {5, 5, 15, 15}},
      {"left and right cut", -5, 10, {0, 0, 110, 10}, true, 0, 10, {5, 0, 105, 10}},
      {"touching the top comes out empty", 10, -10, {0, 0, 10, 10}, true, 10, 0, {0, 10, 10, 10}},
      {"above", 10, -11, {0, 0, 10, 10}, false, 10, -11, {0, 0, 10, 10}},
      {"below", 10, 51, {0, 0, 10, 10}, false, 10, 51, {0, 0, 10, 10}},
      {"left", -11, 10, {0, 0, 10, 10}, false, -11, 10, {0, 0, 10, 10}},
      {"right", 101, 10, {0, 0, 10, 10}, false, 101, 10, {0, 0, 10, 10}},
  };
  for (const TPripad& p : tabulka) {
    SCOPED_TRACE(p.nazov);
    int xx = p.xx, yy = p.yy;
    tagRECT r = p.r;
    EXPECT_EQ(p.ostalo, OREZ(0, 100, 0, 50, &xx, &yy, &r));
    EXPECT_EQ(p.xx2, xx);
    EXPECT_EQ(p.yy2, yy);
    EXPECT_EQ(p.r2.left, r.left);
    EXPECT_EQ(p.r2.top, r.top);
    EXPECT_EQ(p.r2.right, r.right);
    EXPECT_EQ(p.r2.bottom, r.bottom);
  }
}

}  // namespace
