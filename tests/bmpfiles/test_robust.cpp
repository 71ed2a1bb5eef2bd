// The thumbnail scan in awkward folders: the program's own screenshot, names that differ only
// in letter case, names near the system's limit, thumbnails that do not load, and thumbnails
// that cannot be made.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>
#include <string>
#include <vector>

#include "bmpfiles/dbmp.h"
#include "tests/bmpfiles/dbmp_fixture.h"

namespace {

class DbmpRobust : public DbmpTest {
 protected:
  void TearDown() override {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    DbmpTest::TearDown();
  }
  // One start of the scan in folder `p`; returns what it printed on standard error.
  std::string Start(const std::string& p) {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    EXPECT_EQ(DBMP_Zisti_Vytvor__bmp2thm_s3C(p.c_str(), 1, dd, 100, 50, nazvy, &maxid), 0);
    ::testing::internal::GetCapturedStdout();
    return ::testing::internal::GetCapturedStderr();
  }
  char* nazvy[50] = {};
  int maxid = -1;
};

const std::string DLHE(246, 'd');  // with ".bmp" 250 bytes; its temporary ".thm.tmp" was 258

TEST_F(DbmpRobust, EveryListedPictureGetsItsOwnThumbnailThatLoads) {
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
    EXPECT_EQ(Start(dir), "") << p.pripad;
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

TEST_F(DbmpRobust, AThumbnailThatCouldNotBeMadeIsSaid) {
  Obrazok("dobry.bmp", 40, 20);
  std::ofstream("zly.bmp") << "nie je to obrazok";
  const std::string chyby = Start("./");
  EXPECT_NE(chyby.find("Náhľad 2/2 sa nepodarilo vytvoriť: ./zly.thm\n"), std::string::npos) << chyby;
  EXPECT_EQ(chyby.find("dobry"), std::string::npos) << chyby;
}

}  // namespace
