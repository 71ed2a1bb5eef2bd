// Loading pictures: every BMP form gives the same pixels, resources, scaling, PNG and JPEG.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "bmp_maker.h"
#include "gfx_fixture.h"
#include "platform/resources.h"
#include "platform/user32.h"

namespace {
const UINT kFile = LR_LOADFROMFILE | LR_CREATEDIBSECTION;

class LoadTest : public GfxTest {
 public:
  std::vector<std::string> temps;
  void TearDown() override {
    for (const std::string& t : temps) std::remove(t.c_str());
    GfxTest::TearDown();
  }
  std::string Temp(const std::vector<uint8_t>& bytes) {
    temps.push_back(WriteTemp(bytes, std::to_string(temps.size()).c_str()));
    return temps.back();
  }
  HBITMAP LoadBytes(const std::vector<uint8_t>& bytes, int cx = 0, int cy = 0) {
    return static_cast<HBITMAP>(LoadImageA(nullptr, Temp(bytes).c_str(), IMAGE_BITMAP, cx, cy, kFile));
  }
  static std::vector<uint8_t> ReadData(const char* name) {
    std::ifstream f(std::string(PANO_TEST_DATA) + "/platform_gfx/" + name, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
};

// `slack` per channel: SDL widens 16-bit pixels by its own tables, not by bit replication.
void ExpectSame(const TPic& pic, HBITMAP bm, const std::string& what, int slack = 0) {
  ASSERT_NE(nullptr, bm) << what;
  ASSERT_EQ(pic.w, bm->width) << what;
  ASSERT_EQ(pic.h, bm->height) << what;
  for (int y = 0; y < pic.h; y++)
    for (int x = 0; x < pic.w; x++) {
      const uint32_t want = pic.at(x, y), got = bm->px[(size_t)y * pic.w + x];
      ASSERT_EQ(0u, got >> 24) << what;
      for (int shift : {0, 8, 16})
        ASSERT_NEAR((int)((want >> shift) & 255), (int)((got >> shift) & 255), slack)
            << what << " at " << x << "," << y;
    }
}

struct TFormCase {
  int bits;
  TBmpForm form;
  int colours;
};

TEST_F(LoadTest, EveryDepthAndFormOfOnePictureGivesTheSamePixels) {
  const TFormCase cases[] = {
      {1, BMP_PLAIN, 2},   {4, BMP_PLAIN, 8},  {8, BMP_PLAIN, 8},    {16, BMP_PLAIN, 8}, {24, BMP_PLAIN, 8},
      {32, BMP_PLAIN, 8},  {24, BMP_TOP_DOWN, 8}, {8, BMP_TOP_DOWN, 8}, {8, BMP_RLE, 8},  {4, BMP_RLE, 8},
      {16, BMP_FIELDS, 8}, {32, BMP_FIELDS, 8}, {24, BMP_CORE, 8},    {8, BMP_CORE, 8},   {1, BMP_TOP_DOWN, 2},
  };
  for (const TFormCase& c : cases) {
    const TPic pic = MakePic(13, 7, c.colours);  // odd width: every row is padded
    HBITMAP bm = LoadBytes(MakeBmp(pic, c.bits, c.form));
    ExpectSame(pic, bm, std::to_string(c.bits) + " bits, form " + std::to_string(c.form), c.bits == 16 ? 3 : 0);
    if (bm) {
      EXPECT_EQ(c.bits, bm->bits);
      DeleteObject(bm);
    }
  }
}

TEST_F(LoadTest, ABitmapResourceWithoutItsFileHeaderLoadsLikeTheFile) {
  for (const TFormCase& c : {TFormCase{24, BMP_PLAIN, 8}, TFormCase{8, BMP_PLAIN, 8}, TFormCase{32, BMP_FIELDS, 8},
                             TFormCase{4, BMP_RLE, 8}, TFormCase{8, BMP_CORE, 8}}) {
    const TPic pic = MakePic(9, 5, c.colours);
    const std::vector<uint8_t> file = MakeBmp(pic, c.bits, c.form);
    PLAT_ResourceAdd("TEST_PIC.BMP", RT_BITMAP, file.data() + 14, file.size() - 14);
    HBITMAP bm = static_cast<HBITMAP>(
        LoadImageA(GetModuleHandleA(nullptr), "test_pic.bmp", IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    ExpectSame(pic, bm, "resource of " + std::to_string(c.bits) + " bits");
    int w = 0, h = 0;
    EXPECT_TRUE(PLAT_ImageSize(GetModuleHandleA(nullptr), "Test_Pic.bmp", 0, &w, &h));
    EXPECT_EQ(9, w);
    EXPECT_EQ(5, h);
    if (bm) DeleteObject(bm);
  }
  PLAT_ResourceRemove("TEST_PIC.BMP", RT_BITMAP);
  EXPECT_EQ(nullptr, LoadImageA(GetModuleHandleA(nullptr), "test_pic.bmp", IMAGE_BITMAP, 0, 0, 0));
  // Without a module only a file is looked for.
  EXPECT_EQ(nullptr, LoadImageA(nullptr, "test_pic.bmp", IMAGE_BITMAP, 0, 0, 0));
}

TEST_F(LoadTest, SizesFromTheObjectAndFromTheHeaderAlone) {
  const std::string path = Temp(MakeBmp(MakePic(21, 11, 8), 24, BMP_PLAIN));
  HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, kFile));
  ASSERT_NE(nullptr, bm);
  BITMAP info;
  ASSERT_EQ((int)sizeof(BITMAP), GetObjectA(bm, sizeof(BITMAP), &info));
  EXPECT_EQ(21, info.bmWidth);
  EXPECT_EQ(11, info.bmHeight);
  EXPECT_EQ(0, GetObjectA(bm, 4, &info));  // too small to take it
  DeleteObject(bm);
  EXPECT_EQ(0, GetObjectA(bm, sizeof(BITMAP), &info));  // deleted
  int w = 0, h = 0;
  EXPECT_TRUE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h));
  EXPECT_EQ(21, w);
  EXPECT_EQ(11, h);
  EXPECT_FALSE(PLAT_ImageSize(nullptr, "/nonexistent/x.bmp", LR_LOADFROMFILE, &w, &h));
  EXPECT_FALSE(PLAT_ImageSize(nullptr, "/tmp", LR_LOADFROMFILE, &w, &h));  // a folder
}

TEST_F(LoadTest, ShrinkingAveragesEveryCoveredPixel) {
  TPic pic;
  pic.w = 8;
  pic.h = 4;
  for (int y = 0; y < 4; y++)
    for (int x = 0; x < 8; x++) pic.px.push_back(x < 4 ? 0xC86432 : ((x + y) % 2 ? 0xFFFFFF : 0x000000));
  HBITMAP bm = LoadBytes(MakeBmp(pic, 24, BMP_PLAIN), 2, 1);
  ASSERT_NE(nullptr, bm);
  ASSERT_EQ(2, bm->width);
  ASSERT_EQ(1, bm->height);
  EXPECT_EQ(0xC86432u, bm->px[0]);  // a flat block keeps its colour
  for (int shift : {0, 8, 16}) {    // a checkerboard becomes mid grey, not black or white
    const int v = (bm->px[1] >> shift) & 255;
    EXPECT_NEAR(128, v, 1);
  }
  DeleteObject(bm);
}

TEST_F(LoadTest, GrowingInterpolatesAndKeepsTheEnds) {
  TPic pic;
  pic.w = 2;
  pic.h = 1;
  pic.px = {0x000000, 0xFFFFFF};
  HBITMAP bm = LoadBytes(MakeBmp(pic, 24, BMP_PLAIN), 4, 3);
  ASSERT_NE(nullptr, bm);
  ASSERT_EQ(4, bm->width);
  ASSERT_EQ(3, bm->height);
  const uint32_t expect[] = {0x000000, 0x404040, 0xBFBFBF, 0xFFFFFF};
  for (int y = 0; y < 3; y++)
    for (int x = 0; x < 4; x++) EXPECT_NEAR((int)(expect[x] & 255), (int)(bm->px[y * 4 + x] & 255), 1) << x;
  DeleteObject(bm);
}

struct TScaleCase {
  int cx, cy;
  int w, h;  // what comes back
};

TEST_F(LoadTest, ZeroKeepsTheNaturalSideOthersScale) {
  const TScaleCase cases[] = {{0, 0, 40, 20}, {100, 25, 100, 25}, {10, 0, 10, 20}, {0, 5, 40, 5}, {1, 1, 1, 1}};
  const std::string path = Temp(MakeBmp(MakePic(40, 20, 8), 24, BMP_PLAIN));
  for (const TScaleCase& c : cases) {
    HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, c.cx, c.cy, kFile));
    ASSERT_NE(nullptr, bm);
    EXPECT_EQ(c.w, bm->width);
    EXPECT_EQ(c.h, bm->height);
    DeleteObject(bm);
  }
  EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, -1, 5, kFile));
  EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 30001, 5, kFile));
  EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), 1, 0, 0, kFile));  // not a bitmap type
  PLAT_FaultSet(PC_LoadImage, 0, 1, E_FAIL);
  EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, kFile));
}

TEST_F(LoadTest, PngAndJpegLoadWithTheirSize) {
  for (const char* name : {"halves.png", "halves.jpg"}) {
    const std::vector<uint8_t> bytes = ReadData(name);
    ASSERT_FALSE(bytes.empty()) << name;
    const std::string path = Temp(bytes);
    int w = 0, h = 0;
    EXPECT_TRUE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h)) << name;
    EXPECT_EQ(16, w);
    EXPECT_EQ(8, h);
    HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, kFile));
    ASSERT_NE(nullptr, bm) << name;
    ASSERT_EQ(16, bm->width);
    ASSERT_EQ(8, bm->height);
    const uint32_t left = bm->px[2 * 16 + 2], right = bm->px[5 * 16 + 13];
    EXPECT_GT((int)(left >> 16), 230) << name;
    EXPECT_LT((int)(left & 255), 25) << name;
    EXPECT_GT((int)(right & 255), 230) << name;
    EXPECT_LT((int)(right >> 16), 25) << name;
    DeleteObject(bm);
  }
}

TEST_F(LoadTest, AJpegFrameBehindLargeMetadataIsStillFound) {
  const std::vector<uint8_t> jpg = ReadData("halves.jpg");
  ASSERT_GT(jpg.size(), 4u);
  std::vector<uint8_t> big(jpg.begin(), jpg.begin() + 2);
  for (int k = 0; k < 3; k++) {  // three 64 KB application segments before the frame
    big.push_back(0xFF);
    big.push_back(0xE1);
    big.push_back(0xFF);
    big.push_back(0xFF);
    big.insert(big.end(), 0xFFFF - 2, 'x');
  }
  big.insert(big.end(), jpg.begin() + 2, jpg.end());
  const std::string path = Temp(big);
  int w = 0, h = 0;
  EXPECT_TRUE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h));
  EXPECT_EQ(16, w);
  HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, kFile));
  EXPECT_NE(nullptr, bm);
  if (bm) DeleteObject(bm);
}

TEST_F(LoadTest, TruncatedPngAndJpegAreRefused) {
  for (const char* name : {"halves.png", "halves.jpg"}) {
    const std::vector<uint8_t> bytes = ReadData(name);
    for (size_t keep : {bytes.size() - 1, bytes.size() - 12, bytes.size() / 2, (size_t)20, (size_t)3}) {
      const std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + keep);
      EXPECT_EQ(nullptr, LoadBytes(cut)) << name << " cut to " << keep;
    }
  }
}

TEST_F(LoadTest, APictureAboveThePixelCeilingIsRefusedUnread) {
  const std::string path = Temp(MakeBmp(MakePic(40, 20, 8), 24, BMP_PLAIN));
  const long long old = PLAT_SetImagePixelLimit(799);
  int w = 0, h = 0;
  EXPECT_FALSE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h));
  EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, kFile));
  PLAT_SetImagePixelLimit(800);
  HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, kFile));
  EXPECT_NE(nullptr, bm);
  if (bm) DeleteObject(bm);
  PLAT_SetImagePixelLimit(old);
}
}  // namespace
