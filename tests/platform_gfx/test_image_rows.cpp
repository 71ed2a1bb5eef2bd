// Plain 24- and 32-bit BMPs read row by row: the same pixels as the general decoder gives,
// at full size and scaled, across many read pieces, and a file cut short after its header.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "bmp_maker.h"
#include "gfx_fixture.h"
#include "platform/image_load.h"
#include "platform/resources.h"
#include "platform/user32.h"

namespace {
const UINT kFile = LR_LOADFROMFILE | LR_CREATEDIBSECTION;

struct TRowCase {
  int bits;
  TBmpForm form;
  int w, h;
  int cx, cy;  // 0, 0: the picture's own size
};

class RowsTest : public GfxTest {
 public:
  std::string path;
  void TearDown() override {
    if (!path.empty()) std::remove(path.c_str());
    GfxTest::TearDown();
  }
};

// What the general decoder and the bitmap scaler make of the bytes.
std::vector<uint32_t> Reference(const std::vector<uint8_t>& bytes, int cx, int cy) {
  TImgInfo info;
  EXPECT_EQ(IMGP_OK, IMGL_Probe(bytes.data(), bytes.size(), bytes.size(), &info));
  std::string why;
  TGdiBitmap* bm = IMGL_Decode(bytes.data(), bytes.size(), info, &why);
  if (!bm) return {};
  std::vector<uint32_t> px;
  if (IMGL_Scale(bm, cx ? cx : info.width, cy ? cy : info.height)) px = bm->px;
  delete bm;
  return px;
}

void ExpectPixels(const std::vector<uint32_t>& want, HANDLE h, const std::string& what) {
  HBITMAP bm = static_cast<HBITMAP>(h);
  ASSERT_NE(nullptr, bm) << what;
  ASSERT_EQ(want.size(), bm->px.size()) << what;
  for (size_t i = 0; i < want.size(); i++) ASSERT_EQ(want[i], bm->px[i]) << what << " at pixel " << i;
  DeleteObject(bm);
}

// Alpha bytes that are not zero must not colour anything.
void SetAlpha(std::vector<uint8_t>* b, const TPic& p) {
  uint32_t off = 0;
  for (int i = 0; i < 4; i++) off |= (uint32_t)(*b)[10 + i] << (8 * i);
  for (size_t i = off + 3; i < off + (size_t)p.w * p.h * 4; i += 4) (*b)[i] = (uint8_t)(i * 7);
}

TEST_F(RowsTest, FileAndResourceGiveWhatTheDecoderGives) {
  const TRowCase cases[] = {
      {24, BMP_PLAIN, 1, 1, 0, 0},      {24, BMP_PLAIN, 5, 3, 0, 0},     {24, BMP_TOP_DOWN, 7, 4, 0, 0},
      {32, BMP_PLAIN, 6, 5, 0, 0},      {32, BMP_TOP_DOWN, 3, 9, 0, 0},  {24, BMP_PLAIN, 13, 7, 4, 3},
      {24, BMP_PLAIN, 9, 4, 20, 11},    {32, BMP_TOP_DOWN, 13, 7, 30, 2},
      // taller than one read piece, the last piece partial; bottom-up pieces come from the end
      {24, BMP_PLAIN, 3001, 301, 0, 0}, {24, BMP_TOP_DOWN, 3001, 301, 0, 0}, {32, BMP_PLAIN, 2000, 301, 0, 0},
      {24, BMP_PLAIN, 3001, 301, 100, 50}, {32, BMP_TOP_DOWN, 2000, 301, 97, 301},
  };
  for (const TRowCase& c : cases) {
    const TPic pic = MakePic(c.w, c.h, 8);
    std::vector<uint8_t> bytes = MakeBmp(pic, c.bits, c.form);
    if (c.bits == 32) SetAlpha(&bytes, pic);
    const std::string what = std::to_string(c.bits) + " bits " + std::to_string(c.w) + " x " + std::to_string(c.h) +
                             (c.form == BMP_TOP_DOWN ? " top-down" : "") + " to " + std::to_string(c.cx) + " x " +
                             std::to_string(c.cy);
    const std::vector<uint32_t> want = Reference(bytes, c.cx, c.cy);
    ASSERT_FALSE(want.empty()) << what;
    path = WriteTemp(bytes, "rows");
    ExpectPixels(want, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, c.cx, c.cy, kFile), what + " from a file");
    PLAT_ResourceAdd("ROWS.BMP", RT_BITMAP, bytes.data() + 14, bytes.size() - 14);
    ExpectPixels(want, LoadImageA(GetModuleHandleA(nullptr), "rows.bmp", IMAGE_BITMAP, c.cx, c.cy, LR_CREATEDIBSECTION),
                 what + " from a resource");
    PLAT_ResourceRemove("ROWS.BMP", RT_BITMAP);
  }
}

// Long runs of one weight are summed in parts; white must stay white and a flat colour flat.
TEST_F(RowsTest, ShrinkingAWideRowToOnePixelKeepsItsColour) {
  for (int w : {256, 257, 258, 515, 4000}) {
    for (uint32_t colour : {0xFFFFFFu, 0xFEFD01u, 0x80FF7Fu}) {
      TPic pic;
      pic.w = w;
      pic.h = 2;
      pic.px.assign((size_t)w * 2, colour);
      path = WriteTemp(MakeBmp(pic, 24, BMP_PLAIN), "wide");
      HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 1, 1, kFile));
      ASSERT_NE(nullptr, bm);
      EXPECT_EQ(colour, bm->px[0]) << w << " pixels of " << std::hex << colour;
      DeleteObject(bm);
    }
  }
}

// A file that shrinks between its header check and the reading of its rows is refused.
TEST_F(RowsTest, RowsMissingFromTheFileAreRefused) {
  for (TBmpForm form : {BMP_PLAIN, BMP_TOP_DOWN}) {
    for (int cx : {0, 10}) {
      std::vector<uint8_t> bytes = MakeBmp(MakePic(2000, 300, 8), 24, form);
      TImgInfo info;
      ASSERT_EQ(IMGP_OK, IMGL_Probe(bytes.data(), bytes.size(), bytes.size(), &info));
      bytes.resize(bytes.size() - 6000);
      path = WriteTemp(bytes, "short");
      const int fd = open(path.c_str(), O_RDONLY);
      ASSERT_GE(fd, 0);
      std::string why;
      EXPECT_EQ(nullptr, IMGL_DecodeBmpFile(fd, info, cx ? cx : 2000, cx ? cx : 300, &why));
      EXPECT_EQ("the pixel data could not be read", why);
      close(fd);
      EXPECT_EQ(nullptr, IMGL_DecodeBmpBytes(bytes.data(), bytes.size(), info, 2000, 300, &why));
    }
  }
}
}  // namespace
