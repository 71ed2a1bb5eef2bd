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
  std::vector<std::string> Zoznam() const { return std::vector<std::string>(nazvy, nazvy + maxid + 1); }
  char* nazvy[DBMP_MAX_PANORAM] = {};
  int maxid = -1;
};

// Rows 12 … 36 of the 50-row load, at both depths; made once, a deleted one made again.
TEST_F(DbmpNahlady, EveryPanoramaGetsTheMiddleBandOnce) {
  for (int bity : {16, 32}) {
    ASSERT_EQ(dd->SetDisplayMode(64, 48, (DWORD)bity), DD_OK);
    Obrazok("alps.bmp", 100, 50);
    Obrazok("Tatry.BMP", 64, 32);
    EXPECT_EQ(Start(), "Náhľad 1/2: ./alps.thm\nNáhľad 2/2: ./Tatry.BMP.thm\n");
    EXPECT_EQ(Zoznam(), (std::vector<std::string>{"./alps.bmp", "./Tatry.BMP"}));
    const std::string pas =
        Bmp(100, 25, [bity](int x, int y) { return PLAT_Convert(32, bity, PLAT_Pack(bity, (BYTE)x, (BYTE)(y + 12), 100)); });
    EXPECT_EQ(CitajSubor("alps.thm"), pas) << bity;
    // Even a changed panorama keeps its thumbnail.
    Obrazok("alps.bmp", 200, 200);
    ASSERT_EQ(std::remove("Tatry.BMP.thm"), 0);
    EXPECT_EQ(Start(), "Náhľad 1/1: ./Tatry.BMP.thm\n");
    EXPECT_EQ(CitajSubor("alps.thm"), pas);
    EXPECT_TRUE(Log().empty());
    for (const char* t : {"alps.thm", "Tatry.BMP.thm"}) ASSERT_EQ(std::remove(t), 0);
  }
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
  EXPECT_EQ(Rozmer("p.thm"), (std::vector<int>{100, 25}));
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
    EXPECT_EQ(Zoznam(), zoznam) << p.pripad;
    for (const std::string& t : p.nahlady) EXPECT_EQ(Rozmer(dir + t)[0], 100) << p.pripad << ": " << t;
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
    EXPECT_EQ(Rozmer("o.bmp"), (std::vector<int>{p.sir, p.vys}));
  }
  // A broken picture or no surface: no file and a log line (a missing picture: the thumbnail test).
  ASSERT_TRUE(ZapisSubor("zly.bmp", "BM to nie je obrazok"));
  DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(dd, "zly.bmp", 10, 10, "x.bmp");
  PLAT_FaultSet(PC_CreateOffscreen, 1, -1, DDERR_OUTOFMEMORY);
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(dd, Povrch(40, 20), 1, 20, 20, "x.bmp");
  PLAT_FaultClear();
  EXPECT_FALSE(DBMP_Existuje_sub("x.bmp"));
  EXPECT_EQ(Log(), (std::vector<std::string>{"DBMP_5(300) : Chyba pri nacitani obrazka zly.bmp",
                                             "DBMP_5(276) : DBMP_VYTVOR_BMP_5 - Chyba pri CreateSurface"}));
}

}  // namespace
