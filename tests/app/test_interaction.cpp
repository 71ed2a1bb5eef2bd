// One session through the window procedure: the list, scrolling, a choice, both menus,
// the panorama buttons and the close button, then the loop ends the run.
#include <gtest/gtest.h>

#include "app/input.h"
#include "app/panorama.h"
#include "app/startup.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"

namespace {

// The middle of the shown row or item with this ID; false when it is not shown.
bool stred_polozky(const CDUI& panel, int id, int* x, int* y) {
  for (int i = 0; i < panel.VOL_pocet; ++i) {
    const RECT& r = panel.VOL[i].rect;
    if (panel.VOL[i].ID == id && r.bottom - r.top > 4) {
      *x = (r.left + r.right) / 2;
      *y = (r.top + r.bottom) / 2;
      return true;
    }
  }
  return false;
}

class Session : public AppTest {
 protected:
  // Opens the menu with its button and clicks the item with this ID; the menu closes.
  void ZvolVMenu(int tlacidlo_menu, CDUI& menu, int id) {
    KlikTlacidlo(tlacidlo_menu);
    ASSERT_EQ(menu.viditelny, 1);
    int x = 0, y = 0;
    ASSERT_TRUE(stred_polozky(menu, id, &x, &y));
    Klik(x, y);
    EXPECT_EQ(menu.viditelny, 0);
  }
};

TEST_F(Session, FullSession) {
  Panoramy(10, 120, 60);
  ASSERT_EQ(Spusti("G2"), 1);
  ASSERT_EQ(MAXX, 640);
  dui_PANO.viditelny = 0;

  // Open the list with its button; ten panoramas and the closing entry scroll.
  KlikTlacidlo(TL_ZOZNAM);
  ASSERT_EQ(dui_PANO.viditelny, 1);
  ASSERT_EQ(dui_PANO.Rol_mod, 1);
  EXPECT_EQ(dui_PANO.Rol_max, 3 * 32);

  // Scroll down with the arrow: one press moves a tenth of the range.
  const CTlac& dole = dui_PANO.tlacB_;
  Klik(dole.x + 5, dole.y + 5);
  EXPECT_GT(dui_PANO.Rol_pos, 0);
  EXPECT_EQ(dui_PANO.viditelny, 1);

  // Choose the third panorama.
  int x = 0, y = 0;
  ASSERT_TRUE(stred_polozky(dui_PANO, 3, &x, &y));
  Klik(x, y);
  EXPECT_EQ(PAN_id, 2);
  EXPECT_EQ(dui_PANO.viditelny, 0);

  // The grid menu, "40 x 40".
  ZvolVMenu(TL_SITO, dui_sito, 5);
  EXPECT_EQ(Sito_pocx, 40);
  EXPECT_EQ(Sito_pocy, 40);
  EXPECT_EQ(Sito_sir, 16);

  // The display-mode menu, "1024 x 768".
  ZvolVMenu(TL_GR_MOD, dui_gr_mod, 4);
  EXPECT_EQ(MAXX, 1024);
  EXPECT_EQ(Sito_pocx, 40);
  EXPECT_EQ(Sito_sir, 25);
  EXPECT_EQ(PAN_id, 2);

  // "<Zavriet>" only closes.
  ZvolVMenu(TL_SITO, dui_sito, 100);
  EXPECT_EQ(Sito_pocx, 40);

  // Next on the last panorama comes round to the first.
  KlikTlacidlo(TL_PRED);
  KlikTlacidlo(TL_PRED);
  KlikTlacidlo(TL_PRED);
  EXPECT_EQ(PAN_id, 9);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PAN_id, 0);

  // The close button acts on release; the loop then ends the run.
  KlikTlacidlo(TL_KONIEC);
  EXPECT_EQ(Slucka_sprav(), 0);
  EXPECT_EQ(lpDD, nullptr);
}

}  // namespace
