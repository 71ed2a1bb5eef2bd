// Thumbnails of a folder's panoramas, also in awkward folders, and the rescaling writers.
#include <sys/stat.h>

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
  ASSERT_TRUE(CitajBmp("alps.thm", &b) && b.Sir() == 100 && b.Vys() == 25);
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
  // Made through surfaces of a 32-bit display, a thumbnail keeps every level of its picture.
  ASSERT_EQ(dd->SetDisplayMode(64, 48, 32), DD_OK);
  Obrazok("alps.bmp", 100, 50);
  ASSERT_EQ(std::remove("alps.thm"), 0);
  Start();
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
  // Made on the next start; what could not be made is said, and only that.
  std::string chyby;
  EXPECT_EQ(Start("./", &chyby), "Náhľad 1/2: ./p.thm\nNáhľad 2/2: ./zly.thm\n");
  EXPECT_TRUE(DBMP_Existuje_sub("p.thm"));
  EXPECT_NE(chyby.find("Náhľad 2/2 sa nepodarilo vytvoriť: ./zly.thm\n"), std::string::npos) << chyby;
  EXPECT_EQ(chyby.find("p.thm"), std::string::npos) << chyby;
}

const std::string DLHE(246, 'd');  // with ".bmp" 250 bytes; its temporary ".thm.tmp" was 258

TEST_F(DbmpNahlady, EveryListedPictureGetsItsOwnThumbnailThatLoads) {
  const struct {
    const char* pripad;
    std::vector<std::string> obrazky;
    std::string stary_nahlad;  // content of an existing "a.thm" ("-" none)
    std::vector<std::string> zoznam, nahlady;
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
    if (p.stary_nahlad != "-") ZapisSubor(dir + "a.thm", p.stary_nahlad);
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

typedef DbmpTest DbmpVarianty;

TEST_F(DbmpVarianty, EachWriterGivesItsSize) {
  Obrazok("p.bmp", 401, 201);
  IDirectDrawSurface* s = Povrch(800, 600);
  const struct {
    std::function<void()> volaj;
    int sir, vys;
  } pripady[] = {
      {[&] { DBMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(dd, "p.bmp", "o.bmp"); }, 401, 201},
      {[&] { DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 2, 0, 0, "o.bmp"); }, 200, 100},
      {[&] { DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 0, 100, 100, "o.bmp"); }, 100, 50},
      {[&] { DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, "p.bmp", 77, 33, "o.bmp"); }, 77, 33},
      {[&] { DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 0, 400, 200, "o.bmp"); }, 400, 200},
      {[&] { DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, s, 1, 400, 200, "o.bmp"); }, 266, 200},
      {[&] { DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(dd, "p.bmp", 42, 100, "o.bmp", 10, 5); }, 42, 21},
  };
  for (const auto& p : pripady) {
    std::remove("o.bmp");
    p.volaj();
    TBmpSubor b;
    EXPECT_TRUE(CitajBmp("o.bmp", &b) && b.Sir() == p.sir && b.Vys() == p.vys) << p.sir << "x" << p.vys;
  }
  // No picture, a broken one, or no surface: no file and a log line.
  ASSERT_TRUE(ZapisSubor("zly.bmp", "BM to nie je obrazok"));
  DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(dd, "chyba.bmp", 10, 10, 0.25f, 0.75f, "x.bmp");
  DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, "zly.bmp", 10, 10, "x.bmp");
  PLAT_FaultSet(PC_CreateOffscreen, 1, -1, DDERR_OUTOFMEMORY);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, Povrch(40, 20), 1, 20, 20, "x.bmp");
  PLAT_FaultClear();
  EXPECT_FALSE(DBMP_Existuje_sub("x.bmp"));
  EXPECT_EQ(Log(), (std::vector<std::string>{"DBMP_5(300) : Chyba pri nacitani obrazka chyba.bmp",
                                             "DBMP_5(300) : Chyba pri nacitani obrazka zly.bmp",
                                             "DBMP_5(276) : DBMP_VYTVOR_BMP_5 - Chyba pri CreateSurface"}));
}

}  // namespace
