// The option panel: pointer events, the column layout, backgrounds, and drawing that
// reaches past its surface (items with sprites are in the golden list).
#include "panel_fixture.h"

namespace {

const uint16_t kPod = 0x0400;  // dark green under the panel

// Two items with explicit rectangles inside a background of (10, 10)–(200, 100).
void DvePolozky(CDUI& p) {
  p.podkl_rect = RECT{10, 10, 200, 100};
  p.PRIDAJ("prvá", 7, RECT{20, 20, 100, 40}, 0, 0);
  p.PRIDAJ("druhá", 8, RECT{20, 50, 100, 70}, 0, 0);
  p.viditelny = 1;
}

}  // namespace

class Dui : public PanelTest {};

TEST_F(Dui, EventsOnInclusiveEdges) {
  const struct {
    int x, y, mtlac;
    unsigned char odpoved;
    int vystup_2, stav, vystup;
  } pripady[] = {
      {20, 20, 0, 1, 0, 1, 0},     {100, 40, 0, 1, 0, 1, 0},    // all four item bounds count
      {101, 40, 0, 1, -1, 0, 0},   {100, 41, 0, 1, -1, 0, 0},   // beside: the panel, no item
      {200, 100, 0, 1, -1, 0, 0},  {201, 100, 0, 0, -1, 0, 0},  {9, 50, 0, 0, -1, 0, 0},
      {30, 60, 1, 1, 1, 2, 8},     {30, 60, 2, 1, 1, 1, 108},   {30, 60, -1, 1, 1, 0, 0},
      {30, 60, 5, 1, 1, 0, 0},
  };
  for (const auto& c : pripady) {
    CDUI p;
    DvePolozky(p);
    EXPECT_EQ(p.INFORMUJ_SA(c.x, c.y, c.mtlac), c.odpoved) << c.x << "," << c.y << " " << c.mtlac;
    EXPECT_EQ(p.vystup_2, c.vystup_2) << c.x << "," << c.y << " " << c.mtlac;
    EXPECT_EQ(p.vystup, c.vystup) << c.x << "," << c.y << " " << c.mtlac;
    if (c.vystup_2 >= 0) {
      EXPECT_EQ(p.VOL[c.vystup_2].stav, c.stav) << c.x << "," << c.y << " " << c.mtlac;
    }
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
  EXPECT_EQ(p.vystup_2, -1);
  int vyber = -5;
  EXPECT_EQ(p.INFORMUJ_MA(&vyber), 1);
  EXPECT_EQ(vyber, 7);
  EXPECT_EQ(p.INFORMUJ_MA(&vyber), 0);
  p.INFORMUJ_SA(31, 26, 0);
  EXPECT_EQ(p.VOL[0].stav, 1);
  // Hidden, disabled or displaced.
  p.disablovany = 1;
  EXPECT_EQ(p.INFORMUJ_SA(30, 55, 1), 0);
  p.disablovany = 0;
  p.Pmod = 1;
  p.Px = 300;
  p.Py = 5;
  EXPECT_EQ(p.INFORMUJ_SA(30, 25, 1), 0);
  EXPECT_EQ(p.INFORMUJ_SA(330, 60, 1), 1);
  EXPECT_EQ(p.vystup, 8);
}

TEST_F(Dui, CentredColumnDropsItemsThatWouldStartAboveTheScreen) {
  const char* const rozlisenia[] = {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024", "<Zavriet>"};
  const char* const sita[] = {"10 x 10", "15 x 15", "20 x 20", "25 x 25", "40 x 40", "<Zavriet>"};
  const struct {
    int sir, vys;
    const char* const* texty;
    int pocet, c, x, y, ostane, tx0;
  } pripady[] = {
      {800, 600, rozlisenia, 5, 170, 305, 210, 5, 40},  // x = 400 - 85 - 10, y = 300 - 80 - 10
      {800, 600, sita, 6, 140, 320, 194, 6, 35},
      {320, 200, sita, 6, 170, 65, 10, 5, 50},  // y would be -6: the last item goes
      {320, 120, sita, 6, 170, 65, 2, 3, 50},
      {320, 20, sita, 6, 170, 0, 0, 0, 0},
  };
  for (const auto& c : pripady) {
    Obrazovka(c.sir, c.vys);
    CDUI p;
    p.font_sir = 10;
    for (int i = 0; i < c.pocet; i++) p.PRIDAJ(c.texty[i], i + 1);
    p.a = 30;
    p.b = 32;
    p.c = c.c;
    p.d = 10;
    p.e = 6;
    p.RESET_GEOMETRIE(2);
    ASSERT_EQ(p.VOL_pocet, c.ostane) << c.vys;
    if (c.ostane == 0) continue;
    EXPECT_EQ(p.podkl_rect.left, c.x);
    EXPECT_EQ(p.podkl_rect.top, c.y);
    EXPECT_EQ(p.podkl_rect.right, c.x + c.c + 20);
    for (int i = 0; i < c.ostane; i++) {
      const RECT& r = p.VOL[i].rect;
      EXPECT_EQ(r.left, c.x + 10);
      EXPECT_EQ(r.top, c.y + 10 + 32 * i);
      EXPECT_EQ(r.bottom, c.y + 40 + 32 * i);
    }
    EXPECT_EQ(p.VOL[0].tx, c.tx0);
    EXPECT_EQ(p.VOL[0].ty, 6);
  }
}

class DuiDepth : public PanelDepthTest {};

TEST_P(DuiDepth, WhiteAndMilkyBackgrounds) {
  const uint16_t pod = PLAT_Pack565(100, 200, 40);
  BYTE r0, g0, b0;
  PLAT_Unpack565(pod, &r0, &g0, &b0);
  const struct {
    int typ;
    uint16_t vnutri;
  } pripady[] = {{2, 0xFFFF}, {3, PLAT_Pack565((BYTE)(r0 + 80), 255, (BYTE)(b0 + 80))}};
  for (const auto& c : pripady) {
    IDirectDrawSurface* s = Plocha(64, 40, pod);
    CDUI p;
    p.SRF_PTR = s;
    p.viditelny = 1;
    p.podkl_typ = c.typ;
    p.podkl_rect = RECT{10, 8, 50, 30};
    p.ZOBRAZ();
    const RECT r = Atrament(s, pod);
    EXPECT_EQ(Bod(s, 10, 8), c.vnutri) << c.typ;
    EXPECT_EQ(Bod(s, 49, 29), c.vnutri) << c.typ;
    EXPECT_TRUE(r.left == 10 && r.top == 8 && r.right == 49 && r.bottom == 29) << c.typ;
  }
}

TEST_F(Dui, PanelsReachingPastTheSurfaceDrawOnlyOnIt) {
  // Under AddressSanitizer every write outside the surface would be caught.
  const RECT pripady[] = {{-50, -30, 40, 25}, {30, 20, 500, 400}, {-900, -900, -800, -800}, {-5, 50, 70, 51}};
  for (const RECT& r : pripady)
    for (int typ = 1; typ <= 3; typ++) {
      IDirectDrawSurface* s = Plocha(64, 48, kPod);
      CDUI p;
      p.SRF_PTR = s;
      p.viditelny = 1;
      p.podkl_typ = typ;
      p.podkl_rect = r;
      p.Select_mod = 3;
      p.PRIDAJ("Dlhý text za okrajom", 1, RECT{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}, -20, 2);
      p.VOL[0].stav = 1 + typ % 2;
      p.ZOBRAZ();
      EXPECT_EQ(Bod(s, 63, 0) == kPod, r.right <= 63 || r.top > 0 || r.left > 63) << r.left << " " << typ;
    }
}

INSTANTIATE_TEST_SUITE_P(Depths, DuiDepth, ::testing::Values(16, 32));

// Anti-aliased text over the milky wash: on a 32-bit surface, reduced to 5-6-5, it is the text
// of a 16-bit surface within one level a channel (the 16-bit one blends at its own precision).
TEST_F(Dui, TextOnBothDepthsIsOnePicture) {
  IDirectDrawSurface* s[2];
  for (int i = 0; i < 2; i++) {
    ASSERT_EQ(dd_->SetDisplayMode(800, 600, i ? 32 : 16), DD_OK);
    s[i] = Plocha(160, 40, PLAT_Pack565(90, 120, 200));
    CDUI p;
    p.SRF_PTR = s[i];
    p.viditelny = 1;
    p.podkl_typ = 3;
    p.podkl_rect = RECT{0, 0, 160, 40};
    p.PRIDAJ("Štrbské pleso", 1, RECT{4, 4, 156, 36}, 0, 2);
    p.ZOBRAZ();
  }
  ASSERT_EQ(s[1]->PLAT_Bits(), 32);
  int rozne = 0, pismo = 0;
  for (int y = 0; y < 40; y++)
    for (int x = 0; x < 160; x++) {
      const int a = Bod(s[0], x, y), b = Bod(s[1], x, y);
      for (const auto& k : {std::make_pair(0, 31), std::make_pair(5, 63), std::make_pair(11, 31)})
        rozne += std::abs((a >> k.first & k.second) - (b >> k.first & k.second)) > 1;
      pismo += Bod(s[0], x, y) != Bod(s[0], 0, 0);
    }
  EXPECT_GT(pismo, 100) << "the text was drawn";
  EXPECT_EQ(rozne, 0);
}
