#include "tests/engine/engine_displej.h"

#include "app/modes.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "tests/common/engine_ref.h"

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

const TNazor kNazory[10] = {
    {"first view", 3.1415927f, 0.1f, 400, 0},          {"across the seam, right", 6.2f, 0.0f, 300, 0},
    {"across the seam, left", 0.05f, -0.2f, 300, 0},   {"over the zenith", 1.0f, 1.4707963f, 100, 0},
    {"over the nadir", 4.0f, -1.4707963f, 100, 0},     {"straight up, narrow", 2.0f, 1.4707963f, 640, 0},
    {"case B, wide", 1.6f, 0.3f, 150, 0},              {"spherical, corners 5 rad off-axis", 0.3f, 0.5f, 100, 1},
    {"spherical over the nadir", 5.5f, -1.4707963f, 160, 1}, {"spherical over the zenith, case B", 4.7f, 1.4707963f, 100, 1},
};

void Pohlad_nastav(const TPohlad& p) {
  MAXX = obraz_sir = p.sir;
  MAXY = obraz_vys = p.vys;
  SX = MAXX / 2;
  SY = MAXY / 2;
  if (pan_sir != p.pan_s || pan_vys != p.pan_v) W_priprav(p.pan_s, p.pan_v, W_bajty ? W_bajty : 2, nullptr);
  YAW = p.yaw;
  PITCH = p.pitch;
  D = p.d;
  sfer_perspekt = (unsigned char)p.sfer;
}

void Pohlad_bod(int xx, int yy, int* mm, int* nn, int* lam) {
  int rr, ss, l;
  S(xx, yy, &rr, &ss, &l);
  MT(rr, ss, mm, nn);
  if (lam) *lam = l;
}

void W_vypln(bool stlpce) {
  for (int n = 0; n < W_vys; ++n)
    for (int m = 0; m < W_sir; ++m) W16(n, m) = (uint16_t)(stlpce ? m : n);
}

void Zadny_vypln(uint32_t farba) {
  DDBLTFX fx = {};
  fx.dwSize = sizeof(fx);
  fx.dwFillColor = farba;
  lpDDSBack->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}
