// Elements and widgets: hit boxes, the mouse state machine, dragging, phases measured on a sheet.
#include <cstring>
#include <tuple>

#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/widgets.h"

namespace {

// Gives an element n phases of 12 × 10 drawn pixels (SIR 13, VYS 11) at (x, y).
template <class T>
T Prvok(int n = 1, int x = 100, int y = 50) {
  T d;
  for (int i = 0; i < n; i++) d.FAZY[i] = TFAZA{1, 1, 13, 11, 13, 11};
  d.pocet_faz = n;
  d.x = x;
  d.y = y;
  return d;
}

struct TKrok {
  int mx, my, mtlac;
  bool odpoved;
  int stav, x, y;
};

// The box reaches two pixels past the drawn phase (x 100…113, y 50…61); a held element gets
// every event and follows the pointer; the release puts it back to "over".
TEST(Element, MouseStepsOverTheBox) {
  const TKrok kroky[] = {
      {99, 55, 0, false, 0, 100, 50},  {100, 50, 0, true, 1, 100, 50},  {114, 55, 0, false, 0, 100, 50},
      {105, 62, 0, false, 0, 100, 50}, {104, 54, 1, true, 0, 100, 50},  // no press without hover first
      {113, 61, 0, true, 1, 100, 50},  {104, 54, 1, true, 2, 100, 50},  {109, 57, 0, true, 2, 105, 53},
      {500, 500, 0, true, 2, 496, 496}, {500, 500, -1, true, 1, 496, 496}, {900, 900, 0, false, 0, 496, 496},
  };
  CDAS d = Prvok<CDAS>();
  for (const TKrok& k : kroky) {
    SCOPED_TRACE(testing::Message() << k.mx << "," << k.my << " " << k.mtlac);
    EXPECT_EQ(k.odpoved, d.INFORMUJ_SA(k.mx, k.my, k.mtlac));
    EXPECT_EQ(k.stav, d.stav);
    EXPECT_EQ(k.x, d.x);
    EXPECT_EQ(k.y, d.y);
  }
  d.viditelny = 0;
  EXPECT_FALSE(d.INFORMUJ_SA(495, 500, 0));
}

TEST_F(ToolkitTest, ElementHitBoxPhasesAndCopies) {
  CDas_Surface sheet;
  Nahraj_vzorovu(&sheet);
  CDAS d = Prvok<CDAS>();
  d.Das_Surface = &sheet;
  // The inner box: the drawn pixels less a one-pixel frame.
  for (const auto& b : {std::make_tuple(101, 51, true), std::make_tuple(111, 59, true), std::make_tuple(100, 55, false),
                        std::make_tuple(112, 55, false), std::make_tuple(105, 50, false), std::make_tuple(105, 60, false)})
    EXPECT_EQ(std::get<2>(b), d.ZASAH(std::get<0>(b), std::get<1>(b))) << std::get<0>(b) << "," << std::get<1>(b);
  for (int mimo : {1, -1, 1000000}) {  // a phase never registered reads as an empty one
    d.SF(mimo);
    EXPECT_FALSE(d.INFORMUJ_SA(105, 55, 0)) << mimo;
  }
  CDAS plna;
  plna.Das_Surface = &sheet;
  for (int i = 0; i < 51; i++) plna.EVIDUJ(i < 50 ? 5 : 12, 5);
  EXPECT_EQ(50, plna.pocet_faz) << "the fifty-first phase is refused";
  EXPECT_EQ(1, plna.FAZY[49].XL);
  plna.pocet_faz = 70;  // a broken count is not followed past the table
  d.EVID_PREBER(&plna);
  EXPECT_EQ(50, d.pocet_faz);
  EXPECT_EQ(&sheet, d.Das_Surface);
}

// Drift wraps around the screen by the phase's width.
TEST(Element, DriftWrapsAroundTheScreen) {
  MAXX = 800;
  for (const auto& p : {std::make_tuple(798, 5, -41), std::make_tuple(-41, -5, 800), std::make_tuple(795, 5, 800),
                        std::make_tuple(-36, -5, -41)}) {
    CDAS d = Prvok<CDAS>(1, std::get<0>(p));
    d.FAZY[0].SIR = 41;
    d.vx = std::get<1>(p);
    d.AKTIVUJ();
    EXPECT_EQ(std::get<2>(p), d.x) << std::get<0>(p);
  }
}

TEST(Widgets, AButtonReportsAPressOnceAndStaysPut) {
  const int kroky[][6] = {
      // mx, my, mtlac → answer, phase, STLACENE
      {300, 300, 0, 0, 0, 0}, {105, 55, 0, 1, 1, 0}, {105, 55, 1, 1, 2, 1}, {105, 55, 0, 1, 1, 0},
      {105, 55, -1, 1, 1, 0}, {105, 55, 1, 1, 2, 1}, {400, 400, 0, 0, 0, 0},
  };
  CTlac t = Prvok<CTlac>(3);
  for (const auto& k : kroky) {
    SCOPED_TRACE(testing::Message() << k[0] << "," << k[1] << " " << k[2]);
    EXPECT_EQ(k[3] != 0, t.INFORMUJ_SA(k[0], k[1], k[2]));
    EXPECT_EQ(k[4], t.akt_faza);
    EXPECT_EQ(k[5] != 0, t.STLACENE());
    EXPECT_FALSE(t.STLACENE()) << "once only";
  }
  EXPECT_EQ(100, t.x);
  for (int mtlac : {0, 1}) t.INFORMUJ_SA(105, 55, mtlac);
  EXPECT_TRUE(t.INFORMUJ_SA(400, 400, 0));
  EXPECT_TRUE(t.STLACENE2()) << "held while the pointer wanders";
}

TEST(Widgets, ASliderKnobStaysOnItsTrack) {
  CPosuv p = Prvok<CPosuv>(3, 0, 0);  // horizontal: track 100…300 at y 40, values 0…50
  p.pol_Min = 100;
  p.pol_Max = 300;
  p.pol_Fix = 40;
  p.map_B = 50;
  for (const auto& c : {std::make_tuple(20, 20, 180), std::make_tuple(70, 50, 300), std::make_tuple(-5, 0, 100)}) {
    p.SP(std::get<0>(c));
    EXPECT_EQ(std::get<1>(c), p.GP());
    EXPECT_EQ(std::get<2>(c), p.x);
    EXPECT_EQ(40, p.y);
  }
  for (const auto& c : {std::make_tuple(255, 250, 37), std::make_tuple(306, 300, 50), std::make_tuple(94, 100, 0)}) {
    p.INFORMUJ_SA(p.x + 5, p.y + 5, 0);  // grabbed 5 pixels into the knob
    p.INFORMUJ_SA(p.x + 5, p.y + 5, 1);
    EXPECT_TRUE(p.INFORMUJ_SA(std::get<0>(c), 400, 0));
    EXPECT_EQ(std::get<1>(c), p.x);
    EXPECT_EQ(40, p.y);
    EXPECT_EQ(std::get<2>(c), p.GP());
    p.INFORMUJ_SA(0, 0, -1);
    EXPECT_EQ(std::get<2>(c), p.GP()) << "the release keeps the value";
  }
  CDRodic rodic;  // on a parent: the track moves with it
  rodic.y = 20;
  p.RODIC = &rodic;
  p.rpol_Min = 5;
  p.rpol_Max = 105;
  p.rpol_Fix = 30;
  p.Rodic_reset();
  p.SP(25);
  EXPECT_EQ(55, p.x);
  EXPECT_EQ(50, p.y);
}

TEST_F(ToolkitTest, ACheckBoxADialogAndAStaticElement) {
  CDPrep prep = Prvok<CDPrep>(4);
  for (int mtlac : {0, 1, -1, 1, -1, 0}) prep.INFORMUJ_SA(105, 55, mtlac);
  EXPECT_EQ(0, prep.checked) << "toggled twice";
  prep.INFORMUJ_SA(105, 55, 1);
  EXPECT_EQ(3, prep.akt_faza) << "on, pointer over";
  CDas_Surface sheet;
  Nahraj_vzorovu(&sheet);
  CDDialog dlg;
  dlg.x = dlg.y = 50;
  dlg.sir = 200;
  dlg.vys = 100;
  CTlac t = Prvok<CTlac>(3, 100, 80);
  t.Das_Surface = &sheet;
  t.FAZY[0] = FAZA_VZOR;
  dlg.PRIDAJ(&t);
  t.rx = 50;
  t.ry = 30;
  EXPECT_TRUE(dlg.INFORMUJ_SA(105, 85, 0));
  EXPECT_EQ(1, t.stav) << "children first";
  for (int mtlac : {0, 1}) dlg.INFORMUJ_SA(60, 60, mtlac);
  dlg.INFORMUJ_SA(70, 65, 0);
  EXPECT_EQ(110, t.x) << "a dragged dialog takes its children along";
  EXPECT_EQ(85, t.y);
  IDirectDrawSurface* ciel = Povrch(400, 300, POZADIE);
  dlg.ZOBRAZ(ciel);
  EXPECT_EQ(PLAT_Pack565(0, 100, 0), Px(ciel, 60, 55));
  EXPECT_EQ(POZADIE, Px(ciel, 260, 155));
  EXPECT_EQ(Vzor565(1, 1), Px(ciel, 110, 85));
  EXPECT_EQ(0, PLAT_GdiLiveObjects()) << "the brush is deleted";
  CDS s;
  s.Das_Surface = &sheet;
  s.EVIDUJ_2();
  EXPECT_EQ(19, s.FAZY[0].XP);
}

void Bez_dna(TRgbPicture* p) {
  for (int x = 0; x < 20; x++) p->Set(x, 11, 40, 80, 120);
}

TEST_F(ToolkitTest, PhasesAreMeasuredBetweenBorderLines) {
  const struct {
    bool dno;  // the bottom border line is there
    int xx, yy;
    TFAZA f;
  } tabulka[] = {
      {true, 5, 5, {1, 1, 9, 11, 9, 11}},     {true, 12, 5, {10, 1, 19, 11, 10, 11}},
      {false, 5, 5, {1, 1, 9, 12, 9, 12}},    {true, 5, 0, {6, 1, 6, 11, 1, 11}},  // on the top line
      {true, 9, 5, {10, 6, 19, 6, 10, 1}},    {true, 5, 11, {6, 12, 6, 12, 1, 1}},
      {true, -1, 5, {0, 0, 0, 0, 0, 0}},      {true, 20, 5, {0, 0, 0, 0, 0, 0}},  // off the sheet
      {true, 5, 12, {0, 0, 0, 0, 0, 0}},
  };
  for (const auto& m : tabulka) {
    SCOPED_TRACE(testing::Message() << m.xx << "," << m.yy << (m.dno ? "" : " open"));
    CDas_Surface das;
    Nahraj_vzorovu(&das, m.dno ? nullptr : Bez_dna);
    const TFAZA f = das.ZAMERAJ_FAZU(m.xx, m.yy);
    EXPECT_EQ(0, std::memcmp(&f, &m.f, sizeof f)) << f.XL << " " << f.YH << " " << f.XP << " " << f.YD << " " << f.SIR
                                                  << " " << f.VYS;
  }
}

// The program's own sheet: every registered pixel measures the rectangle its sprite was painted in.
TEST_F(ToolkitTest, TheProgramsSheetPhasesAreExact) {
  const int tabulka[][6] = {
      {5, 55, 1, 50, 19, 70},     {25, 55, 20, 50, 38, 70},   {5, 20, 1, 17, 18, 32},     {80, 20, 73, 17, 89, 32},
      {95, 10, 90, 1, 103, 20},   {165, 10, 159, 1, 172, 20}, {180, 80, 165, 59, 208, 102}, {230, 80, 209, 59, 252, 102},
      {190, 10, 175, 1, 200, 58}, {210, 10, 201, 1, 226, 58}, {50, 60, 39, 50, 64, 67},   {240, 10, 227, 1, 252, 57},
  };
  CDas_Surface rezia;
  rezia.NAHRAJ_SURFACE(dd, "rezia_pan.bmp");
  ASSERT_NE(nullptr, Potom(rezia.SURFACE));
  rezia.BC_NASTAV(0, 0);
  rezia.TC_NASTAV(3, 3);
  EXPECT_EQ(CERVENA_565, rezia.BC);
  EXPECT_EQ(TYRKYS_565, rezia.TC);
  for (const auto& b : tabulka) {
    const TFAZA f = rezia.ZAMERAJ_FAZU(b[0], b[1]), o = {b[2], b[3], b[4], b[5], b[4] - b[2] + 1, b[5] - b[3] + 1};
    EXPECT_EQ(0, std::memcmp(&f, &o, sizeof f)) << "phase at " << b[0] << "," << b[1];
  }
}

TEST_F(ToolkitTest, IconsArePlacedAroundAPoint) {
  CDas_Surface sheet;
  Nahraj_vzorovu(&sheet);
  CIcon ikona;
  ikona.Das_Surface = &sheet;
  ikona.EVIDUJ(5, 5);
  for (const auto& p : {std::make_tuple(0, 46, 45), std::make_tuple(1, 50, 45), std::make_tuple(2, 41, 45)}) {
    IDirectDrawSurface* ciel = Povrch(200, 200, POZADIE);
    ikona.ZOBRAZ_3_centr(ciel, 0, 200, 0, 200, 50, 50, std::get<0>(p));
    EXPECT_EQ(Vzor565(1, 1), Px(ciel, std::get<1>(p), std::get<2>(p))) << std::get<0>(p);
    EXPECT_EQ(POZADIE, Px(ciel, std::get<1>(p) - 1, std::get<2>(p))) << std::get<0>(p);
  }
}

}  // namespace
