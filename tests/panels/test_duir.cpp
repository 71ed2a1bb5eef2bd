// The list panel: its arrows and slider, choosing rows of a scrolled list, entries that come
// and go. At 800 × 600 its rows lie at 172 … 427, its arrows at (605, 172) and (605, 410).
#include "panel_fixture.h"

class Duir : public PanelTest {};

TEST_F(Duir, ArrowsMoveByATenthWhileHeld) {
  CDUIR z;
  Zostav(z, 11);
  const int dole = 415, hore = 177;
  const struct {
    int y, mtlac, pos;
  } kroky[] = {
      {dole, 0, 0}, {dole, 1, 9}, {dole, 0, 18}, {dole, 0, 27}, {dole, -1, 27}, {dole, 0, 27},  // 96 / 10 a step
      {hore, 0, 27}, {hore, 1, 18}, {hore, 0, 9}, {hore, 0, 0}, {hore, 0, 0},
  };
  for (const auto& k : kroky) {
    EXPECT_EQ(z.INFORMUJ_SA(610, k.y, k.mtlac), 1);
    EXPECT_EQ(z.Rol_pos, k.pos) << k.y << " " << k.mtlac;
    EXPECT_EQ(z.posuv_.GP(), k.pos);
  }
}

TEST_F(Duir, SliderDragScrolls) {
  CDUIR z;
  Zostav(z, 9);
  z.INFORMUJ_SA(610, 200, 0);  // grabbed 5, 12 from the knob's corner at (605, 188)
  z.INFORMUJ_SA(610, 200, 1);
  z.INFORMUJ_SA(610, 282, 0);  // knob at 270: 82 of 165 pixels → 32 · 0.497 → 15
  EXPECT_EQ(z.Rol_pos, 15);
  z.INFORMUJ_SA(700, 500, 0);  // past the end of the track, and outside the panel
  EXPECT_EQ(z.Rol_pos, 32);
  EXPECT_EQ(z.posuv_.y, 353);
  z.INFORMUJ_SA(700, 500, -1);
  z.INFORMUJ_SA(610, 100, 0);
  EXPECT_EQ(z.Rol_pos, 32);
}

TEST_F(Duir, PositionIsClampedAndClippedRowsReportTheirEntries) {
  const struct {
    int pos, Rol_pos, prvy_ID, y, vyber;
  } pripady[] = {{-5, 0, 1, 175, 1}, {10, 10, 1, 175, 1}, {10, 10, 1, 425, 9},
                 {10, 10, 1, 194, 2}, {32, 32, 2, 425, 9}, {1000, 32, 2, 175, 2}};
  for (const auto& c : pripady) {
    CDUIR z;
    Zostav(z, 9);
    z.RESET(c.pos);
    EXPECT_EQ(z.Rol_pos, c.Rol_pos) << c.pos;
    EXPECT_EQ(z.VOL[0].ID, c.prvy_ID) << c.pos;
    z.INFORMUJ_SA(300, c.y, 0);
    EXPECT_EQ(z.INFORMUJ_SA(300, c.y, 1), 1);
    int vyber = 0;
    EXPECT_EQ(z.INFORMUJ_MA(&vyber), 1);
    EXPECT_EQ(vyber, c.vyber) << c.pos << " at " << c.y;
  }
}

// Under AddressSanitizer a row pointing at a freed label, or a write off the surface, is caught.
TEST_F(Duir, EntriesComeAndGoWithoutDanglingRows) {
  CDUIR z;
  for (int i = 0; i < 52; i++) z.PRIDAJ("x", i);
  EXPECT_EQ(z.VOLR_pocet, 50);
  z.VYMAZ();
  Zostav(z, 12);
  z.RESET(45);
  for (int i = 0; i < 6; i++) z.ODOBER();
  z.ZOBRAZ();
  for (int i = 0; i < z.VOL_pocet; i++) EXPECT_TRUE(z.VOL[i].ID <= 6 || z.VOL[i].text == nullptr) << i;
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_mod, 0);
  EXPECT_STREQ(z.VOL[5].text, "panoráma 6");
  z.VYMAZ();
  z.ZOBRAZ();
}

TEST_F(Duir, ListLargerThanTheScreenDrawsSafely) {
  Obrazovka(320, 200);
  for (int pocet : {5, 9, 30}) {
    CDUIR z;
    Zostav(z, pocet);
    z.SRF_PTR = Plocha(320, 200, 0);
    for (int pos : {0, 17, 100000}) {
      z.RESET(pos);
      z.ZOBRAZ();
    }
    EXPECT_GE(Atrament(z.SRF_PTR, 0).right, 0) << pocet;
  }
}
