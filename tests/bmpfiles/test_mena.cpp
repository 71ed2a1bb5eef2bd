// Names, paths, the folder scan and the rescaled sizes.
#include <gtest/gtest.h>

#include <cstring>

#include "bmpfiles/dbmp.h"
#include "log/zeph_log.h"
#include "tests/common/temp_folder.h"

namespace {

TEST(DbmpMena, NameExtensionAndThumbnailPath) {
  const struct {
    const char *cesta, *meno, *thm, *nahlad;  // thm: DBMP_Zmen_priponu(cesta, "thm"); nahlad: DBMP_Cesta_nahladu
  } pripady[] = {
      {"./a.b.bmp", "a.b", "./a.b.thm", "./a.b.thm"},
      {"C:\\p\\x.y\\z.BMP", "z", "C:\\p\\x.y\\z.thm", "C:\\p\\x.y\\z.BMP.thm"},  // only ".bmp" keeps the short name
      {"./alps", "alps", "./alps", "./alps.thm"},
      {"dir.d/sub/x.jpg", "x", "dir.d/sub/x.thm", "dir.d/sub/x.jpg.thm"},
      {"./Žltá hora.png", "Žltá hora", "./Žltá hora.thm", "./Žltá hora.png.thm"},
      {"x.", "x", "x.thm", "x..thm"},
      {"dir/", "", "dir/", "dir/.thm"},
  };
  for (const auto& p : pripady) {
    char meno[DBMP_MAX_MENO], thm[DBMP_MAX_CESTA], nahlad[DBMP_MAX_CESTA];
    DBMP_Vystrihni_meno(p.cesta, meno);
    DBMP_Zmen_priponu(p.cesta, "thm", thm);
    DBMP_Cesta_nahladu(p.cesta, nahlad);
    EXPECT_STREQ(meno, p.meno) << p.cesta;
    EXPECT_STREQ(thm, p.thm) << p.cesta;
    EXPECT_STREQ(nahlad, p.nahlad) << p.cesta;
  }
  // Long names are cut to the buffer, nothing written past it.
  const std::string dlhe = "./" + std::string(600, 'n') + ".bmp";
  char meno[DBMP_MAX_MENO + 1], cesta[DBMP_MAX_CESTA + 1];
  meno[DBMP_MAX_MENO] = cesta[DBMP_MAX_CESTA] = '#';
  DBMP_Vystrihni_meno(dlhe.c_str(), meno);
  DBMP_Zmen_priponu(dlhe.c_str(), "thumbnail", cesta);
  EXPECT_EQ(std::string(meno), std::string(DBMP_MAX_MENO - 1, 'n'));
  EXPECT_TRUE(std::strlen(cesta) == DBMP_MAX_CESTA - 1 && meno[DBMP_MAX_MENO] == '#' && cesta[DBMP_MAX_CESTA] == '#');
}

std::vector<std::string> Skenuj(const char* adresar, const char* maska, unsigned subadr = 0, int kapacita = 64) {
  char* nazvy[64] = {};
  int maxid = -1;
  EXPECT_EQ(DBMP_Zisti_SubAdr_n(adresar, maska, subadr, 1, nazvy, kapacita, &maxid), 0);
  std::vector<std::string> out(nazvy, nazvy + (maxid + 1));
  DBMP_Uvolni_zoznam(nazvy, &maxid);
  return out;
}

TEST(DbmpScan, MatchingNamesSortedIgnoringCaseWithoutTheSheetAndFolders) {
  TTempFolder tmp;
  ASSERT_TRUE(tmp.Ok());
  for (const char* m : {"b.BMP", "a.bmp", "A.bmp", "c.Png", "d.jpeg", "e.JPG", "c.bmp.txt", "xbmp", "e.gif",
                        "rezia_pan.bmp", "Rezia.bmp", "Ďumbier.bmp", "p q.bmp", "TSSCAN.bmp"})
    ASSERT_TRUE(ZapisSubor(m, "x"));
  ASSERT_EQ(mkdir("f.bmp", 0755), 0);
  ASSERT_EQ(symlink("nikam.bmp", "zlomeny.bmp"), 0);
  const std::vector<std::string> cakane = {"./A.bmp", "./a.bmp", "./b.BMP", "./c.Png", "./d.jpeg",
                                           "./e.JPG", "./p q.bmp", "./Rezia.bmp", "./Ďumbier.bmp"};
  EXPECT_EQ(Skenuj("./", DBMP_MASKA_PANORAM), cakane);
  EXPECT_EQ(Skenuj(".\\", ";*.bmp;;*.png;*.jpg;*.jpeg"), cakane);
  EXPECT_EQ(Skenuj(".", "*.bmp", 1), std::vector<std::string>{"./f.bmp"});
  // A full table keeps the first names in order and logs how many it left out.
  EXPECT_EQ(Skenuj("./", "*", 0, 3), (std::vector<std::string>{"./A.bmp", "./a.bmp", "./b.BMP"}));
  // A missing folder is logged too; bad arguments leave the table alone.
  EXPECT_TRUE(Skenuj("neexistuje/", "*.bmp").empty());
  EXPECT_EQ(Riadky(ZEPH_LOG_SUBOR), (std::vector<std::string>{
                                        "DBMP_5(710) : DBMP_Zisti_SubAdr() - Privela suborov, vynechane (kapacita, pocet): [3] [9]",
                                        "DBMP_5(700) : DBMP_Zisti_SubAdr() - Adresar sa neda citat: neexistuje/"}));
  char* nazvy[2] = {};
  int maxid = 17;
  EXPECT_EQ(DBMP_Zisti_SubAdr("./", "*.bmp", 2, 1, nazvy, &maxid), -1);
  EXPECT_EQ(DBMP_Zisti_SubAdr("", "*.bmp", 0, 1, nazvy, &maxid), -1);
  EXPECT_EQ(DBMP_Zisti_SubAdr("./", nullptr, 0, 1, nazvy, &maxid), -1);
  EXPECT_EQ(maxid, 17);
}

TEST(DbmpNoveRozmery, WorkedValuesAndBadInput) {
  TTempFolder tmp;
  const struct {
    int sir, vys, koef, max_sir, max_vys, sir2, vys2;
  } pripady[] = {
      {4000, 1000, 0, 400, 200, 400, 100}, {401, 201, 2, 0, 0, 200, 100}, {100, 400, 0, 400, 200, 50, 200},
      {10, 5, 0, 400, 200, 400, 200},      {800, 600, 0, 400, 200, 266, 200},
      {1, 1, 0, 2147483647, 2147483647, 2147483647, 2147483647},
      {4000, 1000, 0, 0, 200, 50, 50},     {0, 1000, 0, 400, 200, 50, 50}, {-2147483647 - 1, 5, -1, 400, 200, 50, 50},
  };
  for (const auto& p : pripady) {
    int sir = -7, vys = -7;
    DBMP_NOVE_ROZMERY(p.sir, p.vys, p.koef, p.max_sir, p.max_vys, &sir, &vys);
    EXPECT_TRUE(sir == p.sir2 && vys == p.vys2) << p.sir << "x" << p.vys << " koef " << p.koef << ": " << sir << "x" << vys;
  }
  EXPECT_EQ(Riadky(ZEPH_LOG_SUBOR).size(), 3u);
}

}  // namespace
