// Opened from the desktop: a picture or a folder elsewhere, and a folder that cannot be
// written (no thumbnails, the screenshot in the pictures folder).
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/app.h"
#include "app/panorama.h"
#include "app/priecinok.h"
#include "app/ui.h"
#include "app/volby.h"
#include "app_fixture.h"
#include "bmpfiles/dbmp.h"
#include "engine/store.h"
#include "platform/backend.h"
#include "platform/fault.h"

namespace {

bool existuje(const std::string& cesta) {
  struct stat st;
  return stat(cesta.c_str(), &st) == 0;
}

std::string priecinok_teraz() {
  char c[4096];
  return getcwd(c, sizeof c) != nullptr ? std::string(c) : std::string();
}

// The fixture's folder holds one panorama; a second folder "ine" (beside nothing else)
// holds three, one of them with blanks in its name; a third one stands for ~/Pictures.
class DesktopTest : public AppTest {
 protected:
  void SetUp() override {
    AppTest::SetUp();
    Panoramy(1);
    ine_ = priecinok_ + "_ine";
    obrazky_ = priecinok_ + "_obrazky";
    ASSERT_EQ(mkdir(ine_.c_str(), 0755), 0);
    ASSERT_EQ(mkdir(obrazky_.c_str(), 0755), 0);
    ASSERT_EQ(chdir(ine_.c_str()), 0);
    Panoramy(3, 240, 120);
    ASSERT_EQ(std::rename("pano_2.bmp", "moja panorama.bmp"), 0);
    ASSERT_EQ(chdir(priecinok_.c_str()), 0);
    const char* h = std::getenv("XDG_PICTURES_DIR");
    stary_xdg_ = h != nullptr ? h : "";
    setenv("XDG_PICTURES_DIR", obrazky_.c_str(), 1);
  }
  void TearDown() override {
    if (stary_xdg_.empty()) {
      unsetenv("XDG_PICTURES_DIR");
    } else {
      setenv("XDG_PICTURES_DIR", stary_xdg_.c_str(), 1);
    }
    AppTest::TearDown();
    for (const std::string& p : {ine_, obrazky_}) {
      for (const char* m : {"pano_1.bmp", "pano_1.thm", "pano_3.bmp", "pano_3.thm", "moja panorama.bmp",
                            "moja panorama.thm", "TSSCAN.bmp", "ZEPH_LOG.txt"}) {
        std::remove((p + "/" + m).c_str());
      }
      rmdir(p.c_str());
    }
  }

  // The viewer started as "panorama <words>" would be, after the entry's own reading.
  int SpustiZPrikazu(std::initializer_list<const char*> slova) {
    std::vector<const char*> argv = {"panorama"};
    argv.insert(argv.end(), slova);
    TVolby volby;
    if (PANO_Rozober_volby((int)argv.size(), argv.data(), &volby, stdout, stderr) != -1) return -1;
    if (!PANO_Otvor_cestu(volby, stderr)) return -1;
    return Spusti(volby.riadok.c_str());
  }

  std::string ine_;
  std::string obrazky_;
  std::string stary_xdg_;
};

TEST_F(DesktopTest, APictureElsewhereIsShownAndItsFolderListed) {
  const std::string cesta = ine_ + "/moja panorama.bmp";
  ASSERT_EQ(SpustiZPrikazu({"--mute", cesta.c_str()}), 1);
  EXPECT_EQ(priecinok_teraz(), ine_);
  EXPECT_STREQ(PAN_param_file, "moja panorama.bmp");
  EXPECT_EQ(pan_sir, 240);
  ASSERT_EQ(PAN_id_max, 2);
  // Sorted: "moja panorama", "pano_1", "pano_3"; next and previous go on from the first.
  EXPECT_EQ(PAN_id, 0);
  EXPECT_STREQ(PAN_subor[1], "./pano_1.bmp");
  EXPECT_EQ(dui_PANO.viditelny, 0);
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
  // The thumbnails are made beside the pictures, none in the folder the program started in.
  EXPECT_TRUE(existuje(ine_ + "/moja panorama.thm"));
  EXPECT_TRUE(existuje(ine_ + "/pano_3.thm"));
  EXPECT_FALSE(existuje(priecinok_ + "/pano_1.thm"));
}

TEST_F(DesktopTest, TheShownPictureBecomesTheCurrentEntry) {
  const std::string cesta = ine_ + "/pano_3.bmp";
  // A start index beside the path: the picture shown sets the entry all the same.
  ASSERT_EQ(SpustiZPrikazu({"P1", cesta.c_str()}), 1);
  EXPECT_EQ(pan_sir, 240);
  EXPECT_EQ(PAN_id, 2);
}

TEST_F(DesktopTest, AFolderIsListedWithTheListOpen) {
  ASSERT_EQ(SpustiZPrikazu({ine_.c_str(), "G2"}), 1);
  EXPECT_EQ(priecinok_teraz(), ine_);
  EXPECT_EQ(PAN_id_max, 2);
  EXPECT_EQ(PAN_id, 0);
  EXPECT_EQ(GM, 2);
  EXPECT_EQ(dui_PANO.viditelny, 1);
}

TEST_F(DesktopTest, AMissingPathFollowsTheViewersRules) {
  const std::string cesta = ine_ + "/nie.bmp";
  ASSERT_EQ(SpustiZPrikazu({cesta.c_str()}), 1);
  EXPECT_EQ(priecinok_teraz(), priecinok_);
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text, "Súbor " + cesta + " nebol nájdený, neexistuje.");
  EXPECT_EQ(PAN_id_max, 0);
}

TEST_F(DesktopTest, AWritableFolderKeepsTheScreenshotWithoutAMessage) {
  ASSERT_EQ(Spusti(""), 1);
  Klaves(VK_F2);
  EXPECT_TRUE(existuje(priecinok_ + "/TSSCAN.bmp"));
  EXPECT_FALSE(existuje(obrazky_ + "/TSSCAN.bmp"));
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}

TEST_F(DesktopTest, AReadOnlyFolderRunsWithoutThumbnailsAndShootsIntoPictures) {
  ASSERT_EQ(chdir(ine_.c_str()), 0);
  // The folder refuses the first new file: the probe of the scan.
  PLAT_FaultSet(PC_FileOpen, 0, 1, 0);
  ASSERT_EQ(Spusti(""), 1);
  EXPECT_EQ(PAN_id_max, 2);
  EXPECT_FALSE(existuje(ine_ + "/pano_1.thm"));
  EXPECT_FALSE(existuje(ine_ + "/moja panorama.thm"));
  EXPECT_TRUE(PLAT_MessageBoxes().empty());

  PLAT_FaultSet(PC_FileOpen, 0, 1, 0);
  Klaves(VK_F2);
  EXPECT_FALSE(existuje(ine_ + "/TSSCAN.bmp"));
  EXPECT_TRUE(existuje(obrazky_ + "/TSSCAN.bmp"));
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text,
            "Priečinok je len na čítanie, snímka obrazovky je uložená do " + obrazky_ + "/TSSCAN.bmp");
}

TEST_F(DesktopTest, AScreenshotWithNowhereToGoIsReported) {
  ASSERT_EQ(Spusti(""), 1);
  setenv("XDG_PICTURES_DIR", (priecinok_ + "/nie").c_str(), 1);
  const char* h = std::getenv("HOME");
  const std::string domov = h != nullptr ? h : "";
  setenv("HOME", (priecinok_ + "/nie").c_str(), 1);
  // The probe and then the writer itself are refused.
  PLAT_FaultSet(PC_FileOpen, 0, 2, 0);
  Klaves(VK_F2);
  setenv("HOME", domov.c_str(), 1);
  EXPECT_FALSE(existuje(priecinok_ + "/TSSCAN.bmp"));
  ASSERT_EQ(PLAT_MessageBoxes().size(), 1u);
  EXPECT_EQ(PLAT_MessageBoxes()[0].text, "Snímku obrazovky sa nepodarilo uložiť: TSSCAN.bmp");
}

}  // namespace
