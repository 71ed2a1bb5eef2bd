// Display modes and the full change of mode while running.
#include "app/modes.h"

#include <string>

#include "app/app.h"
#include "app/panorama.h"
#include "app/prekryv.h"
#include "app/scene.h"
#include "app/sprava.h"
#include "app/startup.h"
#include "app/ui.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "toolkit/ddutil.h"

namespace {

struct TRozmer {
  int sir, vys;
};
// The classic modes 1 … 5; the desktop's own mode GM_PLOCHA follows them.
const TRozmer GM_ROZMERY[] = {{320, 200}, {640, 480}, {800, 600}, {1024, 768}, {1280, 1024}};
constexpr int GM_POCET = (int)(sizeof(GM_ROZMERY) / sizeof(GM_ROZMERY[0]));
static_assert(GM_POCET + 1 == GM_PLOCHA, "the desktop's mode follows the classic ones");

// Eye distances of the classic modes, those of 800 × 600 (a quarter turn across), and its height.
constexpr int D_MIN_KLASICKY = 100, D_MAX_KLASICKY = 600, D_START_KLASICKY = 400;
constexpr int VYS_KLASICKA = 600;

// The classic modes keep the eye distances of 800 × 600. The desktop's own grows them with its
// height: a large screen shows as much of the sphere from top to bottom as 800 × 600 does, only
// sharper, and a wide one more to the sides; it starts at the start distance.
void nastav_vzdialenosti() {
  const int vys = GM == GM_PLOCHA ? obraz_vys : VYS_KLASICKA;
  D_min = D_MIN_KLASICKY * vys / VYS_KLASICKA;
  D_max = D_MAX_KLASICKY * vys / VYS_KLASICKA;
  D_start = D_START_KLASICKY * vys / VYS_KLASICKA;
  D = GM == GM_PLOCHA ? D_start : MAXX / 2;
}

// Each failure of the re-creation has its own short text before the common message.
bool zlyhanie(const char* text) {
  tsMsg(hWnd_GLOB, text);
  Inic_problem(hWnd_GLOB);
  return false;
}

bool obnov_povrchy() {
  if (Vytvor_primarny_SRF() != DD_OK) return zlyhanie("b");
  if (Ziskaj_back_SRF() != DD_OK) return zlyhanie("c");
  // A panorama named on the command line with no folder entries has no palette source.
  if (PAN_id >= 0 && PAN_id <= PAN_id_max) {
    lpDDPal = DDLoadPalette(lpDD, PAN_subor[PAN_id]);
    if (lpDDPal != nullptr) lpDDSPrimary->SetPalette(lpDDPal);
  }
  Nahraj_reziu();
  if (rezia.SURFACE == nullptr) return zlyhanie("e");
  return true;
}

// The store holds the picture in the display's format: at another depth the panorama shown is
// loaded again, the view kept.
void obnov_hlbku_skladu() {
  if (W_bajty == 0 || W_bajty * 8 == GM_bity(GM) || *PAN_zobrazeny() == '\0') return;
  const std::string nazov = PAN_zobrazeny();
  const float yaw = YAW, pitch = PITCH;
  const int d = D;
  Zobraz_PANORAMU(nazov.c_str(), 0);
  YAW = yaw;
  PITCH = pitch;
  D = d;
}

// The screen globals for a sir × vys display.
void nastav_geometriu(int sir, int vys) {
  MAXX = obraz_sir = sir;
  MAXY = obraz_vys = vys;
  SX = sir / 2;
  SY = vys / 2;
  UI_mierka = UI_Mierka_pre(sir);
}

}  // namespace

bool GM_rozmery(int gm, int* sir, int* vys) {
  if (gm == GM_PLOCHA) {
    *sir = plocha_sir;
    *vys = plocha_vys;
    return true;
  }
  if (gm < 1 || gm > GM_POCET) return false;
  *sir = GM_ROZMERY[gm - 1].sir;
  *vys = GM_ROZMERY[gm - 1].vys;
  return true;
}

int GM_bity(int gm) { return gm == GM_PLOCHA ? GM_BITY_PLOCHA : GM_BITY_KLASICKE; }

HRESULT Vytvor_primarny_SRF() {
  DDSURFACEDESC ddsd = {};
  ddsd.dwSize = sizeof(ddsd);
  ddsd.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  ddsd.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  ddsd.dwBackBufferCount = 1;
  return lpDD->CreateSurface(&ddsd, &lpDDSPrimary, nullptr);
}

HRESULT Ziskaj_back_SRF() {
  DDSCAPS caps = {DDSCAPS_BACKBUFFER};
  return lpDDSPrimary->GetAttachedSurface(&caps, &lpDDSBack);
}

HRESULT Vytvor_displej(int sir, int vys, int bity) {
  HRESULT hr = DirectDrawCreate(nullptr, &lpDD, nullptr);
  if (hr == DD_OK) hr = lpDD->SetDisplayMode((DWORD)sir, (DWORD)vys, (DWORD)bity);
  if (hr == DD_OK) hr = Vytvor_primarny_SRF();
  if (hr == DD_OK) hr = Ziskaj_back_SRF();
  if (hr == DD_OK) nastav_geometriu(sir, vys);
  return hr;
}

long SET_OBRAZOVKY() {
  if (lpDD == nullptr) return DDERR_GENERIC;
  int sir = obraz_sir, vys = obraz_vys;
  GM_rozmery(GM, &sir, &vys);
  const HRESULT hr = lpDD->SetDisplayMode((DWORD)sir, (DWORD)vys, (DWORD)GM_bity(GM));
  if (hr != DD_OK) return hr;
  nastav_geometriu(sir, vys);
  nastav_vzdialenosti();
  return 0;
}

long RESET_GM(int gGM) {
  if (gGM < 1 || gGM > GM_PLOCHA) return 0;
  // A mode the display refuses leaves the one shown, its size and its grid as they were.
  const int byvaly = GM;
  GM = gGM;
  const long hr = SET_OBRAZOVKY();
  if (hr != 0) {
    GM = byvaly;
    return hr;
  }
  Reset_Sito(Sito_pocx, Sito_pocy);
  RESET_SRF_BRUTAL(1);
  obnov_hlbku_skladu();
  Prisposob_mierke();
  ovl_pos = Ovladac_pozicia();
  Rozmiestni_tlacidla();
  dui_PANO.RESET_GEOMETRIER();
  dui_gr_mod.RESET_GEOMETRIE(2);
  dui_sito.RESET_GEOMETRIE(2);
  return 0;
}

void RESET_SRF_BRUTAL(unsigned char zhodit) {
  if (zhodit) Vykonaj_RELEASE_SRF(0);
  if (!obnov_povrchy()) return;
  kurzor.Das_Surface = &rezia;
  Nasmeruj_panely(lpDDSBack);
  Nahraj_nahlady();
}

long Vykonaj_RESTORE_SRF() {
  if (lpDDSPrimary == nullptr) return DDERR_GENERIC;
  Prekryv_zabudni();
  const HRESULT hr = lpDDSPrimary->Restore();
  if (hr != DD_OK) return hr;
  return rezia.RESTORE_SURFACE();
}

void Vykonaj_RELEASE_SRF(unsigned char aj_DD) {
  if (lpDD == nullptr) return;
  if (lpDDSPrimary != nullptr) {
    lpDDSPrimary->Release();
    lpDDSPrimary = nullptr;
  }
  lpDDSBack = nullptr;
  Prekryv_zabudni();
  // The panels must not draw on or measure with the released back buffer.
  Nasmeruj_panely(nullptr);
  if (rezia.SURFACE != nullptr) {
    rezia.SURFACE->Release();
    rezia.SURFACE = nullptr;
  }
  if (lpDDPal != nullptr) {
    lpDDPal->Release();
    lpDDPal = nullptr;
  }
  if (aj_DD) {
    // The thumbnails' surfaces go before the object that made them.
    Uvolni_nahlady();
    lpDD->Release();
    lpDD = nullptr;
  }
}
