// Drawing of the option panel: highlights, bevels, backgrounds, labels and sprites.
#include "panel_fixture.h"
#include "panels/dui.h"
#include "toolkit/das.h"

namespace {

const uint16_t kPod = 0x0400;  // dark green under the panel

// Bounding box of the dark pixels (every channel below 100): the drawn text.
RECT Tmave(IDirectDrawSurface* s) {
  RECT r{s->PLAT_Width(), s->PLAT_Height(), -1, -1};
  for (int y = 0; y < s->PLAT_Height(); y++)
    for (int x = 0; x < s->PLAT_Width(); x++) {
      BYTE cr, cg, cb;
      PLAT_Unpack565(s->PLAT_Row(y)[x], &cr, &cg, &cb);
      if (cr < 100 && cg < 100 && cb < 100) {
        r.left = std::min(r.left, (LONG)x);
        r.top = std::min(r.top, (LONG)y);
        r.right = std::max(r.right, (LONG)x);
        r.bottom = std::max(r.bottom, (LONG)y);
      }
    }
  return r;
}

HFONT Arial20() {
  return CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                     DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
}

}  // namespace

class DuiDraw : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    modry_ = CreateSolidBrush(RGB(60, 60, 255));
    cerveny_ = CreateSolidBrush(RGB(255, 60, 60));
    biely_ = CreateSolidBrush(RGB(255, 255, 255));
    font_ = Arial20();
  }
  void TearDown() override {
    for (HGDIOBJ o : {(HGDIOBJ)modry_, (HGDIOBJ)cerveny_, (HGDIOBJ)biely_, (HGDIOBJ)font_}) DeleteObject(o);
    PanelTest::TearDown();
  }

  // A shown panel on surface s with the viewer's brushes and font, no background, no text.
  void Priprav(CDUI& p, IDirectDrawSurface* s) {
    p.SRF_PTR = s;
    p.viditelny = 1;
    p.stet_vybr = modry_;
    p.stet_aktiv = cerveny_;
    p.font_hnd = font_;
    p.Text_mod = 0;
    p.podkl_rect = RECT{5, 5, 190, 110};
  }

  HBRUSH modry_ = nullptr, cerveny_ = nullptr, biely_ = nullptr;
  HFONT font_ = nullptr;
};

TEST_F(DuiDraw, HighlightFillFollowsStateAndGrowth) {
  struct {
    int stav, z_sir, z_vys;
    uint16_t farba;
  } const pripady[] = {
      {0, 0, 0, kPod},
      {1, 0, 0, PLAT_Pack565(60, 60, 255)},
      {2, 0, 0, PLAT_Pack565(255, 60, 60)},
      {1, 3, 2, PLAT_Pack565(60, 60, 255)},
  };
  for (const auto& c : pripady) {
    IDirectDrawSurface* s = Plocha(200, 120, kPod);
    CDUI p;
    Priprav(p, s);
    p.PRIDAJ("", 1, RECT{20, 20, 60, 40}, 0, 0);
    p.VOL[0].stav = c.stav;
    p.Z_sir = c.z_sir;
    p.Z_vys = c.z_vys;
    p.ZOBRAZ();
    const RECT vypln = Atrament(s, kPod);
    if (c.farba == kPod) {
      EXPECT_LT(vypln.right, 0);
      continue;
    }
    EXPECT_EQ(vypln.left, 20 - c.z_sir);
    EXPECT_EQ(vypln.top, 20 - c.z_vys);
    EXPECT_EQ(vypln.right, 59 + c.z_sir);
    EXPECT_EQ(vypln.bottom, 39 + c.z_vys);
    EXPECT_EQ(Bod(s, 20, 20), c.farba);
    EXPECT_EQ(Bod(s, 59 + c.z_sir, 39 + c.z_vys), c.farba);
  }
}

TEST_F(DuiDraw, Bevels) {
  // '.' untouched, 'W' white, 'B' black, 'G' the grey pen; columns 9…20, rows 9…18.
  struct {
    int stav;
    std::vector<std::string> obraz;
  } const pripady[] = {
      {1,
       {"............",
        ".WWWWWWWWWB.",
        ".W.......GB.",
        ".W.......GB.",
        ".W.......GB.",
        ".W.......GB.",
        ".W.......GB.",
        ".WGGGGGGGGB.",
        ".BBBBBBBBBB.",
        "............"}},
      {2,
       {"............",
        ".GGGGGGGGGW.",
        ".GBBBBBBBBW.",
        ".GB.......W.",
        ".GB.......W.",
        ".GB.......W.",
        ".GB.......W.",
        ".GB.......W.",
        ".GWWWWWWWWW.",
        "............"}},
  };
  for (const auto& c : pripady) {
    IDirectDrawSurface* s = Plocha(40, 30, kPod);
    CDUI p;
    Priprav(p, s);
    p.Select_mod = 2;
    p.PRIDAJ("", 1, RECT{10, 10, 20, 18}, 0, 0);
    p.VOL[0].stav = c.stav;
    p.ZOBRAZ();
    for (int y = 9; y <= 18; y++)
      for (int x = 9; x <= 20; x++) {
        const char z = c.obraz[y - 9][x - 9];
        const uint16_t chceme = z == 'W' ? 0xFFFF : z == 'B' ? 0 : z == 'G' ? PLAT_Pack565(80, 80, 80) : kPod;
        EXPECT_EQ(Bod(s, x, y), chceme) << "stav " << c.stav << " at (" << x << ", " << y << ")";
      }
  }
}

TEST_F(DuiDraw, RoundedHighlight) {
  IDirectDrawSurface* s = Plocha(200, 120, kPod);
  CDUI p;
  Priprav(p, s);
  p.O_mod = 1;
  p.O_sir = p.O_vys = 12;
  p.Select_mod = 3;
  p.PRIDAJ("", 1, RECT{20, 20, 60, 40}, 0, 0);
  p.VOL[0].stav = 2;
  p.ZOBRAZ();
  const uint16_t cervena = PLAT_Pack565(255, 60, 60);
  EXPECT_EQ(Bod(s, 40, 30), cervena);
  EXPECT_EQ(Bod(s, 40, 20), cervena);
  EXPECT_EQ(Bod(s, 20, 30), cervena);
  EXPECT_EQ(Bod(s, 20, 20), kPod);  // corners cut, no outline, no bevel
  EXPECT_EQ(Bod(s, 59, 39), kPod);
  const RECT r = Atrament(s, kPod);
  EXPECT_EQ(r.left, 20);
  EXPECT_EQ(r.right, 59);
}

TEST_F(DuiDraw, Backgrounds) {
  const RECT podkl{10, 8, 50, 30};
  BYTE r0, g0, b0;
  PLAT_Unpack565(Rgb(100, 200, 40), &r0, &g0, &b0);
  struct {
    int typ;
    uint16_t vnutri;
  } const pripady[] = {
      {2, PLAT_Pack565(255, 255, 255)},
      {3, PLAT_Pack565((BYTE)std::min(r0 + 80, 255), 255, (BYTE)(b0 + 80))},
  };
  for (const auto& c : pripady) {
    IDirectDrawSurface* s = Plocha(64, 40, Rgb(100, 200, 40));
    CDUI p;
    Priprav(p, s);
    p.podkl_typ = c.typ;
    p.podkl_rect = podkl;
    p.ZOBRAZ();
    EXPECT_EQ(Bod(s, 10, 8), c.vnutri) << c.typ;
    EXPECT_EQ(Bod(s, 49, 29), c.vnutri) << c.typ;
    EXPECT_EQ(Bod(s, 50, 29), Rgb(100, 200, 40)) << c.typ;
    EXPECT_EQ(Bod(s, 49, 30), Rgb(100, 200, 40)) << c.typ;
    EXPECT_EQ(Bod(s, 9, 8), Rgb(100, 200, 40)) << c.typ;
  }
}

TEST_F(DuiDraw, HiddenPanelDrawsNothing) {
  IDirectDrawSurface* s = Plocha(200, 120, kPod);
  CDUI p;
  Priprav(p, s);
  p.podkl_typ = 1;
  p.PRIDAJ("", 1, RECT{20, 20, 60, 40}, 0, 0);
  p.VOL[0].stav = 1;
  p.viditelny = 0;
  p.ZOBRAZ();
  EXPECT_LT(Atrament(s, kPod).right, 0);
}

TEST_F(DuiDraw, WithoutADrawingContextOnlyTheNetIsDrawn) {
  IDirectDrawSurface* s = Plocha(200, 120, kPod);
  CDUI p;
  Priprav(p, s);
  p.podkl_typ = 1;
  p.podkl_rect = RECT{10, 10, 100, 80};
  p.Text_mod = 2;
  p.PRIDAJ("Ahoj", 1, RECT{20, 20, 60, 40}, 0, 0);
  p.VOL[0].stav = 1;
  // The net's colour matching may use the context; only the panel's own request fails.
  PLAT_FaultClear();
  CDUI_podklad_efekt_A_biela_siet(Plocha(8, 8, kPod), RECT{0, 0, 4, 4});
  PLAT_FaultSet(PC_GetDC, PLAT_CallCount(PC_GetDC), -1, DDERR_SURFACELOST);
  p.ZOBRAZ();
  PLAT_FaultClear();
  EXPECT_EQ(Bod(s, 10, 10), 0x0000);  // the net's frame
  EXPECT_EQ(Bod(s, 30, 30), kPod);    // no highlight
}

TEST_F(DuiDraw, TextModesPlaceTheLabel) {
  // Text box (30, 20)–(170, 70); 'L'eft/'R'ight/'C'entre, 'T'op/'B'ottom/'M'iddle.
  struct {
    int mod;
    char vodorovne, zvislo;
  } const pripady[] = {
      {1, 'L', 'T'}, {2, 'L', 'B'}, {3, 'R', 'T'}, {4, 'R', 'B'}, {5, 'C', 'T'},
      {6, 'C', 'B'}, {7, 'C', 'M'}, {9, 'L', 'T'}, {-3, 'L', 'T'},
  };
  for (const auto& c : pripady) {
    IDirectDrawSurface* s = Plocha(200, 120, Rgb(230, 230, 230));
    CDUI p;
    Priprav(p, s);
    p.Text_mod = 1;
    p.PRIDAJ("HmH", 1, RECT{0, 0, 10, 10}, 0, 0);
    p.VOL[0].text_rect = RECT{30, 20, 170, 70};
    p.VOL[0].text_draw_mode = c.mod;
    p.ZOBRAZ();
    const RECT t = Tmave(s);
    ASSERT_GE(t.right, 0) << c.mod;
    EXPECT_GE(t.left, 30);
    EXPECT_LE(t.right, 169);
    EXPECT_GE(t.top, 20);
    EXPECT_LE(t.bottom, 69);
    if (c.vodorovne == 'L') {
      EXPECT_LE(t.left, 34) << c.mod;
    }
    if (c.vodorovne == 'R') {
      EXPECT_GE(t.right, 165) << c.mod;
    }
    if (c.vodorovne == 'C') {
      EXPECT_NEAR((t.left + t.right) / 2.0, 99.5, 3) << c.mod;
    }
    if (c.zvislo == 'T') {
      EXPECT_LE(t.top, 30) << c.mod;
    }
    if (c.zvislo == 'B') {
      EXPECT_GE(t.bottom, 59) << c.mod;
    }
    if (c.zvislo == 'M') {
      EXPECT_NEAR((t.top + t.bottom) / 2.0, 44.5, 5) << c.mod;
    }
  }
}

TEST_F(DuiDraw, PointTextAndTheSinkingPressedLabel) {
  RECT pozicie[3];
  const int stavy[] = {0, 1, 2};
  for (int k = 0; k < 3; k++) {
    IDirectDrawSurface* s = Plocha(200, 120, Rgb(230, 230, 230));
    CDUI p;
    Priprav(p, s);
    p.stet_vybr = p.stet_aktiv = biely_;
    p.Text_mod = 2;
    p.PRIDAJ("Hm", 1, RECT{40, 30, 140, 70}, 12, 8);
    p.VOL[0].stav = stavy[k];
    p.ZOBRAZ();
    pozicie[k] = Tmave(s);
    ASSERT_GE(pozicie[k].right, 0);
  }
  EXPECT_GE(pozicie[0].left, 52);
  EXPECT_LE(pozicie[0].left, 55);
  EXPECT_GE(pozicie[0].top, 38);
  EXPECT_EQ(pozicie[1].left, pozicie[0].left);
  EXPECT_EQ(pozicie[1].top, pozicie[0].top);
  EXPECT_EQ(pozicie[2].left, pozicie[0].left + 1);
  EXPECT_EQ(pozicie[2].top, pozicie[0].top + 2);
}

TEST_F(DuiDraw, SlovakLettersKeepTheirMarks) {
  // A caron or an acute is drawn above the letter it sits on.
  struct {
    const char *s_diakritikou, *bez;
  } const pripady[] = {{"Č", "C"}, {"Ž", "Z"}, {"Á", "A"}, {"Ô", "O"}};
  for (const auto& c : pripady) {
    int vrch[2];
    const char* texty[2] = {c.s_diakritikou, c.bez};
    for (int k = 0; k < 2; k++) {
      IDirectDrawSurface* s = Plocha(100, 60, Rgb(230, 230, 230));
      CDUI p;
      Priprav(p, s);
      p.Text_mod = 2;
      p.PRIDAJ(texty[k], 1, RECT{10, 10, 90, 50}, 5, 5);
      p.ZOBRAZ();
      vrch[k] = Tmave(s).top;
    }
    EXPECT_LE(vrch[0], vrch[1] - 2) << c.s_diakritikou;
  }
}

TEST_F(DuiDraw, CentredTextWiderThanThePanelStaysInside) {
  IDirectDrawSurface* s = Plocha(400, 120, Rgb(230, 230, 230));
  CDUI p;
  Priprav(p, s);
  p.Text_mod = 2;
  p.font_sir = 10;
  p.PRIDAJ("Veľmi dlhý popis položky", 1);
  p.a = 30;
  p.b = 32;
  p.c = 60;
  p.d = 5;
  Obrazovka(400, 120);
  p.RESET_GEOMETRIE(2);
  ASSERT_LT(p.VOL[0].tx, -p.d);  // the estimated text overhangs the whole panel
  p.ZOBRAZ();
  const RECT t = Tmave(s);
  ASSERT_GE(t.right, 0);
  EXPECT_GE(t.left, p.podkl_rect.left);
  EXPECT_LE(t.left, p.podkl_rect.left + 3);
  EXPECT_LT(t.right, p.podkl_rect.right);
  EXPECT_LT(t.bottom, p.podkl_rect.bottom);
}

class DuiIcons : public DuiDraw {
 protected:
  void SetUp() override {
    DuiDraw::SetUp();
    harok_.SURFACE = Plocha(12, 10, Rgb(255, 255, 0));
    harok_.srf_sir = 12;
    harok_.srf_vys = 10;
    for (CIcon& i : ikony_) i.Das_Surface = &harok_;
    for (CIcon& i : ikony_) i.EVIDUJ_CS();  // 10 × 8 drawn, SIR 12, VYS 10
  }
  CDas_Surface harok_;
  CIcon ikony_[2];
};

TEST_F(DuiIcons, IconModesPlaceTheSprite) {
  // Item corner (40, 30), sprite offset (5, 6): reference point (45, 36).
  struct {
    int mod;
    int x, y;
  } const pripady[] = {
      {1, 45, 36}, {2, 45 - 6, 36 - 5}, {3, 45, 36 - 5}, {4, 45 - 12, 36 - 5}, {0, -1, -1}, {5, -1, -1},
  };
  for (const auto& c : pripady) {
    IDirectDrawSurface* s = Plocha(200, 120, kPod);
    CDUI p;
    Priprav(p, s);
    p.ICON = ikony_;
    p.ICON_pocet = 2;
    p.Icon_mod = c.mod;
    p.LH = 0;
    p.PH = 200;
    p.HH = 0;
    p.DH = 120;
    p.PRIDAJ2("", 1, 1);
    p.VOL[0].rect = RECT{40, 30, 140, 60};
    p.VOL[0].ix = 5;
    p.VOL[0].iy = 6;
    p.ZOBRAZ();
    const RECT r = Atrament(s, kPod);
    if (c.x < 0) {
      EXPECT_LT(r.right, 0) << c.mod;
      continue;
    }
    EXPECT_EQ(r.left, c.x) << c.mod;
    EXPECT_EQ(r.top, c.y) << c.mod;
    EXPECT_EQ(r.right, c.x + 9) << c.mod;
    EXPECT_EQ(r.bottom, c.y + 7) << c.mod;
  }
}

TEST_F(DuiIcons, SpritesAreClippedAndChecked) {
  IDirectDrawSurface* s = Plocha(200, 120, kPod);
  CDUI p;
  Priprav(p, s);
  p.ICON = ikony_;
  p.ICON_pocet = 2;
  p.Icon_mod = 1;
  p.LH = 0;
  p.PH = 200;
  p.HH = 34;
  p.DH = 36;
  p.PRIDAJ("", 1, RECT{40, 30, 140, 60}, 0, 0);
  p.VOL[0].icon = 0;
  p.PRIDAJ2("", 2, 2);  // beyond the array: not drawn
  p.PRIDAJ2("", 3, -1);
  p.VOL[0].stav = 1;
  p.VOL[0].iy = 0;
  p.Select_mod = 1;
  p.stet_vybr = biely_;
  p.ZOBRAZ();
  const uint16_t zlta = PLAT_Pack565(255, 255, 0);
  EXPECT_EQ(Bod(s, 40, 34), zlta);
  EXPECT_EQ(Bod(s, 49, 35), zlta);
  EXPECT_EQ(Bod(s, 40, 33), 0xFFFF);  // the highlight, where the clip bounds cut the sprite
  EXPECT_EQ(Bod(s, 40, 36), 0xFFFF);
}

TEST_F(DuiDraw, PanelsReachingPastTheSurfaceDrawOnlyOnIt) {
  // Under AddressSanitizer every write outside the surface would be caught.
  const RECT pripady[] = {{-50, -30, 40, 25}, {30, 20, 500, 400}, {-900, -900, -800, -800}, {-5, 50, 70, 51}};
  for (const RECT& r : pripady)
    for (int typ = 1; typ <= 3; typ++) {
      IDirectDrawSurface* s = Plocha(64, 48, kPod);
      CDUI p;
      Priprav(p, s);
      p.podkl_typ = typ;
      p.podkl_rect = r;
      p.Text_mod = 2;
      p.Select_mod = 3;
      p.PRIDAJ("Dlhý text za okrajom", 1, RECT{r.left + 3, r.top + 3, r.right - 3, r.bottom - 3}, -20, 2);
      p.VOL[0].stav = 1 + typ % 2;
      p.ZOBRAZ();
      EXPECT_EQ(Bod(s, 63, 0) == kPod, r.right <= 63 || r.top > 0 || r.left > 63) << r.left << " " << typ;
    }
}
