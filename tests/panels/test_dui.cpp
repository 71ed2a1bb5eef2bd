// The option panel: items, pointer events, the column layout, backgrounds, sprites, and
// drawing that reaches past its surface.
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

TEST_F(Dui, ItemsCopyTheirLabelsUpToTheCapacity) {
  CDUI p;
  char text[] = "Náhľad";
  p.PRIDAJ(text, 4, RECT{1, 2, 3, 4}, 5, 6);
  text[0] = 'X';
  EXPECT_STREQ(p.VOL[0].text, "Náhľad");
  for (int i = 1; i < 30; i++) p.PRIDAJ2("x", i, 9);
  EXPECT_EQ(p.VOL_pocet, 25);
  EXPECT_EQ(p.VOL[24].ID, 24);
  EXPECT_EQ(p.VOL[24].icon, 9);
  p.ODOBER();
  EXPECT_EQ(p.VOL_pocet, 24);
  p.VYMAZ();
  p.ODOBER();
  EXPECT_EQ(p.VOL_pocet, 0);
}

TEST_F(Dui, PanelDeletesOnlyTheObjectsItCreated) {
  const int pred = PLAT_GdiLiveObjects();
  HBRUSH stetec = CreateSolidBrush(RGB(60, 60, 255));
  HPEN pero = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  {
    CDUI p1, p2;
    EXPECT_EQ(PLAT_GdiLiveObjects(), pred + 4);  // one grey pen each
    p1.stet_vybr = p2.stet_aktiv = p2.stet_podkl = stetec;
    p1.pero_ram_sed = pero;
  }
  EXPECT_EQ(PLAT_GdiLiveObjects(), pred + 2);
  DeleteObject(stetec);
  DeleteObject(pero);
  EXPECT_EQ(PLAT_GdiLiveObjects(), pred);
}

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

TEST_F(Dui, WhiteAndMilkyBackgrounds) {
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

TEST_F(Dui, IconModesPlaceTheSpriteInsideTheClipBounds) {
  CDas_Surface harok;
  harok.SURFACE = Plocha(12, 10, PLAT_Pack565(255, 255, 0));
  harok.srf_sir = 12;
  harok.srf_vys = 10;
  CIcon ikona[1];
  ikona[0].Das_Surface = &harok;
  ikona[0].EVIDUJ_CS();  // 10 × 8 drawn, SIR 12, VYS 10
  // Item corner (40, 30), sprite offset (5, 6): reference point (45, 36).
  const struct {
    int mod, HH, x, y, vys;  // x < 0: nothing drawn
  } pripady[] = {{1, 0, 45, 36, 8}, {2, 0, 39, 31, 8}, {3, 0, 45, 31, 8}, {4, 0, 33, 31, 8},
                 {0, 0, -1, 0, 0},  {5, 0, -1, 0, 0},  {1, 40, 45, 40, 4}};
  for (const auto& c : pripady) {
    IDirectDrawSurface* s = Plocha(200, 120, kPod);
    CDUI p;
    p.SRF_PTR = s;
    p.viditelny = 1;
    p.ICON = ikona;
    p.ICON_pocet = 1;
    p.Icon_mod = c.mod;
    p.LH = 0;
    p.PH = 200;
    p.HH = c.HH;
    p.DH = 120;
    p.Text_mod = 0;
    p.PRIDAJ2("", 1, 0);
    p.PRIDAJ2("", 2, 1);  // beyond the array: not drawn
    p.VOL[0].rect = p.VOL[1].rect = RECT{40, 30, 140, 60};
    p.VOL[0].ix = p.VOL[1].ix = 5;
    p.VOL[0].iy = p.VOL[1].iy = 6;
    p.ZOBRAZ();
    const RECT r = Atrament(s, kPod);
    if (c.x < 0) {
      EXPECT_LT(r.right, 0) << c.mod;
      continue;
    }
    EXPECT_EQ(r.left, c.x) << c.mod;
    EXPECT_EQ(r.top, c.y) << c.mod;
    EXPECT_EQ(r.right, c.x + 9) << c.mod;
    EXPECT_EQ(r.bottom, c.y + c.vys - 1) << c.mod;
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
