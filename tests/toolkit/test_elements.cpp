// Elements and widgets: hit boxes, the mouse state machine, dragging, phases measured on a sheet.
// The slider is the list panel's, and tested there.
#include <cstring>
#include <tuple>

#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/widgets.h"

namespace {

// An element with n phases of 12 × 10 drawn pixels (SIR 13, VYS 11) at (x, y).
template <class T>
T Prvok(int n = 1, int x = 100, int y = 50) {
  T d;
  for (int i = 0; i < n; i++) d.FAZY[i] = TFAZA{1, 1, 13, 11, 13, 11};
  d.pocet_faz = n, d.x = x, d.y = y;
  return d;
}

// The box reaches past the drawn phase (x 100…113, y 50…61); a held element gets every event and is dragged.
TEST(Element, MouseStepsOverTheBox) {
  const int kroky[][7] = {
      // mx, my, mtlac → answer, stav, x, y
      {99, 55, 0, 0, 0, 100, 50},   {100, 50, 0, 1, 1, 100, 50},   {114, 55, 0, 0, 0, 100, 50},
      {105, 62, 0, 0, 0, 100, 50},  {104, 54, 1, 1, 0, 100, 50},   // no press without hover first
      {113, 61, 0, 1, 1, 100, 50},  {104, 54, 1, 1, 2, 100, 50},   {109, 57, 0, 1, 2, 105, 53},
      {500, 500, 0, 1, 2, 496, 496}, {500, 500, -1, 1, 1, 496, 496}, {900, 900, 0, 0, 0, 496, 496},
  };
  CDAS d = Prvok<CDAS>();
  for (const auto& k : kroky) {
    EXPECT_EQ(k[3] != 0, d.INFORMUJ_SA(k[0], k[1], k[2])) << k[0] << "," << k[1] << " " << k[2];
    EXPECT_EQ(std::make_tuple(k[4], k[5], k[6]), std::make_tuple(d.stav, d.x, d.y)) << k[0] << "," << k[1];
  }
  d.viditelny = 0;
  EXPECT_FALSE(d.INFORMUJ_SA(495, 500, 0));
  MAXX = 800;  // drift wraps around the screen by the phase's width: x, vx → x
  for (const auto& p : {std::make_tuple(798, 5, -13), std::make_tuple(-13, -5, 800), std::make_tuple(795, 5, 800)}) {
    d.x = std::get<0>(p), d.vx = std::get<1>(p), d.AKTIVUJ();
    EXPECT_EQ(std::get<2>(p), d.x) << std::get<0>(p);
  }
}

TEST_F(ToolkitTest, TheInnerHitBoxAndThePhaseTable) {
  CDas_Surface sheet;
  Nahraj_vzorovu(&sheet);
  CDAS d = Prvok<CDAS>(), plna;
  d.Das_Surface = plna.Das_Surface = &sheet;
  const int zasahy[][3] = {{101, 51, 1}, {111, 59, 1}, {100, 55, 0}, {112, 55, 0}, {105, 50, 0}, {105, 60, 0}};
  for (const auto& z : zasahy) EXPECT_EQ(z[2] != 0, d.ZASAH(z[0], z[1])) << z[0] << "," << z[1];  // the drawn less a frame
  for (int mimo : {1, -1, 1000000}) {  // a phase never registered reads as an empty one
    d.SF(mimo);
    EXPECT_FALSE(d.INFORMUJ_SA(105, 55, 0)) << mimo;
  }
  for (int i = 0; i < 51; i++) plna.EVIDUJ(i < 50 ? 5 : 12, 5);
  EXPECT_EQ(1, plna.FAZY[49].XL) << "the fifty-first phase is refused";
  plna.pocet_faz = 70;  // a broken count is not followed past the table
  d.EVID_PREBER(&plna);
  EXPECT_EQ(50, d.pocet_faz);
}

TEST(Widgets, AButtonReportsAPressOnce) {
  const int kroky[][6] = {  // mx, my, mtlac → answer, phase, STLACENE
      {300, 300, 0, 0, 0, 0}, {105, 55, 0, 1, 1, 0}, {105, 55, 1, 1, 2, 1}, {105, 55, 0, 1, 1, 0},
      {105, 55, -1, 1, 1, 0}, {105, 55, 1, 1, 2, 1}, {400, 400, 0, 0, 0, 0}};
  CTlac t = Prvok<CTlac>(3);
  for (const auto& k : kroky) {
    EXPECT_EQ(k[3] != 0, t.INFORMUJ_SA(k[0], k[1], k[2])) << k[0] << "," << k[1] << " " << k[2];
    const bool stlacene = t.STLACENE();  // once only
    EXPECT_EQ(std::make_tuple(k[4], k[5] != 0, false), std::make_tuple(t.akt_faza, stlacene, t.STLACENE()));
  }
  for (int mtlac : {0, 1}) t.INFORMUJ_SA(105, 55, mtlac);
  EXPECT_TRUE(t.INFORMUJ_SA(400, 400, 0));
  EXPECT_TRUE(t.STLACENE2() && t.x == 100) << "held in place while the pointer wanders";
}

TEST_F(ToolkitTest, ACheckBoxADialogAndAStaticElement) {
  CDPrep prep = Prvok<CDPrep>(4);
  for (int mtlac : {0, 1, -1, 1, -1, 1}) prep.INFORMUJ_SA(105, 55, mtlac);
  EXPECT_EQ(std::make_pair(1, 3), std::make_pair((int)prep.checked, prep.akt_faza)) << "toggled three times, on, pointer over";
  CDDialog dlg;
  dlg.x = dlg.y = 50, dlg.sir = 200, dlg.vys = 100;
  CTlac t = Prvok<CTlac>(3, 100, 80);
  dlg.PRIDAJ(&t);
  t.rx = 50, t.ry = 30;
  EXPECT_TRUE(dlg.INFORMUJ_SA(105, 85, 0));
  EXPECT_EQ(1, t.stav) << "children first";
  for (int mtlac : {0, 1}) dlg.INFORMUJ_SA(60, 60, mtlac);
  dlg.INFORMUJ_SA(70, 65, 0);
  EXPECT_EQ(std::make_tuple(110, 85), std::make_tuple(t.x, t.y)) << "a dragged dialog takes its children along";
  CDas_Surface sheet;
  Nahraj_vzorovu(&sheet);
  CDS s;
  s.Das_Surface = &sheet;
  s.EVIDUJ_2();
  EXPECT_EQ(19, s.FAZY[0].XP);
}

TEST_F(ToolkitTest, PhasesAreMeasuredBetweenBorderLines) {
  const struct {
    bool dno;  // the bottom border line is there
    int xx, yy;
    TFAZA f;
  } tabulka[] = {
      {true, 5, 5, {1, 1, 9, 11, 9, 11}},  {true, 12, 5, {10, 1, 19, 11, 10, 11}}, {false, 5, 5, {1, 1, 9, 12, 9, 12}},
      {true, 5, 0, {6, 1, 6, 11, 1, 11}},  {true, 9, 5, {10, 6, 19, 6, 10, 1}},    {true, 5, 11, {6, 12, 6, 12, 1, 1}},
      {true, -1, 5, {0, 0, 0, 0, 0, 0}},   {true, 20, 5, {0, 0, 0, 0, 0, 0}},      {true, 5, 12, {0, 0, 0, 0, 0, 0}},
  };  // on the top line, on a side line, on the bottom line; off the sheet
  for (const auto& m : tabulka) {
    CDas_Surface das;
    Nahraj_vzorovu(&das, m.dno ? nullptr : +[](TRgbPicture* p) {
      for (int x = 0; x < 20; x++) p->Set(x, 11, 40, 80, 120);
    });
    const TFAZA f = das.ZAMERAJ_FAZU(m.xx, m.yy);
    EXPECT_EQ(0, std::memcmp(&f, &m.f, sizeof f)) << m.xx << "," << m.yy << ": " << f.XL << " " << f.YH << " " << f.XP;
  }
  CDas_Surface das;
  Nahraj_vzorovu(&das);
  CIcon ikona;  // placed around a point: centred, from its left, from its right
  ikona.Das_Surface = &das;
  ikona.EVIDUJ(5, 5);
  IDirectDrawSurface* ciel = Povrch(200, 200, POZADIE);
  for (const auto& p : {std::make_tuple(0, 46, 45), std::make_tuple(1, 50, 45), std::make_tuple(2, 41, 45)}) {
    Zmaz(ciel, POZADIE);
    ikona.ZOBRAZ_3_centr(ciel, 0, 200, 0, 200, 50, 50, std::get<0>(p));
    const int x = std::get<1>(p), y = std::get<2>(p);
    EXPECT_EQ(std::make_pair(POZADIE, Vzor565(1, 1)), std::make_pair(At(ciel, x - 1, y), At(ciel, x, y))) << x;
  }
}

}  // namespace
