#include "tests/engine/engine_test_util.h"

#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"

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
