// The list panel: its arrows and slider, choosing rows of a scrolled list, entries that come
// and go. At 800 × 600 its rows lie at 172 … 427, its arrows at (605, 172) and (605, 410).
#include "panel_fixture.h"

class Duir : public PanelTest {};

// The arrows move the list by a tenth of its travel (96) while held; then the slider's knob,
// grabbed 5, 12 from its corner at (605, 188), is dragged to 270: 82 of 165 pixels → 47.
TEST_F(Duir, ArrowsAndSliderScroll) {
  CDUIR z;
  Zostav(z, 11);
  const int dole = 415, hore = 177;
  const struct { int x, y, mtlac, pos; } kroky[] = {
      {610, dole, 0, 0},  {610, dole, 1, 9},  {610, dole, 0, 18}, {610, dole, 0, 27}, {610, dole, -1, 27},
      {610, dole, 0, 27}, {610, hore, 0, 27}, {610, hore, 1, 18}, {610, hore, 0, 9},  {610, hore, 0, 0},
      {610, hore, 0, 0},  {610, hore, -1, 0}, {610, 200, 0, 0},   {610, 200, 1, 0},   {610, 282, 0, 47},
      {700, 500, 0, 96},  {700, 500, -1, 96}, {610, 100, 0, 96},  // past the track's end, then released
  };
  for (const auto& k : kroky) {
    z.INFORMUJ_SA(k.x, k.y, k.mtlac);
    EXPECT_EQ(std::make_pair(z.Rol_pos, z.posuv_.GP()), std::make_pair(k.pos, k.pos)) << k.x << "," << k.y << " " << k.mtlac;
  }
  EXPECT_EQ(z.posuv_.y, 353);
}

TEST_F(Duir, PositionIsClampedAndClippedRowsReportTheirEntries) {
  const struct { int pos, Rol_pos, prvy_ID, y, vyber; } pripady[] = {
      {-5, 0, 1, 175, 1}, {10, 10, 1, 175, 1}, {10, 10, 1, 425, 9}, {10, 10, 1, 194, 2}, {32, 32, 2, 425, 9}, {1000, 32, 2, 175, 2}};
  for (const auto& c : pripady) {
    CDUIR z;
    Zostav(z, 9);
    z.RESET(c.pos);
    int vyber = 0, stlacene = z.INFORMUJ_SA(300, c.y, 1), zvolene = z.INFORMUJ_MA(&vyber);
    EXPECT_EQ(std::make_tuple(c.Rol_pos, c.prvy_ID, 1, 1, c.vyber), std::make_tuple(z.Rol_pos, z.VOL[0].ID, stlacene, zvolene, vyber))
        << c.pos << " at " << c.y;
  }
}

// Rows still showing a removed entry let go of its label (drawing them then skips it); the list
// holds at most 50 entries.
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
}
