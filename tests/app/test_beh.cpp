// A run of the viewer: start-up, failing displays, one whole session, busy and lost surfaces.
#include "app_fixture.h"

namespace {

const char* const PROBLEM = "Problem pri inicializacii";

std::string Spravy() {
  std::string s;
  for (const auto& b : PLAT_MessageBoxes()) s += b.text + "|";
  return s;
}

TEST_F(AppTest, StartShowsTheNamedOrFirstPanorama) {
  // The command line; the panorama shown, its width (0: nothing loaded), the list open, the message.
  const std::tuple<const char*, int, int, int, const char*> pripady[] = {
      {"", 0, 200, 1, ""}, {"P2 pano_3.bmp", 2, 300, 0, ""}, {"P12", 12, 0, 1, ""},
      {"1 nic.bmp", 1, 200, 0, "Súbor nic.bmp nebol nájdený, neexistuje.|"}};
  for (const auto& [riadok, id, sir, zoznam, sprava] : pripady) {
    Panoramy(3, 300, 150);
    Panoramy(2);
    ASSERT_EQ(Spusti(riadok), 1);
    EXPECT_EQ(std::make_tuple(PAN_id, PAN_id_max, pan_sir, (int)dui_PANO.viditelny, Spravy()),
              std::make_tuple(id, 2, sir, zoznam, std::string(sprava))) << riadok;
    Znova();
  }
}

// A display failing at start or when re-created (its letter first): the message, then the end.
TEST_F(AppTest, ADisplayThatFailsIsReportedAndEndsTheRun) {
  EXPECT_EQ(PANO_WinMain("", SW_SHOW), 0);  // an empty folder
  EXPECT_EQ(Spravy(), "Žiadne panorámy v lokálnom adresári!|");
  EXPECT_EQ(PLAT_MessageBoxes()[0].caption, "Tessarin Panorama Player");
  const std::pair<TPlatCall, std::string> pripady[] = {
      {PC_DirectDrawCreate, ""}, {PC_SetCooperativeLevel, ""}, {PC_SetDisplayMode, ""},       {PC_CreatePrimary, ""},
      {PC_GetAttachedSurface, ""}, {PC_CreatePrimary, "b|"}, {PC_GetAttachedSurface, "c|"}, {PC_CreateOffscreen, "e|"}};
  for (const auto& [c, pismeno] : pripady) {
    Znova();
    const bool pri_starte = pismeno.empty();
    Panoramy(1);
    if (!pri_starte) {
      ASSERT_EQ(Spusti(), 1);
      PLAT_ClearMessageBoxes();
    }
    PLAT_FaultSet(c, 0, pri_starte ? -1 : 1, DDERR_OUTOFMEMORY);
    const int kod = pri_starte ? PANO_WinMain("", SW_SHOW) : (int)RESET_GM(2);
    Prekresli_scenu(1);  // draws nothing
    MSG m;
    bool koniec = pri_starte;  // the loop has run
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) koniec = koniec || m.message == WM_QUIT;
    const bool bez_displeja = lpDDSPrimary == nullptr && (lpDD == nullptr || !pri_starte);
    EXPECT_EQ(std::make_tuple(kod, Spravy(), bez_displeja, koniec), std::make_tuple(0, pismeno + PROBLEM + "|", 1, 1))
        << c << pismeno;
  }
}

TEST_F(AppTest, FullSession) {
  Panoramy(10, 120, 60);
  PLAT_FaultSet(PC_FileRename, 1, 1, 0);  // the second thumbnail is not put in place: no picture
  ASSERT_EQ(Spusti("G2"), 1);
  ASSERT_EQ(dui_PANO.VOLR_pocet, 11);  // one entry per panorama, by name, and the closing one
  for (int i = 0; i < 11; ++i)
    EXPECT_EQ(std::make_pair(dui_PANO.VOLR[i].ID, dui_PANO.VOLR[i].icon),
              std::make_pair(i < 10 ? i + 1 : 100, i == 1 || i == 10 ? -1 : i)) << i;
  EXPECT_STREQ(dui_PANO.VOLR[1].text, "pano_10");
  dui_PANO.viditelny = 0;
  KlikTlacidlo(TL_ZOZNAM);
  ASSERT_EQ(std::make_tuple(MAXX, (int)dui_PANO.Rol_mod, dui_PANO.Rol_max), std::make_tuple(640, 1, 3 * 32));
  // The down arrow scrolls; the third panorama is chosen.
  Klik(dui_PANO.tlacB_.x + 5, dui_PANO.tlacB_.y + 5);
  EXPECT_GT(dui_PANO.Rol_pos, 0);
  Zvol(dui_PANO, 3);
  EXPECT_EQ(PAN_id, 2);
  // The grid menu, "40 x 40"; the display-mode menu, "1024 x 768"; "<Zavriet>" only closes.
  KlikTlacidlo(TL_SITO);
  Zvol(dui_sito, 5);
  EXPECT_EQ(std::make_pair(Sito_pocx, Sito_sir), std::make_pair(40, 16));
  KlikTlacidlo(TL_GR_MOD);
  Zvol(dui_gr_mod, 4);
  EXPECT_EQ(std::make_tuple(MAXX, Sito_sir, PAN_id), std::make_tuple(1024, 25, 2));
  KlikTlacidlo(TL_SITO);
  Zvol(dui_sito, 100);
  EXPECT_EQ(Sito_pocx, 40);
  // Previous thrice from the third comes round to the last; next from the last to the first.
  for (int i = 0; i < 3; ++i) KlikTlacidlo(TL_PRED);
  EXPECT_EQ(PAN_id, 9);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PAN_id, 0);
  // The close button acts on release (its move resets the idle count) after the two pulses.
  for (int i = 0; i < 2; ++i) PLAT_InjectMessage(WM_TIMER, 1, 0);
  KlikTlacidlo(TL_KONIEC);
  EXPECT_EQ(std::make_tuple(Slucka_sprav(), pulz_poc_msna, lpDD), std::make_tuple(0, 2, nullptr));
}

// A frame whose back buffer is busy is not shown; lost surfaces come back with the next frame.
TEST_F(AppTest, BusyOrLostSurfacesAndTheNextFrame) {
  ASSERT_EQ(Spusti1(), 1);
  ZaplnZadny(0x4321);
  Prekresli_scenu(0);
  ZaplnZadny(0x0F0F);
  PLAT_FaultSet(PC_Lock, 0, 1, DDERR_SURFACEBUSY);
  Prekresli_scenu(1);
  EXPECT_EQ(std::make_pair(ZadnyZaplneny(0x0F0F), lpDDSPrimary->PLAT_Pixel(700, 50)), std::make_pair(true, 0x4321u));
  PLAT_LoseAllSurfaces();
  Prekresli_scenu(1);
  Prekresli_scenu(1);
  const uint32_t pruh = lpDDSPrimary->PLAT_Pixel(300, ovl_pos);
  EXPECT_EQ(std::make_tuple(lpDDSPrimary->IsLost(), Prekryte(400, 300, 400, 300), pruh),
            std::make_tuple(DD_OK, false, ovl_Mask[0]));
}

}  // namespace
