// Scrolling the list with its slider and arrows, and choosing rows of a scrolled list.
#include "list_fixture.h"

namespace {
const int HH = 172, DH = 427;
const int kDole_x = 610, kDole_y = 415;  // on the down arrow at (605, 410)
const int kHore_x = 610, kHore_y = 177;  // on the up arrow at (605, 172)
}  // namespace

class DuirEvents : public ListTest {};

TEST_F(DuirEvents, ArrowEventsMoveByATenth) {
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  struct {
    int x, y, mtlac, pos;
  } const kroky[] = {
      {kDole_x, kDole_y, 0, 0},    // over the arrow
      {kDole_x, kDole_y, 1, 3},    // pressed: Rol_max 32 / 10 = 3 pixels
      {kDole_x, kDole_y, 0, 6},    // every event while held moves again
      {kDole_x + 1, kDole_y, 0, 9},
      {kDole_x, kDole_y, -1, 9},   // released
      {kDole_x, kDole_y, 0, 9},
      {kHore_x, kHore_y, 0, 9},
      {kHore_x, kHore_y, 1, 6},
      {kHore_x, kHore_y, 0, 3},
      {kHore_x, kHore_y, 0, 0},
      {kHore_x, kHore_y, 0, 0},    // clamped at the top
      {kHore_x, kHore_y, -1, 0},
  };
  for (const auto& k : kroky) {
    EXPECT_EQ(z.INFORMUJ_SA(k.x, k.y, k.mtlac), 1);
    EXPECT_EQ(z.Rol_pos, k.pos) << k.x << "," << k.y << " " << k.mtlac;
    EXPECT_EQ(z.posuv_.GP(), k.pos);
  }
}

TEST_F(DuirEvents, SliderDragScrolls) {
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  // Grabbed 5, 12 from the knob's corner at (605, 188), below the up arrow's hit box.
  z.INFORMUJ_SA(610, 200, 0);
  z.INFORMUJ_SA(610, 200, 1);
  EXPECT_EQ(z.Rol_pos, 0);
  z.INFORMUJ_SA(610, 282, 0);  // knob at 270: 82 of 165 pixels → 32 · 0.497 → 15
  EXPECT_EQ(z.Rol_pos, 15);
  EXPECT_EQ(z.VOL_pocet, 9);
  z.INFORMUJ_SA(700, 500, 0);  // past the end of the track, and outside the panel
  EXPECT_EQ(z.Rol_pos, 32);
  EXPECT_EQ(z.posuv_.y, 353);
  z.INFORMUJ_SA(700, 500, -1);
  z.INFORMUJ_SA(610, 100, 0);
  EXPECT_EQ(z.Rol_pos, 32);
}

TEST_F(DuirEvents, ChoiceOnAClippedRowReportsItsEntry) {
  struct {
    int y, ID;
  } const pripady[] = {{HH + 3, 1}, {DH - 2, 9}, {HH + 22, 2}};
  for (const auto& c : pripady) {
    CDUIR z;
    Zostav(z, 9);
    z.RESET_GEOMETRIER();
    z.RESET(10);
    z.INFORMUJ_SA(300, c.y, 0);
    EXPECT_EQ(z.INFORMUJ_SA(300, c.y, 1), 1);
    int vyber = 0;
    EXPECT_EQ(z.INFORMUJ_MA(&vyber), 1);
    EXPECT_EQ(vyber, c.ID) << c.y;
  }
}

TEST_F(DuirEvents, ScrollingClearsHighlights) {
  CDUIR z;
  Zostav(z, 12);
  z.RESET_GEOMETRIER();
  z.INFORMUJ_SA(300, HH + 40, 0);
  ASSERT_EQ(z.VOL[1].stav, 1);
  z.RESET(5);
  for (int i = 0; i < z.VOL_pocet; i++) EXPECT_EQ(z.VOL[i].stav, 0);
  z.INFORMUJ_SA(300, HH + 40, 0);
  EXPECT_EQ(z.VOL[1].stav, 1);
}

TEST_F(DuirEvents, HiddenOrDisabledListIgnoresEvents) {
  for (int pripad = 0; pripad < 2; pripad++) {
    CDUIR z;
    Zostav(z, 9);
    z.RESET_GEOMETRIER();
    if (pripad == 0) z.viditelny = 0;
    if (pripad == 1) z.disablovany = 1;
    EXPECT_EQ(z.INFORMUJ_SA(kDole_x, kDole_y, 0), 0);
    EXPECT_EQ(z.INFORMUJ_SA(kDole_x, kDole_y, 1), 0);
    EXPECT_EQ(z.tlacB_.stav, 0);
    EXPECT_EQ(z.Rol_pos, 0);
  }
}
