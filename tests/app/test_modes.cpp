// The interface assembly and the display modes: layout values, mode changes, surface
// re-creation and its failures, restore after loss, release.
#include <gtest/gtest.h>

#include <string>

#include "app/app.h"
#include "app/modes.h"
#include "app/panorama.h"
#include "app/scene.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/fault.h"

namespace {

TEST_F(AppTest, ListHasOneEntryPerPanoramaAndTheCloseEntry) {
  Panoramy(3);
  // The second thumbnail cannot be put in place: that entry has no picture.
  PLAT_FaultSet(PC_FileRename, 1, 1, 0);
  ASSERT_EQ(Spusti(""), 1);
  PLAT_FaultClear();
  ASSERT_EQ(dui_PANO.VOLR_pocet, 4);
  const int id[] = {1, 2, 3, 100};
  const int icon[] = {0, -1, 2, -1};
  const char* text[] = {"pano_1", "pano_2", "pano_3", "<Zavriet>"};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(dui_PANO.VOLR[i].ID, id[i]) << i;
    EXPECT_EQ(dui_PANO.VOLR[i].icon, icon[i]) << i;
    EXPECT_STREQ(dui_PANO.VOLR[i].text, text[i]) << i;
  }
  EXPECT_EQ(dui_PANO.Rol_mod, 0);
  EXPECT_EQ(PAN_ICON_thmb[0].faza.XP, 99);
}

TEST_F(AppTest, AssemblyValues) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  EXPECT_EQ(tlacidlo_poc, 8);
  EXPECT_EQ(tlacidlo_lista_poc, 5);
  const int x[] = {40, 62, 162, 184, 760, 40, 750, 720};
  const int y[] = {577, 577, 577, 577, 577, 300, 300, 30};
  const int faz[] = {2, 2, 2, 2, 3, 3, 3, 3};
  for (int i = 0; i < 8; ++i) {
    EXPECT_EQ(tlacidlo[i].x, x[i]) << i;
    EXPECT_EQ(tlacidlo[i].y, y[i]) << i;
    EXPECT_EQ(tlacidlo[i].pocet_faz, faz[i]) << i;
  }
  // Phases measured on the sheet: the pointer's two hands, the list button's disc.
  EXPECT_EQ(kurzor.pocet_faz, 2);
  EXPECT_EQ(kurzor.FAZY[0].XL, 1);
  EXPECT_EQ(kurzor.FAZY[0].YH, 50);
  EXPECT_EQ(kurzor.FAZY[0].XP, 19);
  EXPECT_EQ(kurzor.FAZY[0].YD, 70);
  EXPECT_EQ(kurzor.FAZY[1].XL, 20);
  EXPECT_EQ(tlacidlo[7].FAZY[1].XL, 209);
  EXPECT_EQ(tlacidlo[7].FAZY[1].YD, 102);
  EXPECT_EQ(dui_gr_mod.VOL_pocet, 5);
  EXPECT_EQ(dui_sito.VOL_pocet, 6);
  EXPECT_STREQ(dui_sito.VOL[4].text, "40 x 40");
  EXPECT_EQ(dui_sito.VOL[4].ID, 5);
  EXPECT_EQ(dui_gr_mod.VOL[2].ID, 4);
  EXPECT_EQ(dui_gr_mod.viditelny, 0);
  EXPECT_EQ(dui_sito.viditelny, 0);
  EXPECT_EQ(dui_gr_mod.SRF_PTR, lpDDSBack);
  EXPECT_EQ(dui_PANO.SRF_PTR, lpDDSBack);
  EXPECT_EQ(dui_PANO.f2, 385);
  EXPECT_EQ(dui_PANO.Rol_poc_zobr, 8);
  EXPECT_EQ(Sito_pocx, 20);
  EXPECT_EQ(Sito_sir, 40);
  EXPECT_EQ(Sito_vys, 30);
}

TEST_F(AppTest, StartInMode4) {
  Panoramy(1);
  ASSERT_EQ(Spusti("G4"), 1);
  EXPECT_EQ(MAXX, 1024);
  EXPECT_EQ(tlacidlo[6].x, 974);
  EXPECT_EQ(tlacidlo[7].x, 944);
  EXPECT_EQ(tlacidlo[7].y, 30);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(tlacidlo[i].y, 743) << i;
  EXPECT_EQ(lpDDSPrimary->PLAT_Width(), 1024);
}

TEST_F(AppTest, StartInMode1) {
  Panoramy(1);
  // Before the first panorama the eye distance is half the width …
  ASSERT_EQ(Spusti("G1"), 1);
  EXPECT_EQ(MAXX, 320);
  EXPECT_EQ(MAXY, 200);
  EXPECT_EQ(ovl_pos, 183);
  // … and the load gives the start value.
  EXPECT_EQ(D, 400);
  EXPECT_EQ(SET_OBRAZOVKY(), 0);
  EXPECT_EQ(D, 160);
}

TEST_F(AppTest, ChangeTo1024x768) {
  Panoramy(2);
  ASSERT_EQ(Spusti(""), 1);
  Nahraj_PANORAMU(1, 0);
  YAW = 1.5f;
  PITCH = -0.4f;
  Reset_Sito(25, 25);
  ASSERT_EQ(RESET_GM(4), 0);
  EXPECT_EQ(GM, 4);
  EXPECT_EQ(MAXX, 1024);
  EXPECT_EQ(MAXY, 768);
  EXPECT_EQ(SX, 512);
  EXPECT_EQ(SY, 384);
  EXPECT_EQ(D, 512);
  EXPECT_EQ(ovl_pos, 743);
  EXPECT_EQ(tlacidlo[4].x, 984);
  EXPECT_EQ(tlacidlo[6].x, 974);
  EXPECT_EQ(tlacidlo[7].x, 944);
  EXPECT_EQ(tlacidlo[7].y, 30);
  EXPECT_EQ(tlacidlo[5].y, 384);
  // Panorama, angles and the grid's counts stay.
  EXPECT_EQ(PAN_id, 1);
  EXPECT_FLOAT_EQ(YAW, 1.5f);
  EXPECT_FLOAT_EQ(PITCH, -0.4f);
  EXPECT_EQ(Sito_pocx, 25);
  EXPECT_EQ(Sito_sir, 1024 / 25);
  EXPECT_EQ(Sito_vys, 768 / 25);
  // New surfaces of the new size, the panels pointed at the new back buffer.
  ASSERT_NE(lpDDSBack, nullptr);
  EXPECT_EQ(lpDDSBack->PLAT_Width(), 1024);
  EXPECT_EQ(dui_PANO.SRF_PTR, lpDDSBack);
  EXPECT_EQ(dui_sito.SRF_PTR, lpDDSBack);
  EXPECT_EQ(pan_SRF, nullptr);
  EXPECT_NE(rezia.SURFACE, nullptr);
  EXPECT_EQ(kurzor.Das_Surface, &rezia);
  // The menus are centred again.
  EXPECT_EQ(dui_gr_mod.podkl_rect.left, 512 - 170 / 2 - 10);
  // A frame still shows the view from the store.
  Prekresli_scenu(1);
  EXPECT_NE(lpDDSPrimary->PLAT_Row(384)[512], 0);
}

TEST_F(AppTest, OutOfRangeModeChangesNothing) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  IDirectDrawSurface* const primarny = lpDDSPrimary;
  for (int gm : {0, 100, -1, 6}) {
    EXPECT_EQ(RESET_GM(gm), 0) << gm;
    EXPECT_EQ(GM, 3);
    EXPECT_EQ(MAXX, 800);
    EXPECT_EQ(lpDDSPrimary, primarny);
  }
}

TEST_F(AppTest, Mode1280KeepsItsEyeDistanceUntilTheNextZoom) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  ASSERT_EQ(RESET_GM(5), 0);
  EXPECT_EQ(D, 640);
  EXPECT_EQ(ovl_pos, 995);
  Posli(WM_KEYDOWN, VK_SUBTRACT, 0);
  EXPECT_EQ(D, 600);
}

TEST_F(AppTest, RefusedModeIsReturned) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  PLAT_FaultSet(PC_SetDisplayMode, 0, 1, DDERR_INVALIDMODE);
  EXPECT_EQ(RESET_GM(2), DDERR_INVALIDMODE);
  EXPECT_EQ(MAXX, 800);
}

struct TObnova {
  TPlatCall volanie;
  const char* text;
};

class RecreationFailure : public AppTest, public ::testing::WithParamInterface<TObnova> {};

TEST_P(RecreationFailure, ShowsItsLetterThenEnds) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  PLAT_ClearMessageBoxes();
  PLAT_FaultSet(GetParam().volanie, 0, 1, DDERR_OUTOFMEMORY);
  EXPECT_EQ(RESET_GM(2), 0);
  const auto& b = PLAT_MessageBoxes();
  ASSERT_EQ(b.size(), 2u);
  EXPECT_EQ(b[0].text, GetParam().text);
  EXPECT_EQ(b[1].text, "Problem pri inicializacii");
  EXPECT_EQ(lpDD, nullptr);
  EXPECT_EQ(lpDDSPrimary, nullptr);
  // The frame the menu asks for afterwards draws nothing.
  Prekresli_scenu(1);
  MSG m;
  bool koniec = false;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) koniec = koniec || m.message == WM_QUIT;
  EXPECT_TRUE(koniec);
}

INSTANTIATE_TEST_SUITE_P(Steps, RecreationFailure,
                         ::testing::Values(TObnova{PC_CreatePrimary, "b"}, TObnova{PC_GetAttachedSurface, "c"},
                                           TObnova{PC_CreateOffscreen, "e"}));

TEST_F(AppTest, ModeMenuRefusalEndsTheRun) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  KlikTlacidlo(TL_GR_MOD);
  ASSERT_EQ(dui_gr_mod.viditelny, 1);
  PLAT_FaultSet(PC_SetDisplayMode, 0, 1, DDERR_INVALIDMODE);
  const RECT r = dui_gr_mod.VOL[0].rect;
  Pohyb(r.left + 5, r.top + 5);
  Dole(r.left + 5, r.top + 5);
  EXPECT_EQ(PLAT_MessageBoxes().back().text, "Problem pri inicializacii");
  EXPECT_EQ(lpDD, nullptr);
}

TEST_F(AppTest, PanoramaFromTheCommandLineInAnEmptyFolderSurvivesAModeChange) {
  Panoramy(1);
  ASSERT_EQ(std::rename("pano_1.bmp", "samotna.xyz"), 0);
  ASSERT_EQ(Spusti("samotna.xyz"), 1);
  EXPECT_EQ(PAN_id_max, -1);
  EXPECT_EQ(dui_PANO.VOLR_pocet, 1);
  ASSERT_EQ(RESET_GM(2), 0);
  EXPECT_EQ(lpDDPal, nullptr);
  EXPECT_NE(lpDDSBack, nullptr);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
  // Previous and next find no panorama to load.
  KlikTlacidlo(TL_PRED);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(pan_sir, 200);
}

TEST_F(AppTest, ReleaseTwiceIsHarmless) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  Vykonaj_RELEASE_SRF(0);
  EXPECT_NE(lpDD, nullptr);
  EXPECT_EQ(lpDDSPrimary, nullptr);
  EXPECT_EQ(lpDDSBack, nullptr);
  Vykonaj_RELEASE_SRF(1);
  EXPECT_EQ(lpDD, nullptr);
  Vykonaj_RELEASE_SRF(1);
  EXPECT_EQ(lpDD, nullptr);
  // Frames after the release draw nothing.
  Prekresli_scenu(1);
  Prekresli_scenu(0);
}

TEST_F(AppTest, LostSurfacesAreRestoredByTheNextFrame) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  dui_PANO.viditelny = 0;
  PLAT_LoseAllSurfaces();
  Prekresli_scenu(1);
  EXPECT_EQ(lpDDSPrimary->IsLost(), DD_OK);
  EXPECT_EQ(rezia.SURFACE->IsLost(), DD_OK);
  Prekresli_scenu(1);
  // The view is back on the screen, the sheet reloaded: the strip has its colours.
  EXPECT_EQ(lpDDSPrimary->PLAT_Row(300)[400], lpDDSBack->PLAT_Row(300)[400]);
  EXPECT_EQ(lpDDSPrimary->PLAT_Row(ovl_pos)[300], ovl_Mask[0]);
}

TEST_F(AppTest, LostScreenFoundByARecomposedFrame) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  lpDDSPrimary->PLAT_Lose();
  Prekresli_scenu(0);
  EXPECT_EQ(lpDDSPrimary->IsLost(), DD_OK);
}

}  // namespace
