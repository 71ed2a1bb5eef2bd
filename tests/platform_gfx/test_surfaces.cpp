// Surfaces: modes and sizes, locks, the primary and its back buffer, loss, and copies between
// surfaces (unscaled, keyed, stretched, mirrored, filled, blended, clipped).
#include <tuple>

#include "gfx_fixture.h"

namespace {
const uint32_t kKey = 0x07FF;  // cyan at 16 bits
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

// At either depth: a flip exchanges the two pictures, only the primary flips, and only to its back
// buffer; both come back from a loss together and go together.
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

// A surface has the display's format unless it asks for one; a rectangle's lock says which.
TEST_F(GfxTest, SurfacesCarryTheirPixelFormat) {
  const struct {
    DWORD mode, asked, bits, masks;  // asked 0: no DDSD_PIXELFORMAT; bits 0: refused
  } cases[] = {{16, 0, 16, 0xFFFF}, {32, 0, 32, 0xFFFFFF}, {32, 16, 16, 0xFFFF}, {16, 32, 32, 0xFFFFFF}, {32, 24, 0, 0}};
  for (const auto& c : cases) {
    ASSERT_EQ(DD_OK, dd->SetDisplayMode(64, 48, c.mode));
    DDSURFACEDESC d = Desc();
    d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | (c.asked ? DDSD_PIXELFORMAT : 0);
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    d.dwWidth = 10;
    d.dwHeight = 7;
    d.ddpfPixelFormat.dwRGBBitCount = c.asked;
    IDirectDrawSurface* s = nullptr;
    ASSERT_EQ(c.bits ? DD_OK : DDERR_INVALIDPIXELFORMAT, dd->CreateSurface(&d, &s, nullptr)) << c.mode << "/" << c.asked;
    if (!s) continue;
    Paint(Keep(s));
    DDSURFACEDESC l = Desc();
    RECT r = {2, 1, 4, 3};
    ASSERT_EQ(DD_OK, s->Lock(&r, &l, 0, nullptr));
    const DDPIXELFORMAT& f = l.ddpfPixelFormat;
    EXPECT_EQ(std::make_tuple(c.bits, c.masks), std::make_tuple(f.dwRGBBitCount, f.dwRBitMask | f.dwGBitMask | f.dwBBitMask));
    EXPECT_GE(l.lPitch, (LONG)(10 * c.bits / 8));
    const uint8_t* second = static_cast<uint8_t*>(l.lpSurface) + l.lPitch + c.bits / 8;
    EXPECT_EQ(c.bits == 32 ? Pattern(3, 2) : (uint16_t)Pattern(3, 2),
              c.bits == 32 ? *reinterpret_cast<const uint32_t*>(second) : *reinterpret_cast<const uint16_t*>(second));
    ASSERT_EQ(DD_OK, s->Unlock(nullptr));
  }
}

// Unscaled copies land exactly the overlapping pixels, wherever the source lies.
TEST_P(GfxDepthTest, CopiesAreClippedToBothSurfaces) {
  const struct {
    LONG x, y;
    RECT from;
  } cases[] = {{5, 7, {2, 1, 6, 4}}, {-2, -3, {0, 0, 8, 8}}, {14, 13, {0, 0, 8, 8}}, {-7, 5, {0, 0, 8, 8}},
               {5, -7, {0, 0, 8, 8}}, {100, 100, {0, 0, 8, 8}}, {-100000, 3, {0, 0, 8, 8}}};
  IDirectDrawSurface *src = Keep(Make(8, 8)), *dst = Keep(Make(16, 16));
  Paint(src);
  for (const auto& c : cases) {
    FillAll(dst, kUnder);
    RECT r = c.from;
    ASSERT_EQ(DD_OK, dst->BltFast((DWORD)c.x, (DWORD)c.y, src, &r, 0)) << c.x << "," << c.y;
    for (int i = 0; i < 256; i++) {
      const int x = i % 16, y = i / 16, sx = x - c.x + r.left, sy = y - c.y + r.top;
      const bool in = sx >= r.left && sx < r.right && sy >= r.top && sy < r.bottom;
      ASSERT_EQ(in ? Px(Pattern(sx, sy)) : kUnder, At(dst, x, y)) << c.x << "," << c.y << " at " << x << "," << y;
    }
  }
  // A source rectangle reaching past the source keeps its scale; only the real pixels land.
  FillAll(dst, kUnder);
  RECT s = {-4, 0, 4, 8}, d = {0, 0, 16, 16}, inverted = {3, 0, 1, 4}, huge = {0, 0, 0x7FFFFFFF, 4};
  ASSERT_EQ(DD_OK, dst->Blt(&d, src, &s, 0, nullptr));
  EXPECT_EQ(std::make_tuple(kUnder, Px(Pattern(0, 0)), Px(Pattern(3, 7))),
            std::make_tuple(At(dst, 7, 0), At(dst, 8, 0), At(dst, 15, 15)));
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(&inverted, src, nullptr, 0, nullptr));
  EXPECT_EQ(DDERR_INVALIDPARAMS, dst->Blt(nullptr, src, &huge, 0, nullptr));
}

// Keyed copies leave the pixels under key-coloured source pixels, mirrored ones too.
TEST_P(GfxDepthTest, KeyedAndMirroredCopies) {
  IDirectDrawSurface *src = Keep(Make(4, 4)), *dst = Keep(Make(4, 4));
  Paint(src, KeyedPattern);
  DDCOLORKEY k = {kKey, kKey};
  ASSERT_EQ(DD_OK, src->SetColorKey(DDCKEY_SRCBLT, &k));
  DDBLTFX fx = Fx();
  fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
  for (int form = 0; form < 4; form++) {
    FillAll(dst, kUnder);
    ASSERT_EQ(DD_OK, form == 0   ? dst->BltFast(0, 0, src, nullptr, DDBLTFAST_SRCCOLORKEY)
                     : form == 1 ? dst->Blt(nullptr, src, nullptr, DDBLT_KEYSRC | DDBLT_WAIT, nullptr)
                     : form == 2 ? dst->BltFast(0, 0, src, nullptr, DDBLTFAST_NOCOLORKEY)
                                 : dst->Blt(nullptr, src, nullptr, DDBLT_DDFX | DDBLT_KEYSRC, &fx));
    for (int i = 0; i < 16; i++) {
      const uint32_t from = Px(KeyedPattern(form == 3 ? 3 - i % 4 : i % 4, i / 4));
      EXPECT_EQ((from & 0xFFFFFF) == kKey && form != 2 ? kUnder : from, At(dst, i % 4, i / 4)) << form << ": " << i;
    }
  }
}

// Nearest pixel by centres: each destination pixel takes the source pixel under its centre.
TEST_P(GfxDepthTest, StretchTakesTheSourcePixelUnderEachDestinationCentre) {
  const RECT cases[][2] = {{{0, 0, 16, 16}, {0, 0, 8, 8}}, {{0, 0, 4, 4}, {0, 0, 8, 8}}, {{3, 2, 14, 9}, {1, 1, 6, 8}},
                           {{0, 0, 16, 1}, {0, 3, 8, 4}},  {{5, 5, 6, 6}, {0, 0, 8, 8}}};
  IDirectDrawSurface *src = Keep(Make(8, 8)), *dst = Keep(Make(16, 16));
  Paint(src);
  for (const auto& c : cases) {
    FillAll(dst, kUnder);
    RECT d = c[0], s = c[1];
    ASSERT_EQ(DD_OK, dst->Blt(&d, src, &s, DDBLT_WAIT, nullptr));
    const int dw = d.right - d.left, dh = d.bottom - d.top, sw = s.right - s.left, sh = s.bottom - s.top;
    for (int i = 0; i < 256; i++) {
      const int x = i % 16, y = i / 16;
      const bool in = x >= d.left && x < d.right && y >= d.top && y < d.bottom;
      const int cx = (int)((x - d.left + 0.5) * sw / dw), cy = (int)((y - d.top + 0.5) * sh / dh);
      ASSERT_EQ(in ? Px(Pattern(s.left + cx, s.top + cy)) : kUnder, At(dst, x, y)) << (&c - cases) << ": " << x << "," << y;
    }
  }
  // Within one surface a shifted copy moves the picture; its rows are not read after being written.
  Paint(dst);
  RECT r = {1, 1, 9, 9};
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
