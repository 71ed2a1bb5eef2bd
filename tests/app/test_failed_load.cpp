// Pictures that cannot be shown, long loads, large folders: never a stall or a wrong picture.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <csignal>
#include <cstdio>
#include <fstream>

#include "app/nacitanie.h"
#include "app/sprava.h"
#include "app/volby.h"
#include "app_fixture.h"
#include "log/zeph_log.h"
#include "tests/common/engine_ref.h"

namespace {

std::string Log() { return CitajSubor(ZEPH_LOG_SUBOR); }

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
  // A writer waits for the pipe's reader: the pipe is never even opened.
  const pid_t pisar = fork();
  if (pisar == 0) {
    alarm(20);  // never outlives a failed test
    _exit(open("f.bmp", O_WRONLY) >= 0 ? 0 : 1);
  }
  ASSERT_EQ(Spusti(), 1);
  ASSERT_EQ(std::remove("e.bmp"), 0);
  dui_PANO.viditelny = 0;
  for (const char* meno : {"a.bmp", "b.bmp", "c.jpg", "d.bmp", "e.bmp", "f.bmp", "g.jpg", "h.bmp", "i.bmp"}) {
    if (meno[0] != 'a') KlikTlacidlo(TL_DALSI);
    Prekresli_scenu(1);
    const bool dobry = meno[0] == 'b' || meno[0] == 'd' || meno[0] == 'i';
    // A bad one leaves one black pixel, says so over the view and in the log.
    const std::string sprava = dobry ? "" : std::string("Súbor ") + meno + " sa nepodarilo načítať.";
    const bool v_logu = Log().find(std::string("PANO(40) : Panorama sa neda nacitat: ./") + meno) != std::string::npos;
    EXPECT_EQ(std::make_tuple(pan_sir, W_sir * W_vys == 1 && W16(0, 0) == 0, std::string(Sprava_nad_pohladom()),
                              dobry || Prekryte(0, 0, 799, 31), v_logu),
              std::make_tuple(dobry ? 40 : 0, !dobry, sprava, true, !dobry)) << meno;
  }
  EXPECT_EQ(waitpid(pisar, nullptr, WNOHANG), 0) << "the pipe was opened";
  kill(pisar, SIGKILL);
  waitpid(pisar, nullptr, 0);
  alarm(0);
}

// Only a long load shows its progress (black in the picture's place); Escape stops it and ends the run.
TEST_F(AppTest, ALongLoadShowsItsProgressAndEscapeStopsItAndEndsTheProgram) {
  Obrazok("a.bmp");
  Obrazok("b.bmp", 400, 200);
  ASSERT_EQ(Spusti(), 1);
  Prekresli_scenu(1);
  const uint32_t roh = lpDDSPrimary->PLAT_Pixel(4, 4) & 0xFFFFFF;
  ASSERT_NE(roh, 0u);
  EXPECT_EQ(Nahraj_PANORAMU("b.bmp", 0), IMG_LOAD_OK);  // quick: nothing over the frame
  EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(4, 4) & 0xFFFFFF, roh);
  const unsigned prah = NAC_prah_ms;
  NAC_prah_ms = 0;
  EXPECT_EQ(Nahraj_PANORAMU("b.bmp", 0), IMG_LOAD_OK);
  EXPECT_EQ(lpDDSPrimary->PLAT_Pixel(4, 4) & 0xFFFFFF, 0u);
  PLAT_InjectMessage(WM_KEYDOWN, VK_ESCAPE, 0);
  EXPECT_EQ(Nahraj_PANORAMU("b.bmp", 0), IMG_LOAD_STOPPED);
  EXPECT_EQ(pan_sir, 0);
  Zobraz_PANORAMU(0, 0);
  NAC_prah_ms = prah;
  EXPECT_EQ(std::make_tuple(pan_sir, std::string(Sprava_nad_pohladom()), Log().find("PANO(40)")),
            std::make_tuple(0, "", std::string::npos));
  alarm(10);  // a lost Escape would leave the loop running
  EXPECT_EQ(Slucka_sprav(), 0);
  alarm(0);
}

// A file beyond the first fifty is shown; next and the list's end reach every picture.
TEST_F(AppTest, InALargeFolderEveryPictureIsReachedByNextAndTheList) {
  for (int i = 1000; i < 1300; ++i) Obrazok("p" + std::to_string(i).substr(1) + ".bmp", 8, 4);
  const std::string cesta = tmp_.Cesta() + "/p200.bmp";
  const char* argv[] = {"panorama", cesta.c_str()};
  TVolby volby;
  ASSERT_EQ(PANO_Rozober_volby(2, argv, &volby, stdout, stderr), -1);
  ASSERT_EQ(PANO_Otvor_cestu(volby, stderr), 1);
  ASSERT_EQ(Spusti(volby.riadok.c_str()), 1);
  ASSERT_EQ(std::make_tuple(PAN_id, PAN_id_max, dui_PANO.VOLR_pocet), std::make_tuple(200, 299, 301));
  for (int i = 201; i < 500; ++i) {
    KlikTlacidlo(TL_DALSI);
    ASSERT_EQ(std::make_pair(PAN_id, pan_sir), std::make_pair(i % 300, 8));
  }
  dui_PANO.viditelny = 1;
  dui_PANO.RESET(dui_PANO.Rol_max);
  Zvol(dui_PANO, 300);
  EXPECT_STREQ(PAN_subor[PAN_id], "./p299.bmp");
}

}  // namespace
