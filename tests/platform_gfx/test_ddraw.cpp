// Display modes, surface creation, locking, loss and restore, the back buffer, failure injection.
#include "gfx_fixture.h"

namespace {
struct TModeCase {
  DWORD w, h, bpp;
  HRESULT expect;
};

TEST_F(GfxTest, DisplayModesOnlySixteenBitsWithinLimits) {
  const TModeCase cases[] = {
      {800, 600, 16, DD_OK},           {1, 1, 16, DD_OK},
      {4096, 4096, 16, DD_OK},         {800, 600, 32, DDERR_INVALIDMODE},
      {800, 600, 8, DDERR_INVALIDMODE}, {0, 600, 16, DDERR_INVALIDMODE},
      {800, 0, 16, DDERR_INVALIDMODE}, {4097, 600, 16, DDERR_INVALIDMODE},
      {(DWORD)-1, 600, 16, DDERR_INVALIDMODE},
  };
  for (const TModeCase& c : cases) {
    EXPECT_EQ(c.expect, dd->SetDisplayMode(c.w, c.h, c.bpp)) << c.w << "x" << c.h << "x" << c.bpp;
    if (c.expect == DD_OK) {
      EXPECT_EQ(c.w, dd->mode_width);
    }
  }
}

struct TSizeCase {
  LONG w, h;
  HRESULT expect;
};

TEST_F(GfxTest, OffscreenSizesZeroNegativeAndAbsurdAreRefused) {
  const TSizeCase cases[] = {
      {1, 1, DD_OK},
      {253, 103, DD_OK},
      {0, 10, DDERR_INVALIDPARAMS},
      {10, 0, DDERR_INVALIDPARAMS},
      {-5, 10, DDERR_INVALIDPARAMS},
      {10, -1, DDERR_INVALIDPARAMS},
      {100000, 100000, DDERR_OUTOFMEMORY},
      {40000, 1, DDERR_OUTOFMEMORY},
  };
  for (const TSizeCase& c : cases) {
    DDSURFACEDESC d = Desc();
    d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
    d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
    d.dwWidth = (DWORD)c.w;
    d.dwHeight = (DWORD)c.h;
    IDirectDrawSurface* s = reinterpret_cast<IDirectDrawSurface*>(1);
    EXPECT_EQ(c.expect, dd->CreateSurface(&d, &s, nullptr)) << c.w << "x" << c.h;
    if (c.expect == DD_OK) {
      ASSERT_NE(nullptr, s);
      EXPECT_EQ(c.w, s->PLAT_Width());
      s->Release();
    } else {
      EXPECT_EQ(nullptr, s);
    }
  }
}

TEST_F(GfxTest, LockGivesAPitchWiderThanTheRowAndTheFiveSixFiveFormat) {
  IDirectDrawSurface* s = Make(10, 7);
  DDSURFACEDESC d = Desc();
  ASSERT_EQ(DD_OK, s->Lock(nullptr, &d, DDLOCK_WAIT, nullptr));
  EXPECT_EQ(10u, d.dwWidth);
  EXPECT_EQ(7u, d.dwHeight);
  EXPECT_GT(d.lPitch, 20);
  EXPECT_EQ(0, d.lPitch % 2);
  EXPECT_EQ(16u, d.ddpfPixelFormat.dwRGBBitCount);
  EXPECT_EQ(0xF800u, d.ddpfPixelFormat.dwRBitMask);
  EXPECT_EQ(0x07E0u, d.ddpfPixelFormat.dwGBitMask);
  EXPECT_EQ(0x001Fu, d.ddpfPixelFormat.dwBBitMask);
  // The last pixel of the last row is addressable through the pitch.
  uint16_t* last = reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(d.lpSurface) + 6 * d.lPitch) + 9;
  *last = 0xABCD;
  EXPECT_EQ(DDERR_SURFACEBUSY, s->Lock(nullptr, &d, 0, nullptr));
  ASSERT_EQ(DD_OK, s->Unlock(nullptr));
  EXPECT_EQ(DDERR_NOTLOCKED, s->Unlock(nullptr));
  EXPECT_EQ(0xABCD, At(s, 9, 6));
  s->Release();
}

TEST_F(GfxTest, LockingARectangleGivesItsFirstPixel) {
  IDirectDrawSurface* s = Make(6, 5);
  Paint(s, Pattern);
  DDSURFACEDESC d = Desc();
  RECT r = {2, 1, 4, 3};
  ASSERT_EQ(DD_OK, s->Lock(&r, &d, 0, nullptr));
  EXPECT_EQ(Pattern(2, 1), *static_cast<uint16_t*>(d.lpSurface));
  EXPECT_EQ(Pattern(3, 2), *(reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(d.lpSurface) + d.lPitch) + 1));
  s->Unlock(nullptr);
  for (RECT bad : {RECT{-1, 0, 2, 2}, RECT{0, 0, 7, 2}, RECT{3, 3, 3, 4}, RECT{0, 4, 2, 6}}) {
    EXPECT_EQ(DDERR_INVALIDPARAMS, s->Lock(&bad, &d, 0, nullptr));
    EXPECT_FALSE(s->locked);
  }
  s->Release();
}

TEST_F(GfxTest, LockRefusesADescriptionWithoutItsSize) {
  IDirectDrawSurface* s = Make(4, 4);
  DDSURFACEDESC d;
  std::memset(&d, 0, sizeof(d));
  EXPECT_EQ(DDERR_INVALIDPARAMS, s->Lock(nullptr, &d, 0, nullptr));
  d.dwSize = sizeof(d) + 4;
  EXPECT_EQ(DDERR_INVALIDPARAMS, s->Lock(nullptr, &d, 0, nullptr));
  EXPECT_EQ(DDERR_INVALIDPARAMS, s->Lock(nullptr, nullptr, 0, nullptr));
  EXPECT_FALSE(s->locked);
  s->Release();
}

TEST_F(GfxTest, AContextAndALockExcludeEachOther) {
  IDirectDrawSurface* s = Make(4, 4);
  HDC dc = nullptr;
  ASSERT_EQ(DD_OK, s->GetDC(&dc));
  DDSURFACEDESC d = Desc();
  EXPECT_NE(DD_OK, s->Lock(nullptr, &d, 0, nullptr));
  HDC second = nullptr;
  EXPECT_EQ(DDERR_DCALREADYCREATED, s->GetDC(&second));
  EXPECT_EQ(DDERR_INVALIDPARAMS, s->ReleaseDC(nullptr));
  ASSERT_EQ(DD_OK, s->ReleaseDC(dc));
  ASSERT_EQ(DD_OK, s->Lock(nullptr, &d, 0, nullptr));
  EXPECT_EQ(DDERR_SURFACEBUSY, s->GetDC(&dc));
  EXPECT_EQ(nullptr, dc);
  s->Unlock(nullptr);
  s->Release();
}

TEST_F(GfxTest, PrimaryHasTheModeSizeAndOneBackBufferWithoutAnExtraReference) {
  IDirectDrawSurface* p = nullptr;
  ASSERT_EQ(DD_OK, MakePrimary(&p));
  EXPECT_EQ(p, PLAT_ScreenSurface());
  EXPECT_EQ(64, p->PLAT_Width());
  EXPECT_EQ(48, p->PLAT_Height());
  DDSCAPS caps = {DDSCAPS_BACKBUFFER};
  IDirectDrawSurface* back = nullptr;
  ASSERT_EQ(DD_OK, p->GetAttachedSurface(&caps, &back));
  ASSERT_NE(nullptr, back);
  EXPECT_NE(p, back);
  EXPECT_EQ(64, back->PLAT_Width());
  IDirectDrawSurface* again = nullptr;
  ASSERT_EQ(DD_OK, p->GetAttachedSurface(&caps, &again));
  EXPECT_EQ(back, again);
  DDSCAPS other = {DDSCAPS_OFFSCREENPLAIN};
  EXPECT_EQ(DDERR_NOTFOUND, p->GetAttachedSurface(&other, &again));
  IDirectDrawSurface* second = nullptr;
  EXPECT_NE(DD_OK, MakePrimary(&second));
  const int live = PLAT_LiveSurfaces();
  EXPECT_EQ(0u, p->Release());  // takes the back buffer with it
  EXPECT_EQ(live - 2, PLAT_LiveSurfaces());
  EXPECT_EQ(nullptr, PLAT_ScreenSurface());
}

TEST_F(GfxTest, PrimaryNeedsADisplayMode) {
  dd->Release();
  ASSERT_EQ(DD_OK, DirectDrawCreate(nullptr, &dd, nullptr));
  IDirectDrawSurface* p = nullptr;
  EXPECT_EQ(DDERR_INVALIDMODE, MakePrimary(&p));
  EXPECT_EQ(nullptr, p);
}

TEST_F(GfxTest, LostSurfaceRefusesEverythingButRestoreIsLostAndRelease) {
  IDirectDrawSurface* s = Make(8, 8);
  IDirectDrawSurface* src = Make(8, 8);
  s->PLAT_Lose();
  DDSURFACEDESC d = Desc();
  HDC dc = nullptr;
  DDCOLORKEY key = {1, 1};
  DDBLTFX fx = Fx();
  EXPECT_EQ(DDERR_SURFACELOST, s->IsLost());
  EXPECT_EQ(DDERR_SURFACELOST, s->Lock(nullptr, &d, 0, nullptr));
  EXPECT_EQ(DDERR_SURFACELOST, s->GetDC(&dc));
  EXPECT_EQ(DDERR_SURFACELOST, s->BltFast(0, 0, src, nullptr, 0));
  EXPECT_EQ(DDERR_SURFACELOST, s->Blt(nullptr, src, nullptr, 0, nullptr));
  EXPECT_EQ(DDERR_SURFACELOST, s->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL, &fx));
  EXPECT_EQ(DDERR_SURFACELOST, s->SetColorKey(DDCKEY_SRCBLT, &key));
  EXPECT_EQ(DDERR_SURFACELOST, s->GetSurfaceDesc(&d));
  EXPECT_EQ(DDERR_SURFACELOST, s->SetPalette(nullptr));
  // A lost source fails the copy too.
  EXPECT_EQ(DDERR_SURFACELOST, src->BltFast(0, 0, s, nullptr, 0));
  ASSERT_EQ(DD_OK, s->Restore());
  EXPECT_EQ(DD_OK, s->IsLost());
  EXPECT_EQ(DD_OK, s->BltFast(0, 0, src, nullptr, 0));
  s->Release();
  src->Release();
}

TEST_F(GfxTest, RestoreLeavesAVisibleGarbagePatternOnlyAfterALoss) {
  IDirectDrawSurface* s = Make(16, 16);
  FillAll(s, 0x1234);
  ASSERT_EQ(DD_OK, s->Restore());  // not lost: the picture stays
  EXPECT_EQ(0x1234, At(s, 5, 5));
  s->PLAT_Lose();
  ASSERT_EQ(DD_OK, s->Restore());
  int kept = 0;
  for (int y = 0; y < 16; y++)
    for (int x = 0; x < 16; x++) kept += At(s, x, y) == 0x1234;
  EXPECT_EQ(0, kept);
  EXPECT_NE(At(s, 0, 0), At(s, 8, 0));  // stripes, not one flat colour
  s->Release();
}

TEST_F(GfxTest, LosingAllAndRestoringThePrimaryBringsItsBackBuffer) {
  IDirectDrawSurface* p = nullptr;
  ASSERT_EQ(DD_OK, MakePrimary(&p));
  IDirectDrawSurface* back = p->back;
  IDirectDrawSurface* other = Make(4, 4);
  PLAT_LoseAllSurfaces();
  EXPECT_EQ(DDERR_SURFACELOST, p->IsLost());
  EXPECT_EQ(DDERR_SURFACELOST, back->IsLost());
  EXPECT_EQ(DDERR_SURFACELOST, other->IsLost());
  ASSERT_EQ(DD_OK, p->Restore());
  EXPECT_EQ(DD_OK, back->IsLost());
  EXPECT_EQ(DDERR_SURFACELOST, other->IsLost());
  other->Release();
  p->Release();
}

TEST_F(GfxTest, ColourKeyIsKeptAndReported) {
  IDirectDrawSurface* s = Make(4, 4);
  DDCOLORKEY k = {0, 0};
  EXPECT_EQ(DDERR_NOCOLORKEY, s->GetColorKey(DDCKEY_SRCBLT, &k));
  DDCOLORKEY set = {0x07FF, 0x07FF};
  ASSERT_EQ(DD_OK, s->SetColorKey(DDCKEY_SRCBLT, &set));
  ASSERT_EQ(DD_OK, s->GetColorKey(DDCKEY_SRCBLT, &k));
  EXPECT_EQ(0x07FFu, k.dwColorSpaceLowValue);
  EXPECT_EQ(0x07FFu, k.dwColorSpaceHighValue);
  DDSURFACEDESC d = Desc();
  ASSERT_EQ(DD_OK, s->GetSurfaceDesc(&d));
  EXPECT_EQ(4u, d.dwWidth);
  EXPECT_TRUE(d.dwFlags & DDSD_CKSRCBLT);
  s->Release();
}

TEST_F(GfxTest, PalettesAreCreatedSetAndReleased) {
  PALETTEENTRY e[256];
  for (int i = 0; i < 256; i++) e[i] = PALETTEENTRY{(BYTE)i, 0, 0, 0};
  IDirectDrawPalette* pal = nullptr;
  ASSERT_EQ(DD_OK, dd->CreatePalette(DDPCAPS_8BIT, e, &pal, nullptr));
  EXPECT_EQ(200, pal->entries[200].peRed);
  IDirectDrawSurface* p = nullptr;
  ASSERT_EQ(DD_OK, MakePrimary(&p));
  EXPECT_EQ(DD_OK, p->SetPalette(pal));
  pal->Release();
  EXPECT_EQ(nullptr, p->palette);  // no dangling reference
  p->Release();
}

struct TFaultCase {
  TPlatCall call;
  const char* name;
};

// Each injected failure reaches the caller with the injected status, and the next call works.
TEST_F(GfxTest, EveryDisplayCallCanBeMadeToFail) {
  const TFaultCase cases[] = {{PC_DirectDrawCreate, "create"}, {PC_SetCooperativeLevel, "cooperative"},
                              {PC_SetDisplayMode, "mode"},     {PC_CreatePrimary, "primary"},
                              {PC_CreateOffscreen, "offscreen"}, {PC_GetAttachedSurface, "attached"},
                              {PC_CreatePalette, "palette"},   {PC_Lock, "lock"},
                              {PC_Blt, "blt"},                 {PC_BltFast, "bltfast"},
                              {PC_GetDC, "getdc"},             {PC_Restore, "restore"}};
  const HRESULT code = DDERR_WASSTILLDRAWING;
  for (const TFaultCase& c : cases) {
    IDirectDrawSurface* p = nullptr;
    ASSERT_EQ(DD_OK, MakePrimary(&p)) << c.name;
    IDirectDrawSurface* s = Make(4, 4);
    PLAT_FaultSet(c.call, 0, 1, code);
    auto call = [&]() -> HRESULT {
      DDSURFACEDESC d = Desc();
      d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
      d.dwWidth = d.dwHeight = 2;
      IDirectDraw* other = nullptr;
      IDirectDrawSurface* out = nullptr;
      DDSCAPS caps = {DDSCAPS_BACKBUFFER};
      PALETTEENTRY e[256] = {};
      IDirectDrawPalette* pal = nullptr;
      HDC dc = nullptr;
      HRESULT hr = E_FAIL;
      switch (c.call) {
        case PC_DirectDrawCreate:
          hr = DirectDrawCreate(nullptr, &other, nullptr);
          if (other) other->Release();
          return hr;
        case PC_SetCooperativeLevel: return dd->SetCooperativeLevel(nullptr, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN);
        case PC_SetDisplayMode: return dd->SetDisplayMode(64, 48, 16);
        case PC_CreatePrimary:
          if (p) p->Release();
          p = nullptr;
          hr = MakePrimary(&p);
          return hr;
        case PC_CreateOffscreen:
          hr = dd->CreateSurface(&d, &out, nullptr);
          if (out) out->Release();
          return hr;
        case PC_GetAttachedSurface: return p->GetAttachedSurface(&caps, &out);
        case PC_CreatePalette:
          hr = dd->CreatePalette(DDPCAPS_8BIT, e, &pal, nullptr);
          if (pal) pal->Release();
          return hr;
        case PC_Lock:
          hr = s->Lock(nullptr, &d, 0, nullptr);
          if (hr == DD_OK) s->Unlock(nullptr);
          return hr;
        case PC_Blt: return s->Blt(nullptr, p, nullptr, 0, nullptr);
        case PC_BltFast: return s->BltFast(0, 0, p, nullptr, 0);
        case PC_GetDC:
          hr = s->GetDC(&dc);
          if (hr == DD_OK) s->ReleaseDC(dc);
          return hr;
        case PC_Restore: return s->Restore();
        default: return E_FAIL;
      }
    };
    EXPECT_EQ(code, call()) << c.name;
    EXPECT_EQ(DD_OK, call()) << c.name << " after the fault";
    PLAT_FaultClear();
    s->Release();
    if (p) p->Release();
  }
}

TEST_F(GfxTest, ReleasingASurfaceWithItsContextOutLeavesNoContextBehind) {
  IDirectDrawSurface* s = Make(4, 4);
  HDC dc = nullptr;
  ASSERT_EQ(DD_OK, s->GetDC(&dc));
  s->Release();
  EXPECT_EQ(CLR_INVALID, GetPixel(dc, 0, 0));  // the context is gone with its surface
  EXPECT_EQ(0, FillRect(dc, nullptr, nullptr));
}
}  // namespace
