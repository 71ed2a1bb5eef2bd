// Layout of the option panel: the top bar and the centred column with the viewer's menus.
#include "panel_fixture.h"
#include "panels/dui.h"

namespace {

const char* const kRozlisenia[] = {"640 x 480", "800 x 600", "1024 x 768", "1280 x 1024", "<Zavriet>"};
const char* const kSita[] = {"10 x 10", "15 x 15", "20 x 20", "25 x 25", "40 x 40", "<Zavriet>"};

// Dressed as the viewer's menus: font cell 10, a = 30, b = 32, d = 10, e = 6.
void Menu(CDUI& p, const char* const* texty, int pocet, int c) {
  p.font_sir = 10;
  for (int i = 0; i < pocet; i++) p.PRIDAJ(texty[i], i + 1);
  p.a = 30;
  p.b = 32;
  p.c = c;
  p.d = 10;
  p.e = 6;
}

}  // namespace

class DuiLayout : public PanelTest {};

TEST_F(DuiLayout, DefaultsOfANewPanel) {
  CDUI p;
  EXPECT_EQ(p.vystup, 0);
  EXPECT_EQ(p.vystup_2, -1);
  EXPECT_EQ(p.viditelny, 0);
  EXPECT_EQ(p.disablovany, 0);
  EXPECT_EQ(p.SRF_PTR, nullptr);
  EXPECT_EQ(p.podkl_typ, 0);
  ExpectRect(p.podkl_rect, 0, 0, 100, 100);
  EXPECT_EQ(p.stet_vybr, GetStockObject(GRAY_BRUSH));
  EXPECT_EQ(p.stet_aktiv, GetStockObject(DKGRAY_BRUSH));
  EXPECT_EQ(p.stet_podkl, GetStockObject(WHITE_BRUSH));
  EXPECT_EQ(p.font_hnd, GetStockObject(SYSTEM_FONT));
  ASSERT_NE(p.pero_ram_sed, nullptr);
  EXPECT_EQ(p.pero_ram_sed->color, RGB(80, 80, 80));
  EXPECT_EQ(p.pero_ram_sed->width, 1);
  EXPECT_EQ(p.font_sir, 15);
  EXPECT_EQ(p.font_vys, 15);
  EXPECT_EQ(p.VOL_pocet, 0);
  EXPECT_EQ(p.ICON, nullptr);
  EXPECT_EQ(p.O_sir, 5);
  EXPECT_EQ(p.O_vys, 5);
  EXPECT_EQ(p.Select_mod, 1);
  EXPECT_EQ(p.Text_mod, 2);
  EXPECT_EQ(p.Icon_mod, 0);
  EXPECT_EQ(p.e + p.f + p.g + p.h + p.tr_x + p.tr_y + p.ta_x + p.ta_y + p.Pmod + p.Px + p.Py, 0);
  EXPECT_EQ(p.Z_mod + p.Z_sir + p.Z_vys + p.O_mod, 0);
}

TEST_F(DuiLayout, ViewerMenusAt800x600) {
  struct {
    const char* const* texty;
    int pocet, c;
    RECT podkl;
    int LH, HH, PH, DH;
    int tx0;
  } const pripady[] = {
      // 5 items: x = 400 - 85 - 10, y = 300 - 80 - 10; the background ends d below the last item.
      {kRozlisenia, 5, 170, {305, 210, 495, 388}, 315, 220, 485, 378, 40},
      // 6 items: x = 400 - 70 - 10, y = 300 - 96 - 10.
      {kSita, 6, 140, {320, 194, 480, 404}, 330, 204, 470, 394, 35},
  };
  for (const auto& c : pripady) {
    CDUI p;
    Menu(p, c.texty, c.pocet, c.c);
    p.RESET_GEOMETRIE(2);
    ASSERT_EQ(p.VOL_pocet, c.pocet);
    ExpectRect(p.podkl_rect, c.podkl.left, c.podkl.top, c.podkl.right, c.podkl.bottom);
    EXPECT_EQ(p.LH, c.LH);
    EXPECT_EQ(p.HH, c.HH);
    EXPECT_EQ(p.PH, c.PH);
    EXPECT_EQ(p.DH, c.DH);
    for (int i = 0; i < c.pocet; i++) ExpectRect(p.VOL[i].rect, c.LH, c.HH + 32 * i, c.PH, c.HH + 32 * i + 30);
    EXPECT_EQ(p.VOL[0].tx, c.tx0);
    EXPECT_EQ(p.VOL[0].ty, 6);
    EXPECT_EQ(p.VOL[c.pocet - 1].rect.bottom, c.DH);
  }
}

TEST_F(DuiLayout, CentredTextOffsetIsTheSignedHalfDifference) {
  struct {
    const char* text;
    int tx;
  } const pripady[] = {
      {"1280 x 1024", 30},     // 11 characters
      {"", 85},                // nothing to centre
      {"Žltý kôň", 45},        // 8 characters in 11 bytes
      {"abcdefghijklmnopqrs", -10},  // 19 characters overhang by 20
      {"abcdefghijklmnopqr", -5},
  };
  for (const auto& c : pripady) {
    CDUI p;
    Menu(p, &c.text, 1, 170);
    p.RESET_GEOMETRIE(2);
    EXPECT_EQ(p.VOL[0].tx, c.tx) << c.text;
  }
}

TEST_F(DuiLayout, ColumnDropsItemsThatWouldStartAboveTheScreen) {
  struct {
    int sir, vys, pocet, ostane, x, y;
  } const pripady[] = {
      {320, 200, 5, 5, 65, 10},   // fits: y = 100 - 80 - 10
      {320, 200, 6, 5, 65, 10},   // y would be -6: the last item ("<Zavriet>") goes
      {320, 120, 6, 3, 65, 2},    // 60 - 48 - 10
      {320, 20, 6, 0, 65, 0},     // even an empty column starts above: all go
  };
  for (const auto& c : pripady) {
    Obrazovka(c.sir, c.vys);
    CDUI p;
    Menu(p, kSita, c.pocet, 170);
    p.RESET_GEOMETRIE(2);
    EXPECT_EQ(p.VOL_pocet, c.ostane);
    if (c.ostane > 0) {
      EXPECT_EQ(p.podkl_rect.left, c.x);
      EXPECT_EQ(p.podkl_rect.top, c.y);
    }
    EXPECT_STREQ(p.VOL[0].text, c.ostane > 0 ? "10 x 10" : nullptr);
  }
}

TEST_F(DuiLayout, ShiftAndAbsolutePosition) {
  struct {
    int tr_x, tr_y, ta_x, ta_y, x, y;
  } const pripady[] = {
      {0, 0, 0, 0, 305, 210},
      {7, -5, 0, 0, 312, 205},
      {7, -5, 12, 0, 12, 205},   // the absolute corner wins over the shift
      {0, 0, 0, 40, 305, 40},
  };
  for (const auto& c : pripady) {
    CDUI p;
    Menu(p, kRozlisenia, 5, 170);
    p.tr_x = c.tr_x;
    p.tr_y = c.tr_y;
    p.ta_x = c.ta_x;
    p.ta_y = c.ta_y;
    p.RESET_GEOMETRIE(2);
    EXPECT_EQ(p.podkl_rect.left, c.x);
    EXPECT_EQ(p.podkl_rect.top, c.y);
    EXPECT_EQ(p.VOL[0].rect.left, c.x + 10);
    EXPECT_EQ(p.VOL[0].rect.top, c.y + 10);
  }
}

TEST_F(DuiLayout, TextAndIconPlacementModes) {
  CDUI p;
  Menu(p, kRozlisenia, 2, 170);
  p.f = 11;
  p.g = 3;
  p.h = 4;
  p.VOL[1].tx = 77;
  p.Text_mod = 1;
  p.Icon_mod = 1;
  p.RESET_GEOMETRIE(2);
  EXPECT_EQ(p.VOL[1].tx, 11);
  EXPECT_EQ(p.VOL[1].ty, 6);
  EXPECT_EQ(p.VOL[1].ix, 3);
  EXPECT_EQ(p.VOL[1].iy, 4);

  CDUI q;
  Menu(q, kRozlisenia, 2, 170);
  q.VOL[1].tx = 77;
  q.VOL[1].ty = 78;
  q.Text_mod = 0;
  q.RESET_GEOMETRIE(2);
  EXPECT_EQ(q.VOL[1].tx, 77);
  EXPECT_EQ(q.VOL[1].ty, 78);
  EXPECT_EQ(q.VOL[1].ix, 0);
}

TEST_F(DuiLayout, HorizontalBar) {
  CDUI p;
  p.font_sir = 10;
  p.PRIDAJ("Súbor", 1);  // 5 characters in 6 bytes
  p.PRIDAJ("", 2);
  p.PRIDAJ("AB", 3);
  p.a = 20;
  p.d = 4;
  p.e = 3;
  p.f = 5;
  p.LH = 9;
  p.RESET_GEOMETRIE(1);
  ExpectRect(p.podkl_rect, 1, 1, 799, 28);
  ExpectRect(p.VOL[0].rect, 5, 4, 65, 24);
  ExpectRect(p.VOL[1].rect, 69, 4, 79, 24);  // an empty label is 2·f wide
  ExpectRect(p.VOL[2].rect, 83, 4, 113, 24);
  EXPECT_EQ(p.VOL[2].tx, 5);
  EXPECT_EQ(p.VOL[2].ty, 3);
  EXPECT_EQ(p.LH, 9);  // the bar leaves the clip bounds alone
}

TEST_F(DuiLayout, OtherLayoutKindsChangeNothing) {
  CDUI p;
  Menu(p, kRozlisenia, 5, 170);
  p.RESET_GEOMETRIE(3);
  p.RESET_GEOMETRIE(0);
  ExpectRect(p.podkl_rect, 0, 0, 100, 100);
  ExpectRect(p.VOL[0].rect, 0, 0, 0, 0);
}
