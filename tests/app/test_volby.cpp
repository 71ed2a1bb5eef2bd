// The desktop options, paths on the command line and what is left for the viewer's rules.
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "app/app.h"
#include "app/volby.h"
#include "engine/store.h"

namespace {

struct TVysledok {
  int kod;
  std::string out;
  std::string err;
  TVolby volby;
};

TVysledok rozober(std::vector<const char*> slova) {
  slova.insert(slova.begin(), "panorama");
  TVysledok v;
  char* out_text = nullptr;
  char* err_text = nullptr;
  size_t out_n = 0, err_n = 0;
  FILE* out = open_memstream(&out_text, &out_n);
  FILE* err = open_memstream(&err_text, &err_n);
  v.kod = PANO_Rozober_volby((int)slova.size(), slova.data(), &v.volby, out, err);
  std::fclose(out);
  std::fclose(err);
  v.out = out_text;
  v.err = err_text;
  std::free(out_text);
  std::free(err_text);
  return v;
}

// A folder with a picture "a b.bmp" (a blank in its name) and a sub-folder.
class VolbyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char vzor[] = "/tmp/pano_volby_XXXXXX";
    ASSERT_NE(mkdtemp(vzor), nullptr);
    priecinok_ = vzor;
    subor_ = priecinok_ + "/a b.bmp";
    FILE* f = std::fopen(subor_.c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fclose(f);
    ASSERT_EQ(mkdir((priecinok_ + "/pod").c_str(), 0755), 0);
  }
  void TearDown() override {
    std::remove(subor_.c_str());
    rmdir((priecinok_ + "/pod").c_str());
    rmdir(priecinok_.c_str());
  }
  std::string priecinok_;
  std::string subor_;
};

TEST(Volby, HelpAndVersionPrintAndEndWithZero) {
  const TVysledok pomoc = rozober({"--mute", "--help", "--bogus"});
  EXPECT_EQ(pomoc.kod, 0);
  EXPECT_NE(pomoc.out.find("Usage: panorama"), std::string::npos);
  // The keys, the new options and the viewer's own command-line forms are all there.
  for (const char* s : {"--window", "--mute", "--version", "G1", "P12", "F2", "Escape", "wheel"}) {
    EXPECT_NE(pomoc.out.find(s), std::string::npos) << s;
  }
  EXPECT_TRUE(pomoc.err.empty());

  const TVysledok verzia = rozober({"--version"});
  EXPECT_EQ(verzia.kod, 0);
  // "<major>.<minor>.<patch>" after the name, one line.
  const std::string zaciatok = "panorama (Tessarin Panorama Player) ";
  ASSERT_EQ(verzia.out.rfind(zaciatok, 0), 0u) << verzia.out;
  int major = -1, minor = -1, patch = -1;
  char koniec = '\0';
  EXPECT_EQ(std::sscanf(verzia.out.c_str() + zaciatok.size(), "%d.%d.%d%c", &major, &minor, &patch, &koniec), 4);
  EXPECT_GE(major, 0);
  EXPECT_GE(minor, 0);
  EXPECT_GE(patch, 0);
  EXPECT_EQ(koniec, '\n');
}

TEST(Volby, UnknownOptionsAreRefusedWithTwo) {
  for (const char* zla : {"--windows", "--help=all", "---", "--MUTE", "--fullscreen"}) {
    const TVysledok v = rozober({"--window", zla, "pano.bmp"});
    EXPECT_EQ(v.kod, 2) << zla;
    EXPECT_EQ(v.err, std::string("panorama: unknown option '") + zla + "'\nTry 'panorama --help'.\n");
    EXPECT_TRUE(v.out.empty());
  }
}

TEST(Volby, WindowMuteAndTheOriginalWords) {
  struct {
    std::vector<const char*> slova;
    bool okno, ticho;
    const char* riadok;
  } const pripady[] = {
      {{}, false, false, ""},
      {{"--window"}, true, false, ""},
      {{"G2", "--mute", "P3", "nic.bmp"}, false, true, "G2 P3 nic.bmp"},
      // Single-dash words and words after "--" go to the viewer's rules as they are.
      {{"--", "--help", "-x"}, false, false, "--help -x"},
      {{"--mute", "--window", "12"}, true, true, "12"},
  };
  for (const auto& p : pripady) {
    const TVysledok v = rozober(p.slova);
    EXPECT_EQ(v.kod, -1);
    EXPECT_EQ(v.volby.plat.window, p.okno);
    EXPECT_EQ(v.volby.plat.mute, p.ticho);
    EXPECT_EQ(v.volby.riadok, p.riadok);
    EXPECT_TRUE(v.volby.priecinok.empty());
    EXPECT_TRUE(v.out.empty() && v.err.empty());
  }
}

TEST_F(VolbyTest, ExistingPathsSplitIntoFolderAndFile) {
  const std::string pod = priecinok_ + "/pod";
  const std::string nie = priecinok_ + "/nie.bmp";
  struct {
    std::vector<const char*> slova;
    std::string priecinok, subor, riadok;
  } const pripady[] = {
      {{subor_.c_str()}, priecinok_ + "/", "a b.bmp", ""},
      {{"G4", subor_.c_str(), "P2"}, priecinok_ + "/", "a b.bmp", "G4 P2"},
      {{pod.c_str()}, pod, "", ""},
      // The first path counts; a later one is an ordinary word.
      {{pod.c_str(), subor_.c_str()}, pod, "", subor_},
      // A path that does not exist is left to the viewer's rules.
      {{nie.c_str()}, "", "", nie},
  };
  for (const auto& p : pripady) {
    const TVysledok v = rozober(p.slova);
    EXPECT_EQ(v.kod, -1);
    EXPECT_EQ(v.volby.priecinok, p.priecinok);
    EXPECT_EQ(v.volby.subor, p.subor);
    EXPECT_EQ(v.volby.riadok, p.riadok);
  }
}

TEST_F(VolbyTest, IndexAndModeWordsKeepTheirMeaningBesideFilesOfThatName) {
  char stary[4096];
  ASSERT_NE(getcwd(stary, sizeof stary), nullptr);
  ASSERT_EQ(chdir(priecinok_.c_str()), 0);
  for (const char* meno : {"G2", "P1", "7"}) std::fclose(std::fopen(meno, "wb"));
  const TVysledok v = rozober({"G2", "P1", "7"});
  // A bare name of the current folder is a path like any other.
  const TVysledok w = rozober({"a b.bmp"});
  for (const char* meno : {"G2", "P1", "7"}) std::remove(meno);
  ASSERT_EQ(chdir(stary), 0);
  EXPECT_EQ(v.volby.riadok, "G2 P1 7");
  EXPECT_TRUE(v.volby.priecinok.empty());
  EXPECT_EQ(w.volby.priecinok, ".");
  EXPECT_EQ(w.volby.subor, "a b.bmp");
}

TEST(Volby, AFolderThatCannotBeEnteredKeepsTheCurrentOne) {
  char stary[4096];
  ASSERT_NE(getcwd(stary, sizeof stary), nullptr);
  TVolby volby;
  volby.priecinok = "/nonexistent/folder";
  volby.subor = "x.bmp";
  PAN_param_file[0] = '\0';
  char* err_text = nullptr;
  size_t err_n = 0;
  FILE* err = open_memstream(&err_text, &err_n);
  EXPECT_EQ(PANO_Otvor_cestu(volby, err), 0);
  std::fclose(err);
  const std::string chyba = err_text;
  std::free(err_text);
  EXPECT_EQ(chyba.rfind("panorama: cannot open the folder '/nonexistent/folder'", 0), 0u);
  char teraz[4096];
  ASSERT_NE(getcwd(teraz, sizeof teraz), nullptr);
  EXPECT_STREQ(teraz, stary);
  EXPECT_STREQ(PAN_param_file, "");
}

}  // namespace
