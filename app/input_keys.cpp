// Keys: turning, tilting and zooming the view, the projection, screenshot and sounds.
#include "app/input_internal.h"

#include "app/input.h"

#include "app/priecinok.h"
#include "app/pulse.h"
#include "app/scene.h"
#include "app/startup.h"
#include "app/ui.h"
#include "engine/view.h"

namespace {

constexpr int D_KROK_SIPKA = 30;
constexpr int D_KROK_KLAVESNICA = 20;
// After a key the idle count resumes at most here: hidden overlays stay hidden.
constexpr int PULZ_PO_KLAVESE = 401;

}  // namespace

void Zmen_D(int o) {
  D += o;
  if (D < D_min) D = D_min;
  if (D > D_max) D = D_max;
}

void Klavesa_dole(HWND hWnd, WPARAM kod) {
  bool prekreslit = true;
  demo_mod = 0;
  if (pulz_poc_msna > PULZ_PO_KLAVESE) pulz_poc_msna = PULZ_PO_KLAVESE;
  switch (kod) {
    case VK_CONTROL:
      l_CTRL_stlac = 1;
      break;
    case VK_ESCAPE:
    case VK_F12:
      FINITO(hWnd);
      prekreslit = false;
      break;
    case VK_LEFT:
    case VK_NUMPAD4:
      Zmen_smer(-uhol_delta, 0);
      break;
    case VK_RIGHT:
    case VK_NUMPAD6:
      Zmen_smer(uhol_delta, 0);
      break;
    case VK_UP:
    case VK_NUMPAD8:
      if (l_CTRL_stlac) {
        Zmen_D(D_KROK_SIPKA);
      } else {
        Zmen_smer(0, uhol_delta);
      }
      break;
    case VK_DOWN:
    case VK_NUMPAD2:
      if (l_CTRL_stlac) {
        Zmen_D(-D_KROK_SIPKA);
      } else {
        Zmen_smer(0, -uhol_delta);
      }
      break;
    case VK_ADD:
      Zmen_D(-D_KROK_KLAVESNICA);
      break;
    case VK_SUBTRACT:
      Zmen_D(D_KROK_KLAVESNICA);
      break;
    case VK_F1:
      sfer_perspekt = sfer_perspekt ? 0 : 1;
      break;
    case VK_F2:
      PANO_Uloz_snimku(hWnd);
      break;
    case VK_F3:
      zvuk_1.SPUSTI();
      break;
    case VK_F4:
      zvuk_2.SPUSTI();
      break;
    default:
      break;
  }
  if (prekreslit) Prekresli_scenu(1);
}
