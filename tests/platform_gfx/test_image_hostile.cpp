// Broken and hostile BMP files: each is refused with null, nothing crashes, nothing huge is allocated.
#include <sys/stat.h>

#include <functional>

#include "bmp_maker.h"
#include "gfx_fixture.h"
#include "platform/resources.h"
#include "platform/user32.h"

namespace {
typedef std::vector<uint8_t> TBytes;

void Set32(TBytes* b, size_t at, uint32_t v) {
  if (b->size() >= at + 4) Put32(b, at, v);
}
void Set16(TBytes* b, size_t at, uint32_t v) {
  if (b->size() >= at + 2) {
    (*b)[at] = (uint8_t)v;
    (*b)[at + 1] = (uint8_t)(v >> 8);
  }
}

struct THostile {
  const char* name;
  bool rle;            // mutate the 8-bit RLE file instead of the 24-bit one
  bool header_level;   // the header alone shows it: the size probe refuses it as well
  std::function<void(TBytes*)> mutate;
  bool file_header_only = false;  // the fault sits in the file header, which a resource has not
};

class HostileTest : public GfxTest {};

TEST_F(HostileTest, EveryBrokenFileGivesNull) {
  const THostile cases[] = {
      {"empty", false, true, [](TBytes* b) { b->clear(); }},
      {"one byte", false, true, [](TBytes* b) { b->resize(1); }},
      {"header cut short", false, true, [](TBytes* b) { b->resize(20); }},
      {"pixel data cut short", false, true, [](TBytes* b) { b->resize(b->size() - 10); }},
      {"zero width", false, true, [](TBytes* b) { Set32(b, 18, 0); }},
      {"zero height", false, true, [](TBytes* b) { Set32(b, 22, 0); }},
      {"negative width", false, true, [](TBytes* b) { Set32(b, 18, (uint32_t)-8); }},
      {"most negative height", false, true, [](TBytes* b) { Set32(b, 22, 0x80000000u); }},
      {"100000 x 100000", false, true, [](TBytes* b) { Set32(b, 18, 100000), Set32(b, 22, 100000); }},
      {"30001 wide", false, true, [](TBytes* b) { Set32(b, 18, 30001); }},
      {"wrong magic", false, true, [](TBytes* b) { (*b)[0] = 'M', (*b)[1] = 'B'; }, true},
      {"bit depth 7", false, true, [](TBytes* b) { Set16(b, 28, 7); }},
      {"bit depth 0", false, true, [](TBytes* b) { Set16(b, 28, 0); }},
      {"bit depth 64", false, true, [](TBytes* b) { Set16(b, 28, 64); }},
      {"embedded JPEG compression", false, true, [](TBytes* b) { Set32(b, 30, 4); }},
      {"RLE8 on 24 bits", false, true, [](TBytes* b) { Set32(b, 30, 1); }},
      {"header size 13", false, true, [](TBytes* b) { Set32(b, 14, 13); }},
      {"header size 4 G", false, true, [](TBytes* b) { Set32(b, 14, 0xFFFFFFFFu); }},
      {"pixels beyond the end", false, true, [](TBytes* b) { Set32(b, 10, (uint32_t)b->size() + 100); }, true},
      {"pixels inside the header", false, true, [](TBytes* b) { Set32(b, 10, 20); }, true},
      {"RLE run past the row end", true, false, [](TBytes* b) { (*b)[1078] = 200; }},
      {"RLE without its end code", true, false, [](TBytes* b) { b->resize(b->size() - 2); }},
      {"RLE jump below the picture", true, false,
       [](TBytes* b) { b->insert(b->begin() + 1078, {0, 2, 0, 50}); }},
      {"RLE literal past the data", true, false,
       [](TBytes* b) {
         b->resize(1078);
         b->insert(b->end(), {0, 6, 1});
       }},
      {"RLE stored top-down", true, true, [](TBytes* b) { Set32(b, 22, (uint32_t)-4); }},
      {"RLE 30000 x 30000", true, true, [](TBytes* b) { Set32(b, 18, 30000), Set32(b, 22, 30000); }},
  };
  const TPic pic = MakePic(8, 4, 8);
  const TBytes plain = MakeBmp(pic, 24, BMP_PLAIN);
  const TBytes rle = MakeBmp(pic, 8, BMP_RLE);
  ASSERT_EQ(1078u, 14u + 40u + 1024u);  // where the RLE codes start
  for (const THostile& c : cases) {
    TBytes bytes = c.rle ? rle : plain;
    c.mutate(&bytes);
    const std::string path = WriteTemp(bytes, "hostile");
    EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE)) << c.name;
    // Scaling on load must not change the verdict either.
    EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 4, 4, LR_LOADFROMFILE)) << c.name;
    int w = -1, h = -1;
    if (c.header_level) {
      EXPECT_FALSE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h)) << c.name;
    }
    // The same bytes as a resource (without the file header) are refused the same way.
    if (bytes.size() > 14) {
      PLAT_ResourceAdd("HOSTILE", "BITMAP", bytes.data() + 14, bytes.size() - 14);
      HBITMAP bm = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), "HOSTILE", IMAGE_BITMAP, 0, 0, 0));
      EXPECT_EQ(c.file_header_only, bm != nullptr) << c.name;
      if (bm) DeleteObject(bm);
      PLAT_ResourceRemove("HOSTILE", "BITMAP");
    }
    std::remove(path.c_str());
  }
  // The unmutated files load, so the refusals above come from the faults alone.
  for (const TBytes* good : {&plain, &rle}) {
    const std::string path = WriteTemp(*good, "good");
    HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    EXPECT_NE(nullptr, bm);
    if (bm) DeleteObject(bm);
    std::remove(path.c_str());
  }
}

// Pixels that point past a short colour table read black instead of memory past the table.
TEST_F(HostileTest, PixelIndexesPastAShortColourTableReadBlack) {
  const TPic pic = MakePic(8, 4, 8);
  const std::vector<uint32_t> pal = Palette(pic);
  for (TBmpForm form : {BMP_PLAIN, BMP_RLE}) {
    TBytes b = MakeBmp(pic, 8, form);
    Set32(&b, 46, 2);  // claims two colours, the pixels use eight
    const std::string path = WriteTemp(b, "palette");
    HBITMAP bm = static_cast<HBITMAP>(LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(nullptr, bm);
    for (int y = 0; y < 4; y++)
      for (int x = 0; x < 8; x++) {
        const int index = Index(pal, pic.at(x, y));
        EXPECT_EQ(index < 2 ? pic.at(x, y) : 0u, bm->px[y * 8 + x]) << x << "," << y;
      }
    DeleteObject(bm);
    std::remove(path.c_str());
  }
}

TEST_F(HostileTest, APipeNamedLikeAPictureDoesNotHang) {
  const std::string path = "/tmp/gfx_test_fifo_" + std::to_string((long)getpid()) + ".bmp";
  ASSERT_EQ(0, mkfifo(path.c_str(), 0600));
  int w = 0, h = 0;
  EXPECT_EQ(nullptr, LoadImageA(nullptr, path.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  EXPECT_FALSE(PLAT_ImageSize(nullptr, path.c_str(), LR_LOADFROMFILE, &w, &h));
  std::remove(path.c_str());
}

TEST_F(HostileTest, MissingFilesAndFoldersGiveNull) {
  EXPECT_EQ(nullptr, LoadImageA(nullptr, "/nonexistent/pano.bmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  EXPECT_EQ(nullptr, LoadImageA(nullptr, "/tmp", IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  EXPECT_EQ(nullptr, LoadImageA(nullptr, nullptr, IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
  EXPECT_EQ(nullptr, LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(5), IMAGE_BITMAP, 0, 0, 0));
}
}  // namespace
