#include "engine/store.h"

#include <sys/mman.h>

#include <cstring>

#include "engine/screen.h"
#include "engine/view.h"
#include "platform/gdi.h"
#include "platform/user32.h"
#include "toolkit/ddutil.h"

// Aligned to large pages: the rasterizer walks across many store rows per screen row,
// and with small pages every row would be a page of its own for address translation.
alignas(1 << 21) unsigned short W[W_VYS][W_SIR];

namespace {
struct TW_velke_stranky {
  TW_velke_stranky() {
#ifdef MADV_HUGEPAGE
    madvise(W, sizeof(W) & ~(size_t)((1 << 21) - 1), MADV_HUGEPAGE);
#endif
  }
} W_velke_stranky;
}  // namespace

int pan_sir = 0, pan_vys = 0;
float opt_TA = 0;
int opt_TB = 0;
float opt_TC = 0;
int W_pan_vys = 0;
int W_pan_hore = 0;
int W_riadok_max = 0;

IDirectDrawSurface* pan_SRF = nullptr;
DDSURFACEDESC ddsd_S;

char* PAN_subor[PAN_MAX];
int PAN_id_max = -1;
int PAN_id = 0;

void reset_opt_T() {
  opt_TA = pan_sir / pi2;
  // Wider than 2:1 (allowing one repeated seam column): a partial panorama, 360 degrees
  // across, shown at the latitude scale of a full sphere of that width around the horizon.
  if (pan_sir > 2 * pan_vys + 1) {
    W_pan_vys = pan_sir / 2;
    W_pan_hore = (W_pan_vys - pan_vys) / 2;
    opt_TC = opt_TA;
  } else {
    W_pan_vys = pan_vys;
    W_pan_hore = 0;
    opt_TC = pan_vys / pi;
  }
  opt_TB = W_pan_vys / 2;
  W_riadok_max = W_pan_vys < W_VYS ? W_pan_vys : W_VYS - 1;
}

// Rows of the store the projection reaches outside the picture: black bands around a
// partial panorama, a repeat of the last row under a full one (looking straight down).
static void init_W_okolie(int sir) {
  const size_t bajty = (size_t)sir * sizeof(W[0][0]);
  if (W_pan_hore > 0) {
    for (int nn = 0; nn < W_pan_hore; ++nn) std::memset(W[nn], 0, bajty);
    for (int nn = W_pan_hore + pan_vys; nn <= W_riadok_max; ++nn) std::memset(W[nn], 0, bajty);
  } else if (pan_vys > 0 && pan_vys <= W_riadok_max) {
    std::memcpy(W[pan_vys], W[pan_vys - 1], bajty);
  }
}

void init_W() {
  if (!pan_SRF) return;
  ddsd_S.dwSize = sizeof(ddsd_S);
  HRESULT hr;
  do {
    hr = pan_SRF->Lock(nullptr, &ddsd_S, DDLOCK_SURFACEMEMORYPTR | DDLOCK_WAIT, nullptr);
  } while (hr == DDERR_WASSTILLDRAWING);
  if (hr != DD_OK) return;
  // Only what both the surface and the store hold is copied.
  const int sir = pan_sir < (int)ddsd_S.dwWidth ? pan_sir : (int)ddsd_S.dwWidth;
  int vys = pan_vys < (int)ddsd_S.dwHeight ? pan_vys : (int)ddsd_S.dwHeight;
  if (vys > W_VYS - W_pan_hore) vys = W_VYS - W_pan_hore;
  if (sir > 0) {
    const unsigned char* zdroj = static_cast<const unsigned char*>(ddsd_S.lpSurface);
    for (int nn = 0; nn < vys; ++nn, zdroj += ddsd_S.lPitch)
      std::memcpy(W[W_pan_hore + nn], zdroj, (size_t)sir * sizeof(W[0][0]));
    init_W_okolie(sir);
  }
  pan_SRF->Unlock(nullptr);
}

// The size to load a picture at: its own (0 × 0) when it fits the store, else scaled down
// to fit, an exact 2:1 picture staying exactly 2:1.
static void Nahraj_rozmer(const char* nazov, int* dx, int* dy) {
  int sir = 0, vys = 0;
  *dx = *dy = 0;
  if (!PLAT_ImageSize(GetModuleHandleA(nullptr), nazov, LR_CREATEDIBSECTION, &sir, &vys) &&
      !PLAT_ImageSize(nullptr, nazov, LR_CREATEDIBSECTION | LR_LOADFROMFILE, &sir, &vys))
    return;
  if (sir <= 0 || vys <= 0 || (sir <= W_SIR && vys <= W_VYS)) return;
  if (sir == 2 * vys) {
    *dy = W_VYS - 1;
    *dx = 2 * *dy;
  } else if ((long long)sir * W_VYS >= (long long)vys * W_SIR) {
    *dx = W_SIR;
    *dy = (int)((long long)vys * W_SIR / sir);
  } else {
    *dy = W_VYS;
    *dx = (int)((long long)sir * W_VYS / vys);
  }
  if (*dx < 1) *dx = 1;
  if (*dy < 1) *dy = 1;
}

static void Nahraj_subor(const char* nazov, unsigned char start) {
  if (!start) {
    if (lpDDPal) lpDDPal->Release();
    lpDDPal = nullptr;
    if (pan_SRF) pan_SRF->Release();
    pan_SRF = nullptr;
  }
  lpDDPal = DDLoadPalette(lpDD, nazov);
  if (lpDDPal && lpDDSPrimary) lpDDSPrimary->SetPalette(lpDDPal);
  int dx, dy;
  Nahraj_rozmer(nazov, &dx, &dy);
  pan_SRF = DDLoadBitmap_ts(lpDD, nazov, dx, dy, &pan_sir, &pan_vys);
  // Whatever the loader reports, the store is never addressed past its edges.
  if (pan_sir > W_SIR) pan_sir = W_SIR;
  if (pan_vys > W_VYS) pan_vys = W_VYS;
  reset_opt_T();
  YAW = pi;
  PITCH = 0.1f;
  D = D_start;
  init_W();
}

void Nahraj_PANORAMU(int ID, unsigned char start) {
  if (ID < 0 || ID > PAN_id_max || ID >= PAN_MAX || !PAN_subor[ID]) return;
  PAN_id = ID;
  Nahraj_subor(PAN_subor[PAN_id], start);
}

void Nahraj_PANORAMU(const char* nazov, unsigned char start) {
  if (!nazov || !*nazov) return;
  Nahraj_subor(nazov, start);
}
