#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "bmpfiles/dbmp.h"
#include "tests/bmpfiles/temp_folder.h"

namespace {

struct TMenoPripad {
  const char* cesta;
  const char* meno;
};

TEST(DbmpVystrihniMeno, BareNameBetweenLastSeparatorAndLastDot) {
  const TMenoPripad pripady[] = {
      {"./alps.bmp", "alps"},     {".\\alps.bmp", "alps"},   {"./a.b.bmp", "a.b"},
      {"alps", "alps"},           {"C:\\pano\\x.y\\z.bmp", "z"}, {"dir.d/sub/alps", "alps"},
      {"./Žltá hora.bmp", "Žltá hora"}, {"a/b\\c.bmp", "c"},   {"", ""},
      {"dir/", ""},
  };
  for (const TMenoPripad& p : pripady) {
    char meno[DBMP_MAX_MENO];
    DBMP_Vystrihni_meno(p.cesta, meno);
    EXPECT_STREQ(meno, p.meno) << p.cesta;
  }
}

TEST(DbmpVystrihniMeno, LongNamesAreCutToTheBuffer) {
  const std::string dlhe = "./" + std::string(600, 'n') + ".bmp";
  char meno[DBMP_MAX_MENO + 16];
  std::memset(meno, '#', sizeof meno);
  DBMP_Vystrihni_meno(dlhe.c_str(), meno);
  EXPECT_EQ(std::string(meno), std::string(DBMP_MAX_MENO - 1, 'n'));
  EXPECT_EQ(meno[DBMP_MAX_MENO], '#');  // nothing written past the buffer
}

struct TPriponaPripad {
  const char* cesta;
  const char* pripona;
  const char* vysledok;
};

TEST(DbmpZmenPriponu, EverythingAfterTheLastDotOfTheName) {
  const TPriponaPripad pripady[] = {
      {"C:\\pano\\alps.bmp", "thm", "C:\\pano\\alps.thm"},
      {"./a.b.bmp", "thm", "./a.b.thm"},
      {"alps", "thm", "alps"},
      {"./alps", "thm", "./alps"},  // the dot of "./" is not an extension
      {"x.", "thm", "x.thm"},
      {"a.bmp", "", "a."},
  };
  for (const TPriponaPripad& p : pripady) {
    char out[DBMP_MAX_CESTA];
    DBMP_Zmen_priponu(p.cesta, p.pripona, out);
    EXPECT_STREQ(out, p.vysledok) << p.cesta;
  }
}

TEST(DbmpZmenPriponu, LongPathsAreCutToTheBuffer) {
  const std::string dlha = std::string(495, 'p') + ".bmp";
  char out[DBMP_MAX_CESTA + 16];
  std::memset(out, '#', sizeof out);
  DBMP_Zmen_priponu(dlha.c_str(), "thumbnail", out);
  EXPECT_EQ(std::strlen(out), (size_t)DBMP_MAX_CESTA - 1);
  EXPECT_EQ(out[DBMP_MAX_CESTA], '#');
}

TEST(DbmpCestaNahladu, BmpKeepsTheThmNameOtherPicturesAppendIt) {
  const TPriponaPripad pripady[] = {
      {"./alps.bmp", "", "./alps.thm"},   {"./ALPS.BMP", "", "./ALPS.BMP.thm"}, {"./a.b.bmp", "", "./a.b.thm"},
      {"./x.jpg", "", "./x.jpg.thm"},     {"./x.png", "", "./x.png.thm"},   {"./x.jpeg", "", "./x.jpeg.thm"},
      {"./bez", "", "./bez.thm"},         {"./d.bmp/x", "", "./d.bmp/x.thm"},
  };
  for (const TPriponaPripad& p : pripady) {
    char out[DBMP_MAX_CESTA];
    DBMP_Cesta_nahladu(p.cesta, out);
    EXPECT_STREQ(out, p.vysledok) << p.cesta;
  }
}

TEST(DbmpExistujeSub, OnlyReadableFilesExist) {
  TTempFolder tmp;
  ASSERT_TRUE(tmp.Ok());
  ASSERT_TRUE(ZapisSubor("je.bmp", "x"));
  ASSERT_TRUE(ZapisSubor("prázdny", ""));
  ASSERT_EQ(mkdir("priecinok.bmp", 0755), 0);
  EXPECT_EQ(DBMP_Existuje_sub("je.bmp"), 1);
  EXPECT_EQ(DBMP_Existuje_sub("./je.bmp"), 1);
  EXPECT_EQ(DBMP_Existuje_sub("prázdny"), 1);
  EXPECT_EQ(DBMP_Existuje_sub("nie.bmp"), 0);
  EXPECT_EQ(DBMP_Existuje_sub("priecinok.bmp"), 0);
  EXPECT_EQ(DBMP_Existuje_sub(""), 0);
  EXPECT_EQ(DBMP_Existuje_sub(nullptr), 0);
}

}  // namespace
