// Start-up sequence, the first frame and the message loop.
#include "app/startup.h"


#include "app/app.h"
#include "app/input.h"
#include "app/modes.h"
#include "app/panorama.h"
#include "app/priecinok.h"
#include "app/scene.h"
#include "app/sprava.h"
#include "app/ui.h"
#include "app/volby.h"
#include "bmpfiles/dbmp.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/workers.h"
#include "platform/gdi.h"

namespace {

constexpr int SITO_START = 20;
constexpr UINT PULZ_MS = 10;
// The "not found" message is built in a text of this size, the name cut to fit.
constexpr int SPRAVA_MAX = 200;

bool vytvor_okno(HINSTANCE hInstance, int nCmdShow) {
  WNDCLASSA wc = {};
  wc.style = CS_HREDRAW | CS_VREDRAW;
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = hInstance;
  wc.hIcon = LoadIconA(hInstance, IDI_APPLICATION);
  wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
  wc.hbrBackground = GetStockObject(BLACK_BRUSH);
  wc.lpszMenuName = "KW";
  wc.lpszClassName = "KW";
  if (!RegisterClassA(&wc)) return false;
  const HWND hwnd = CreateWindowExA(0, "KW", PANO_NAZOV, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                                    GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, hInstance, nullptr);
  if (hwnd == nullptr) return false;
  hWnd_GLOB = hwnd;
  ShowWindow(hwnd, nCmdShow);
  UpdateWindow(hwnd);
  return true;
}

void spusti_zvuk(HWND hwnd) {
  DSO_INIT(hwnd);
  zvuk_1.NAHRAJ("MOVER");
  zvuk_2.NAHRAJ("MDOWN");
}

// Display object, exclusive full screen, mode, grid, primary surface and back buffer.
bool otvor_displej(HWND hwnd) {
  if (DirectDrawCreate(nullptr, &lpDD, nullptr) != DD_OK) return false;
  if (lpDD->SetCooperativeLevel(hwnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN) != DD_OK) return false;
  if (SET_OBRAZOVKY() != 0) return false;
  Sito_pocx = SITO_START;
  Sito_pocy = SITO_START;
  Reset_Sito(SITO_START, SITO_START);
  Vlakna_Spusti(Vlakna_Ziadane());
  if (Vytvor_primarny_SRF() != DD_OK) return false;
  return Ziskaj_back_SRF() == DD_OK;
}

// "Súbor %s nebol nájdený, neexistuje." with the name cut to fit.
void sprava_nenajdeny(HWND hwnd, const char* meno) {
  char sprava[SPRAVA_MAX];
  Sprava_s_menom(sprava, sizeof sprava, "Súbor ", meno, " nebol nájdený, neexistuje.");
  tsMsg(hwnd, sprava);
}

// The first panorama: the named file when it exists, else entry PAN_id of the folder.
bool nahraj_prvu_panoramu(HWND hwnd) {
  if (PAN_param_file[0] != '\0') {
    if (DBMP_Existuje_sub(PAN_param_file)) {
      Zobraz_PANORAMU(PAN_param_file, 1);
      return true;
    }
    sprava_nenajdeny(hwnd, PAN_param_file);
  }
  if (PAN_id_max == -1) {
    tsMsg(hwnd, "Žiadne panorámy v lokálnom adresári!");
    return false;
  }
  Zobraz_PANORAMU(PAN_id, 1);
  return true;
}

}  // namespace

const char* const PANO_NAZOV = "Tessarin Panorama Player";

void tsMsg(HWND hwnd, const char* text) { MessageBoxA(hwnd, text, PANO_NAZOV, MB_OK); }

int Inic_problem(HWND hwnd) {
  Vykonaj_RELEASE_SRF(1);
  tsMsg(hwnd, "Problem pri inicializacii");
  DestroyWindow(hwnd);
  return 0;
}

void FINITO(HWND hwnd) {
  KillTimer(hwnd, 1);
  PostMessageA(hwnd, WM_CLOSE, 0, 0);
}

int Inicializuj(HINSTANCE hInstance, int nCmdShow) {
  if (!vytvor_okno(hInstance, nCmdShow)) return 0;
  const HWND hwnd = hWnd_GLOB;
  Zisti_plochu(hwnd);
  spusti_zvuk(hwnd);
  if (!otvor_displej(hwnd)) return Inic_problem(hwnd);

  PANO_Nacitaj_zoznam();
  PANO_Zarad_zobrazeny();
  if (!nahraj_prvu_panoramu(hwnd)) return 0;

  Zostav_rozhranie();
  SetTimer(hwnd, 1, PULZ_MS, nullptr);
  return 1;
}

int PANO_WinMain(const char* prikazovy_riadok, int show) {
  Rozober_prikazovy_riadok(prikazovy_riadok);
  if (!Inicializuj(GetModuleHandleA(nullptr), show)) return 0;
  Prekresli_scenu(1);
  return Slucka_sprav();
}

int Slucka_sprav() {
  MSG msg;
  for (;;) {
    if (PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
      if (!GetMessageA(&msg, nullptr, 0, 0)) return (int)msg.wParam;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    } else if (!bActive) {
      WaitMessage();
    }
  }
}
