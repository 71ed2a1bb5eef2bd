#include "tests/engine/engine_displej.h"

#include "engine/screen.h"
#include "engine/store.h"
#include "platform/backend.h"
#include "platform/fault.h"

void EngineDisplej::SetUp() {
  ASSERT_EQ(PLAT_Init(PLAT_MEMORY, TPlatOptions()), 1);
  PLAT_FaultClear();
}

void EngineDisplej::TearDown() {
  Uvolni();
  PLAT_FaultClear();
  PLAT_Shutdown();
}

void EngineDisplej::Uvolni() {
  if (pan_SRF) pan_SRF->Release();
  pan_SRF = nullptr;
  if (lpDDPal) lpDDPal->Release();
  lpDDPal = nullptr;
  if (lpDDSPrimary) lpDDSPrimary->Release();
  lpDDSPrimary = nullptr;
  lpDDSBack = nullptr;
  if (lpDD) lpDD->Release();
  lpDD = nullptr;
}

void EngineDisplej::Obrazovka(int w, int h) {
  Uvolni();
  ASSERT_EQ(DirectDrawCreate(nullptr, &lpDD, nullptr), DD_OK);
  ASSERT_EQ(lpDD->SetDisplayMode(w, h, 16), DD_OK);
  DDSURFACEDESC d = {};
  d.dwSize = sizeof(d);
  d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  d.dwBackBufferCount = 1;
  ASSERT_EQ(lpDD->CreateSurface(&d, &lpDDSPrimary, nullptr), DD_OK);
  DDSCAPS caps = {DDSCAPS_BACKBUFFER};
  ASSERT_EQ(lpDDSPrimary->GetAttachedSurface(&caps, &lpDDSBack), DD_OK);
  MAXX = obraz_sir = w;
  MAXY = obraz_vys = h;
  SX = w / 2;
  SY = h / 2;
}

void W_vypln_stlpce() {
  for (int n = 0; n < W_VYS; ++n)
    for (int m = 0; m < W_SIR; ++m) W[n][m] = (unsigned short)m;
}

void W_vypln_riadky() {
  for (int n = 0; n < W_VYS; ++n)
    for (int m = 0; m < W_SIR; ++m) W[n][m] = (unsigned short)n;
}

std::vector<uint16_t> Zadny_pixely() {
  const int w = lpDDSBack->PLAT_Width(), h = lpDDSBack->PLAT_Height();
  std::vector<uint16_t> px((size_t)w * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) px[(size_t)y * w + x] = lpDDSBack->PLAT_Row(y)[x];
  return px;
}

void Zadny_vypln(uint16_t farba) {
  DDBLTFX fx = {};
  fx.dwSize = sizeof(fx);
  fx.dwFillColor = farba;
  lpDDSBack->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}
