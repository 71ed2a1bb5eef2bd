// The timer pulse: navigation while the left button is held, the idle count with its
// staged redraws, the idle rotation, and the sharp frame once the view rests.
#include "app/pulse.h"

#include "app/ostrost.h"
#include "app/scene.h"
#include "engine/view.h"

int IN_dx = 0;
int IN_dy = 0;
uint8_t lave_dole = 0;
uint8_t ovl_uchopeny = 0;
int pulz_poc_msna = 0;
uint8_t demo_mod = 0;

namespace {

// The pointer offset is clamped to this many pixels; a full offset turns 0.04 rad per pulse.
constexpr int IN_LIMIT = 160;
constexpr float IN_DELITEL = 640000.0f;

int orez(int v) { return v > IN_LIMIT ? IN_LIMIT : (v < -IN_LIMIT ? -IN_LIMIT : v); }

// Quadratic speed with the sign of the offset.
float krok(int v) {
  const float k = (float)(v * v) / IN_DELITEL;
  return v < 0 ? -k : k;
}

void navigacia_mysou() {
  IN_dx = orez(IN_dx);
  IN_dy = orez(IN_dy);
  Zmen_smer(krok(IN_dx), krok(IN_dy));
  Prekresli_scenu(1);
}

}  // namespace

void PULZ() {
  if (lave_dole && !ovl_uchopeny) navigacia_mysou();

  if (pulz_poc_msna < PULZ_STROP) ++pulz_poc_msna;
  if (pulz_poc_msna == PULZ_SKRY_OVLADAC || pulz_poc_msna == PULZ_SKRY_KURZOR || pulz_poc_msna == PULZ_DEMO) {
    Prekresli_scenu(1);
    if (pulz_poc_msna == PULZ_DEMO) demo_mod = 1;
  }

  if (demo_mod) {
    Zmen_smer(uhol_delta_2, 0);
    Prekresli_scenu(1);
  } else if (OST_Treba_ostru()) {
    Prekresli_scenu(1);
  }
}
