#include "tests/engine/engine_displej.h"

#include "app/modes.h"
#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"
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

void Pohlad_nastav(const TPohlad& p) {
  MAXX = obraz_sir = p.sir, SX = p.sir / 2;
  MAXY = obraz_vys = p.vys, SY = p.vys / 2;
  if (pan_sir != p.pan_s || pan_vys != p.pan_v) W_priprav(p.pan_s, p.pan_v, W_bajty ? W_bajty : 2, nullptr);
  YAW = p.yaw, PITCH = p.pitch, D = p.d, sfer_perspekt = (unsigned char)p.sfer;
}

void Pohlad_bod(int xx, int yy, int* mm, int* nn, int* lam) {
  int rr, ss, l;
  S(xx, yy, &rr, &ss, &l);
  MT(rr, ss, mm, nn);
  if (lam) *lam = l;
}

void Zadny_vypln(uint32_t farba) {
  DDBLTFX fx = {};
  fx.dwSize = sizeof(fx);
  fx.dwFillColor = farba;
  lpDDSBack->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
}
