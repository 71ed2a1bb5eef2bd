// A run of the viewer: start-up and its failures, one whole session through the window
// procedure, display-mode changes and lost surfaces.
#include <string>

#include "app/app.h"
#include "app/input.h"
#include "app/modes.h"
#include "app/panorama.h"
#include "app/pulse.h"
#include "app/scene.h"
#include "app/startup.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "tools/bmp24.h"

namespace {

const char* const PROBLEM = "Problem pri inicializacii";

struct TStart {
  const char* riadok;
  int PAN_id, pan_sir, zoznam;  // pan_sir -1: nothing loaded
  const char* sprava;
};

class StartUp : public AppTest, public ::testing::WithParamInterface<TStart> {};

TEST_P(StartUp, ShowsTheNamedOrFirstPanorama) {
  const TStart& c = GetParam();
  Panoramy(3, 300, 150);
  Panoramy(2);
  ASSERT_EQ(Spusti(c.riadok), 1);
  EXPECT_EQ(PAN_id, c.PAN_id);
  EXPECT_EQ(PAN_id_max, 2);
  EXPECT_EQ(pan_SRF != nullptr ? pan_sir : -1, c.pan_sir);
  EXPECT_EQ(dui_PANO.viditelny, c.zoznam);
  const auto& b = PLAT_MessageBoxes();
  EXPECT_EQ(b.empty() ? std::string() : b[0].text, c.sprava);
}

INSTANTIATE_TEST_SUITE_P(Table, StartUp,
                         ::testing::Values(TStart{"", 0, 200, 1, ""}, TStart{"P2 pano_3.bmp", 2, 300, 0, ""},
                                           TStart{"1 nic.bmp", 1, 200, 0, "Súbor nic.bmp nebol nájdený, neexistuje."},
                                           TStart{"P12", 12, -1, 1, ""}));

TEST_F(AppTest, ListHasOneEntryPerPanoramaAndTheCloseEntry) {
  Panoramy(3);
  // The second thumbnail cannot be put in place: that entry has no picture.
  PLAT_FaultSet(PC_FileRename, 1, 1, 0);
  ASSERT_EQ(Spusti(""), 1);
  ASSERT_EQ(dui_PANO.VOLR_pocet, 4);
  const int id[] = {1, 2, 3, 100}, icon[] = {0, -1, 2, -1};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dui_PANO.VOLR[i].ID, id[i]) << i;
    EXPECT_EQ(dui_PANO.VOLR[i].icon, icon[i]) << i;
  }
  EXPECT_STREQ(dui_PANO.VOLR[1].text, "pano_2");
}

TEST_F(AppTest, EmptyFolderEndsWithItsMessageAndCodeZero) {
  EXPECT_EQ(PANO_WinMain("", SW_SHOW), 0);
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text, "Žiadne panorámy v lokálnom adresári!");
  EXPECT_EQ(PLAT_MessageBoxes()[0].caption, "Tessarin Panorama Player");
}

class StartFailure : public AppTest, public ::testing::WithParamInterface<TPlatCall> {};

TEST_P(StartFailure, GivesUpWithTheCommonMessage) {
  Panoramy(1);
  PLAT_FaultSet(GetParam(), 0, -1, DDERR_GENERIC);
  EXPECT_EQ(PANO_WinMain("", SW_SHOW), 0);
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text, PROBLEM);
  EXPECT_EQ(lpDD, nullptr);
  EXPECT_EQ(lpDDSPrimary, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Steps, StartFailure,
                         ::testing::Values(PC_DirectDrawCreate, PC_SetCooperativeLevel, PC_SetDisplayMode,
                                           PC_CreatePrimary, PC_GetAttachedSurface));

// One session: the list, scrolling, a choice, both menus, the panorama buttons and the
// close button, then the loop ends the run.
bool StredPolozky(const CDUI& panel, int id, int* x, int* y) {
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
  // Clicks the item with this ID in the panel; the panel closes.
  void Zvol(CDUI& panel, int id) {
    ASSERT_EQ(panel.viditelny, 1);
    int x = 0, y = 0;
    ASSERT_TRUE(StredPolozky(panel, id, &x, &y));
    Klik(x, y);
    EXPECT_EQ(panel.viditelny, 0);
  }
};

TEST_F(Session, FullSession) {
  Panoramy(10, 120, 60);
  ASSERT_EQ(Spusti("G2"), 1);
  ASSERT_EQ(MAXX, 640);
  dui_PANO.viditelny = 0;
  KlikTlacidlo(TL_ZOZNAM);
  ASSERT_EQ(dui_PANO.Rol_mod, 1);
  EXPECT_EQ(dui_PANO.Rol_max, 3 * 32);
  // The down arrow scrolls; the third panorama is chosen.
  const CTlac& dole = dui_PANO.tlacB_;
  Klik(dole.x + 5, dole.y + 5);
  EXPECT_GT(dui_PANO.Rol_pos, 0);
  Zvol(dui_PANO, 3);
  EXPECT_EQ(PAN_id, 2);
  // The grid menu, "40 x 40"; the display-mode menu, "1024 x 768"; "<Zavriet>" only closes.
  KlikTlacidlo(TL_SITO);
  Zvol(dui_sito, 5);
  EXPECT_EQ(Sito_pocx, 40);
  EXPECT_EQ(Sito_sir, 16);
  KlikTlacidlo(TL_GR_MOD);
  Zvol(dui_gr_mod, 4);
  EXPECT_EQ(MAXX, 1024);
  EXPECT_EQ(Sito_sir, 25);
  EXPECT_EQ(PAN_id, 2);
  KlikTlacidlo(TL_SITO);
  Zvol(dui_sito, 100);
  EXPECT_EQ(Sito_pocx, 40);
  // Previous thrice from the third comes round to the last; next from the last to the first.
  for (int i = 0; i < 3; ++i) KlikTlacidlo(TL_PRED);
  EXPECT_EQ(PAN_id, 9);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PAN_id, 0);
  // The close button acts on release (its move resets the idle count); the loop runs the
  // two timer messages before it, and ends.
  PLAT_InjectMessage(WM_TIMER, 1, 0);
  PLAT_InjectMessage(WM_TIMER, 1, 0);
  KlikTlacidlo(TL_KONIEC);
  EXPECT_EQ(Slucka_sprav(), 0);
  EXPECT_EQ(pulz_poc_msna, 2);
  EXPECT_EQ(lpDD, nullptr);
  EXPECT_EQ(pan_SRF, nullptr);
}

TEST_F(AppTest, ModeChangeKeepsTheViewAndRendersAtTheNewSize) {
  Panoramy(2);
  ASSERT_EQ(Spusti(""), 1);
  Nahraj_PANORAMU(1, 0);
  YAW = 1.5f;
  PITCH = -0.4f;
  Reset_Sito(25, 25);
  for (int gm : {0, 7, -1}) EXPECT_EQ(RESET_GM(gm), 0) << gm;
  EXPECT_EQ(GM, GM_PLOCHA);
  EXPECT_EQ(MAXX, 800);
  PLAT_FaultSet(PC_SetDisplayMode, 0, 1, DDERR_INVALIDMODE);
  EXPECT_EQ(RESET_GM(2), DDERR_INVALIDMODE);
  EXPECT_EQ(MAXX, 800);
  ASSERT_EQ(RESET_GM(4), 0);
  EXPECT_EQ(GM, 4);
  EXPECT_EQ(SX, 512);
  EXPECT_EQ(SY, 384);
  EXPECT_EQ(D, 512);
  EXPECT_EQ(PAN_id, 1);
  EXPECT_FLOAT_EQ(YAW, 1.5f);
  EXPECT_FLOAT_EQ(PITCH, -0.4f);
  EXPECT_EQ(Sito_sir, 1024 / 25);
  EXPECT_EQ(Sito_vys, 768 / 25);
  EXPECT_EQ(lpDDSBack->PLAT_Width(), 1024);
  EXPECT_EQ(dui_PANO.SRF_PTR, lpDDSBack);
  EXPECT_EQ(dui_gr_mod.podkl_rect.left, 512 - 170 / 2 - 10);
  Prekresli_scenu(1);
  EXPECT_NE(lpDDSPrimary->PLAT_Pixel(512, 384), 0u);
}

class RecreationFailure : public AppTest, public ::testing::WithParamInterface<std::pair<TPlatCall, const char*>> {};

TEST_P(RecreationFailure, ShowsItsLetterThenEnds) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  PLAT_ClearMessageBoxes();
  PLAT_FaultSet(GetParam().first, 0, 1, DDERR_OUTOFMEMORY);
  EXPECT_EQ(RESET_GM(2), 0);
  const auto& b = PLAT_MessageBoxes();
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0].text, GetParam().second);
  EXPECT_EQ(b[1].text, PROBLEM);
  EXPECT_EQ(lpDDSPrimary, nullptr);
  Prekresli_scenu(1);  // draws nothing
  MSG m;
  bool koniec = false;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) koniec = koniec || m.message == WM_QUIT;
  EXPECT_TRUE(koniec);
}

INSTANTIATE_TEST_SUITE_P(Steps, RecreationFailure,
                         ::testing::Values(std::make_pair(PC_CreatePrimary, "b"),
                                           std::make_pair(PC_GetAttachedSurface, "c"),
                                           std::make_pair(PC_CreateOffscreen, "e")));

TEST_F(AppTest, LostSurfacesAreRestoredByTheNextFrame) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  PLAT_LoseAllSurfaces();
  Prekresli_scenu(1);
  Prekresli_scenu(1);
  EXPECT_EQ(lpDDSPrimary->IsLost(), DD_OK);
  Scena();
  EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(400, 300), lpDDSBack->PLAT_Pixel(400, 300));
  EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(300, ovl_pos), ovl_Mask[0]);
}

}  // namespace
