// The option panel's items: label copies, capacity, removal, and who deletes GDI objects.
#include "panel_fixture.h"
#include "panels/dui.h"

class DuiItems : public PanelTest {};

TEST_F(DuiItems, AddingCopiesTheLabel) {
  CDUI p;
  char text[] = "Náhľad";
  p.PRIDAJ(text, 4, RECT{1, 2, 3, 4}, 5, 6);
  text[0] = 'X';
  ASSERT_EQ(p.VOL_pocet, 1);
  const TVOLBA& v = p.VOL[0];
  EXPECT_STREQ(v.text, "Náhľad");
  EXPECT_EQ(v.ID, 4);
  EXPECT_EQ(v.rect.right, 3);
  EXPECT_EQ(v.tx, 5);
  EXPECT_EQ(v.ty, 6);
  EXPECT_EQ(v.stav, 0);
  EXPECT_EQ(v.text_draw_mode, 0);
  EXPECT_EQ(v.icon, -1);
  EXPECT_EQ(v.ix + v.iy, 0);
}

TEST_F(DuiItems, ShortFormsAndIcon) {
  CDUI p;
  p.PRIDAJ("a", 1);
  p.PRIDAJ2("b", 2, 9);
  p.PRIDAJ(nullptr, 3);
  ASSERT_EQ(p.VOL_pocet, 3);
  EXPECT_EQ(p.VOL[0].icon, -1);
  EXPECT_EQ(p.VOL[1].icon, 9);
  EXPECT_EQ(p.VOL[1].ID, 2);
  EXPECT_STREQ(p.VOL[2].text, "");
}

TEST_F(DuiItems, TwentySixthItemIsRefused) {
  CDUI p;
  for (int i = 0; i < 25; i++) p.PRIDAJ("x", i);
  p.PRIDAJ("navyse", 99);
  p.PRIDAJ2("navyse", 99, 1);
  EXPECT_EQ(p.VOL_pocet, 25);
  EXPECT_EQ(p.VOL[24].ID, 24);
  EXPECT_STREQ(p.VOL[24].text, "x");
  p.ODOBER();
  p.PRIDAJ2("znova", 30, 2);
  EXPECT_EQ(p.VOL_pocet, 25);
  EXPECT_STREQ(p.VOL[24].text, "znova");
}

TEST_F(DuiItems, RemovingItems) {
  CDUI p;
  p.ODOBER();
  EXPECT_EQ(p.VOL_pocet, 0);
  p.PRIDAJ("a", 1);
  p.PRIDAJ("b", 2);
  p.ODOBER();
  EXPECT_EQ(p.VOL_pocet, 1);
  EXPECT_STREQ(p.VOL[0].text, "a");
  p.VYMAZ();
  EXPECT_EQ(p.VOL_pocet, 0);
  p.VYMAZ();
  p.ODOBER();
  EXPECT_EQ(p.VOL_pocet, 0);
}

TEST_F(DuiItems, RepeatedFillingDoesNotLeak) {
  // Runs under LeakSanitizer in the sanitizer build: every copy must be freed.
  CDUI p;
  for (int kolo = 0; kolo < 50; kolo++) {
    for (int i = 0; i < 30; i++) p.PRIDAJ("položka", i);
    p.VYMAZ();
    p.PRIDAJ("zostane", 1);
  }
  EXPECT_EQ(p.VOL_pocet, 1);
}

TEST_F(DuiItems, PanelDeletesOnlyTheObjectsItCreated) {
  const int pred = PLAT_GdiLiveObjects();
  HBRUSH modry = CreateSolidBrush(RGB(60, 60, 255));
  HBRUSH cerveny = CreateSolidBrush(RGB(255, 60, 60));
  HFONT font = CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  ASSERT_NE(font, nullptr);
  EXPECT_EQ(PLAT_GdiLiveObjects(), pred + 3);
  {
    // The viewer's three panels share one set of brushes and one font.
    CDUI p1, p2, p3;
    EXPECT_EQ(PLAT_GdiLiveObjects(), pred + 6);  // one grey pen each
    for (CDUI* p : {&p1, &p2, &p3}) {
      p->stet_vybr = modry;
      p->stet_aktiv = cerveny;
      p->stet_podkl = modry;
      p->font_hnd = font;
    }
  }
  EXPECT_EQ(PLAT_GdiLiveObjects(), pred + 3);
  DeleteObject(modry);
  DeleteObject(cerveny);
  DeleteObject(font);
  EXPECT_EQ(PLAT_GdiLiveObjects(), pred);
}

TEST_F(DuiItems, ReplacedPenIsTheOwners) {
  const int pred = PLAT_GdiLiveObjects();
  HPEN moje = CreatePen(PS_SOLID, 1, RGB(1, 2, 3));
  {
    CDUI p;
    p.pero_ram_sed = moje;
  }
  EXPECT_EQ(PLAT_GdiLiveObjects(), pred + 1);
  DeleteObject(moje);
  EXPECT_EQ(PLAT_GdiLiveObjects(), pred);
}
