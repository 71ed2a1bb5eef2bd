// Buttons, sliders, toggles and dialogs.
#include "platform/fault.h"
#include "platform/gdi.h"
#include "tests/toolkit/toolkit_fixture.h"
#include "toolkit/widgets.h"

namespace {

// Gives an element n phases of 12 × 10 drawn pixels (SIR 13, VYS 11) at (x, y).
void Fazy_12x10(CDAS* d, int n, int x, int y) {
  for (int i = 0; i < n; i++) d->FAZY[i] = TFAZA{1, 1, 13, 11, 13, 11};
  d->pocet_faz = n;
  d->x = x;
  d->y = y;
}

TEST(Tlac, PressIsReportedOnce) {
  struct TKrok {
    int mx, my, mtlac;
    bool odpoved;
    int stav, faza, sif;
    bool stlacene;  // STLACENE asked right after the event
  };
  const TKrok kroky[] = {
      {300, 300, 0, false, 0, 0, 0, false},  // away
      {105, 55, 0, true, 1, 1, 0, false},    // over
      {105, 55, 1, true, 1, 2, 1, true},     // down: reported, the held picture stays
      {105, 55, 0, true, 1, 1, 0, false},    // next event puts the phase back
      {105, 55, -1, true, 1, 1, 0, false},   // the release changes nothing
      {105, 55, 1, true, 1, 2, 1, true},     // a second press
  };
  CTlac t;
  Fazy_12x10(&t, 3, 100, 50);
  for (const TKrok& k : kroky) {
    SCOPED_TRACE(testing::Message() << k.mx << "," << k.my << " " << k.mtlac);
    EXPECT_EQ(k.odpoved, t.INFORMUJ_SA(k.mx, k.my, k.mtlac));
    EXPECT_EQ(k.stlacene, t.STLACENE());
    EXPECT_FALSE(t.STLACENE()) << "once only";
    EXPECT_EQ(k.stav, t.stav);
    EXPECT_EQ(k.faza, t.akt_faza);
    EXPECT_EQ(k.sif, t.sif);
  }
  EXPECT_EQ(100, t.x) << "buttons do not move";
}

TEST(Tlac, HeldUntilReleasedAndNoPressWithoutHover) {
  CTlac t;
  Fazy_12x10(&t, 3, 100, 50);
  t.INFORMUJ_SA(105, 55, 1);
  EXPECT_FALSE(t.STLACENE()) << "not over it before the press";
  t.INFORMUJ_SA(105, 55, 0);
  t.INFORMUJ_SA(105, 55, 1);
  EXPECT_TRUE(t.STLACENE2());
  EXPECT_TRUE(t.INFORMUJ_SA(400, 400, 0));
  EXPECT_TRUE(t.STLACENE2()) << "held while the mouse wanders";
  EXPECT_EQ(100, t.x);
  t.INFORMUJ_SA(400, 400, -1);
  EXPECT_FALSE(t.STLACENE2());
  EXPECT_EQ(1, t.stav);
}

TEST(Tlac, SecondFormAnswersOnlyChanges) {
  CTlac t;
  Fazy_12x10(&t, 3, 100, 50);
  EXPECT_TRUE(t.INFORMUJ_SA2(105, 55, 0));
  EXPECT_FALSE(t.INFORMUJ_SA2(106, 55, 0));
  EXPECT_TRUE(t.INFORMUJ_SA2(106, 55, 1));
  EXPECT_EQ(2, t.akt_faza);
  t.viditelny = 0;
  EXPECT_FALSE(t.INFORMUJ_SA2(106, 55, -1));
  EXPECT_FALSE(t.INFORMUJ_SA(106, 55, -1));
  EXPECT_EQ(2, t.stav);
}

class PosuvTest : public ::testing::Test {
 protected:
  // Horizontal: track 100…300 at y 40, values 0…50, knob 12 × 10.
  void SetUp() override {
    Fazy_12x10(&p, 3, 0, 0);
    p.pol_Typ = 'H';
    p.pol_Min = 100;
    p.pol_Max = 300;
    p.pol_Fix = 40;
    p.map_A = 0;
    p.map_B = 50;
    p.SP(0);
  }
  // Grabs the knob 5 pixels into it.
  void Chyt() {
    p.INFORMUJ_SA(p.x + 5, p.y + 5, 0);
    p.INFORMUJ_SA(p.x + 5, p.y + 5, 1);
  }
  CPosuv p;
};

TEST_F(PosuvTest, DraggedKnobStaysOnItsTrack) {
  struct TPripad {
    int mx, x, hodnota;
  };
  const TPripad tabulka[] = {{255, 250, 37}, {355, 300, 50}, {55, 100, 0}, {205, 200, 25}};
  for (const TPripad& c : tabulka) {
    SCOPED_TRACE(c.mx);
    SetUp();
    Chyt();
    ASSERT_EQ(2, p.stav);
    EXPECT_TRUE(p.INFORMUJ_SA(c.mx, 400, 0));
    EXPECT_EQ(c.x, p.x);
    EXPECT_EQ(40, p.y);
    EXPECT_EQ(c.hodnota, p.GP());
    EXPECT_EQ(2, p.akt_faza);
    p.INFORMUJ_SA(c.mx + 50, 500, -1);
    EXPECT_EQ(c.hodnota, p.GP()) << "the release keeps the value";
    EXPECT_EQ(1, p.stav);
  }
}

TEST_F(PosuvTest, SetValuePlacesTheKnob) {
  struct TPripad {
    int hod, hodnota, x;
  };
  const TPripad tabulka[] = {{20, 20, 180}, {70, 50, 300}, {-5, 0, 100}, {50, 50, 300}};
  for (const TPripad& c : tabulka) {
    SCOPED_TRACE(c.hod);
    p.SP(c.hod);
    EXPECT_EQ(c.hodnota, p.GP());
    EXPECT_EQ(c.x, p.x);
    EXPECT_EQ(40, p.y);
  }
}

TEST_F(PosuvTest, PressOnTheKnobTruncatesTwice) {
  // vertical, 100 pixels mapped to 0…7
  p.pol_Typ = 'V';
  p.pol_Min = 0;
  p.pol_Max = 100;
  p.pol_Fix = 10;
  p.map_B = 7;
  struct TPripad {
    int hod, poloha, po_stlaceni;
  };
  const TPripad tabulka[] = {{3, 42, 2}, {0, 0, 0}, {7, 100, 7}};
  for (const TPripad& c : tabulka) {
    SCOPED_TRACE(c.hod);
    p.stav = 0;
    p.SP(c.hod);
    EXPECT_EQ(c.poloha, p.y);
    EXPECT_EQ(10, p.x);
    Chyt();
    EXPECT_EQ(c.po_stlaceni, p.GP());
    p.INFORMUJ_SA(p.x + 5, p.y + 5, -1);
  }
}

TEST_F(PosuvTest, NotHeldItIsAPlainElement) {
  p.SP(20);
  EXPECT_TRUE(p.INFORMUJ_SA(185, 45, 0));
  EXPECT_EQ(1, p.akt_faza);
  EXPECT_EQ(20, p.GP());
  EXPECT_FALSE(p.INFORMUJ_SA(0, 0, 0));
  EXPECT_EQ(0, p.akt_faza);
  p.viditelny = 0;
  EXPECT_FALSE(p.INFORMUJ_SA(185, 45, 0));
}

TEST_F(PosuvTest, FollowsItsParent) {
  CDRodic rodic;
  rodic.x = 10;
  rodic.y = 20;
  p.pol_Typ = 'V';
  p.RODIC = &rodic;
  p.rpol_Min = 5;
  p.rpol_Max = 105;
  p.rpol_Fix = 30;
  p.map_B = 100;
  p.Rodic_reset();
  EXPECT_EQ(25, p.pol_Min);
  EXPECT_EQ(125, p.pol_Max);
  EXPECT_EQ(40, p.pol_Fix);
  p.SP(50);
  EXPECT_EQ(40, p.x);
  EXPECT_EQ(75, p.y);
  EXPECT_EQ(30, p.rx) << "offset from the parent kept for the next move";
  EXPECT_EQ(55, p.ry);
  rodic.y = 120;
  p.Rodic_reset();
  EXPECT_EQ(125, p.pol_Min);
  EXPECT_EQ(175, p.y);
  EXPECT_EQ(40, p.x);
}

TEST_F(PosuvTest, DegenerateTrackOrRangeDoesNotBreak) {
  p.pol_Max = p.pol_Min;
  p.SP(30);
  EXPECT_EQ(100, p.x);
  Chyt();
  EXPECT_EQ(0, p.GP());
  p.map_B = p.map_A;
  p.SP(30);
  EXPECT_EQ(0, p.GP());
}

TEST(DPrep, TogglesOnPress) {
  struct TPripad {
    int stlac_mod;
    int po_prvom, po_druhom;
  };
  const TPripad tabulka[] = {{0, 1, 0}, {1, 1, 1}, {5, 1, 1}};
  for (const TPripad& c : tabulka) {
    SCOPED_TRACE(c.stlac_mod);
    CDPrep d;
    Fazy_12x10(&d, 4, 100, 50);
    d.stlac_mod = c.stlac_mod;
    d.INFORMUJ_SA(105, 55, 0);
    EXPECT_EQ(1, d.akt_faza);
    d.INFORMUJ_SA(105, 55, 1);
    EXPECT_EQ(c.po_prvom, d.checked);
    EXPECT_EQ(c.po_prvom, d.sif);
    EXPECT_EQ(3, d.akt_faza);
    d.INFORMUJ_SA(105, 55, 0);
    EXPECT_EQ(c.po_prvom, d.checked) << "moving while held changes nothing";
    d.INFORMUJ_SA(105, 55, -1);
    d.INFORMUJ_SA(105, 55, 1);
    EXPECT_EQ(c.po_druhom, d.checked);
    d.INFORMUJ_SA(105, 55, -1);
    d.INFORMUJ_SA(400, 55, 0);
    EXPECT_EQ(c.po_druhom ? 2 : 0, d.akt_faza);
    EXPECT_EQ(100, d.x);
  }
}

TEST(DPrep, PressWithoutHoverDoesNotToggle) {
  CDPrep d;
  Fazy_12x10(&d, 4, 100, 50);
  d.INFORMUJ_SA(105, 55, 1);
  EXPECT_EQ(0, d.checked);
  d.viditelny = 0;
  EXPECT_FALSE(d.INFORMUJ_SA(105, 55, 0));
}

TEST(Static, WholePicturePhase) {
  CDas_Surface sheet;
  sheet.srf_sir = 30;
  sheet.srf_vys = 20;
  CDS s;
  s.Das_Surface = &sheet;
  s.EVIDUJ_2();
  EXPECT_EQ(1, s.pocet_faz);
  EXPECT_EQ(29, s.FAZY[0].XP);
  EXPECT_EQ(20, s.FAZY[0].VYS);
}

TEST(GlobTestVRect, AllBoundsInclusive) {
  struct TBod {
    int xx, yy;
    bool vnutri;
  };
  const TBod tabulka[] = {{10, 20, true}, {30, 40, true}, {9, 30, false}, {31, 30, false}, {20, 19, false},
                          {20, 41, false}};
  for (const TBod& b : tabulka) EXPECT_EQ(b.vnutri, glob_test_v_rect(10, 20, 30, 40, b.xx, b.yy)) << b.xx << "," << b.yy;
}

class DialogTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    dlg.x = 50;
    dlg.y = 50;
    dlg.sir = 200;
    dlg.vys = 100;
    for (CTlac* t : {&prvy, &druhy}) {
      Fazy_12x10(t, 3, 100, 80);
      dlg.PRIDAJ(t);
      t->rx = 50;
      t->ry = 30;
    }
  }
  CDDialog dlg;
  CTlac prvy, druhy;
};

TEST_F(DialogTest, ChildrenFirstInTheOrderAdded) {
  EXPECT_EQ(&dlg, prvy.RODIC);
  EXPECT_TRUE(dlg.INFORMUJ_SA(105, 85, 0));
  EXPECT_EQ(1, prvy.stav);
  EXPECT_EQ(0, druhy.stav) << "the second child does not see a claimed event";
  EXPECT_EQ(0, dlg.stav);
}

TEST_F(DialogTest, DraggedChildrenFollow) {
  EXPECT_TRUE(dlg.INFORMUJ_SA(60, 60, 0));
  EXPECT_EQ(1, dlg.stav);
  EXPECT_TRUE(dlg.INFORMUJ_SA(60, 60, 1));
  EXPECT_EQ(2, dlg.stav);
  EXPECT_TRUE(dlg.INFORMUJ_SA(70, 65, 0));
  EXPECT_EQ(60, dlg.x);
  EXPECT_EQ(55, dlg.y);
  for (CTlac* t : {&prvy, &druhy}) {
    EXPECT_EQ(110, t->x);
    EXPECT_EQ(85, t->y);
  }
  EXPECT_TRUE(dlg.INFORMUJ_SA(500, 500, -1)) << "released anywhere";
  EXPECT_EQ(1, dlg.stav);
  EXPECT_FALSE(dlg.INFORMUJ_SA(500, 500, 0));
  EXPECT_EQ(0, dlg.stav);
}

TEST_F(DialogTest, MoveClaimedByAChildDoesNotMoveTheDialog) {
  dlg.INFORMUJ_SA(60, 60, 0);
  dlg.INFORMUJ_SA(60, 60, 1);
  EXPECT_TRUE(dlg.INFORMUJ_SA(105, 85, 0));
  EXPECT_EQ(50, dlg.x);
  EXPECT_EQ(1, prvy.stav);
  EXPECT_EQ(2, dlg.stav);
}

TEST_F(DialogTest, FortyFirstChildIsRefused) {
  CTlac deti[40];
  for (CTlac& t : deti) dlg.PRIDAJ(&t);
  EXPECT_EQ(40, dlg.CHL_pocet);
  EXPECT_EQ(&dlg, deti[37].RODIC);
  EXPECT_EQ(nullptr, deti[38].RODIC);
  EXPECT_EQ(nullptr, deti[39].RODIC);
  dlg.PRIDAJ(nullptr);
  EXPECT_EQ(40, dlg.CHL_pocet);
}

TEST_F(DialogTest, DrawsADarkGreenGroundThenItsChildren) {
  const uint16_t zelena = PLAT_Pack565(0, 100, 0);
  CDas_Surface sheet;
  Nahraj_vzorovu(&sheet, "dlg.bmp");
  prvy.Das_Surface = &sheet;
  druhy.viditelny = 0;
  struct TPripad {
    const char* nazov;
    unsigned char viditelny, podkl_def;
    bool chyba_dc;
    uint16_t podklad;
    bool deti;
  };
  const TPripad tabulka[] = {
      {"normal", 1, 1, false, zelena, true},
      {"no ground", 1, 0, false, 0x1111, true},
      {"no context: no ground", 1, 1, true, 0x1111, true},
      {"invisible", 0, 1, false, 0x1111, false},
  };
  for (const TPripad& c : tabulka) {
    SCOPED_TRACE(c.nazov);
    IDirectDrawSurface* ciel = Povrch(400, 300, 0x1111);
    dlg.viditelny = c.viditelny;
    dlg.podkl_def = c.podkl_def;
    PLAT_FaultClear();
    if (c.chyba_dc) PLAT_FaultSet(PC_GetDC, 0, 1, DDERR_GENERIC);
    dlg.ZOBRAZ(ciel);
    EXPECT_EQ(c.podklad, Px(ciel, 50, 50));
    EXPECT_EQ(c.podklad, Px(ciel, 249, 149));
    EXPECT_EQ(0x1111, Px(ciel, 250, 149));
    EXPECT_EQ(0x1111, Px(ciel, 249, 150));
    EXPECT_EQ(c.deti ? Vzor565(1, 1) : c.podklad, Px(ciel, 100, 80));
    EXPECT_EQ(0, PLAT_GdiLiveObjects()) << "the brush is deleted";
  }
}

TEST_F(DialogTest, InvisibleDialogIgnoresTheMouse) {
  dlg.viditelny = 0;
  EXPECT_FALSE(dlg.INFORMUJ_SA(105, 85, 0));
  EXPECT_EQ(0, prvy.stav);
}

}  // namespace
