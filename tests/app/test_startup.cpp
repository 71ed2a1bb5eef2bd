// Start-up, its failure paths, the message loop and the end of the run.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

#include "app/app.h"
#include "app/input.h"
#include "app/modes.h"
#include "app/panorama.h"
#include "app/pulse.h"
#include "app/startup.h"
#include "app/ui.h"
#include "app_fixture.h"
#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/fault.h"

namespace {

const char* const PROBLEM = "Problem pri inicializacii";

std::string posledna_sprava() {
  const auto& b = PLAT_MessageBoxes();
  return b.empty() ? std::string() : b.back().text;
}

TEST_F(AppTest, FolderWithPanoramasShowsTheFirstWithTheListOpen) {
  Panoramy(2, 240, 120);
  ASSERT_EQ(Spusti(""), 1);
  EXPECT_EQ(PAN_id, 0);
  EXPECT_EQ(PAN_id_max, 1);
  EXPECT_EQ(pan_sir, 240);
  EXPECT_EQ(dui_PANO.viditelny, 1);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
  EXPECT_EQ(MAXX, 800);
  EXPECT_EQ(MAXY, 600);
  EXPECT_EQ(D, 400);
  ASSERT_NE(lpDDSPrimary, nullptr);
  ASSERT_NE(lpDDSBack, nullptr);
  // The store holds the picture once start-up is over.
  EXPECT_NE(W[50][100], 0);
}

TEST_F(AppTest, NamedFileIsShownWithTheListClosed) {
  Panoramy(3);
  Panoramy(1, 300, 150);  // overwrites pano_1.bmp with a bigger picture
  ASSERT_EQ(Spusti("P2 pano_1.bmp"), 1);
  EXPECT_EQ(pan_sir, 300);
  EXPECT_EQ(PAN_id, 2);
  EXPECT_EQ(dui_PANO.viditelny, 0);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}

TEST_F(AppTest, MissingFileIsReportedAndTheFolderPanoramaShown) {
  Panoramy(2);
  ASSERT_EQ(Spusti("1 nic.bmp"), 1);
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text, "Súbor nic.bmp nebol nájdený, neexistuje.");
  EXPECT_EQ(PLAT_MessageBoxes()[0].caption, "Tessarin Panorama Player");
  EXPECT_EQ(PAN_id, 1);
  EXPECT_EQ(pan_sir, 200);
  EXPECT_EQ(dui_PANO.viditelny, 0);
}

TEST_F(AppTest, LongMissingNameIsCutToFitTheMessage) {
  Panoramy(1);
  // Two-byte letters so that the cut must land between characters.
  std::string meno;
  for (int i = 0; i < 150; ++i) meno += "č";
  ASSERT_EQ(Spusti(meno.c_str()), 1);
  const std::string s = posledna_sprava();
  EXPECT_LT(s.size(), 200u);
  EXPECT_EQ(s.rfind("Súbor čč", 0), 0u);
  const std::string koniec = " nebol nájdený, neexistuje.";
  ASSERT_GT(s.size(), koniec.size());
  EXPECT_EQ(s.substr(s.size() - koniec.size()), koniec);
  // Whole characters only: the byte before the ending is the last byte of a "č".
  EXPECT_EQ((unsigned char)s[s.size() - koniec.size() - 1], 0x8D);
}

TEST_F(AppTest, StartIndexOutsideTheFolderLoadsNothing) {
  Panoramy(2);
  ASSERT_EQ(Spusti("P12"), 1);
  EXPECT_EQ(PAN_id, 12);
  EXPECT_EQ(pan_SRF, nullptr);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
  // A mode change has no folder entry 12 to take the palette from.
  EXPECT_EQ(RESET_GM(2), 0);
  EXPECT_EQ(lpDDPal, nullptr);
  EXPECT_NE(lpDDSBack, nullptr);
}

TEST_F(AppTest, BrokenPanoramaLeavesARunningViewer) {
  Panoramy(1);
  FILE* f = std::fopen("zly.bmp", "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("BM this is no picture", f);
  std::fclose(f);
  ASSERT_EQ(Spusti("zly.bmp"), 1);
  EXPECT_EQ(pan_SRF, nullptr);
  // The folder lists it too; its entry has no thumbnail, and stepping onto it and
  // away again works.
  ASSERT_EQ(PAN_id_max, 1);
  EXPECT_EQ(dui_PANO.VOLR[1].icon, -1);
  for (int i = 0; i < 3; ++i) KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PAN_id, 1);
  KlikTlacidlo(TL_DALSI);
  EXPECT_EQ(PAN_id, 0);
  EXPECT_EQ(pan_sir, 200);
}

TEST_F(AppTest, EmptyFolderEndsWithItsMessageAndCodeZero) {
  EXPECT_EQ(PANO_WinMain("", SW_SHOW), 0);
  EXPECT_EQ(posledna_sprava(), "Žiadne panorámy v lokálnom adresári!");
  EXPECT_EQ(PLAT_MessageBoxes().back().caption, "Tessarin Panorama Player");
}

struct TZlyhanie {
  TPlatCall volanie;
  const char* meno;
};

class StartFailure : public AppTest, public ::testing::WithParamInterface<TZlyhanie> {};

TEST_P(StartFailure, GivesUpWithTheCommonMessage) {
  Panoramy(1);
  PLAT_FaultSet(GetParam().volanie, 0, -1, DDERR_GENERIC);
  EXPECT_EQ(PANO_WinMain("", SW_SHOW), 0);
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text, PROBLEM);
  EXPECT_EQ(PLAT_MessageBoxes()[0].caption, "Tessarin Panorama Player");
  EXPECT_EQ(lpDD, nullptr);
  EXPECT_EQ(lpDDSPrimary, nullptr);
  EXPECT_EQ(lpDDSBack, nullptr);
}

INSTANTIATE_TEST_SUITE_P(Steps, StartFailure,
                         ::testing::Values(TZlyhanie{PC_DirectDrawCreate, "DirectDrawCreate"},
                                           TZlyhanie{PC_SetCooperativeLevel, "SetCooperativeLevel"},
                                           TZlyhanie{PC_SetDisplayMode, "SetDisplayMode"},
                                           TZlyhanie{PC_CreatePrimary, "CreatePrimary"},
                                           TZlyhanie{PC_GetAttachedSurface, "GetAttachedSurface"}),
                         [](const ::testing::TestParamInfo<TZlyhanie>& i) { return std::string(i.param.meno); });

TEST_F(AppTest, NoWindowEndsWithoutAMessage) {
  Panoramy(1);
  PLAT_FaultSet(PC_CreateWindow, 0, -1, 0);
  EXPECT_EQ(PANO_WinMain("", SW_SHOW), 0);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}

TEST_F(AppTest, NoSoundDeviceDoesNotStopStartUp) {
  Panoramy(1);
  PLAT_AudioFakeDevice(false);
  ASSERT_EQ(Spusti(""), 1);
  EXPECT_EQ(zvuk_1.SBUFFER, nullptr);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}

TEST_F(AppTest, EscapeClosesThroughTheLoopAndReleasesEverything) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  PLAT_InjectMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(Slucka_sprav(), 0);
  EXPECT_EQ(lpDD, nullptr);
  EXPECT_EQ(lpDDSPrimary, nullptr);
  EXPECT_EQ(lpDDSBack, nullptr);
  EXPECT_EQ(pan_SRF, nullptr);
  EXPECT_EQ(rezia.SURFACE, nullptr);
  EXPECT_EQ(lpDDPal, nullptr);
}

TEST_F(AppTest, TimerMessagesRunThePulse) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  pulz_poc_msna = 10;
  PLAT_InjectMessage(WM_TIMER, 1, 0);
  PLAT_InjectMessage(WM_TIMER, 1, 0);
  PLAT_InjectMessage(WM_KEYDOWN, VK_F12, 0);
  EXPECT_EQ(Slucka_sprav(), 0);
  EXPECT_EQ(pulz_poc_msna, 12);
  EXPECT_EQ(lpDD, nullptr);
}

TEST_F(AppTest, SystemPointerIsHidden) {
  Panoramy(1);
  ASSERT_EQ(Spusti(""), 1);
  EXPECT_EQ(Posli(WM_SETCURSOR, 0, 0), 1);
  EXPECT_FALSE(PLAT_SystemCursorVisible());
}

}  // namespace
