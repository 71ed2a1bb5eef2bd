// Sprites and the base element: hit boxes, the mouse state machine, dragging, phases.
#include "display/screen.h"
#include "platform/fault.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/das.h"

namespace {

const uint16_t POZADIE = 0x1111;

// A phase of 12 × 10 drawn pixels: SIR 13, VYS 11.
CDAS Prvok_12x10() {
  CDAS d;
  d.FAZY[0] = TFAZA{1, 1, 13, 11, 13, 11};
  d.pocet_faz = 1;
  d.x = 100;
  d.y = 50;
  return d;
}

class DasTest : public ToolkitTest {
 protected:
  // Where sheet pixel (1, 1) of the pattern landed on the destination, or (−1, −1).
  static void Kde(const IDirectDrawSurface* ciel, int* x, int* y) {
    *x = *y = -1;
    for (int j = 0; j < ciel->PLAT_Height(); j++)
      for (int i = 0; i < ciel->PLAT_Width(); i++)
        if (Px(ciel, i, j) == Vzor565(1, 1)) {
          *x = i;
          *y = j;
          return;
        }
  }
  CDas_Surface sheet;
};

TEST(Das, BoxOfTheStateMachineReachesPastThePhase) {
  struct TBod {
    int mx, my;
    bool vnutri;
  };
  const TBod tabulka[] = {{100, 50, true},  {113, 61, true},  {113, 50, true},  {100, 61, true},
                          {114, 55, false}, {99, 55, false},  {105, 62, false}, {105, 49, false}};
  for (const TBod& b : tabulka) {
    SCOPED_TRACE(testing::Message() << b.mx << "," << b.my);
    CDAS d = Prvok_12x10();
    EXPECT_EQ(b.vnutri, d.INFORMUJ_SA(b.mx, b.my, 0));
    EXPECT_EQ(b.vnutri ? 1 : 0, d.stav);
  }
}

TEST_F(DasTest, InnerBoxOfZasah) {
  Nahraj_vzorovu(&sheet, "zasah.bmp");
  struct TBod {
    int mx, my;
    bool zasah;
  };
  const TBod tabulka[] = {{101, 51, true},  {111, 59, true},  {100, 55, false},
                          {112, 55, false}, {105, 50, false}, {105, 60, false}};
  CDAS d = Prvok_12x10();
  d.Das_Surface = &sheet;
  for (const TBod& b : tabulka) {
    SCOPED_TRACE(testing::Message() << b.mx << "," << b.my);
    EXPECT_EQ(b.zasah, d.ZASAH(b.mx, b.my));
  }
}

TEST(Das, PressDragRelease) {
  for (int drag : {1, 0}) {
    SCOPED_TRACE(drag);
    CDAS d = Prvok_12x10();
    d.drag_ovatelny = (unsigned char)drag;
    EXPECT_TRUE(d.INFORMUJ_SA(104, 54, 0));
    EXPECT_EQ(1, d.stav);
    EXPECT_TRUE(d.INFORMUJ_SA(104, 54, 1));
    EXPECT_EQ(2, d.stav);
    EXPECT_EQ(4, mr_x);
    EXPECT_EQ(4, mr_y);
    EXPECT_TRUE(d.INFORMUJ_SA(109, 57, 0));
    EXPECT_EQ(2, d.stav);
    EXPECT_TRUE(d.INFORMUJ_SA(109, 57, -1));
    EXPECT_EQ(1, d.stav);
    EXPECT_EQ(drag ? 105 : 100, d.x);
    EXPECT_EQ(drag ? 53 : 50, d.y);
  }
}

TEST(Das, HeldElementGetsEveryEventUntilRelease) {
  CDAS d = Prvok_12x10();
  d.drag_ovatelny = 0;
  d.INFORMUJ_SA(104, 54, 0);
  d.INFORMUJ_SA(104, 54, 1);
  EXPECT_TRUE(d.INFORMUJ_SA(500, 500, 0));
  EXPECT_EQ(2, d.stav);
  EXPECT_TRUE(d.INFORMUJ_SA(500, 500, 1));
  EXPECT_EQ(2, d.stav);
  EXPECT_TRUE(d.INFORMUJ_SA(500, 500, -1)) << "released outside";
  EXPECT_EQ(1, d.stav);
  EXPECT_FALSE(d.INFORMUJ_SA(501, 500, 0));
  EXPECT_EQ(0, d.stav);
}

TEST(Das, PressWithoutAMoveFirstDoesNotHold) {
  CDAS d = Prvok_12x10();
  EXPECT_TRUE(d.INFORMUJ_SA(104, 54, 1));
  EXPECT_EQ(0, d.stav);
  EXPECT_TRUE(d.INFORMUJ_SA(104, 54, -1));
  EXPECT_EQ(0, d.stav);
}

TEST(Das, InvisibleElementKeepsItsStateAndAnswersFalse) {
  CDAS d = Prvok_12x10();
  d.INFORMUJ_SA(104, 54, 0);
  d.viditelny = 0;
  EXPECT_FALSE(d.INFORMUJ_SA(104, 54, 1));
  EXPECT_FALSE(d.INFORMUJ_SA(900, 900, 0));
  EXPECT_EQ(1, d.stav);
}

TEST(Das, UnregisteredPhaseShrinksTheBoxToOnePixel) {
  CDAS d = Prvok_12x10();
  d.FAZY[1] = d.FAZY[0];
  d.pocet_faz = 2;
  d.INFORMUJ_SA(105, 55, 0);
  d.SF(2);
  EXPECT_FALSE(d.INFORMUJ_SA(105, 55, 0));
  EXPECT_EQ(0, d.stav);
  EXPECT_TRUE(d.INFORMUJ_SA(100, 50, 0)) << "the corner pixel is the whole box";
  d.SF(0);
  d.stav = 0;
  EXPECT_TRUE(d.INFORMUJ_SA(105, 55, 0));
  EXPECT_EQ(1, d.stav);
  for (int mimo : {-1, 50, 1000000}) {
    d.SF(mimo);
    EXPECT_FALSE(d.INFORMUJ_SA(105, 55, 0)) << "index " << mimo << " reads no phase";
  }
}

TEST(Das, NextPhaseCycles) {
  CDAS d;
  d.pocet_faz = 3;
  int videne[4];
  for (int& v : videne) {
    v = d.akt_faza;
    d.NF();
  }
  EXPECT_EQ(0, videne[0]);
  EXPECT_EQ(1, videne[1]);
  EXPECT_EQ(2, videne[2]);
  EXPECT_EQ(0, videne[3]);
}

TEST(Das, DriftWrapsAroundTheScreen) {
  MAXX = 800;
  struct TPripad {
    int x, vx, ocakavane;
  };
  const TPripad tabulka[] = {{798, 5, -41}, {-41, -5, 800}, {100, 5, 105}, {795, 5, 800}, {-36, -5, -41}};
  for (const TPripad& p : tabulka) {
    SCOPED_TRACE(testing::Message() << p.x << " by " << p.vx);
    CDAS d;
    d.FAZY[0].SIR = 41;
    d.pocet_faz = 1;
    d.x = p.x;
    d.vx = p.vx;
    d.AKTIVUJ();
    EXPECT_EQ(p.ocakavane, d.x);
  }
}

void Priesvitny_bod(TRgbPicture* pic) {
  pic->Set(3, 3, 0, 255, 255);
  pic->Set(4, 5, 0, 255, 255);
}

TEST_F(DasTest, SharpHitSkipsTransparentPixels) {
  Nahraj_vzorovu(&sheet, "sharp.bmp", Priesvitny_bod);
  sheet.TC_NASTAV(3, 3);
  CDAS d;
  d.Das_Surface = &sheet;
  d.EVIDUJ(5, 5);
  d.x = 100;
  d.y = 50;
  EXPECT_FALSE(d.OSTRY_ZASAH(103, 54)) << "sheet pixel (4, 5) is transparent";
  EXPECT_TRUE(d.OSTRY_ZASAH(104, 54));
  EXPECT_TRUE(d.OSTRY_ZASAH(101, 51));
  EXPECT_FALSE(d.OSTRY_ZASAH(100, 50)) << "outside the inner box";
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_GENERIC);
  EXPECT_FALSE(d.OSTRY_ZASAH(104, 54));
}

TEST_F(DasTest, OwnBorderColourMeasuresItsOwnFrames) {
  // a blue line at column 14 parts the right region for elements that measure with blue
  TRgbPicture pic = Plachta(20, 12, {0, 11}, {0, 9, 19});
  for (int y = 1; y < 11; y++) pic.Set(14, y, 0, 0, 255);
  Zdroj("own.bmp", pic);
  sheet.NAHRAJ_SURFACE(dd, "own.bmp");
  ASSERT_NE(nullptr, sheet.SURFACE);
  Uvolni_potom(sheet.SURFACE);
  sheet.BC_NASTAV(0, 0);
  CDAS cervena, modra;
  cervena.Das_Surface = modra.Das_Surface = &sheet;
  modra.BC_NASTAV(14, 5);
  EXPECT_EQ(0x001F, modra.BC);
  cervena.EVIDUJ(16, 5);
  modra.EVIDUJ(16, 5);
  EXPECT_EQ(10, cervena.FAZY[0].XL);
  EXPECT_EQ(19, cervena.FAZY[0].XP);
  EXPECT_EQ(15, modra.FAZY[0].XL);
  EXPECT_EQ(1, modra.FAZY[0].YH) << "no blue above: from row 1";
  EXPECT_EQ(12, modra.FAZY[0].YD) << "no blue below: to the sheet's edge";
  EXPECT_EQ(CERVENA_565, sheet.BC) << "the sheet keeps its own border colour";
}

TEST_F(DasTest, FiftyFirstPhaseIsRefused) {
  Nahraj_vzorovu(&sheet, "full.bmp");
  CDAS d;
  d.Das_Surface = &sheet;
  d.TC = 0x1234;
  d.BC = 0;
  for (int i = 0; i < 50; i++) d.EVIDUJ(5, 5);
  ASSERT_EQ(50, d.pocet_faz);
  d.EVIDUJ(12, 5);
  d.EVIDUJ_CS();
  EXPECT_EQ(50, d.pocet_faz);
  EXPECT_EQ(0, d.akt_faza);
  EXPECT_EQ(0x1234, d.TC);
  EXPECT_EQ(1, d.FAZY[49].XL);
  CDAS kopia;
  kopia.EVID_PREBER(&d);
  EXPECT_EQ(50, kopia.pocet_faz);
  d.pocet_faz = 70;  // a broken count is not followed past the table
  kopia.EVID_PREBER(&d);
  EXPECT_EQ(50, kopia.pocet_faz);
}

TEST_F(DasTest, AdoptingAPrototype) {
  Nahraj_vzorovu(&sheet, "proto.bmp");
  CDAS vzor;
  vzor.Das_Surface = &sheet;
  vzor.EVIDUJ(5, 5);
  vzor.EVIDUJ(12, 5);
  vzor.BC = 0x0042;
  CDAS d;
  d.x = 7;
  d.stav = 1;
  d.TC = 9;
  d.EVID_PREBER(&vzor);
  EXPECT_EQ(&sheet, d.Das_Surface);
  EXPECT_EQ(2, d.pocet_faz);
  EXPECT_EQ(10, d.FAZY[1].XL);
  EXPECT_EQ(0x0042, d.BC);
  EXPECT_EQ(7, d.x);
  EXPECT_EQ(1, d.stav);
  EXPECT_EQ(9, d.TC);
}

TEST_F(DasTest, ElementKeySetsTheSheetKeyButNotItsTransparentColour) {
  Nahraj_vzorovu(&sheet, "key.bmp", Priesvitny_bod);
  CDAS d;
  d.Das_Surface = &sheet;
  d.TC_NASTAV(3, 3);
  EXPECT_EQ(TYRKYS_565, d.TC);
  EXPECT_EQ(0, sheet.TC);
  DDCOLORKEY k = {};
  ASSERT_EQ(DD_OK, sheet.SURFACE->GetColorKey(DDCKEY_SRCBLT, &k));
  EXPECT_EQ(TYRKYS_565, k.dwColorSpaceLowValue);
}

TEST_F(DasTest, DrawsTheCurrentPhasePlainOrMirrored) {
  Nahraj_vzorovu(&sheet, "draw.bmp");
  sheet.TC_NASTAV(0, 0);
  IDirectDrawSurface* ciel = Povrch(800, 600, POZADIE);
  CDAS d;
  d.Das_Surface = &sheet;
  d.EVIDUJ(5, 5);
  d.x = 100;
  d.y = 50;
  d.ZOBRAZ(ciel);
  EXPECT_EQ(Vzor565(1, 1), Px(ciel, 100, 50));
  EXPECT_EQ(Vzor565(8, 10), Px(ciel, 107, 59));
  d.zrkadlo = 1;
  d.y = 200;
  d.ZOBRAZ(ciel);
  EXPECT_EQ(Vzor565(8, 1), Px(ciel, 100, 200));
  EXPECT_EQ(POZADIE, Px(ciel, 107, 200)) << "mirrored one pixel narrower";
  d.y = 300;
  for (int skryte : {1, 2}) {
    d.zrkadlo = 0;
    d.viditelny = skryte == 1 ? 0 : 1;
    d.SF(skryte == 2 ? 1 : 0);
    d.ZOBRAZ(ciel);
  }
  EXPECT_EQ(POZADIE, Px(ciel, 100, 300)) << "invisible or past the registered phases";
}

TEST_F(DasTest, WithoutASheetNothingHappens) {
  IDirectDrawSurface* ciel = Povrch(50, 50, POZADIE);
  CDAS d = Prvok_12x10();
  d.x = 0;
  d.y = 0;
  d.NAHRAJ_SURFACE(dd, "rezia_pan.bmp");
  d.TC_NASTAV(3, 3);
  d.BC_NASTAV(0, 0);
  d.EVIDUJ(5, 5);
  d.EVIDUJ_CS();
  d.ZOBRAZ(ciel);
  EXPECT_EQ(1, d.pocet_faz);
  EXPECT_EQ(0, d.TC);
  EXPECT_EQ(0, d.BC);
  EXPECT_FALSE(d.ZASAH(5, 5));
  EXPECT_FALSE(d.OSTRY_ZASAH(5, 5));
  EXPECT_EQ(POZADIE, Px(ciel, 5, 5));
  CIcon ikona;
  ikona.EVIDUJ(5, 5);
  ikona.ZOBRAZ(ciel, 0, 0);
  ikona.ZOBRAZ_3_centr(ciel, 0, 50, 0, 50, 10, 10, 0);
  EXPECT_EQ(POZADIE, Px(ciel, 5, 5));
}

TEST(Das, FollowsItsParent) {
  CDRodic rodic;
  rodic.x = 300;
  rodic.y = 40;
  CDAS d;
  d.rx = 5;
  d.ry = -3;
  d.Rodic_reset();
  EXPECT_EQ(200, d.x) << "no parent: stays";
  d.RODIC = &rodic;
  d.Rodic_reset();
  EXPECT_EQ(305, d.x);
  EXPECT_EQ(37, d.y);
}

TEST_F(DasTest, IconPlacementAroundAPoint) {
  Nahraj_vzorovu(&sheet, "icon.bmp");
  struct TPripad {
    int centr_mod, x, y;
  };
  const TPripad tabulka[] = {{0, 46, 45}, {1, 50, 45}, {2, 41, 45}, {7, 46, 45}};
  for (const TPripad& p : tabulka) {
    SCOPED_TRACE(p.centr_mod);
    IDirectDrawSurface* ciel = Povrch(200, 200, POZADIE);
    CIcon ikona;
    ikona.Das_Surface = &sheet;
    ikona.EVIDUJ(5, 5);
    ikona.viditelny = 0;  // placement ignores visibility
    ikona.ZOBRAZ_3_centr(ciel, 0, 200, 0, 200, 50, 50, p.centr_mod);
    int x, y;
    Kde(ciel, &x, &y);
    EXPECT_EQ(p.x, x);
    EXPECT_EQ(p.y, y);
  }
}

TEST_F(DasTest, IconDrawsHonourVisibilityOnlyOnTheScreen) {
  Nahraj_vzorovu(&sheet, "icon2.bmp");
  IDirectDrawSurface* ciel = Povrch(200, 200, POZADIE);
  CIcon vzor;
  vzor.Das_Surface = &sheet;
  vzor.EVIDUJ(5, 5);
  CIcon ikona;
  ikona.viditelny = 0;
  ikona.EVID_PREBER(&vzor);
  EXPECT_EQ(0, ikona.viditelny);
  ikona.ZOBRAZ(ciel, 10, 10);
  EXPECT_EQ(POZADIE, Px(ciel, 10, 10));
  ikona.ZOBRAZ_2(ciel, 0, 200, 0, 200, 10, 10);
  EXPECT_EQ(Vzor565(1, 1), Px(ciel, 10, 10));
  ikona.viditelny = 1;
  ikona.ZOBRAZ(ciel, 100, 100);
  EXPECT_EQ(Vzor565(1, 1), Px(ciel, 100, 100));
  CIcon cela;
  cela.Das_Surface = &sheet;
  cela.EVIDUJ_CS();
  EXPECT_EQ(19, cela.faza.XP);
  EXPECT_EQ(12, cela.faza.VYS);
}

}  // namespace
