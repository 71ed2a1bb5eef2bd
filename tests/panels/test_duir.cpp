// The list panel: scrolling with its arrows and slider, choosing rows of a scrolled list,
// and entries that come and go.
#include "panel_fixture.h"

namespace {
// At 800 × 600 the viewer's list has its row area at rows 172 … 427, its arrows at
// (605, 172) and (605, 410).
const int HH = 172, DH = 427;
const int kSip_x = 610, kDole_y = 415, kHore_y = 177;
}  // namespace

class Duir : public PanelTest {};

TEST_F(Duir, ArrowsMoveByATenthWhileHeld) {
  CDUIR z;
  Zostav(z, 11);
  const struct {
    int y, mtlac, pos;
  } kroky[] = {
      {kDole_y, 0, 0}, {kDole_y, 1, 9},  // pressed: Rol_max 96 / 10 = 9 pixels
      {kDole_y, 0, 18}, {kDole_y, 0, 27}, {kDole_y, -1, 27}, {kDole_y, 0, 27},
      {kHore_y, 0, 27}, {kHore_y, 1, 18}, {kHore_y, 0, 9}, {kHore_y, 0, 0}, {kHore_y, 0, 0},  // clamped at the top
  };
  for (const auto& k : kroky) {
    EXPECT_EQ(z.INFORMUJ_SA(kSip_x, k.y, k.mtlac), 1);
    EXPECT_EQ(z.Rol_pos, k.pos) << k.y << " " << k.mtlac;
    EXPECT_EQ(z.posuv_.GP(), k.pos);
  }
}

TEST_F(Duir, SliderDragScrolls) {
  CDUIR z;
  Zostav(z, 9);
  // Grabbed 5, 12 from the knob's corner at (605, 188).
  z.INFORMUJ_SA(610, 200, 0);
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
  } pripady[] = {{-5, 0, 1, HH + 3, 1}, {10, 10, 1, HH + 3, 1}, {10, 10, 1, DH - 2, 9},
                 {10, 10, 1, HH + 22, 2}, {32, 32, 2, DH - 2, 9}, {1000, 32, 2, HH + 3, 2}};
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

TEST_F(Duir, EntriesComeAndGoWithoutDanglingRows) {
  // Under AddressSanitizer a row pointing at a freed label would be caught drawing.
  CDUIR z;
  for (int i = 0; i < 52; i++) z.PRIDAJ("x", i);
  EXPECT_EQ(z.VOLR_pocet, 50);
  z.VYMAZ();
  Zostav(z, 12);
  z.RESET(45);
  for (int i = 0; i < 6; i++) z.ODOBER();
  z.ZOBRAZ();
  for (int i = 0; i < z.VOL_pocet; i++) {
    if (z.VOL[i].ID > 6) {
      EXPECT_EQ(z.VOL[i].text, nullptr) << i;
    }
  }
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_mod, 0);
  EXPECT_STREQ(z.VOL[5].text, "panoráma 6");
  z.VYMAZ();
  z.ZOBRAZ();
}

TEST_F(Duir, ListLargerThanTheScreenDrawsSafely) {
  Obrazovka(320, 200);
  for (int pocet : {5, 9, 30}) {
    IDirectDrawSurface* maly = Plocha(320, 200, 0);
    CDUIR z;
    Zostav(z, pocet);
    z.SRF_PTR = maly;
    for (int pos : {0, 17, 100000}) {
      z.RESET(pos);
      z.ZOBRAZ();
    }
    EXPECT_GE(Atrament(maly, 0).right, 0) << pocet;
  }
}
