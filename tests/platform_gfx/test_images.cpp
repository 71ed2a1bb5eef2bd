// Loading pictures: every BMP form from files and resources, scaled; PNG and JPEG; broken files refused.
#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <functional>
#include <iterator>

#include "bmp_maker.h"
#include "gfx_fixture.h"
#include "platform/image_load.h"
#include "platform/resources.h"
#include "platform/user32.h"

namespace {
typedef std::vector<uint8_t> TBytes;
const UINT kFile = LR_LOADFROMFILE | LR_CREATEDIBSECTION;

class LoadTest : public GfxTest {
 public:
  std::vector<std::string> temps;
  void TearDown() override {
    for (const std::string& t : temps) std::remove(t.c_str());
    PLAT_ResourceRemove("PIC.BMP", RT_BITMAP);
    GfxTest::TearDown();
  }
  std::string Temp(const TBytes& bytes) {
    temps.push_back(WriteTemp(bytes, std::to_string(temps.size()).c_str()));
    return temps.back();
  }
  HBITMAP Load(const std::string& path, int cx = 0, int cy = 0) {
    return static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, cx, cy, kFile));
  }
  // The bytes less their file header as the resource "PIC.BMP", loaded by another case of its name.
  static HBITMAP Resource(const TBytes& bytes) {
    PLAT_ResourceRemove("PIC.BMP", RT_BITMAP);
    if (bytes.size() > 14) PLAT_ResourceAdd("PIC.BMP", RT_BITMAP, bytes.data() + 14, bytes.size() - 14);
    return static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), "pic.bmp", IMAGE_BITMAP, 0, 0, 0));
  }
  static TBytes ReadData(const char* name) {
    std::ifstream f(std::string(PANO_TEST_DATA) + "/platform_gfx/" + name, std::ios::binary);
    return TBytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
  }
};

// `slack` per channel: SDL widens 16-bit pixels by its own tables, not by bit replication.
void ExpectSame(const TPic& pic, HBITMAP bm, const std::string& what, int slack = 0) {
  ASSERT_NE(nullptr, bm) << what;
  ASSERT_EQ(std::make_pair(pic.w, pic.h), std::make_pair(bm->width, bm->height)) << what;
  for (int i = 0; i < pic.w * pic.h; i++)
    for (int shift : {0, 8, 16, 24})
      ASSERT_NEAR((int)((pic.px[i] >> shift) & 255), (int)((bm->px[i] >> shift) & 255), shift < 24 ? slack : 0)
          << what << " at pixel " << i;
  DeleteObject(bm);
}

TEST_F(LoadTest, EveryDepthAndFormOfOnePictureGivesTheSamePixels) {
  const std::pair<int, TBmpForm> cases[] = {
      {1, BMP_PLAIN},   {4, BMP_PLAIN},    {8, BMP_PLAIN},    {16, BMP_PLAIN}, {24, BMP_PLAIN},
      {32, BMP_PLAIN},  {24, BMP_TOP_DOWN}, {8, BMP_TOP_DOWN}, {8, BMP_RLE},    {4, BMP_RLE},
      {16, BMP_FIELDS}, {32, BMP_FIELDS},   {24, BMP_CORE},    {8, BMP_CORE},   {1, BMP_TOP_DOWN}};
  for (const auto& c : cases) {
    const TPic pic = MakePic(13, 7, c.first == 1 ? 2 : 8);  // odd width: every row is padded
    const TBytes bytes = MakeBmp(pic, c.first, c.second);
    const std::string what = std::to_string(c.first) + " bits, form " + std::to_string(c.second);
    ExpectSame(pic, Load(Temp(bytes)), what + " from a file", c.first == 16 ? 3 : 0);
    ExpectSame(pic, Resource(bytes), what + " from a resource", c.first == 16 ? 3 : 0);
  }
}

// The rows of a file that shrank after its header was checked are refused, not read past its end.
TEST_F(LoadTest, AFileThatShrankAfterItsHeaderFailsItsRows) {
  const TBytes bytes = MakeBmp(MakePic(3001, 301, 8), 24, BMP_PLAIN), cut(bytes.begin(), bytes.end() - 6000);
  TImgInfo info;
  ASSERT_EQ(IMGP_OK, IMGL_Probe(bytes.data(), bytes.size(), bytes.size(), &info));
  const TImgEmit keep = [](int, const uint32_t*) { return true; };
  std::string why;
  const int fd = open(Temp(cut).c_str(), O_RDONLY);
  EXPECT_FALSE(IMGL_DecodeBmpFile(fd, info, 3001, 301, keep, &why));
  EXPECT_EQ("the pixel data could not be read", why);
  close(fd);
  EXPECT_FALSE(IMGL_DecodeBmpBytes(cut.data(), cut.size(), info, 3001, 301, keep, &why));
}

TEST_F(LoadTest, ScalingAveragesWhenShrinkingInterpolatesWhenGrowingAndReadsSizesFromTheHeader) {
  TPic pic{8, 4, {}};  // left half two flat colours (of mean 0xC86432) one over the other, right half a checkerboard
  for (int i = 0; i < 32; i++) pic.px.push_back(i % 8 < 4 ? (i < 16 ? 0xFF8040 : 0x914824) : ((i + i / 8) % 2 ? 0xFFFFFF : 0));
  HBITMAP bm = Load(Temp(MakeBmp(pic, 24, BMP_PLAIN)), 2, 1);
  EXPECT_TRUE(bm && bm->px[0] == 0xC86432u && bm->px[1] == 0x808080u) << "mid grey, rounded up";
  DeleteObject(bm);
  bm = Load(Temp(MakeBmp(TPic{3, 1, {0, 0xFFFFFF, 0}}, 24, BMP_PLAIN)), 2, 1);  // a third of the middle each
  EXPECT_TRUE(bm && bm->px[0] == 0x555555u && bm->px[1] == 0x555555u);
  DeleteObject(bm);
  bm = Load(Temp(MakeBmp(TPic{2, 1, {0x000000, 0xFFFFFF}}, 24, BMP_PLAIN)), 4, 3);
  ASSERT_NE(nullptr, bm);
  for (int i = 0; i < 12; i++) EXPECT_NEAR(i % 4 == 0 ? 0 : i % 4 == 3 ? 255 : i % 4 == 1 ? 0x40 : 0xBF, (int)(bm->px[i] & 255), 1) << i;
  DeleteObject(bm);
  // Long runs of one weight are summed in parts; the weights of a thousand pixels come to exactly
  // one. A flat colour stays exact; a white pixel after black ones weighs no more than they do.
  for (int w : {257, 572, 1000, 4000})
    for (uint32_t colour : {0xFFFFFFu, 0xFEFD01u, 0u}) {
      std::vector<uint32_t> px((size_t)w, colour);
      if (colour == 0) px.back() = 0xFFFFFF;
      bm = Load(Temp(MakeBmp(TPic{w, 1, px}, 24, BMP_PLAIN)), 1, 1);
      EXPECT_EQ(colour == 0 && w == 257 ? 0x010101u : colour, bm ? bm->px[0] : 0xBAD) << w;
      DeleteObject(bm);
    }
  const std::string path = Temp(MakeBmp(MakePic(40, 20, 8), 24, BMP_PLAIN));
  const int velkosti[][4] = {{100, 25, 100, 25}, {10, 0, 10, 20}, {0, 5, 40, 5}, {-1, 5, 0, 0}, {30001, 5, 0, 0}};
  for (const auto& c : velkosti) {  // asked → got; a side of 0 is the picture's own
    bm = Load(path, c[0], c[1]);
    BITMAP info = {};
    EXPECT_EQ(bm ? (int)sizeof(BITMAP) : 0, GetObjectA(bm, sizeof(BITMAP), &info));
    EXPECT_EQ(std::make_pair(c[2], c[3]), std::make_pair((int)info.bmWidth, (int)info.bmHeight)) << c[0] << "x" << c[1];
    DeleteObject(bm);
  }
  int w = 0, h = 0;
  EXPECT_TRUE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h) && w == 40 && h == 20);
  const long long old = PLAT_SetImagePixelLimit(799);  // the picture has 800
  EXPECT_FALSE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h));
  EXPECT_EQ(nullptr, Load(path));
  PLAT_SetImagePixelLimit(old);
}

// PNG and JPEG through the same loader; a JPEG's frame may lie behind long segments.
TEST_F(LoadTest, PngAndJpegSizesAndPixels) {
  for (const char* name : {"halves.png", "halves.jpg"}) {
    const TBytes bytes = ReadData(name);
    ASSERT_FALSE(bytes.empty()) << name;
    TBytes big(bytes.begin(), bytes.begin() + 2);  // three 64 KB segments before a JPEG's frame
    for (int k = 0; k < 3 && name[7] == 'j'; k++) {
      big.insert(big.end(), {0xFF, 0xE1, 0xFF, 0xFF});
      big.insert(big.end(), 0xFFFF - 2, 'x');
    }
    big.insert(big.end(), bytes.begin() + 2, bytes.end());
    int w = 0, h = 0;
    EXPECT_TRUE(PLAT_ImageSize(nullptr, Temp(big).c_str(), LR_LOADFROMFILE, &w, &h) && w == 16 && h == 8) << name;
    HBITMAP bm = Load(temps.back());
    ASSERT_NE(nullptr, bm) << name;
    const uint32_t left = bm->px[2 * 16 + 2], right = bm->px[5 * 16 + 13];  // red left half, blue right
    EXPECT_TRUE(left >> 16 > 230 && (left & 255) < 25 && (right & 255) > 230 && right >> 16 < 25) << name;
    DeleteObject(bm);
    EXPECT_EQ(nullptr, Load(Temp(TBytes(bytes.begin(), bytes.end() - 1)))) << name << " cut short";
  }
}

void Set32(TBytes* b, size_t at, uint32_t v) {
  if (b->size() >= at + 4) Put32(b, at, v);
}

// Each broken file is refused by the loader, scaled or not, by the size probe and as a resource.
TEST_F(LoadTest, EveryBrokenFileGivesNull) {
  const struct {
    const char* name;
    int kind;  // 1: mutate the 8-bit RLE file; 2: the size probe refuses it too; 4: as a resource it loads
    std::function<void(TBytes*)> mutate;
  } cases[] = {
      {"empty", 2, [](TBytes* b) { b->clear(); }},
      {"header cut short", 2, [](TBytes* b) { b->resize(20); }},
      {"pixel data cut short", 2, [](TBytes* b) { b->resize(b->size() - 10); }},
      {"zero width", 2, [](TBytes* b) { Set32(b, 18, 0); }},
      {"negative width", 2, [](TBytes* b) { Set32(b, 18, (uint32_t)-8); }},
      {"most negative height", 2, [](TBytes* b) { Set32(b, 22, 0x80000000u); }},
      {"100000 x 100000", 2, [](TBytes* b) { Set32(b, 18, 100000), Set32(b, 22, 100000); }},
      {"30001 wide", 2, [](TBytes* b) { Set32(b, 18, 30001); }},
      {"wrong magic", 6, [](TBytes* b) { (*b)[0] = 'M', (*b)[1] = 'B'; }},
      {"bit depth 7", 2, [](TBytes* b) { (*b)[28] = 7; }},
      {"embedded JPEG", 2, [](TBytes* b) { Set32(b, 30, 4); }},
      {"RLE8 on 24 bits", 2, [](TBytes* b) { Set32(b, 30, 1); }},
      {"header size 13", 2, [](TBytes* b) { Set32(b, 14, 13); }},
      {"pixels beyond the end", 6, [](TBytes* b) { Set32(b, 10, (uint32_t)b->size() + 100); }},
      {"pixels inside the header", 6, [](TBytes* b) { Set32(b, 10, 20); }},
      {"RLE run past the row end", 1, [](TBytes* b) { (*b)[1078] = 200; }},
      {"RLE first row one pixel too long", 1, [](TBytes* b) { (*b)[1078]++; }},
      {"RLE without its end code", 1, [](TBytes* b) { b->resize(b->size() - 2); }},
      {"RLE jump below the picture", 1, [](TBytes* b) { b->insert(b->begin() + 1078, {0, 2, 0, 50}); }},
      {"RLE literal past the data", 1, [](TBytes* b) { b->resize(1078), b->insert(b->end(), {0, 6, 1}); }},
      {"RLE stored top-down", 3, [](TBytes* b) { Set32(b, 22, (uint32_t)-4); }},
      {"RLE 30000 x 30000", 3, [](TBytes* b) { Set32(b, 18, 30000), Set32(b, 22, 30000); }},
  };
  const TPic pic = MakePic(8, 4, 8);
  const TBytes plain = MakeBmp(pic, 24, BMP_PLAIN), rle = MakeBmp(pic, 8, BMP_RLE);
  for (const auto& c : cases) {
    TBytes bytes = c.kind & 1 ? rle : plain;
    c.mutate(&bytes);
    const std::string path = Temp(bytes);
    EXPECT_EQ(nullptr, Load(path)) << c.name;
    EXPECT_EQ(nullptr, Load(path, 4, 4)) << c.name;
    int w = -1, h = -1;
    EXPECT_TRUE(!(c.kind & 2) || !PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h)) << c.name;
    HBITMAP bm = Resource(bytes);
    EXPECT_EQ((c.kind & 4) != 0, bm != nullptr) << c.name;
    if (bm) DeleteObject(bm);
  }
  for (const TBytes* b : {&plain, &rle}) ExpectSame(pic, Load(Temp(*b)), "the unmutated files load");
  // Pixels pointing past a short colour table read black instead of memory past the table.
  const std::vector<uint32_t> pal = Palette(pic);
  for (TBmpForm form : {BMP_PLAIN, BMP_RLE}) {
    TBytes b = MakeBmp(pic, 8, form);
    Set32(&b, 46, 2);  // claims two colours, the pixels use eight
    TPic seen = pic;
    for (uint32_t& c : seen.px) c = Index(pal, c) < 2 ? c : 0;
    ExpectSame(seen, Load(Temp(b)), "short colour table");
  }
  for (const char* path : {"/nonexistent/pano.bmp", "/tmp"}) EXPECT_EQ(nullptr, Load(path));
}

}  // namespace
