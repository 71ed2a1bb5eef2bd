// A memory-backend display in a 64 × 48 mode, with helpers to make and read surfaces.
// Every test must leave no surface and no GDI object behind.
#pragma once
#include <gtest/gtest.h>

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
    ASSERT_EQ(DD_OK, dd->SetDisplayMode(64, 48, 16));
    surfaces_before = PLAT_LiveSurfaces();
    gdi_before = PLAT_GdiLiveObjects();
  }
  void TearDown() override {
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
    d.dwWidth = (DWORD)w;
    d.dwHeight = (DWORD)h;
    d.dwBackBufferCount = 1;
    return dd->CreateSurface(&d, out, nullptr);
  }
  IDirectDrawSurface* Make(int w, int h) {
    IDirectDrawSurface* s = nullptr;
    EXPECT_EQ(DD_OK, Create(w, h, &s));
    return s;
  }
  // Zeroed records with their size set, as every caller must give them.
  static DDSURFACEDESC Desc() {
    DDSURFACEDESC d = {};
    d.dwSize = sizeof(d);
    return d;
  }
  static DDBLTFX Fx(DWORD fill = 0) {
    DDBLTFX fx = {};
    fx.dwSize = sizeof(fx);
    fx.dwFillColor = fill;
    return fx;
  }
  static uint16_t At(const IDirectDrawSurface* s, int x, int y) { return s->PLAT_Row(y)[x]; }
  // A pattern in which every pixel differs from its neighbours, so shifted copies show.
  static uint16_t Pattern(int x, int y) { return (uint16_t)(1 + x + 100 * y); }

  // Writes through a real lock, honouring the pitch.
  static void Paint(IDirectDrawSurface* s, uint16_t (*f)(int x, int y) = Pattern) {
    DDSURFACEDESC d = Desc();
    ASSERT_EQ(DD_OK, s->Lock(nullptr, &d, DDLOCK_WAIT, nullptr));
    for (DWORD y = 0; y < d.dwHeight; y++)
      for (DWORD x = 0; x < d.dwWidth; x++)
        reinterpret_cast<uint16_t*>(static_cast<uint8_t*>(d.lpSurface) + y * d.lPitch)[x] = f((int)x, (int)y);
    ASSERT_EQ(DD_OK, s->Unlock(nullptr));
  }
  static void FillAll(IDirectDrawSurface* s, uint16_t v) {
    DDBLTFX fx = Fx(v);
    ASSERT_EQ(DD_OK, s->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx));
  }

 private:
  int surfaces_before = 0;
  int gdi_before = 0;
};
