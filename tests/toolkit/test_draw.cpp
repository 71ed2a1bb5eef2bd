// Drawing a sheet: clipped, keyed, mirrored, stretched, blended; a lost sheet recovered.
#include "tests/toolkit/toolkit_fixture.h"

namespace {

// At both depths (the parameter): a 32-bit screen shows what a 16-bit one does.
class DrawTest : public ToolkitTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    mode_bits = (DWORD)GetParam();
    ToolkitTest::SetUp();
    ciel = Povrch(800, 600, POZADIE);
    Nahraj_vzorovu(&das, [](TRgbPicture* p) {
      p->Set(3, 3, 0, 255, 255);  // cyan and black pixels for the key colours
      p->Set(5, 6, 0, 0, 0);
    });
  }
  // Which sheet column (or row) each destination pixel from (x0, y0) on shows; −1 untouched.
  std::vector<int> Cez(int x0, int y0, int n, bool stlpce = true) const {
    std::vector<int> s;
    for (int i = 0; i < n; i++) {
      const uint16_t p = stlpce ? At(ciel, x0 + i, y0) : At(ciel, x0, y0 + i);
      s.push_back(p == POZADIE ? -1 : stlpce ? p & 31 : (p >> 5) & 63);
    }
    return s;
  }
  IDirectDrawSurface* ciel = nullptr;
  CDas_Surface das;
};

TEST_P(DrawTest, APhaseIsClippedToTheScreenPlainOrMirrored) {
  const struct {
    int maxx, x, y, extra_orez, od;
    bool zrkadlo, riadky;
    std::vector<int> cez;  // the sheet column (row) shown from screen column (row) `od` on
  } tabulka[] = {
      {800, 100, 50, 1, 99, false, false, {-1, 1, 2, 3, 4, 5, 6, 7, 8, -1}},
      {800, 795, 50, 1, 794, false, false, {-1, 1, 2, 3, 4, 5}},  // up to column 799
      {800, -3, 50, 1, 0, false, false, {4, 5, 6, 7, 8, -1}},
      {400, 395, 50, 0, 394, false, false, {-1, 1, 2, 3, 4, 5, 6, 7, 8, -1}},
      {400, 395, 50, 1, 394, false, false, {-1, 1, 2, 3, 4, 5, -1, -1, -1, -1}},
      {800, -3, 200, 1, 0, true, false, {5, 4, 2, 1, -1}},  // mirrored: the cut columns come off the other end
      {800, 801, 300, 1, 795, false, false, {-1, -1, -1, -1, -1}},
      {800, -10, 300, 1, 0, true, false, {-1, -1}},
      {800, 10, 595, 1, 594, false, true, {-1, 1, 2, 3, 4, 5}},  // up to row 599
      {800, 30, -3, 1, 0, false, true, {4, 5, 6, 7, 8, 9, 10, -1}},
  };
  das.TC_NASTAV(0, 0);  // red, which the phase does not hold
  for (const auto& p : tabulka) {
    Zmaz(ciel, POZADIE);
    MAXX = p.maxx;
    (das.*(p.zrkadlo ? &CDas_Surface::ZOBRAZ_FAZU_Z : &CDas_Surface::ZOBRAZ_FAZU))(ciel, p.x, p.y, FAZA_VZOR, p.extra_orez);
    EXPECT_EQ(p.cez, p.riadky ? Cez(p.x + 1, p.od, (int)p.cez.size(), false) : Cez(p.od, p.y + 1, (int)p.cez.size()))
        << p.x << "," << p.y << (p.zrkadlo ? " mirrored" : "") << " on " << p.maxx;
  }
}

// Black as the transparent colour draws opaque, except mirrored; any other key colour is keyed.
TEST_P(DrawTest, KeyColours) {
  for (int kluc : {0, 1}) {
    das.TC_NASTAV(kluc ? 3 : 5, kluc ? 3 : 6);
    const int y = 100 + 100 * kluc;
    das.ZOBRAZ(ciel, 100, y);
    das.ZOBRAZ_FAZU(ciel, 301, y + 1, FAZA_VZOR, 1);
    das.ZOBRAZ_FAZU_2(ciel, 0, 800, 0, 600, 401, y + 1, FAZA_VZOR);
    for (int x0 : {100, 300, 400}) {
      EXPECT_EQ(0, At(ciel, x0 + 5, y + 6)) << x0;
      EXPECT_EQ(kluc ? POZADIE : TYRKYS_565, At(ciel, x0 + 3, y + 3)) << x0;
      EXPECT_EQ(Vzor565(4, 6), At(ciel, x0 + 4, y + 6)) << x0;
    }
    das.Zobraz_Stretch_1(ciel, tagRECT{500, y, 520, y + 12}, tagRECT{0, 0, 20, 12});
    EXPECT_EQ(TYRKYS_565, At(ciel, 503, y + 3)) << "stretching never keys";
  }
  das.TC_NASTAV(5, 6);
  das.ZOBRAZ_FAZU_Z(ciel, 600, 300, FAZA_VZOR, 1);
  for (int i = 0; i < 80; i++) EXPECT_NE(0, At(ciel, 600 + i % 8, 300 + i / 8)) << "black is keyed when mirrored";
}

// The stretching, centring and blending calls, which the viewer itself does not use.
TEST_P(DrawTest, StretchesCentringAndBlending) {
  das.Zobraz_Stretch_1(ciel, tagRECT{10, 10, 26, 30}, tagRECT{1, 1, 9, 11});
  das.Zobraz_Stretch_2(ciel, tagRECT{100, 100, 140, 124});
  das.Zobraz_Center(ciel);
  das.ZOBRAZ_ALPHA(ciel, 200, 0, 0);
  EXPECT_EQ(std::make_tuple(Vzor565(8, 10), POZADIE, Vzor565(1, 1), CERVENA_565, CERVENA_565, POZADIE, POZADIE),
            std::make_tuple(At(ciel, 25, 29), At(ciel, 26, 30), At(ciel, 102, 102), At(ciel, 139, 123),
                            At(ciel, 390, 294), At(ciel, 389, 294), At(ciel, 200, 0)));
}

TEST_P(DrawTest, ALostSheetIsRestoredAndDrawnFromTheNextCall) {
  das.SURFACE->PLAT_Lose();
  PLAT_FaultSet(PC_Restore, 0, 2, DDERR_GENERIC);
  das.ZOBRAZ_FAZU_Z(ciel, 100, 100, FAZA_VZOR, 1);
  EXPECT_EQ(DDERR_GENERIC, das.RESTORE_SURFACE());
  das.ZOBRAZ_FAZU(ciel, 100, 100, FAZA_VZOR, 1);  // meets the loss and restores
  EXPECT_EQ(std::vector<int>(10, -1), Cez(100, 105, 10)) << "nothing is drawn in the calls that met the loss";
  EXPECT_EQ(Vzor565(4, 6), At(das.SURFACE, 4, 6)) << "the picture is back in the sheet";
  PLAT_FaultSet(PC_BltFast, 0, 2, DDERR_WASSTILLDRAWING);
  das.ZOBRAZ_FAZU(ciel, 100, 100, FAZA_VZOR, 1);
  EXPECT_EQ(Vzor565(4, 6), At(ciel, 103, 105)) << "a busy display is waited for";
  PLAT_FaultSet(PC_BltFast, 0, 1, DDERR_GENERIC);
  das.ZOBRAZ_FAZU(ciel, 300, 100, FAZA_VZOR, 1);
  EXPECT_EQ(POZADIE, At(ciel, 303, 105)) << "other errors drop the draw";
  CDas_Surface prazdna;
  prazdna.ZOBRAZ_FAZU(ciel, 300, 100, FAZA_VZOR, 1);
  EXPECT_NE(DD_OK, prazdna.RESTORE_SURFACE());
}

INSTANTIATE_TEST_SUITE_P(Depths, DrawTest, ::testing::Values(16, 32));

}  // namespace
