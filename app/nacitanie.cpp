#include "app/nacitanie.h"

#include <cstdio>

#include "app/sprava.h"
#include "display/screen.h"
#include "platform/backend.h"
#include "platform/user32.h"

unsigned NAC_prah_ms = 500;

namespace {

constexpr unsigned NAC_KRESLI_MS = 100;  // the text is redrawn at most this often

DWORD nac_zaciatok = 0;
DWORD nac_kreslene = 0;
int nac_percent = -1;  // the share last shown, -1 before the first

// A message that ends the program: put back for the message loop, and the load stops.
bool Konci(const MSG& m) {
  if (m.message == WM_QUIT) {
    PostQuitMessage((int)m.wParam);
    return true;
  }
  if (m.message == WM_CLOSE || (m.message == WM_KEYDOWN && (m.wParam == VK_ESCAPE || m.wParam == VK_F12))) {
    PostMessageA(m.hwnd, m.message, m.wParam, m.lParam);
    return true;
  }
  return false;
}

// Messages about the window itself are handled; input and the pulse would act on a store half
// filled (or start another load), so they are dropped.
bool O_okne(UINT m) { return m == WM_ACTIVATEAPP || m == WM_SIZE || m == WM_SETCURSOR || m == WM_KEYUP; }

void Ukaz(int percent, DWORD teraz) {
  const bool prvy = nac_percent < 0;
  if (lpDDSPrimary == nullptr || percent == nac_percent || (!prvy && teraz - nac_kreslene < NAC_KRESLI_MS)) return;
  nac_percent = percent;
  nac_kreslene = teraz;
  char text[40];
  std::snprintf(text, sizeof text, "Načítavam … %d %%", percent);
  Sprava_text_zobraz(lpDDSPrimary, text);
  PLAT_Present();
}

}  // namespace

void Nacitanie_zacni() {
  nac_zaciatok = GetTickCount();
  nac_percent = -1;
}

bool Nacitanie_priebeh(void*, int hotovo, int spolu) {
  const DWORD teraz = GetTickCount();
  if (teraz - nac_zaciatok < NAC_prah_ms || spolu <= 0) return true;
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
    if (Konci(m)) return false;
    if (!O_okne(m.message)) continue;
    TranslateMessage(&m);
    DispatchMessageA(&m);
  }
  Ukaz((int)((long long)hotovo * 100 / spolu), teraz);
  return true;
}
