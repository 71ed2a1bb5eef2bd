// A 64 × 48 memory-backend display (16 bits unless a test says 32); no test may leave a surface or GDI object.
#pragma once
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "platform/backend.h"
#include "platform/ddraw.h"
#include "platform/fault.h"
#include "platform/gdi.h"

class GfxTest : public ::testing::Test {
 public:
  IDirectDraw* dd = nullptr;

  void SetUp() override {
    PLAT_FaultClear();
    ASSERT_EQ(1, PLAT_Init(PLAT_MEMORY, TPlatOptions()));
    ASSERT_EQ(DD_OK, DirectDrawCreate(nullptr, &dd, nullptr));
    ASSERT_EQ(DD_OK, dd->SetDisplayMode(64, 48, mode_bits));
    surfaces_before = PLAT_LiveSurfaces(), gdi_before = PLAT_GdiLiveObjects();
  }
  void TearDown() override {
    for (IDirectDrawSurface* s : kept) s->Release();
    if (dd) dd->Release();
    EXPECT_EQ(surfaces_before, PLAT_LiveSurfaces()) << "a surface was not released";
    EXPECT_EQ(gdi_before, PLAT_GdiLiveObjects()) << "a GDI object was not deleted";
    PLAT_Shutdown();
    PLAT_FaultClear();
  }

  // An off-screen surface, or with w = 0 the primary with one back buffer.
  HRESULT Create(int w, int h, IDirectDrawSurface** out) {
    DDSURFACEDESC d = Desc();
    d.dwFlags = DDSD_CAPS | (w ? DDSD_WIDTH | DDSD_HEIGHT : DDSD_BACKBUFFERCOUNT);
    d.ddsCaps.dwCaps = w ? DDSCAPS_OFFSCREENPLAIN : DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    d.dwWidth = (DWORD)w, d.dwHeight = (DWORD)h, d.dwBackBufferCount = 1;
    return dd->CreateSurface(&d, out, nullptr);
  }
  IDirectDrawSurface* Make(int w, int h) {
    IDirectDrawSurface* s = nullptr;
    EXPECT_EQ(DD_OK, Create(w, h, &s));
    return s;
  }
  // The surface, released when the test ends.
  IDirectDrawSurface* Keep(IDirectDrawSurface* s) {
    EXPECT_NE(nullptr, s);
    if (s) kept.push_back(s);
    return s;
  }
  // Zeroed records with their size set, as every caller must give them.
  static DDSURFACEDESC Desc() { DDSURFACEDESC d = {}; d.dwSize = sizeof(d); return d; }
  static DDBLTFX Fx(DWORD fill = 0) { DDBLTFX fx = {}; fx.dwSize = sizeof(fx); fx.dwFillColor = fill; return fx; }
  static uint32_t At(const IDirectDrawSurface* s, int x, int y) { return s->PLAT_Pixel(x, y); }
  // Every pixel differs from its neighbours, at 32 bits in its third byte too: shifted or half copies show.
  static uint32_t Pattern(int x, int y) { return (uint32_t)(1 + x + 100 * y) | (uint32_t)(x * 3 + y) << 16; }

  // Writes through a real lock, honouring the pitch and format it reports (16 bits take the low half).
  static void Paint(IDirectDrawSurface* s, uint32_t (*f)(int x, int y) = Pattern) {
    DDSURFACEDESC d = Desc();
    ASSERT_EQ(DD_OK, s->Lock(nullptr, &d, DDLOCK_WAIT, nullptr));
    const DWORD bytes = d.ddpfPixelFormat.dwRGBBitCount / 8;
    for (DWORD i = 0; i < d.dwWidth * d.dwHeight; i++) {
      const uint32_t v = f((int)(i % d.dwWidth), (int)(i / d.dwWidth));
      std::memcpy(static_cast<uint8_t*>(d.lpSurface) + i / d.dwWidth * d.lPitch + i % d.dwWidth * bytes, &v, bytes);
    }
    ASSERT_EQ(DD_OK, s->Unlock(nullptr));
  }
  static void FillAll(IDirectDrawSurface* s, uint32_t v) {
    DDBLTFX fx = Fx(v);
    ASSERT_EQ(DD_OK, s->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx));
  }

 protected:
  DWORD mode_bits = 16;

 private:
  std::vector<IDirectDrawSurface*> kept;
  int surfaces_before = 0, gdi_before = 0;
};

// The same tests at both depths: the parameter is the display mode's bits per pixel.
class GfxDepthTest : public GfxTest, public ::testing::WithParamInterface<int> {
 public:
  GfxDepthTest() { mode_bits = (DWORD)GetParam(); }
  // A pixel value of the pattern as the surface holds it.
  uint32_t Px(uint32_t v) const { return mode_bits == 32 ? v : (uint16_t)v; }
};
