// The list panel's two forms and the rows of a scrolled list.
#include "list_fixture.h"

namespace {

// At 800 × 600 the viewer's list has its row area at columns 205…595, rows 172…427.
const int LH = 205, HH = 172, PH = 595, DH = 427;

}  // namespace

class DuirLayout : public ListTest {};

TEST_F(DuirLayout, DefaultsOfANewList) {
  CDUIR z;
  EXPECT_EQ(z.Rol_poc_zobr, 5);
  EXPECT_EQ(z.Rol_mod, 0);
  EXPECT_EQ(z.f2, 50);
  EXPECT_EQ(z.text_VYSKA, 20);
  EXPECT_EQ(z.text_ZAROVNANIE, 'C');
  EXPECT_EQ(z.VOLR_pocet, 0);
  EXPECT_EQ(z.posuv_.viditelny, 0);
  EXPECT_EQ(z.tlacA_.viditelny, 0);
  EXPECT_EQ(z.tlacB_.viditelny, 0);
  EXPECT_EQ(z.ipruh_.viditelny, 0);
}

TEST_F(DuirLayout, ExactlyTheShownRowsGiveThePlainForm) {
  CDUIR z;
  Zostav(z, 8);
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_mod, 0);
  ASSERT_EQ(z.VOL_pocet, 8);
  EXPECT_EQ(z.posuv_.viditelny + z.tlacA_.viditelny + z.tlacB_.viditelny + z.ipruh_.viditelny, 0);
  ExpectRect(z.podkl_rect, 195, 162, 605, 437);
  for (int i = 0; i < 8; i++) {
    const TVOLBA& v = z.VOL[i];
    ExpectRect(v.rect, LH, HH + 32 * i, PH, HH + 32 * i + 31);
    ExpectRect(v.text_rect, LH + 110, HH + 32 * i + 6, LH + 385, HH + 32 * i + 31);
    EXPECT_EQ(v.text_draw_mode, 1);
    EXPECT_EQ(v.ID, i + 1);
    EXPECT_STREQ(v.text, z.VOLR[i].text);
    EXPECT_NE(v.text, z.VOLR[i].text);  // the plain rows hold copies
  }
}

TEST_F(DuirLayout, OneMoreEntryGivesTheScrollingForm) {
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_mod, 1);
  EXPECT_EQ(z.Rol_max, 32);
  EXPECT_EQ(z.Rol_pos, 0);
  ASSERT_EQ(z.VOL_pocet, 8);
  // The background also covers the slider column: knob and arrows are 25 pixels wide (SIR 26).
  ExpectRect(z.podkl_rect, 195, 162, 641, 437);
  EXPECT_EQ(z.LH, LH);
  EXPECT_EQ(z.HH, HH);
  EXPECT_EQ(z.PH, PH);
  EXPECT_EQ(z.DH, DH);
  EXPECT_EQ(z.posuv_.pol_Typ, 'V');
  EXPECT_EQ(z.posuv_.pol_Min, HH + 18 - 2);
  EXPECT_EQ(z.posuv_.pol_Max, DH - 18 - 58 + 2);
  EXPECT_EQ(z.posuv_.pol_Fix, PH + 10);
  EXPECT_EQ(z.posuv_.map_B, 32);
  EXPECT_EQ(z.posuv_.GP(), 0);
  EXPECT_EQ(z.posuv_.x, 605);
  EXPECT_EQ(z.posuv_.y, 188);
  EXPECT_EQ(z.tlacA_.x, 605);
  EXPECT_EQ(z.tlacA_.y, HH);
  EXPECT_EQ(z.tlacB_.x, 605);
  EXPECT_EQ(z.tlacB_.y, DH - 18 + 1);
  EXPECT_EQ(z.posuv_.viditelny & z.tlacA_.viditelny & z.tlacB_.viditelny & z.ipruh_.viditelny, 1);
  for (int i = 0; i < 8; i++) {
    EXPECT_EQ(z.VOL[i].text, z.VOLR[i].text);  // scrolled rows share the entries' labels
    ExpectRect(z.VOL[i].text_rect, LH + 110, HH + 32 * i + 6, LH + 385, HH + 32 * i + 6 + z.text_VYSKA);
  }
}

TEST_F(DuirLayout, AlignmentChoosesTheTextMode) {
  struct {
    char zarovnanie;
    int plain, whole_row, top_cut;
  } const pripady[] = {
      {'L', 1, 1, 2}, {'P', 3, 3, 4}, {'C', 5, 5, 6}, {'X', 0, 0, 0},
  };
  for (const auto& c : pripady) {
    CDUIR kratky, dlhy;
    Zostav(kratky, 3);
    Zostav(dlhy, 12);
    kratky.text_ZAROVNANIE = dlhy.text_ZAROVNANIE = c.zarovnanie;
    kratky.RESET_GEOMETRIER();
    dlhy.RESET_GEOMETRIER();
    EXPECT_EQ(kratky.VOL[2].text_draw_mode, c.plain) << c.zarovnanie;
    EXPECT_EQ(dlhy.VOL[2].text_draw_mode, c.whole_row) << c.zarovnanie;
    dlhy.RESET(40);
    EXPECT_EQ(dlhy.VOL[0].text_draw_mode, c.top_cut) << c.zarovnanie;
    EXPECT_EQ(dlhy.VOL[1].text_draw_mode, c.whole_row) << c.zarovnanie;
  }
}

TEST_F(DuirLayout, ResetClampsThePosition) {
  struct {
    int pos, Rol_pos, prvy_ID;
  } const pripady[] = {{-5, 0, 1}, {0, 0, 1}, {32, 32, 2}, {1000, 32, 2}};
  for (const auto& c : pripady) {
    CDUIR z;
    Zostav(z, 9);
    z.RESET_GEOMETRIER();
    z.RESET(c.pos);
    EXPECT_EQ(z.Rol_pos, c.Rol_pos);
    ASSERT_EQ(z.VOL_pocet, 8);
    EXPECT_EQ(z.VOL[0].ID, c.prvy_ID);
    ExpectRect(z.VOL[7].rect, LH, HH + 7 * 32, PH, HH + 7 * 32 + 31);
  }
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  z.RESET(1000);
  EXPECT_EQ(z.VOL[7].ID, 9);  // the last entry fills the last whole row
}

TEST_F(DuirLayout, RowsBetweenWholePositions) {
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  const int tv = z.text_VYSKA;
  z.RESET(10);
  ASSERT_EQ(z.VOL_pocet, 9);
  // Top row: entry 1 scrolled up by 10, cut at HH; label and sprite stay where they were.
  ExpectRect(z.VOL[0].rect, LH, HH, PH, HH - 10 + 31);
  EXPECT_EQ(z.VOL[0].ID, 1);
  EXPECT_EQ(z.VOL[0].text_rect.top, HH);
  EXPECT_EQ(z.VOL[0].text_rect.bottom, HH - 10 + 6 + tv);
  EXPECT_EQ(z.VOL[0].text_draw_mode, 2);
  EXPECT_EQ(z.VOL[0].iy, 4 - 10);
  for (int i = 1; i < 8; i++) {
    ExpectRect(z.VOL[i].rect, LH, HH + 22 + 32 * (i - 1), PH, HH + 22 + 32 * (i - 1) + 31);
    EXPECT_EQ(z.VOL[i].ID, i + 1);
    EXPECT_EQ(z.VOL[i].iy, 4);
  }
  // Bottom row: entry 9 scrolled in by 10, cut at DH, its text box too.
  ExpectRect(z.VOL[8].rect, LH, HH + 246, PH, DH);
  EXPECT_EQ(z.VOL[8].ID, 9);
  EXPECT_EQ(z.VOL[8].text_rect.bottom, std::min(DH, HH + 246 + 6 + tv));
  EXPECT_EQ(z.VOL[8].text_draw_mode, 1);
}

TEST_F(DuirLayout, TopRowOfZeroHeightStays) {
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  z.RESET(31);  // the first row ends exactly on HH
  ASSERT_EQ(z.VOL_pocet, 9);
  EXPECT_EQ(z.VOL[0].rect.top, HH);
  EXPECT_EQ(z.VOL[0].rect.bottom, HH);
  EXPECT_EQ(z.VOL[1].ID, 2);
}

TEST_F(DuirLayout, OrezHD) {
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  struct {
    RECT r;
    unsigned char ok;
    int top, bottom;
  } const pripady[] = {
      {{0, HH - 40, 9, HH - 1}, 0, 0, 0},  {{0, HH - 40, 9, HH}, 1, HH, HH},
      {{0, HH - 5, 9, HH + 9}, 1, HH, HH + 9}, {{0, DH - 3, 9, DH + 20}, 1, DH - 3, DH},
      {{0, DH, 9, DH + 20}, 1, DH, DH},     {{0, DH + 1, 9, DH + 20}, 0, 0, 0},
      {{0, HH - 5, 9, DH + 5}, 1, HH, DH},
  };
  for (const auto& c : pripady) {
    RECT r = c.r;
    EXPECT_EQ(z.Orez_HD(&r), c.ok) << c.r.top;
    if (c.ok) {
      EXPECT_EQ(r.top, c.top);
      EXPECT_EQ(r.bottom, c.bottom);
    }
  }
}

TEST_F(DuirLayout, SmallScreenDropsPlainRowsButNotScrollingOnes) {
  Obrazovka(320, 200);
  CDUIR kratky, dlhy;
  Zostav(kratky, 8);
  Zostav(dlhy, 9);
  kratky.RESET_GEOMETRIER();
  dlhy.RESET_GEOMETRIER();
  EXPECT_EQ(kratky.VOL_pocet, 5);  // 100 - 16·5 - 10 = 10 is the first top on the screen
  EXPECT_EQ(kratky.podkl_rect.top, 10);
  EXPECT_EQ(dlhy.VOL_pocet, 8);
  EXPECT_EQ(dlhy.podkl_rect.top, 100 - 128 - 10);
}

TEST_F(DuirLayout, LineHeightFallsBackWithoutADrawingContext) {
  CDUIR z;
  Zostav(z, 9);
  z.text_VYSKA = 7;
  PLAT_FaultSet(PC_GetDC, 0, -1, DDERR_SURFACELOST);
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.text_VYSKA, 20);
  PLAT_FaultClear();

  HFONT font = CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                           CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  z.font_hnd = font;
  z.RESET_GEOMETRIER();
  EXPECT_GE(z.text_VYSKA, 15);
  EXPECT_LE(z.text_VYSKA, 30);
  z.font_hnd = static_cast<HFONT>(GetStockObject(SYSTEM_FONT));
  DeleteObject(font);
}

TEST_F(DuirLayout, ChangingTheFormBackAndForth) {
  CDUIR z;
  Zostav(z, 9);
  z.RESET_GEOMETRIER();
  z.RESET(20);
  z.ODOBER();
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_mod, 0);
  EXPECT_EQ(z.VOL_pocet, 8);
  EXPECT_EQ(z.posuv_.viditelny, 0);
  EXPECT_STREQ(z.VOL[7].text, "panoráma 8");
  z.PRIDAJ("ďalšia", 50);
  z.RESET_GEOMETRIER();
  EXPECT_EQ(z.Rol_mod, 1);
  EXPECT_EQ(z.VOL[7].text, z.VOLR[7].text);
}
