#include <gtest/gtest.h>

#include <string>

#include "bmpfiles/dbmp.h"
#include "log/zeph_log.h"
#include "tests/bmpfiles/temp_folder.h"

namespace {

class DbmpScan : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.Ok());
    for (char*& n : nazvy) n = nullptr;
  }
  void TearDown() override { DBMP_Uvolni_zoznam(nazvy, &maxid); }

  void Subory(const std::vector<std::string>& mena) {
    for (const std::string& m : mena) ASSERT_TRUE(ZapisSubor(m, "x")) << m;
  }
  // Scans and returns the table as strings.
  std::vector<std::string> Skenuj(const char* adresar, const char* maska = "*.bmp", unsigned subadr = 0,
                                  uint8_t scestou = 1) {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    EXPECT_EQ(DBMP_Zisti_SubAdr(adresar, maska, subadr, scestou, nazvy, &maxid), 0);
    return Tabulka();
  }
  std::vector<std::string> Tabulka() const {
    std::vector<std::string> out;
    for (int i = 0; i <= maxid; ++i) out.push_back(nazvy[i]);
    return out;
  }

  TTempFolder tmp;
  char* nazvy[64];
  int maxid = -1;
};

TEST_F(DbmpScan, PathsWithExactlyOneSeparatorWhateverTheFolderSpelling) {
  ASSERT_EQ(mkdir("pano", 0755), 0);
  Subory({"pano/b.bmp", "pano/a.bmp"});
  const std::vector<std::string> cakane = {"pano/a.bmp", "pano/b.bmp"};
  EXPECT_EQ(Skenuj("pano"), cakane);
  EXPECT_EQ(Skenuj("pano/"), cakane);
  EXPECT_EQ(Skenuj("pano//"), cakane);
  EXPECT_EQ(Skenuj("pano\\"), cakane);
  EXPECT_EQ(Skenuj("pano", "*.bmp", 0, 0), (std::vector<std::string>{"a.bmp", "b.bmp"}));
  Subory({"c.bmp"});
  EXPECT_EQ(Skenuj("./"), (std::vector<std::string>{"./c.bmp"}));
  EXPECT_EQ(Skenuj(".\\"), (std::vector<std::string>{"./c.bmp"}));
  EXPECT_EQ(Skenuj("."), (std::vector<std::string>{"./c.bmp"}));
  EXPECT_EQ(Skenuj((tmp.Cesta() + "/").c_str()), (std::vector<std::string>{tmp.Cesta() + "/c.bmp"}));
}

TEST_F(DbmpScan, CaseInsensitiveMatchSortedByNameIgnoringCase) {
  Subory({"b.BMP", "A.bmp", "a.bmp", "c.Bmp", "c.bmp.txt", "d.bm", "xbmp", "TSSCAN.bmp", "e.bmpx", "c.jpg"});
  EXPECT_EQ(Skenuj("./", "*.bmp", 0, 0),
            (std::vector<std::string>{"A.bmp", "a.bmp", "b.BMP", "c.Bmp"}));
  EXPECT_EQ(maxid, 3);
}

TEST_F(DbmpScan, SeveralMasksAreListedTogether) {
  Subory({"b.JPG", "a.bmp", "c.png", "d.jpeg", "e.gif"});
  EXPECT_EQ(Skenuj("./", "*.bmp;*.jpg;*.jpeg;*.png", 0, 0),
            (std::vector<std::string>{"a.bmp", "b.JPG", "c.png", "d.jpeg"}));
  EXPECT_EQ(Skenuj("./", ";;*.png;", 0, 0), (std::vector<std::string>{"c.png"}));
  EXPECT_EQ(Skenuj("./", "?.bmp", 0, 0), (std::vector<std::string>{"a.bmp"}));
  EXPECT_EQ(Skenuj("./", "*", 0, 0).size(), 5u);
}

TEST_F(DbmpScan, FilesOrFoldersAsAsked) {
  Subory({"subor.bmp"});
  ASSERT_EQ(mkdir("priecinok.bmp", 0755), 0);
  ASSERT_EQ(symlink("subor.bmp", "odkaz.bmp"), 0);
  ASSERT_EQ(symlink("nikam.bmp", "zlomeny.bmp"), 0);
  EXPECT_EQ(Skenuj("./", "*.bmp", 0, 0), (std::vector<std::string>{"odkaz.bmp", "subor.bmp"}));
  EXPECT_EQ(Skenuj("./", "*.bmp", 1, 0), (std::vector<std::string>{"priecinok.bmp"}));
}

TEST_F(DbmpScan, ReziaPrefixIsLeftOutCaseSensitively) {
  Subory({"rezia_pan.bmp", "rezia.bmp", "Rezia.bmp", "REZIA_PAN.BMP", "xrezia.bmp", "rezi.bmp"});
  EXPECT_EQ(Skenuj("./", "*.bmp", 0, 0),
            (std::vector<std::string>{"rezi.bmp", "Rezia.bmp", "REZIA_PAN.BMP", "xrezia.bmp"}));
}

TEST_F(DbmpScan, SpacesAndNonAsciiNames) {
  Subory({"Žltá hora.bmp", "alpy v zime.bmp", "Ďumbier.BMP", "zebra.bmp"});
  // Bytes above ASCII sort after the letters; what matters is that the names come back whole.
  EXPECT_EQ(Skenuj("./", "*.bmp", 0, 0),
            (std::vector<std::string>{"alpy v zime.bmp", "zebra.bmp", "Ďumbier.BMP", "Žltá hora.bmp"}));
}

TEST_F(DbmpScan, NoMoreThanTheCapKeepingTheFirstInOrderAndOneLogLine) {
  std::vector<std::string> mena;
  for (int i = 59; i >= 0; --i) {
    char m[32];
    std::snprintf(m, sizeof m, "p%02d.bmp", i);
    mena.push_back(m);
  }
  Subory(mena);
  const std::vector<std::string> t = Skenuj("./", "*.bmp", 0, 0);
  ASSERT_EQ(t.size(), (size_t)DBMP_MAX_PANORAM);
  EXPECT_EQ(maxid, DBMP_MAX_PANORAM - 1);
  EXPECT_EQ(t.front(), "p00.bmp");
  EXPECT_EQ(t.back(), "p48.bmp");
  EXPECT_EQ(Riadky(ZEPH_LOG_SUBOR), (std::vector<std::string>{
                                       "DBMP_5(710) : DBMP_Zisti_SubAdr() - Privela suborov, vynechane "
                                       "(kapacita, pocet): [49] [11]"}));
  // A caller with a smaller table gets no more than it holds.
  DBMP_Uvolni_zoznam(nazvy, &maxid);
  nazvy[3] = nullptr;
  EXPECT_EQ(DBMP_Zisti_SubAdr_n("./", "*.bmp", 0, 0, nazvy, 3, &maxid), 0);
  EXPECT_EQ(Tabulka(), (std::vector<std::string>{"p00.bmp", "p01.bmp", "p02.bmp"}));
  EXPECT_EQ(nazvy[3], nullptr);
}

TEST_F(DbmpScan, MissingOrUnreadableFolderGivesAnEmptyTableAndALogLine) {
  maxid = 5;
  char* nedotknute[64];
  EXPECT_EQ(DBMP_Zisti_SubAdr("neexistuje/", "*.bmp", 0, 1, nedotknute, &maxid), 0);
  EXPECT_EQ(maxid, -1);
  EXPECT_EQ(Riadky(ZEPH_LOG_SUBOR),
            (std::vector<std::string>{"DBMP_5(700) : DBMP_Zisti_SubAdr() - Adresar sa neda citat: neexistuje/"}));
  Subory({"subor"});
  EXPECT_EQ(Skenuj("subor"), std::vector<std::string>{});
  EXPECT_EQ(maxid, -1);
}

TEST_F(DbmpScan, EmptyFolderGivesMinusOne) {
  EXPECT_EQ(Skenuj("./"), std::vector<std::string>{});
  EXPECT_EQ(maxid, -1);
}

TEST_F(DbmpScan, InvalidArgumentsLeaveTheOutputsUntouched) {
  Subory({"a.bmp"});
  struct TZle {
    const char* adresar;
    const char* maska;
    unsigned subadr;
  } const zle[] = {{"./", "*.bmp", 2}, {"", "*.bmp", 0}, {"./", "", 0}, {nullptr, "*.bmp", 0}, {"./", nullptr, 1}};
  for (const TZle& z : zle) {
    maxid = 17;
    nazvy[0] = nullptr;
    EXPECT_EQ(DBMP_Zisti_SubAdr(z.adresar, z.maska, z.subadr, 1, nazvy, &maxid), -1);
    EXPECT_EQ(maxid, 17);
    EXPECT_EQ(nazvy[0], nullptr);
  }
  maxid = -1;
}

TEST_F(DbmpScan, PathsLongerThanTheBufferAreLeftOutWithALogLine) {
  const std::string hlboky(250, 'd');
  ASSERT_EQ(mkdir(hlboky.c_str(), 0755), 0);
  const std::string dlhe = std::string(250, 'n') + ".bmp";
  Subory({hlboky + "/" + dlhe, hlboky + "/kratke.bmp"});
  EXPECT_EQ(Skenuj(hlboky.c_str()), (std::vector<std::string>{hlboky + "/kratke.bmp"}));
  const std::vector<std::string> log = Riadky(ZEPH_LOG_SUBOR);
  ASSERT_EQ(log.size(), 1u);
  EXPECT_EQ(log[0].rfind("DBMP_5(720) : DBMP_Zisti_SubAdr() - Prilis dlha cesta: nnn", 0), 0u);
  // A folder that leaves no room for any name gives an empty table.
  const std::string privela = "./" + std::string(DBMP_MAX_CESTA - 3, 'd');
  DBMP_Uvolni_zoznam(nazvy, &maxid);
  maxid = 3;
  EXPECT_EQ(DBMP_Zisti_SubAdr(privela.c_str(), "*.bmp", 0, 1, nazvy, &maxid), 0);
  EXPECT_EQ(maxid, -1);
  EXPECT_EQ(Riadky(ZEPH_LOG_SUBOR).size(), 2u);
}

}  // namespace
