// Thumbnails of a folder's panoramas (also in awkward folders: the program's own screenshot,
// names that differ only in letter case, names near the system's limit, thumbnails that do not
// load or cannot be made) and the rescaling writers behind them.
#include <sys/stat.h>

#include <fstream>
#include <functional>

#include "bmpfiles/dbmp.h"
#include "tests/bmpfiles/dbmp_fixture.h"

namespace {

class DbmpNahlady : public DbmpTest {
 protected:
  void TearDown() override {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    DbmpTest::TearDown();
  }
  // One start of the viewer's scan in folder `p`; returns what it printed, its errors into `chyby`.
  std::string Start(const std::string& p = "./", std::string* chyby = nullptr) {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DBMP_Zisti_Vytvor__bmp2thm_s3C(p.c_str(), 1, dd, 100, 50, nazvy, &maxid), 0);
    const std::string err = ::testing::internal::GetCapturedStderr();
    if (chyby != nullptr) *chyby = err;
    return ::testing::internal::GetCapturedStdout();
  }
  char* nazvy[DBMP_MAX_PANORAM] = {};
  int maxid = -1;
};

TEST_F(DbmpNahlady, EveryPanoramaGetsTheMiddleBandOnce) {
  Obrazok("alps.bmp", 100, 50);
  Obrazok("Tatry.BMP", 64, 32);
  EXPECT_EQ(Start(), "Náhľad 1/2: ./alps.thm\nNáhľad 2/2: ./Tatry.BMP.thm\n");
  ASSERT_EQ(maxid, 1);
  EXPECT_STREQ(nazvy[1], "./Tatry.BMP");
  // Rows 12 … 36 of the 50-row load: a picture whose rows are their own index shows 12 on top.
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("alps.thm", &b));
  ASSERT_EQ(b.Sir(), 100);
  ASSERT_EQ(b.Vys(), 25);
  EXPECT_EQ(b.Pixel(0, 0), Rgb(PLAT_Pack565(0, 12, 100)));
  EXPECT_EQ(b.Pixel(99, 24), Rgb(PLAT_Pack565(99, 36, 100)));
  // A second start makes none, even for a changed panorama; a deleted one is made again.
  const std::string stary = CitajSubor("alps.thm");
  Obrazok("alps.bmp", 200, 200);
  EXPECT_EQ(Start(), "");
  EXPECT_EQ(CitajSubor("alps.thm"), stary);
  ASSERT_EQ(std::remove("Tatry.BMP.thm"), 0);
  EXPECT_EQ(Start(), "Náhľad 1/1: ./Tatry.BMP.thm\n");
  EXPECT_TRUE(Log().empty());
}

// Made through surfaces of a 32-bit display, a thumbnail keeps every level of its picture.
TEST_F(DbmpNahlady, AThirtyTwoBitDisplayMakesThumbnailsInFullColour) {
  ASSERT_EQ(dd->SetDisplayMode(64, 48, 32), DD_OK);
  Obrazok("alps.bmp", 100, 50);
  Start();
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("alps.thm", &b));
  for (int x = 0; x < 100; ++x) ASSERT_EQ(b.Pixel(x, 0), (uint32_t)x << 16 | 12 << 8 | 100) << x;
}

TEST_F(DbmpNahlady, UnreadablePictureOrFullDiskLeaveNoThumbnailAndRetry) {
  ASSERT_TRUE(ZapisSubor("zly.bmp", "nie je to obrazok"));
  Obrazok("p.bmp", 40, 20);
  PLAT_FaultSet(PC_FileWrite, 100, -1, 0);
  EXPECT_EQ(Start(), "Náhľad 1/2: ./p.thm\nNáhľad 2/2: ./zly.thm\n");
  PLAT_FaultClear();
  EXPECT_EQ(maxid, 1);
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "p.bmp", "zly.bmp"}));
  EXPECT_EQ(Log(), (std::vector<std::string>{"DBMP_5(148) : PROBLEM pri zapise riadkov ./p.thm",
                                             "DBMP_5(300) : Chyba pri nacitani obrazka ./zly.bmp"}));
  EXPECT_EQ(Start(), "Náhľad 1/2: ./p.thm\nNáhľad 2/2: ./zly.thm\n");
  EXPECT_TRUE(DBMP_Existuje_sub("p.thm"));
}

const std::string DLHE(246, 'd');  // with ".bmp" 250 bytes; its temporary ".thm.tmp" was 258

TEST_F(DbmpNahlady, EveryListedPictureGetsItsOwnThumbnailThatLoads) {
  const struct {
    const char* pripad;
    std::vector<std::string> obrazky;
    std::string stary_nahlad;  // content of an existing "a.thm" ("-" none)
    std::vector<std::string> zoznam;
    std::vector<std::string> nahlady;
  } pripady[] = {
      {"own screenshot", {"TSSCAN.bmp", "a.bmp"}, "-", {"a.bmp"}, {"a.thm"}},
      {"letter case", {"a.bmp", "a.BMP"}, "-", {"a.BMP", "a.bmp"}, {"a.thm", "a.BMP.thm"}},
      {"long name", {DLHE + ".bmp"}, "-", {DLHE + ".bmp"}, {DLHE + ".thm"}},
      {"empty thumbnail", {"a.bmp"}, "", {"a.bmp"}, {"a.thm"}},
      {"corrupt thumbnail", {"a.bmp"}, "BM nie je to obrazok", {"a.bmp"}, {"a.thm"}},
  };
  int n = 0;
  for (const auto& p : pripady) {
    const std::string dir = "p" + std::to_string(n++) + "/";
    ASSERT_EQ(mkdir(dir.c_str(), 0755), 0);
    for (const std::string& o : p.obrazky) Obrazok(dir + o, 40 + 8 * (int)o.size(), 20);
    if (p.stary_nahlad != "-") std::ofstream(dir + "a.thm") << p.stary_nahlad;
    std::string chyby;
    Start(dir, &chyby);
    EXPECT_EQ(chyby, "") << p.pripad;
    std::vector<std::string> zoznam;
    for (const std::string& o : p.zoznam) zoznam.push_back(dir + o);
    EXPECT_EQ(std::vector<std::string>(nazvy, nazvy + maxid + 1), zoznam) << p.pripad;
    for (const std::string& t : p.nahlady) {
      TBmpSubor b;
      EXPECT_TRUE(CitajBmp(dir + t, &b) && b.Sir() == 100) << p.pripad << ": " << t;
    }
    EXPECT_EQ(TTempFolder::Obsah(dir).size(), p.obrazky.size() + p.nahlady.size()) << p.pripad;
  }
}

TEST_F(DbmpNahlady, AThumbnailThatCouldNotBeMadeIsSaid) {
  Obrazok("dobry.bmp", 40, 20);
  std::ofstream("zly.bmp") << "nie je to obrazok";
  std::string chyby;
  Start("./", &chyby);
  EXPECT_NE(chyby.find("Náhľad 2/2 sa nepodarilo vytvoriť: ./zly.thm\n"), std::string::npos) << chyby;
  EXPECT_EQ(chyby.find("dobry"), std::string::npos) << chyby;
}

typedef DbmpTest DbmpVarianty;

TEST_F(DbmpVarianty, EachWriterGivesItsSize) {
  Obrazok("p.bmp", 401, 201);
  IDirectDrawSurface* s = Povrch(800, 600);
  const struct {
    std::function<void(IDirectDraw*, IDirectDrawSurface*)> volaj;
    int sir, vys;
  } pripady[] = {
      {[](IDirectDraw* d, IDirectDrawSurface*) { DBMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(d, "p.bmp", "o.bmp"); }, 401, 201},
      {[](IDirectDraw* d, IDirectDrawSurface*) { DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(d, "p.bmp", 2, 0, 0, "o.bmp"); }, 200, 100},
      {[](IDirectDraw* d, IDirectDrawSurface*) { DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(d, "p.bmp", 0, 100, 100, "o.bmp"); }, 100, 50},
      {[](IDirectDraw* d, IDirectDrawSurface*) { DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(d, "p.bmp", 77, 33, "o.bmp"); }, 77, 33},
      {[](IDirectDraw* d, IDirectDrawSurface* z) { DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(d, z, 0, 400, 200, "o.bmp"); }, 400, 200},
      {[](IDirectDraw* d, IDirectDrawSurface* z) { DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(d, z, 1, 400, 200, "o.bmp"); }, 266, 200},
      {[](IDirectDraw* d, IDirectDrawSurface*) { DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(d, "p.bmp", 42, 100, "o.bmp", 10, 5); }, 42, 21},
  };
  for (const auto& p : pripady) {
    std::remove("o.bmp");
    p.volaj(dd, s);
    TBmpSubor b;
    ASSERT_TRUE(CitajBmp("o.bmp", &b));
    EXPECT_EQ(b.Sir(), p.sir);
    EXPECT_EQ(b.Vys(), p.vys);
  }
  EXPECT_TRUE(Log().empty());
}

TEST_F(DbmpVarianty, NoPictureOrNoSurfaceGivesNoFileAndALogLine) {
  ASSERT_TRUE(ZapisSubor("zly.bmp", "BM to nie je obrazok"));
  DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, "chyba.bmp", 10, 10, 0.25f, 0.75f, "o.bmp");
  DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, "zly.bmp", 10, 10, "o.bmp");
  PLAT_FaultSet(PC_CreateOffscreen, 1, -1, DDERR_OUTOFMEMORY);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, Povrch(40, 20), 1, 20, 20, "o.bmp");
  PLAT_FaultClear();
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "zly.bmp"}));
  EXPECT_EQ(Log(), (std::vector<std::string>{"DBMP_5(300) : Chyba pri nacitani obrazka chyba.bmp",
                                             "DBMP_5(300) : Chyba pri nacitani obrazka zly.bmp",
                                             "DBMP_5(276) : DBMP_VYTVOR_BMP_5 - Chyba pri CreateSurface"}));
}

}  // namespace
