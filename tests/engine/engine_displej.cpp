#include "tests/engine/engine_displej.h"

#include <algorithm>

#include "app/modes.h"
#include "display/screen.h"
#include "engine/store.h"
#include "tests/common/engine_ref.h"
#include "platform/backend.h"
#include "platform/fault.h"

void EngineDisplej::SetUp() {
  ASSERT_EQ(PLAT_Init(PLAT_MEMORY, TPlatOptions()), 1);
  PLAT_FaultClear();
}

void EngineDisplej::TearDown() {
  Vykonaj_RELEASE_SRF(1);
  PLAT_FaultClear();
  PLAT_Shutdown();
}

void EngineDisplej::Obrazovka(int w, int h, int bity) {
  Vykonaj_RELEASE_SRF(1);
  ASSERT_EQ(Vytvor_displej(w, h, bity), DD_OK);
}

void W_vypln_stlpce() {
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) W16(n, m) = (unsigned short)m;
}

void W_vypln_riadky() {
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) W16(n, m) = (unsigned short)n;
}

std::vector<uint16_t> Zadny_pixely() {
  const int w = lpDDSBack->PLAT_Width(), h = lpDDSBack->PLAT_Height();
  std::vector<uint16_t> px((size_t)w * h);
  for (int y = 0; y < h; ++y) std::copy_n(lpDDSBack->PLAT_Row(y), w, &px[(size_t)y * w]);
  return px;
}

void Zadny_vypln(uint16_t farba) {
  DDBLTFX fx = {};
  fx.dwSize = sizeof(fx);
  fx.dwFillColor = farba;
  lpDDSBack->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}
