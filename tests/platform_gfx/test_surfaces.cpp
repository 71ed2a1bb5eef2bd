// Surfaces: modes, sizes, locks, the primary and its back buffer, loss, copies, fills and blends.
#include <tuple>

#include "gfx_fixture.h"

namespace {
const uint32_t kKey = 0x3F07FF;  // cyan at 16 bits (its low half); wider than 16 bits at 32
const uint32_t kUnder = 0x1111;

// The pattern with the key colour on the diagonal; at 32 bits with a top byte that is no colour.
uint32_t KeyedPattern(int x, int y) { return x == y ? kKey | 0xFF000000u : GfxTest::Pattern(x, y); }

TEST_F(GfxTest, ModesAndSizesOutsideTheLimitsAreRefused) {
  EXPECT_EQ(DDERR_INVALIDMODE, dd->SetDisplayMode(800, 600, 24));
  EXPECT_EQ(DDERR_INVALIDMODE, dd->SetDisplayMode(4097, 600, 16));
  for (const auto& c : {std::make_tuple(10, 0, DDERR_INVALIDPARAMS), std::make_tuple(-1, 10, DDERR_INVALIDPARAMS),
                        std::make_tuple(100000, 100000, DDERR_OUTOFMEMORY), std::make_tuple(40000, 1, DDERR_OUTOFMEMORY)}) {
    IDirectDrawSurface* s = reinterpret_cast<IDirectDrawSurface*>(1);
    EXPECT_EQ(std::get<2>(c), Create(std::get<0>(c), std::get<1>(c), &s)) << std::get<0>(c) << "x" << std::get<1>(c);
    EXPECT_EQ(nullptr, s);
  }
}

TEST_F(GfxTest, ALockExcludesAContext) {
  IDirectDrawSurface* s = Make(10, 7);
  DDSURFACEDESC d = Desc();
  RECT r = {2, 1, 4, 3}, bad = {0, 0, 11, 2};
  ASSERT_EQ(DD_OK, s->Lock(&r, &d, 0, nullptr));
  HDC dc = nullptr;
  EXPECT_EQ(DDERR_SURFACEBUSY, s->GetDC(&dc));
  ASSERT_EQ(DD_OK, s->Unlock(nullptr));
  EXPECT_EQ(DDERR_NOTLOCKED, s->Unlock(nullptr));
  EXPECT_EQ(DDERR_INVALIDPARAMS, s->Lock(&bad, &d, 0, nullptr));
  ASSERT_EQ(DD_OK, s->GetDC(&dc));
  EXPECT_NE(DD_OK, s->Lock(nullptr, &d, 0, nullptr));
  EXPECT_EQ(DDERR_SURFACEBUSY, s->BltFast(0, 0, s, nullptr, 0));
  s->Release();  // with its context out: the context goes too
  EXPECT_EQ(CLR_INVALID, GetPixel(dc, 0, 0));
}

// A flip exchanges the primary's picture with its back buffer's; the two are lost, restored and released together.
TEST_P(GfxDepthTest, ThePrimaryHasOneBackBufferAndBothComeBackFromALoss) {
  IDirectDrawSurface* p = nullptr;
  ASSERT_EQ(DD_OK, Create(0, 0, &p));
  EXPECT_EQ(p, PLAT_ScreenSurface());
  DDSCAPS caps = {DDSCAPS_BACKBUFFER};
  IDirectDrawSurface *back = nullptr, *other = Make(4, 4);
  ASSERT_EQ(DD_OK, p->GetAttachedSurface(&caps, &back));
  EXPECT_EQ(std::make_tuple(48, (int)mode_bits), std::make_tuple(back->PLAT_Height(), back->PLAT_Bits()));
  Paint(back);
  ASSERT_EQ(DD_OK, p->BltFast(0, 0, back, nullptr, DDBLTFAST_WAIT));
  EXPECT_EQ(Px(Pattern(63, 47)), At(p, 63, 47));
  FillAll(back, Px(0x123456));
  ASSERT_EQ(DD_OK, p->Flip(nullptr, DDFLIP_WAIT));
  EXPECT_EQ(std::make_tuple(Px(0x123456), Px(Pattern(63, 47))), std::make_tuple(At(p, 63, 47), At(back, 63, 47)));
  EXPECT_EQ(DDERR_NOTFLIPPABLE, back->Flip(nullptr, 0));
  EXPECT_EQ(DDERR_NOTFLIPPABLE, p->Flip(other, 0));
  PLAT_LoseAllSurfaces();
  EXPECT_EQ(DDERR_SURFACELOST, p->Flip(nullptr, 0));
  DDBLTFX fx = Fx();
  EXPECT_EQ(DDERR_SURFACELOST, other->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx));
  ASSERT_EQ(DD_OK, p->Restore());
  EXPECT_EQ(DD_OK, back->IsLost()) << "restored with the primary";
  EXPECT_EQ(DDERR_SURFACELOST, back->BltFast(0, 0, other, nullptr, 0)) << "a lost source fails the copy";
  other->Release();
  const int live = PLAT_LiveSurfaces();
  EXPECT_EQ(0u, p->Release());
  EXPECT_EQ(live - 2, PLAT_LiveSurfaces()) << "the back buffer goes with the primary";
  EXPECT_EQ(nullptr, PLAT_ScreenSurface());
}

// Each copied pixel is the source's under its centre (mirrored: from the other end), clipped to both surfaces;
// keyed copies leave the pixels under key-coloured ones.
TEST_P(GfxDepthTest, CopiesTakeTheSourcePixelUnderEachDestinationCentre) {
  enum { FAST, FAST_KEYED, BLT, BLT_KEYED, MIRROR };
  const struct {
    int how;
    RECT d, s;  // BltFast copies to d's corner
  } cases[] = {{FAST, {5, 7, 9, 10}, {2, 1, 6, 4}},       {FAST, {-2, -3, 6, 5}, {0, 0, 8, 8}},
               {FAST, {14, 13, 22, 21}, {0, 0, 8, 8}},    {FAST, {-7, 5, 1, 13}, {0, 0, 8, 8}},
               {FAST, {5, -7, 13, 1}, {0, 0, 8, 8}},      {FAST, {100, 100, 108, 108}, {0, 0, 8, 8}},
               {FAST, {-100000, 3, -99992, 11}, {0, 0, 8, 8}}, {FAST_KEYED, {1, 2, 9, 10}, {0, 0, 8, 8}},
               {BLT, {0, 0, 16, 16}, {0, 0, 8, 8}},       {BLT, {0, 0, 4, 4}, {0, 0, 8, 8}},
               {BLT, {3, 2, 14, 9}, {1, 1, 6, 8}},        {BLT, {0, 0, 16, 1}, {0, 3, 8, 4}},
               {BLT, {5, 5, 6, 6}, {0, 0, 8, 8}},         {BLT, {0, 0, 16, 16}, {-4, 0, 4, 8}},
               {BLT_KEYED, {2, 1, 10, 9}, {0, 0, 8, 8}},  {MIRROR, {3, 0, 11, 8}, {0, 0, 8, 8}},
               {MIRROR, {0, 2, 16, 6}, {1, 2, 7, 6}}};
  IDirectDrawSurface *src = Keep(Make(8, 8)), *dst = Keep(Make(16, 16));
  Paint(src, KeyedPattern);
  DDCOLORKEY k = {kKey, kKey};
  ASSERT_EQ(DD_OK, src->SetColorKey(DDCKEY_SRCBLT, &k));
  DDBLTFX fx = Fx();
  fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
  for (const auto& c : cases) {
    FillAll(dst, kUnder);
    RECT d = c.d, s = c.s;
    const DWORD flags = c.how == BLT_KEYED ? DDBLT_KEYSRC : c.how == MIRROR ? DDBLT_KEYSRC | DDBLT_DDFX : DDBLT_WAIT;
    ASSERT_EQ(DD_OK, c.how <= FAST_KEYED ? dst->BltFast((DWORD)d.left, (DWORD)d.top, src, &s, c.how == FAST_KEYED)
                                         : dst->Blt(&d, src, &s, flags, &fx)) << (&c - cases);
    const int dw = d.right - d.left, dh = d.bottom - d.top, sw = s.right - s.left, sh = s.bottom - s.top;
    for (int i = 0; i < 256; i++) {
      const int x = i % 16, y = i / 16, cx = (2 * (x - d.left) + 1) * sw / (2 * dw);
      const int sx = s.left + (c.how == MIRROR ? sw - 1 - cx : cx), sy = s.top + (2 * (y - d.top) + 1) * sh / (2 * dh);
      const bool in = x >= d.left && x < d.right && y >= d.top && y < d.bottom && sx >= 0 && sx < 8 && sy >= 0 && sy < 8;
      const uint32_t from = in ? Px(KeyedPattern(sx, sy)) : kUnder;
      const bool keyed = c.how == FAST_KEYED || c.how >= BLT_KEYED;
      ASSERT_EQ(keyed && (from & 0xFFFFFF) == Px(kKey) ? kUnder : from, At(dst, x, y)) << (&c - cases) << ": " << x << "," << y;
    }
  }
  RECT inverted = {3, 0, 1, 4}, huge = {0, 0, 0x7FFFFFFF, 4}, r = {1, 1, 9, 9};
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(&inverted, src, nullptr, 0, nullptr));
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(nullptr, src, &huge, 0, nullptr));
  // Within one surface a shifted copy moves the picture; its rows are not read after being written.
  Paint(dst);
  ASSERT_EQ(DD_OK, dst->BltFast(2, 3, dst, &r, 0));
  for (int i = 0; i < 64; i++) ASSERT_EQ(Px(Pattern(1 + i % 8, 1 + i / 8)), At(dst, 2 + i % 8, 3 + i / 8)) << i;
}

// Fills are clipped; the alpha share of each channel is rounded at the precision of each depth.
TEST_F(GfxTest, FillsAreClippedAndConstantAlphaBlendsPerChannel) {
  IDirectDrawSurface* dst = Keep(Make(8, 8));
  FillAll(dst, kUnder);
  DDBLTFX fx = Fx(0xF800);
  RECT r = {-3, 5, 3, 100};
  ASSERT_EQ(DD_OK, dst->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, &fx));
  for (int i = 0; i < 64; i++) EXPECT_EQ(i % 8 < 3 && i / 8 >= 5 ? 0xF800 : kUnder, At(dst, i % 8, i / 8)) << i;
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL, nullptr));
  const struct {
    DWORD bits;
    uint32_t src, dst;
    DWORD alpha;
    uint32_t expect;
  } cases[] = {{16, 0xFFFF, 0, 0, 0x0000},    {16, 0xFFFF, 0, 255, 0xFFFF},  {16, 0xFFFF, 0, 128, (16 << 11) | (32 << 5) | 16},
               {16, 0xFFFF, 0, 300, 0xFFFF},  {16, 0, 0xFFFF, 100, (19 << 11) | (38 << 5) | 19},
               {32, 0xFFFFFF, 0, 128, 0x808080}, {32, 0, 0xFFFFFF, 100, 0x9B9B9B}, {32, 0x0000FF, 0xFF0001, 51, 0xCC0034},
               {32, 0xFFFFFF, 0, 300, 0xFFFFFF}};
  for (const auto& c : cases) {
    ASSERT_EQ(DD_OK, dd->SetDisplayMode(64, 48, c.bits));
    IDirectDrawSurface *s = Keep(Make(8, 8)), *d = Keep(Make(8, 8));
    FillAll(s, c.src);
    FillAll(d, c.dst);
    fx.dwAlphaSrcConst = c.alpha;
    ASSERT_EQ(DD_OK, d->Blt(nullptr, s, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE, &fx));
    EXPECT_EQ(c.expect, At(d, 1, 1)) << c.bits << " bits, alpha " << c.alpha;
  }
}

INSTANTIATE_TEST_SUITE_P(Depths, GfxDepthTest, ::testing::Values(16, 32));
}  // namespace
