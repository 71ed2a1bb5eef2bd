// Copies between surfaces: unscaled, keyed, stretched, mirrored, filled, blended, clipped.
#include "gfx_fixture.h"

namespace {
const uint16_t kKey = 0x07FF;  // cyan
const uint16_t kUnder = 0x1111;

// Source 4 × 4: key colour on the diagonal, the pattern elsewhere.
uint16_t KeyedPattern(int x, int y) { return x == y ? kKey : GfxTest::Pattern(x, y); }

// A keyed 4 × 4 source and a 4 × 4 destination filled with kUnder.
class KeyedTest : public GfxTest {
 public:
  IDirectDrawSurface* src = nullptr;
  IDirectDrawSurface* dst = nullptr;
  void SetUp() override {
    GfxTest::SetUp();
    src = Make(4, 4);
    Paint(src, KeyedPattern);
    DDCOLORKEY k = {kKey, kKey};
    ASSERT_EQ(DD_OK, src->SetColorKey(DDCKEY_SRCBLT, &k));
    dst = Make(4, 4);
    FillAll(dst, kUnder);
  }
  void TearDown() override {
    src->Release();
    dst->Release();
    GfxTest::TearDown();
  }
};

TEST_F(GfxTest, BltFastCopiesARectangleUnscaled) {
  IDirectDrawSurface* src = Make(8, 8);
  IDirectDrawSurface* dst = Make(16, 16);
  Paint(src, Pattern);
  FillAll(dst, kUnder);
  RECT r = {2, 1, 6, 4};
  ASSERT_EQ(DD_OK, dst->BltFast(5, 7, src, &r, DDBLTFAST_NOCOLORKEY | DDBLTFAST_WAIT));
  for (int y = 0; y < 16; y++)
    for (int x = 0; x < 16; x++) {
      const bool in = x >= 5 && x < 9 && y >= 7 && y < 10;
      EXPECT_EQ(in ? Pattern(x - 5 + 2, y - 7 + 1) : kUnder, At(dst, x, y)) << x << "," << y;
    }
  src->Release();
  dst->Release();
}

TEST_F(KeyedTest, KeyedCopiesLeaveThePixelsUnderKeyColouredSourcePixels) {
  ASSERT_EQ(DD_OK, dst->BltFast(0, 0, src, nullptr, DDBLTFAST_SRCCOLORKEY));
  for (int y = 0; y < 4; y++)
    for (int x = 0; x < 4; x++) EXPECT_EQ(x == y ? kUnder : Pattern(x, y), At(dst, x, y));
  // Without the flag the key colour is copied like any other.
  ASSERT_EQ(DD_OK, dst->BltFast(0, 0, src, nullptr, DDBLTFAST_NOCOLORKEY));
  EXPECT_EQ(kKey, At(dst, 2, 2));
  // Blt with DDBLT_KEYSRC keys the same way.
  FillAll(dst, kUnder);
  ASSERT_EQ(DD_OK, dst->Blt(nullptr, src, nullptr, DDBLT_KEYSRC | DDBLT_WAIT, nullptr));
  EXPECT_EQ(kUnder, At(dst, 1, 1));
  EXPECT_EQ(Pattern(1, 0), At(dst, 1, 0));
}

TEST_F(KeyedTest, MirrorLeftRightWithKeyIsExact) {
  DDBLTFX fx = Fx();
  fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
  ASSERT_EQ(DD_OK, dst->Blt(nullptr, src, nullptr, DDBLT_DDFX | DDBLT_KEYSRC | DDBLT_WAIT, &fx));
  for (int y = 0; y < 4; y++)
    for (int x = 0; x < 4; x++) {
      const uint16_t from = KeyedPattern(3 - x, y);
      EXPECT_EQ(from == kKey ? kUnder : from, At(dst, x, y)) << x << "," << y;
    }
}

struct TStretchCase {
  RECT dst;
  RECT src;
};

// Nearest pixel by centres: each destination pixel takes the source pixel under its centre.
TEST_F(GfxTest, StretchTakesTheSourcePixelUnderEachDestinationCentre) {
  const TStretchCase cases[] = {
      {{0, 0, 16, 16}, {0, 0, 8, 8}},  // twice
      {{0, 0, 4, 4}, {0, 0, 8, 8}},    // half
      {{3, 2, 14, 9}, {1, 1, 6, 8}},   // odd ratios, offsets
      {{0, 0, 16, 1}, {0, 3, 8, 4}},   // one row
      {{5, 5, 6, 6}, {0, 0, 8, 8}},    // one pixel from all
  };
  IDirectDrawSurface* src = Make(8, 8);
  Paint(src, Pattern);
  IDirectDrawSurface* dst = Make(16, 16);
  for (const TStretchCase& c : cases) {
    FillAll(dst, kUnder);
    RECT d = c.dst, s = c.src;
    ASSERT_EQ(DD_OK, dst->Blt(&d, src, &s, DDBLT_WAIT, nullptr));
    const int dw = d.right - d.left, dh = d.bottom - d.top, sw = s.right - s.left, sh = s.bottom - s.top;
    for (int y = 0; y < 16; y++)
      for (int x = 0; x < 16; x++) {
        const bool in = x >= d.left && x < d.right && y >= d.top && y < d.bottom;
        uint16_t expect = kUnder;
        if (in) {
          const double cx = (x - d.left + 0.5) * sw / dw, cy = (y - d.top + 0.5) * sh / dh;
          expect = Pattern(s.left + (int)cx, s.top + (int)cy);
        }
        ASSERT_EQ(expect, At(dst, x, y)) << "case " << (&c - cases) << " at " << x << "," << y;
      }
  }
  src->Release();
  dst->Release();
}

TEST_F(GfxTest, ColourFillCoversTheRectangleClippedToTheSurface) {
  IDirectDrawSurface* s = Make(8, 8);
  FillAll(s, kUnder);
  DDBLTFX fx = Fx();
  fx.dwFillColor = 0xF800;
  RECT r = {-3, 5, 3, 100};
  ASSERT_EQ(DD_OK, s->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx));
  for (int y = 0; y < 8; y++)
    for (int x = 0; x < 8; x++) EXPECT_EQ(x < 3 && y >= 5 ? 0xF800 : kUnder, At(s, x, y));
  EXPECT_EQ(DDERR_INVALIDPARAMS, s->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, nullptr));
  s->Release();
}

struct TAlphaCase {
  DWORD alpha;
  uint16_t expect;
};

TEST_F(GfxTest, ConstantAlphaBlendsPerChannel) {
  // Source white, destination black: the result is the alpha share of each channel's maximum.
  const TAlphaCase cases[] = {
      {0, 0x0000}, {255, 0xFFFF}, {128, (uint16_t)((16 << 11) | (32 << 5) | 16)}, {300, 0xFFFF}};
  IDirectDrawSurface* src = Make(2, 2);
  FillAll(src, 0xFFFF);
  IDirectDrawSurface* dst = Make(2, 2);
  for (const TAlphaCase& c : cases) {
    FillAll(dst, 0x0000);
    DDBLTFX fx = Fx();
    fx.dwAlphaSrcConst = c.alpha;
    ASSERT_EQ(DD_OK, dst->Blt(nullptr, src, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE, &fx));
    EXPECT_EQ(c.expect, At(dst, 1, 1)) << "alpha " << c.alpha;
  }
  src->Release();
  dst->Release();
}

struct TClipCase {
  LONG x, y;  // BltFast destination (may be negative)
};

// A source partly off any edge: exactly the overlapping pixels land, nothing outside is touched.
TEST_F(GfxTest, CopiesAreClippedToBothSurfaces) {
  const TClipCase cases[] = {{-2, -3}, {14, 13}, {-7, 5}, {5, -7}, {-8, 0}, {100, 100}, {-100000, 3}};
  IDirectDrawSurface* src = Make(8, 8);
  Paint(src, Pattern);
  IDirectDrawSurface* dst = Make(16, 16);
  for (const TClipCase& c : cases) {
    FillAll(dst, kUnder);
    ASSERT_EQ(DD_OK, dst->BltFast((DWORD)c.x, (DWORD)c.y, src, nullptr, 0)) << c.x << "," << c.y;
    for (int y = 0; y < 16; y++)
      for (int x = 0; x < 16; x++) {
        const int sx = x - c.x, sy = y - c.y;
        const bool in = sx >= 0 && sx < 8 && sy >= 0 && sy < 8;
        ASSERT_EQ(in ? Pattern(sx, sy) : kUnder, At(dst, x, y)) << c.x << "," << c.y << " at " << x << "," << y;
      }
  }
  // A source rectangle reaching past the source keeps its scale; only the real pixels land.
  FillAll(dst, kUnder);
  RECT s = {-4, 0, 4, 8}, d = {0, 0, 16, 16};
  ASSERT_EQ(DD_OK, dst->Blt(&d, src, &s, 0, nullptr));
  EXPECT_EQ(kUnder, At(dst, 7, 0));
  EXPECT_EQ(Pattern(0, 0), At(dst, 8, 0));
  EXPECT_EQ(Pattern(3, 7), At(dst, 15, 15));
  src->Release();
  dst->Release();
}

TEST_F(GfxTest, OverlappingCopyWithinOneSurfaceMovesThePicture) {
  IDirectDrawSurface* s = Make(12, 12);
  for (const POINT& to : {POINT{2, 3}, POINT{0, 0}}) {
    Paint(s, Pattern);
    RECT r = {1, 1, 9, 9};
    ASSERT_EQ(DD_OK, s->BltFast((DWORD)to.x, (DWORD)to.y, s, &r, 0));
    for (int y = 0; y < 8; y++)
      for (int x = 0; x < 8; x++) ASSERT_EQ(Pattern(1 + x, 1 + y), At(s, to.x + x, to.y + y)) << x << "," << y;
  }
  // Stretching within one surface reads the picture as it was before the copy.
  Paint(s, Pattern);
  RECT from = {0, 0, 6, 6}, to = {0, 0, 12, 12};
  ASSERT_EQ(DD_OK, s->Blt(&to, s, &from, 0, nullptr));
  EXPECT_EQ(Pattern(5, 5), At(s, 11, 11));
  EXPECT_EQ(Pattern(2, 3), At(s, 5, 7));
  s->Release();
}

TEST_F(GfxTest, BadRectanglesAndBusySurfacesAreRefused) {
  IDirectDrawSurface* src = Make(4, 4);
  IDirectDrawSurface* dst = Make(4, 4);
  RECT inverted = {3, 0, 1, 4};
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(&inverted, src, nullptr, 0, nullptr));
  RECT huge = {0, 0, 0x7FFFFFFF, 4};
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(nullptr, src, &huge, 0, nullptr));
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(nullptr, nullptr, nullptr, 0, nullptr));
  RECT empty = {2, 2, 2, 4};
  EXPECT_EQ(DD_OK, dst->Blt(&empty, src, nullptr, 0, nullptr));
  HDC dc = nullptr;
  ASSERT_EQ(DD_OK, src->GetDC(&dc));
  EXPECT_EQ(DDERR_SURFACEBUSY, dst->BltFast(0, 0, src, nullptr, 0));
  src->ReleaseDC(dc);
  src->Release();
  dst->Release();
}

TEST_F(GfxTest, AFullCopyOfTheBackBufferReachesTheScreen) {
  IDirectDrawSurface* p = nullptr;
  ASSERT_EQ(DD_OK, MakePrimary(&p));
  Paint(p->back, Pattern);
  ASSERT_EQ(DD_OK, p->BltFast(0, 0, p->back, nullptr, DDBLTFAST_WAIT));
  EXPECT_EQ(Pattern(63, 47), At(PLAT_ScreenSurface(), 63, 47));
  p->Release();
}
}  // namespace
