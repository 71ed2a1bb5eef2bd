// The option panel: pointer events, the column on small screens, the milky wash with text at
// both depths (the golden pictures show the rest).
#include "panel_fixture.h"

class Dui : public PanelTest {};

// One panel through a run of events: hover and press on the inclusive edges of the background
// (10, 10)–(200, 100) and its two items; a pressed item keeps its look, and no other lights up,
// until its choice is collected (`volba`: collected after the event, 0 none; −1: not collected).
TEST_F(Dui, PointerEvents) {
  CDUI p;
  p.podkl_rect = RECT{10, 10, 200, 100};
  p.PRIDAJ("prvá", 7, RECT{20, 20, 100, 40}, 0, 0);
  p.PRIDAJ("druhá", 8, RECT{20, 50, 100, 70}, 0, 0);
  p.viditelny = 1;
  const struct { int x, y, mtlac, odpoved, vystup_2, stav0, stav1, volba; } kroky[] = {
      {20, 20, 0, 1, 0, 1, 0, 0},     {100, 40, 0, 1, 0, 1, 0, 0},   {101, 40, 0, 1, -1, 0, 0, 0},
      {100, 41, 0, 1, -1, 0, 0, 0},   {200, 100, 0, 1, -1, 0, 0, 0}, {201, 100, 0, 0, -1, 0, 0, 0},
      {9, 50, 0, 0, -1, 0, 0, 0},     {30, 60, 2, 1, 1, 0, 1, 108},  {30, 60, -1, 1, 1, 0, 0, 0},
      {30, 60, 5, 1, 1, 0, 0, 0},     {30, 60, 1, 1, 1, 0, 2, -1},   {31, 61, 0, 1, 1, 0, 2, -1},
      {31, 25, 0, 1, 0, 0, 0, -1},    {500, 500, 0, 0, -1, 0, 0, 8}, {31, 25, 0, 1, 0, 1, 0, 0},
  };
  for (const auto& k : kroky) {
    const int odpoved = p.INFORMUJ_SA(k.x, k.y, k.mtlac);
    int volba = 0;
    if (k.volba >= 0) p.INFORMUJ_MA(&volba);
    EXPECT_EQ(std::make_tuple(k.odpoved, k.vystup_2, k.stav0, k.stav1, k.volba),
              std::make_tuple(odpoved, p.vystup_2, p.VOL[0].stav, p.VOL[1].stav, k.volba < 0 ? -1 : volba))
        << k.x << "," << k.y << " " << k.mtlac;
  }
}

TEST_F(Dui, CentredColumnDropsItemsThatWouldStartAboveTheScreen) {
  const struct { int vys, x, y, ostane; } pripady[] = {{200, 65, 10, 5}, {120, 65, 2, 3}, {20, 0, 0, 0}};  // at 200 the top would be -6
  for (const auto& c : pripady) {
    Obrazovka(320, c.vys);
    CDUI p;
    for (int i = 0; i < 6; i++) p.PRIDAJ("x", 1);
    p.a = 30, p.b = 32, p.c = 170, p.d = 10;
    p.RESET_GEOMETRIE(2);
    ASSERT_EQ(p.VOL_pocet, c.ostane) << c.vys;
    EXPECT_TRUE(c.ostane == 0 || (p.podkl_rect.left == c.x && p.podkl_rect.top == c.y)) << c.vys;
  }
}

// Anti-aliased text over the milky wash (80 added to each channel, green saturating): a 32-bit
// drawing reduced to 5-6-5 is the 16-bit one within one level a channel.
TEST_F(Dui, MilkyPanelWithTextIsOnePictureAtBothDepths) {
  const uint16_t pod = PLAT_Pack565(0, 200, 0), mlieko = PLAT_Pack565(80, 255, 80);
  IDirectDrawSurface* s[2];
  for (int i = 0; i < 2; i++) {
    ASSERT_EQ(dd->SetDisplayMode(800, 600, i ? 32 : 16), DD_OK);
    CDUI p;
    p.SRF_PTR = s[i] = Plocha(160, 40, pod);
    p.viditelny = 1, p.podkl_typ = 3, p.podkl_rect = RECT{10, 8, 150, 38};
    p.PRIDAJ("Štrbské pleso", 1, RECT{14, 10, 146, 36}, 0, 2);
    p.ZOBRAZ();
    // The wash covers (10, 8)–(149, 37) and no more.
    for (const auto& [x, y, dnu] : {std::tuple{10, 8, 1}, {149, 37, 1}, {9, 8, 0}, {10, 7, 0}, {150, 37, 0}, {149, 38, 0}})
      EXPECT_EQ(At(s[i], x, y), dnu ? mlieko : pod) << i << " at " << x << "," << y;
    ASSERT_EQ(s[i]->PLAT_Bits(), i ? 32 : 16);
  }
  int rozne = 0, pismo = 0;
  for (int i = 0; i < 160 * 40; i++) {
    const int a = At(s[0], i % 160, i / 160), b = At(s[1], i % 160, i / 160);
    for (int k : {0, 5, 11}) rozne += std::abs((a >> k & (k == 5 ? 63 : 31)) - (b >> k & (k == 5 ? 63 : 31))) > 1;
    pismo += a != pod && a != mlieko;
  }
  EXPECT_GT(pismo, 100) << "the text was drawn";
  EXPECT_EQ(rozne, 0);
}
