// The option panel: pointer events, the column on small screens, the milky wash with text at
// both depths, and panels reaching past their surface (the golden pictures show the rest).
#include <tuple>

#include "panel_fixture.h"

namespace {
// Two items inside a background of (10, 10)–(200, 100).
void DvePolozky(CDUI& p) {
  p.podkl_rect = RECT{10, 10, 200, 100};
  p.PRIDAJ("prvá", 7, RECT{20, 20, 100, 40}, 0, 0);
  p.PRIDAJ("druhá", 8, RECT{20, 50, 100, 70}, 0, 0);
  p.viditelny = 1;
}
void Podklad(CDUI& p, IDirectDrawSurface* s, int typ, RECT r) {
  p.SRF_PTR = s;
  p.viditelny = 1;
  p.podkl_typ = typ;
  p.podkl_rect = r;
}
}  // namespace

class Dui : public PanelTest {};

TEST_F(Dui, EventsOnInclusiveEdges) {
  const struct { int x, y, mtlac, odpoved, vystup_2, stav, vystup; } pripady[] = {
      {20, 20, 0, 1, 0, 1, 0},    {100, 40, 0, 1, 0, 1, 0},    {101, 40, 0, 1, -1, 0, 0}, {100, 41, 0, 1, -1, 0, 0},
      {200, 100, 0, 1, -1, 0, 0}, {201, 100, 0, 0, -1, 0, 0},  {9, 50, 0, 0, -1, 0, 0},   {30, 60, 1, 1, 1, 2, 8},
      {30, 60, 2, 1, 1, 1, 108},  {30, 60, -1, 1, 1, 0, 0},    {30, 60, 5, 1, 1, 0, 0},
  };
  for (const auto& c : pripady) {
    CDUI p;
    DvePolozky(p);
    const int odpoved = p.INFORMUJ_SA(c.x, c.y, c.mtlac), stav = c.vystup_2 < 0 ? c.stav : p.VOL[c.vystup_2].stav;
    EXPECT_EQ(std::make_tuple(c.odpoved, c.vystup_2, c.stav, c.vystup), std::make_tuple(odpoved, p.vystup_2, stav, p.vystup))
        << c.x << "," << c.y << " " << c.mtlac;
  }
}

TEST_F(Dui, PressedItemKeepsItsLookUntilItsChoiceIsCollected) {
  CDUI p;
  DvePolozky(p);
  p.INFORMUJ_SA(30, 25, 1);
  p.INFORMUJ_SA(31, 26, 0);
  EXPECT_EQ(p.VOL[0].stav, 2);
  p.INFORMUJ_SA(31, 55, 0);  // no other item lights up while a choice waits
  EXPECT_EQ(p.VOL[1].stav, 0);
  EXPECT_EQ(p.INFORMUJ_SA(500, 500, 0), 0);
  int vyber = -5, prva = p.INFORMUJ_MA(&vyber);
  EXPECT_TRUE(prva == 1 && vyber == 7 && p.INFORMUJ_MA(&vyber) == 0);
  p.INFORMUJ_SA(31, 26, 0);
  EXPECT_EQ(p.VOL[0].stav, 1);
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

// Anti-aliased text over the milky wash: a 32-bit drawing reduced to 5-6-5 is the 16-bit one
// within one level a channel (the 16-bit one blends at its own precision).
TEST_F(Dui, MilkyPanelWithTextIsOnePictureAtBothDepths) {
  const uint16_t pod = PLAT_Pack565(100, 200, 40);
  BYTE r0, g0, b0;
  PLAT_Unpack565(pod, &r0, &g0, &b0);
  const uint16_t mlieko = PLAT_Pack565((BYTE)(r0 + 80), 255, (BYTE)(b0 + 80));
  IDirectDrawSurface* s[2];
  for (int i = 0; i < 2; i++) {
    ASSERT_EQ(dd->SetDisplayMode(800, 600, i ? 32 : 16), DD_OK);
    s[i] = Plocha(160, 40, pod);
    CDUI p;
    Podklad(p, s[i], 3, RECT{10, 8, 150, 38});
    p.PRIDAJ("Štrbské pleso", 1, RECT{14, 10, 146, 36}, 0, 2);
    p.ZOBRAZ();
    const RECT r = Atrament(s[i], pod);
    EXPECT_TRUE(r.left == 10 && r.top == 8 && r.right == 149 && r.bottom == 37) << i;
    EXPECT_EQ(At(s[i], 10, 8), mlieko) << i;
  }
  ASSERT_EQ(s[1]->PLAT_Bits(), 32);
  int rozne = 0, pismo = 0;
  for (int y = 0; y < 40; y++)
    for (int x = 0; x < 160; x++) {
      const int a = At(s[0], x, y), b = At(s[1], x, y);
      for (const auto& k : {std::make_pair(0, 31), std::make_pair(5, 63), std::make_pair(11, 31)})
        rozne += std::abs((a >> k.first & k.second) - (b >> k.first & k.second)) > 1;
      pismo += a != pod && a != mlieko;
    }
  EXPECT_GT(pismo, 100) << "the text was drawn";
  EXPECT_EQ(rozne, 0);
}

// Under AddressSanitizer every write outside the surface would be caught.
TEST_F(Dui, PanelsReachingPastTheSurfaceDrawOnlyOnIt) {
  const uint16_t kPod = 0x0400;
  for (const RECT& r : {RECT{-50, -30, 40, 25}, RECT{30, 20, 500, 400}, RECT{-900, -900, -800, -800}, RECT{-5, 50, 70, 51}})
    for (int typ = 1; typ <= 3; typ++) {
      IDirectDrawSurface* s = Plocha(64, 48, kPod);
      CDUI p;
      Podklad(p, s, typ, r);
      p.Select_mod = 3;
      p.PRIDAJ("Dlhý text za okrajom", 1, RECT{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}, -20, 2);
      p.VOL[0].stav = 1 + typ % 2;
      p.ZOBRAZ();
      EXPECT_EQ(At(s, 63, 0) == kPod, r.right <= 63 || r.top > 0 || r.left > 63) << r.left << " " << typ;
    }
}
