// The desktop's own display mode follows the screen the window covers: its client area at
// start and after every resize. A resize is applied once the size has rested, so that
// dragging a window's edge re-creates the surfaces once, not at every step of the drag.
#include "app/app.h"
#include "app/modes.h"
#include "app/scene.h"
#include "app/ui.h"
#include "platform/user32.h"

// Until the window tells, the classic default size.
int plocha_sir = 800;
int plocha_vys = 600;

namespace {

// How long a reported size must stay before it is applied.
constexpr DWORD POKOJ_MS = 200;
// Sizes the viewer can use: not below the smallest classic mode (the menus and the grid keep
// their items), not beyond an 8K screen.
constexpr int SIR_MIN = 320, VYS_MIN = 200;
constexpr int SIR_MAX = 7680, VYS_MAX = 4320;

bool g_caka = false;  // a reported size not yet applied
int g_sir = 0, g_vys = 0;
DWORD g_kedy = 0;

int obmedz(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

}  // namespace

void Zisti_plochu(HWND hwnd) {
  RECT r = {};
  if (GetClientRect(hwnd, &r)) {
    plocha_sir = obmedz(r.right - r.left, SIR_MIN, SIR_MAX);
    plocha_vys = obmedz(r.bottom - r.top, VYS_MIN, VYS_MAX);
  }
  g_caka = false;
}

void Zmena_velkosti(int sir, int vys) {
  if (sir <= 0 || vys <= 0) return;  // minimised: nothing to draw at
  g_sir = obmedz(sir, SIR_MIN, SIR_MAX);
  g_vys = obmedz(vys, VYS_MIN, VYS_MAX);
  g_kedy = GetTickCount();
  g_caka = true;
}

long Uplatni_velkost() {
  if (!g_caka || GetTickCount() - g_kedy < POKOJ_MS) return 0;
  g_caka = false;
  if (g_sir == plocha_sir && g_vys == plocha_vys) return 0;
  plocha_sir = g_sir;
  plocha_vys = g_vys;
  Zostav_menu_modov();
  // A classic mode keeps its size, scaled to the new window.
  if (GM != GM_PLOCHA) return 0;
  const long hr = RESET_GM(GM_PLOCHA);
  if (hr == 0) Prekresli_scenu(1);
  return hr;
}
