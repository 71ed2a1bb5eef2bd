// A loaded bitmap stretched onto a surface through a memory context, as pictures reach surfaces.
#include "bmp_maker.h"
#include "gfx_fixture.h"
#include "platform/resources.h"
#include "platform/user32.h"

namespace {
class StretchTest : public GfxTest {
 public:
  HBITMAP bm = nullptr;
  TPic pic;
  void SetUp() override {
    GfxTest::SetUp();
    pic = MakePic(12, 6, 8);
    const std::vector<uint8_t> file = MakeBmp(pic, 24, BMP_PLAIN);
    PLAT_ResourceAdd("STRETCH", RT_BITMAP, file.data() + 14, file.size() - 14);
    bm = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), "STRETCH", IMAGE_BITMAP, 0, 0, 0));
    ASSERT_NE(nullptr, bm);
  }
  void TearDown() override {
    DeleteObject(bm);
    PLAT_ResourceRemove("STRETCH", RT_BITMAP);
    GfxTest::TearDown();
  }
  static uint16_t Native(uint32_t rgb) {
    return PLAT_Pack565((BYTE)(rgb >> 16), (BYTE)(rgb >> 8), (BYTE)rgb);
  }
  // The bitmap's rectangle over the whole surface, the way pictures are copied in.
  void Copy(IDirectDrawSurface* s, int sx, int sy, int sw, int sh) {
    HDC mem = CreateCompatibleDC(nullptr);
    ASSERT_NE(nullptr, mem);
    HGDIOBJ old = SelectObject(mem, bm);
    ASSERT_NE(nullptr, old);
    HDC dc = nullptr;
    ASSERT_EQ(DD_OK, s->GetDC(&dc));
    EXPECT_TRUE(StretchBlt(dc, 0, 0, s->PLAT_Width(), s->PLAT_Height(), mem, sx, sy, sw, sh, SRCCOPY));
    s->ReleaseDC(dc);
    SelectObject(mem, old);
    DeleteDC(mem);
  }
};

TEST_F(StretchTest, SameSizeCopyGivesEveryPixelInTheSurfaceFormat) {
  IDirectDrawSurface* s = Make(12, 6);
  Copy(s, 0, 0, 12, 6);
  for (int y = 0; y < 6; y++)
    for (int x = 0; x < 12; x++) ASSERT_EQ(Native(pic.at(x, y)), At(s, x, y)) << x << "," << y;
  s->Release();
}

struct TSizeCase {
  int w, h;     // surface
  RECT from;    // bitmap rectangle
};

TEST_F(StretchTest, ScaledCopiesTakeTheNearestPixel) {
  const TSizeCase cases[] = {{24, 12, {0, 0, 12, 6}}, {6, 3, {0, 0, 12, 6}}, {7, 5, {2, 1, 11, 6}}, {1, 1, {0, 0, 12, 6}}};
  for (const TSizeCase& c : cases) {
    IDirectDrawSurface* s = Make(c.w, c.h);
    const int sw = c.from.right - c.from.left, sh = c.from.bottom - c.from.top;
    Copy(s, c.from.left, c.from.top, sw, sh);
    for (int y = 0; y < c.h; y++)
      for (int x = 0; x < c.w; x++) {
        const int px = c.from.left + (int)((x + 0.5) * sw / c.w), py = c.from.top + (int)((y + 0.5) * sh / c.h);
        ASSERT_EQ(Native(pic.at(px, py)), At(s, x, y)) << c.w << "x" << c.h << " at " << x << "," << y;
      }
    s->Release();
  }
}

TEST_F(StretchTest, ASourceRectanglePastTheBitmapOnlyCopiesWhatExists) {
  IDirectDrawSurface* s = Make(12, 6);
  FillAll(s, 0x1234);
  Copy(s, 6, 0, 12, 6);  // the right half of the rectangle is outside the bitmap
  EXPECT_EQ(Native(pic.at(6, 0)), At(s, 0, 0));
  EXPECT_EQ(Native(pic.at(11, 5)), At(s, 5, 5));
  EXPECT_EQ(0x1234, At(s, 6, 0));
  s->Release();
}

TEST_F(StretchTest, SurfaceToSurfaceAndIntoABitmap) {
  IDirectDrawSurface* a = Make(12, 6);
  IDirectDrawSurface* b = Make(12, 6);
  Copy(a, 0, 0, 12, 6);
  HDC da = nullptr, db = nullptr;
  ASSERT_EQ(DD_OK, a->GetDC(&da));
  ASSERT_EQ(DD_OK, b->GetDC(&db));
  EXPECT_TRUE(BitBlt(db, 0, 0, 12, 6, da, 0, 0, SRCCOPY));
  // And back into the bitmap, upside down by rows 0 ↔ 5 done as six one-row copies.
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ old = SelectObject(mem, bm);
  for (int y = 0; y < 6; y++) EXPECT_TRUE(BitBlt(mem, 0, y, 12, 1, da, 0, 5 - y, SRCCOPY));
  SelectObject(mem, old);
  DeleteDC(mem);
  EXPECT_FALSE(StretchBlt(db, 0, 0, 12, 6, da, 0, 0, 12, 6, 0x00EE0086));  // only copies exist
  EXPECT_FALSE(StretchBlt(db, 0, 0, -12, 6, da, 0, 0, 12, 6, SRCCOPY));
  a->ReleaseDC(da);
  b->ReleaseDC(db);
  for (int y = 0; y < 6; y++)
    for (int x = 0; x < 12; x++) {
      ASSERT_EQ(At(a, x, y), At(b, x, y));
      ASSERT_EQ(pic.at(x, 5 - y), bm->px[y * 12 + x]);  // pure colours survive 5-6-5
    }
  a->Release();
  b->Release();
}

TEST_F(StretchTest, ABitmapSelectedAnywhereOutlivesItsDeletionUntilDeselected) {
  HBITMAP other = static_cast<HBITMAP>(LoadImageA(GetModuleHandleA(nullptr), "STRETCH", IMAGE_BITMAP, 3, 2, 0));
  ASSERT_NE(nullptr, other);
  HDC mem = CreateCompatibleDC(nullptr);
  HGDIOBJ first = SelectObject(mem, other);
  EXPECT_EQ(other, SelectObject(mem, bm));
  SelectObject(mem, other);
  EXPECT_TRUE(DeleteObject(other));
  IDirectDrawSurface* s = Make(3, 2);
  HDC dc = nullptr;
  ASSERT_EQ(DD_OK, s->GetDC(&dc));
  EXPECT_TRUE(BitBlt(dc, 0, 0, 3, 2, mem, 0, 0, SRCCOPY));  // still readable while selected
  s->ReleaseDC(dc);
  SelectObject(mem, first);
  DeleteDC(mem);
  s->Release();
}
}  // namespace
