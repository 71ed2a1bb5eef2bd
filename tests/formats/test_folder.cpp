// A folder of BMP, JPEG and PNG panoramas: one sorted list, a thumbnail for each, and
// pictures of the same name in two formats keeping their own thumbnails.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <string>
#include <vector>

#include "bmpfiles/dbmp.h"
#include "display/screen.h"
#include "tests/bmpfiles/dbmp_fixture.h"
#include "tests/formats/formats_fixture.h"

namespace {

class FormatsFolder : public FormatsTest {
 protected:
  void TearDown() override {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    FormatsTest::TearDown();
  }
  std::vector<std::string> Start() {
    DBMP_Uvolni_zoznam(nazvy, &maxid);
    ::testing::internal::CaptureStdout();
    EXPECT_EQ(DBMP_Zisti_Vytvor__bmp2thm_s3C("./", 1, lpDD, 100, 50, nazvy, &maxid), 0);
    ::testing::internal::GetCapturedStdout();
    std::vector<std::string> out;
    for (int i = 0; i <= maxid; ++i) out.push_back(nazvy[i]);
    return out;
  }
  char* nazvy[DBMP_MAX_PANORAM + 1] = {};
  int maxid = -1;
};

// One colour over the whole picture.
TRgbPicture Plocha(int w, int h, uint8_t r, uint8_t g, uint8_t b) {
  TRgbPicture pic(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) pic.Set(x, y, r, g, b);
  return pic;
}

TEST_F(FormatsFolder, MixedFormatsMakeOneSortedListWithAThumbnailEach) {
  const TRgbPicture pic = Bloky(64, 32);
  ASSERT_TRUE(Zapis_png(pic, "b.png"));
  ASSERT_TRUE(Zapis_jpg(pic, "A.jpg"));
  ASSERT_TRUE(Zapis_jpg(pic, "c.JPEG"));
  ASSERT_TRUE(Zapis_bmp(pic, "a.bmp"));
  ASSERT_TRUE(Zapis_png(pic, "Dolina.PNG"));
  // Not panoramas: other kinds, the program's own files, a folder with a picture's name.
  ASSERT_TRUE(Zapis_png(pic, "rezia_pan.png"));
  ASSERT_TRUE(ZapisSubor("e.gif", "GIF89a"));
  ASSERT_TRUE(ZapisSubor("f.jpg.txt", "x"));
  ASSERT_EQ(mkdir("g.jpg", 0755), 0);
  EXPECT_EQ(Start(), (std::vector<std::string>{"./a.bmp", "./A.jpg", "./b.png", "./c.JPEG", "./Dolina.PNG"}));
  for (const char* thm : {"a.thm", "A.jpg.thm", "b.png.thm", "c.JPEG.thm", "Dolina.PNG.thm"}) {
    TBmpSubor b;
    ASSERT_TRUE(CitajBmp(thm, &b)) << thm;
    EXPECT_EQ(b.Sir(), 100) << thm;
    EXPECT_EQ(b.Vys(), 25) << thm;
  }
  // A second start makes nothing new.
  const std::vector<std::string> pred = TTempFolder::Obsah();
  Start();
  EXPECT_EQ(TTempFolder::Obsah(), pred);
}

// x.bmp and x.jpg are two panoramas with a thumbnail each, of their own picture.
TEST_F(FormatsFolder, SameNameInTwoFormatsKeepsTwoThumbnails) {
  ASSERT_TRUE(Zapis_bmp(Plocha(80, 40, 248, 0, 0), "x.bmp"));
  ASSERT_TRUE(Zapis_jpg(Plocha(80, 40, 0, 0, 248), "x.jpg"));
  ASSERT_TRUE(Zapis_png(Plocha(80, 40, 0, 252, 0), "x.png"));
  EXPECT_EQ(Start(), (std::vector<std::string>{"./x.bmp", "./x.jpg", "./x.png"}));
  const struct {
    const char* thm;
    uint32_t farba;
  } ocakavane[] = {{"x.thm", 0xF80000}, {"x.jpg.thm", 0x0000F8}, {"x.png.thm", 0x00FC00}};
  for (const auto& o : ocakavane) {
    TBmpSubor b;
    ASSERT_TRUE(CitajBmp(o.thm, &b)) << o.thm;
    // The JPEG's flat colour may come back a step off; its hue may not.
    const uint32_t p = b.Pixel(50, 12);
    for (int k = 0; k < 3; ++k) {
      const int c = (int)(p >> (8 * k) & 0xFF), e = (int)(o.farba >> (8 * k) & 0xFF);
      EXPECT_NEAR(c, e, 8) << o.thm << " channel " << k;
    }
  }
}

}  // namespace
