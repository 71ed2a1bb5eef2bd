#include <gtest/gtest.h>

#include "bmpfiles/dbmp.h"
#include "tests/bmpfiles/dbmp_fixture.h"

namespace {

class DbmpNahlady : public DbmpTest {
 protected:
  void TearDown() override {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    DbmpTest::TearDown();
  }
  // One start of the viewer's scan; returns what it printed.
  std::string Start(uint8_t scestou = 1) {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(DBMP_Zisti_Vytvor__bmp2thm_s3C("./", scestou, dd, 100, 50, nazvy, &maxid), 0);
    return ::testing::internal::GetCapturedStdout();
  }
  std::vector<std::string> Tabulka() const {
    std::vector<std::string> out;
    for (int i = 0; i <= maxid; ++i) out.push_back(nazvy[i]);
    return out;
  }

  char* nazvy[50] = {};
  int maxid = -1;
};

TEST_F(DbmpNahlady, EveryPanoramaGetsA100x25ThumbnailOnce) {
  Obrazok("alps.bmp", 400, 200);
  Obrazok("a.b.bmp", 300, 100);
  Obrazok("Tatry.BMP", 64, 32);
  EXPECT_EQ(Start(), "Náhľad 1/3: ./a.b.thm\nNáhľad 2/3: ./alps.thm\nNáhľad 3/3: ./Tatry.BMP.thm\n");
  EXPECT_EQ(Tabulka(), (std::vector<std::string>{"./a.b.bmp", "./alps.bmp", "./Tatry.BMP"}));
  for (const char* thm : {"a.b.thm", "alps.thm", "Tatry.BMP.thm"}) {
    TBmpSubor b;
    ASSERT_TRUE(CitajBmp(thm, &b)) << thm;
    EXPECT_EQ(b.Sir(), 100) << thm;
    EXPECT_EQ(b.Vys(), 25) << thm;
  }
  // A second start makes none, and a changed panorama keeps its old thumbnail.
  const std::string stary = CitajSubor("alps.thm");
  Obrazok("alps.bmp", 200, 200);
  EXPECT_EQ(Start(), "");
  EXPECT_EQ(CitajSubor("alps.thm"), stary);
  // Deleting one thumbnail remakes only that one.
  ASSERT_EQ(std::remove("a.b.thm"), 0);
  EXPECT_EQ(Start(), "Náhľad 1/1: ./a.b.thm\n");
  EXPECT_TRUE(DBMP_Existuje_sub("a.b.thm"));
  EXPECT_TRUE(Log().empty());
}

TEST_F(DbmpNahlady, BandComesFromTheMiddleOfThePicture) {
  // Rows 12…36 of a 50-row load: a picture whose rows are their own index shows 12 on top.
  Obrazok("p.bmp", 100, 50);
  Start();
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("p.thm", &b));
  EXPECT_EQ(b.Pixel(0, 0), Rgb(PLAT_Pack565(0, 12, 100)));
  EXPECT_EQ(b.Pixel(99, 24), Rgb(PLAT_Pack565(99, 36, 100)));
}

TEST_F(DbmpNahlady, WholePictureVariantAndBareNames) {
  Obrazok("a.b.bmp", 300, 100);
  DBMP_Uvolni_zoznam(nazvy, &maxid);
  ::testing::internal::CaptureStdout();
  EXPECT_EQ(DBMP_Zisti_Vytvor__bmp2thm("./", 0, dd, 100, 50, nazvy, &maxid), 0);
  ::testing::internal::GetCapturedStdout();
  EXPECT_EQ(Tabulka(), std::vector<std::string>{"a.b"});
  TBmpSubor b;
  ASSERT_TRUE(CitajBmp("a.b.thm", &b));
  EXPECT_EQ(b.Sir(), 100);
  EXPECT_EQ(b.Vys(), 50);
}

TEST_F(DbmpNahlady, AnUnreadablePanoramaIsListedWithoutThumbnailAndLogged) {
  ASSERT_TRUE(ZapisSubor("zly.bmp", "nie je to obrazok"));
  Obrazok("dobry.bmp", 40, 20);
  EXPECT_EQ(Start(), "Náhľad 1/2: ./dobry.thm\nNáhľad 2/2: ./zly.thm\n");
  EXPECT_EQ(Tabulka(), (std::vector<std::string>{"./dobry.bmp", "./zly.bmp"}));
  EXPECT_EQ(TTempFolder::Obsah(),
            (std::vector<std::string>{ZEPH_LOG_SUBOR, "dobry.bmp", "dobry.thm", "zly.bmp"}));
  EXPECT_EQ(Log(), std::vector<std::string>{"DBMP_5(300) : Chyba pri nacitani obrazka ./zly.bmp"});
  // It is tried again at the next start.
  EXPECT_EQ(Start(), "Náhľad 1/1: ./zly.thm\n");
}

TEST_F(DbmpNahlady, AFullDiskLeavesNoThumbnailAndTheNextStartRetries) {
  Obrazok("p.bmp", 40, 20);
  PLAT_FaultSet(PC_FileWrite, 100, -1, 0);
  Start();
  PLAT_FaultClear();
  EXPECT_EQ(TTempFolder::Obsah(), (std::vector<std::string>{ZEPH_LOG_SUBOR, "p.bmp"}));
  EXPECT_EQ(Log(), std::vector<std::string>{"DBMP_5(148) : PROBLEM pri zapise riadkov ./p.thm"});
  EXPECT_EQ(Start(), "Náhľad 1/1: ./p.thm\n");
  EXPECT_TRUE(DBMP_Existuje_sub("p.thm"));
}

TEST_F(DbmpNahlady, NoThumbnailForAnEntryTheTableCannotHold) {
  for (int i = 0; i < DBMP_MAX_PANORAM + 3; ++i) {
    char m[32];
    std::snprintf(m, sizeof m, "p%02d.bmp", i);
    Obrazok(m, 8, 4);
  }
  Start();
  EXPECT_EQ(maxid, DBMP_MAX_PANORAM - 1);
  EXPECT_TRUE(DBMP_Existuje_sub("p48.thm"));
  EXPECT_FALSE(DBMP_Existuje_sub("p49.thm"));
  EXPECT_FALSE(DBMP_Existuje_sub("p51.thm"));
}

TEST_F(DbmpNahlady, AnEmptyOrMissingFolderGivesAnEmptyTable) {
  EXPECT_EQ(Start(), "");
  EXPECT_EQ(maxid, -1);
  maxid = 7;
  EXPECT_EQ(DBMP_Zisti_Vytvor__bmp2thm_s3C("", 1, dd, 100, 50, nazvy, &maxid), 0);
  EXPECT_EQ(maxid, -1);
}

}  // namespace
