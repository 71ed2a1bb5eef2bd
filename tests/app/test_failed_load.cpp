// Pictures that cannot be shown, special files, large folders and a full disk: the viewer
// never stalls, never shows one picture under another's name, and says what happened.
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <string>

#include "app/panorama.h"
#include "app/scene.h"
#include "app/sprava.h"
#include "app/ui.h"
#include "app/volby.h"
#include "app_fixture.h"
#include "engine/store.h"
#include "tests/common/engine_ref.h"
#include "log/zeph_log.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "tests/bmpfiles/temp_folder.h"
#include "tools/bmp24.h"

namespace {

void Obrazok(const std::string& meno, int sir = 40, int vys = 20) {
  TRgbPicture obr(sir, vys);
  for (int y = 0; y < vys; ++y)
    for (int x = 0; x < sir; ++x) obr.Set(x, y, 200, (uint8_t)(x * 5), 60);
  ASSERT_TRUE(BMP24_Zapis(obr, meno.c_str()));
}

std::string Log() { return CitajSubor(ZEPH_LOG_SUBOR); }

std::string Nenacitany(const char* meno) { return std::string("Súbor ") + meno + " sa nepodarilo načítať."; }

TEST_F(AppTest, APictureThatDoesNotLoadIsNeverShownAsAnotherAndNeverStalls) {
  alarm(20);  // an open that blocks would hang the run: the alarm ends it instead
  // In folder order: refused, good, corrupt JPEG, good, deleted while running, a pipe, a link
  // to it, a device, good.
  std::ofstream("a.bmp") << "BM nie je to obrazok";
  Obrazok("b.bmp");
  std::ofstream("c.jpg") << "\xFF\xD8\xFF\xE0 rozbity";
  Obrazok("d.bmp");
  Obrazok("e.bmp");
  ASSERT_EQ(mkfifo("f.bmp", 0644), 0);
  ASSERT_EQ(symlink("f.bmp", "g.jpg"), 0);
  ASSERT_EQ(symlink("/dev/zero", "h.bmp"), 0);
  Obrazok("i.bmp");
  ASSERT_EQ(Spusti(""), 1);
  ASSERT_EQ(std::remove("e.bmp"), 0);
  dui_PANO.viditelny = 0;
  for (const char* meno : {"a.bmp", "b.bmp", "c.jpg", "d.bmp", "e.bmp", "f.bmp", "g.jpg", "h.bmp", "i.bmp"}) {
    if (meno[0] != 'a') KlikTlacidlo(TL_DALSI);
    Prekresli_scenu(1);
    if (meno[0] == 'b' || meno[0] == 'd' || meno[0] == 'i') {
      EXPECT_EQ(pan_sir, 40) << meno;
      EXPECT_STREQ(Sprava_nad_pohladom(), "") << meno;
      continue;
    }
    EXPECT_EQ(pan_SRF, nullptr) << meno;
    EXPECT_EQ(pan_sir, 0) << meno;
    EXPECT_EQ(W_sir * W_vys, 1) << meno;  // the empty store: one black pixel
    EXPECT_EQ(W16(0, 0), 0) << meno;
    EXPECT_EQ(Sprava_nad_pohladom(), Nenacitany(meno));
    EXPECT_TRUE(Prekryte(0, 0, 799, 31)) << meno;
    EXPECT_NE(Log().find(std::string("PANO(40) : Panorama sa neda nacitat: ./") + meno), std::string::npos) << meno;
  }
  // The headless renderer, as a process: refused at once, not stuck.
  const std::string rv = stary_priecinok_ + "/render_view";
  for (const char* meno : {"f.bmp", "g.jpg"}) {
    if (access(rv.c_str(), X_OK) != 0) break;  // the sanitizer tree builds no tools
    const int rc = std::system(("timeout 10 " + rv + " -o v.bmp " + meno + " 2>/dev/null").c_str());
    EXPECT_EQ(WEXITSTATUS(rc), 1) << meno;
  }
  alarm(0);
}

class LargeFolder : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    for (int i = 0; i < 300; ++i) {
      char m[24];
      std::snprintf(m, sizeof m, "p%03d.bmp", i);
      Obrazok(m, 8, 4);
    }
  }
};

TEST_F(LargeFolder, NextReachesEveryPictureAndTheListTheLast) {
  ASSERT_EQ(Spusti(""), 1);
  ASSERT_EQ(PAN_id_max, 299);
  ASSERT_EQ(dui_PANO.VOLR_pocet, 301);
  // The list scrolled to its end shows the last picture; choosing it loads it.
  dui_PANO.RESET(dui_PANO.Rol_max);
  int riadok = -1;
  for (int i = 0; i < dui_PANO.VOL_pocet; ++i)
    if (dui_PANO.VOL[i].ID == 300) riadok = i;
  ASSERT_GE(riadok, 0);
  const RECT r = dui_PANO.VOL[riadok].rect;
  Klik((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(PAN_id, 299);
  EXPECT_STREQ(PAN_subor[PAN_id], "./p299.bmp");
  for (int i = 0; i < 300; ++i) {
    KlikTlacidlo(TL_DALSI);
    ASSERT_EQ(PAN_id, i);
    ASSERT_NE(pan_SRF, nullptr);
  }
}

TEST_F(LargeFolder, AFileGivenBeyondTheFirstFiftyStepsToTheNextOne) {
  const std::string cesta = priecinok_ + "/p200.bmp";
  const char* argv[] = {"panorama", cesta.c_str()};
  TVolby volby;
  ASSERT_EQ(PANO_Rozober_volby(2, argv, &volby, stdout, stderr), -1);
  ASSERT_EQ(PANO_Otvor_cestu(volby, stderr), 1);
  ASSERT_EQ(Spusti(volby.riadok.c_str()), 1);
  EXPECT_EQ(PAN_id, 200);
  KlikTlacidlo(TL_DALSI);
  EXPECT_STREQ(PAN_subor[PAN_id], "./p201.bmp");
}

TEST_F(AppTest, AScreenshotOnAFullDiskIsReportedAndLogged) {
  Obrazok("a.bmp");
  ASSERT_EQ(Spusti(""), 1);
  // The disk fills in the file header, in the information header, in the rows.
  const struct {
    int bajty;
    const char* riadok;
  } pripady[] = {{0, "DBMP_5(134) : PROBLEM pri fHeader zapise"},
                 {20, "DBMP_5(141) : PROBLEM pri iHeader zapise"},
                 {100, "DBMP_5(148) : PROBLEM pri zapise riadkov TSSCAN.bmp"}};
  for (const auto& p : pripady) {
    PLAT_ClearMessageBoxes();
    PLAT_FaultSet(PC_FileWrite, p.bajty, -1, 0);
    Klaves(VK_F2);
    PLAT_FaultClear();
    ASSERT_EQ(PLAT_MessageBoxes().size(), 1u) << p.bajty;
    EXPECT_EQ(PLAT_MessageBoxes()[0].text, "Snímku obrazovky sa nepodarilo uložiť: TSSCAN.bmp");
    EXPECT_NE(Log().find(p.riadok), std::string::npos) << p.bajty;
    EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "a.bmp", "a.thm"})) << p.bajty;
  }
}

}  // namespace
