// The window procedure: every message of the one window.
#include "app/input.h"

#include "app/app.h"
#include "app/input_internal.h"
#include "app/modes.h"
#include "app/pulse.h"
#include "app/startup.h"

int mx = 0, my = 0;
uint8_t l_CTRL_stlac = 0;
int dui_PANO_vystup_2_sta = -1;

LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  hWnd_GLOB = hWnd;
  switch (message) {
    case WM_ACTIVATEAPP:
      bActive = (int)wParam;
      break;
    case WM_SETCURSOR:
      // The program draws its own pointer.
      SetCursor(nullptr);
      return 1;
    case WM_DESTROY:
      KillTimer(hWnd, 1);
      Vykonaj_RELEASE_SRF(1);
      PostQuitMessage(0);
      break;
    case WM_SIZE:
      Zmena_velkosti(LOWORD(lParam), HIWORD(lParam));
      break;
    case WM_TIMER:
      if (Uplatni_velkost() != 0) return Inic_problem(hWnd);
      PULZ();
      break;
    case WM_KEYDOWN:
      Klavesa_dole(hWnd, wParam);
      break;
    case WM_KEYUP:
      if (wParam == VK_CONTROL) l_CTRL_stlac = 0;
      break;
    case WM_MOUSEMOVE:
      Mys_pohyb(lParam);
      break;
    case WM_LBUTTONDOWN:
      if (!Mys_lave_dole(lParam)) return 0;
      break;
    case WM_LBUTTONUP:
      Mys_lave_hore(hWnd);
      break;
    case WM_RBUTTONDOWN:
      Mys_prave_dole();
      break;
    case WM_MOUSEWHEEL:
      Mys_koliesko(wParam);
      break;
    default:
      break;
  }
  return DefWindowProcA(hWnd, message, wParam, lParam);
}
