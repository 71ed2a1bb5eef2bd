#include "engine/store.h"

#include <sys/mman.h>

#include <algorithm>
#include <cmath>
#include <cstring>

#include "bmpfiles/dbmp_gpano.h"
#include "display/screen.h"
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
int W_pan_sir = 0;
int W_pan_vys = 0;
int W_pan_vlavo = 0;
int W_pan_hore = 0;
int W_riadok_max = 0;
TGPano W_gpano;
bool W_gpano_plati = false;

IDirectDrawSurface* pan_SRF = nullptr;
DDSURFACEDESC ddsd_S;

static char* PAN_subor_zaklad[PAN_MAX];
char** PAN_subor = PAN_subor_zaklad;
int PAN_kapacita = PAN_MAX;
int PAN_id_max = -1;
int PAN_id = 0;

namespace {

int W_obmedz(int v, int od, int po) { return v < od ? od : (v > po ? po : v); }

// The sphere around a picture whose file names its cropped area: the full panorama at the
// scale at which the picture was loaded, the picture at its place in it.
void W_umiestni_vyrez(const TGPano& g) {
  const double kx = (double)pan_sir / g.vyrez_sir, ky = (double)pan_vys / g.vyrez_vys;
  W_pan_sir = W_obmedz((int)std::lround(g.plny_sir * kx), pan_sir, W_SIR);
  W_pan_vys = W_obmedz((int)std::lround(g.plny_vys * ky), pan_vys, W_VYS);
  W_pan_vlavo = W_obmedz((int)std::lround(g.vyrez_vlavo * kx), 0, W_pan_sir - 1);
  W_pan_hore = W_obmedz((int)std::lround(g.vyrez_hore * ky), 0, W_pan_vys - pan_vys);
  opt_TC = W_pan_vys / pi;
}

}  // namespace

void reset_opt_T() {
  W_pan_sir = pan_sir;
  W_pan_vlavo = 0;
  if (W_gpano_plati && pan_sir > 0 && pan_vys > 0) {
    W_umiestni_vyrez(W_gpano);
  } else if (pan_sir > 2 * pan_vys + 1) {
    // Wider than 2:1 (allowing one repeated seam column): a partial panorama, 360 degrees
    // across, shown at the latitude scale of a full sphere of that width around the horizon.
    W_pan_vys = pan_sir / 2;
    W_pan_hore = (W_pan_vys - pan_vys) / 2;
    opt_TC = pan_sir / pi2;
  } else {
    W_pan_vys = pan_vys;
    W_pan_hore = 0;
    opt_TC = pan_vys / pi;
  }
  opt_TA = W_pan_sir / pi2;
  opt_TB = W_pan_vys / 2;
  W_riadok_max = W_pan_vys < W_VYS ? W_pan_vys : W_VYS - 1;
}

// Store rows and columns the projection reaches outside the picture are black; under a
// picture that reaches the nadir the row one past the sphere (looking straight down)
// repeats the last row.
static void init_W_okolie(int vys) {
  const size_t bajty = (size_t)W_pan_sir * sizeof(W[0][0]);
  for (int nn = 0; nn < W_pan_hore; ++nn) std::memset(W[nn], 0, bajty);
  const int spodok = W_pan_hore + vys;
  if (vys > 0 && spodok == W_pan_vys && spodok <= W_riadok_max) {
    std::memcpy(W[spodok], W[spodok - 1], bajty);
    return;
  }
  for (int nn = spodok; nn <= W_riadok_max; ++nn) std::memset(W[nn], 0, bajty);
}

// One picture row into its store row: from column W_pan_vlavo on, continued at column 0
// where it runs across the seam; the rest of the turn black.
static void init_W_riadok(unsigned short* riadok, const unsigned char* zdroj, int sir) {
  if (sir < W_pan_sir) std::memset(riadok, 0, (size_t)W_pan_sir * sizeof(W[0][0]));
  const int prvy = sir < W_pan_sir - W_pan_vlavo ? sir : W_pan_sir - W_pan_vlavo;
  std::memcpy(riadok + W_pan_vlavo, zdroj, (size_t)prvy * sizeof(W[0][0]));
  std::memcpy(riadok, zdroj + (size_t)prvy * sizeof(W[0][0]), (size_t)(sir - prvy) * sizeof(W[0][0]));
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
    for (int nn = 0; nn < vys; ++nn, zdroj += ddsd_S.lPitch) init_W_riadok(W[W_pan_hore + nn], zdroj, sir);
    init_W_okolie(vys);
  }
  pan_SRF->Unlock(nullptr);
}

void Vyprazdni_W() {
  pan_sir = pan_vys = 0;
  W_gpano_plati = false;
  reset_opt_T();
  std::memset(W, 0, sizeof W);
}

// The size to load a picture at: its own (0 × 0) when the sphere around it fits the store,
// else scaled down so that it does, a sphere of exactly 2:1 staying exactly 2:1.
static void Nahraj_rozmer(const char* nazov, const TGPano* vyrez, int* dx, int* dy) {
  int sir = 0, vys = 0;
  *dx = *dy = 0;
  if (!PLAT_ImageSize(GetModuleHandleA(nullptr), nazov, LR_CREATEDIBSECTION, &sir, &vys) &&
      !PLAT_ImageSize(nullptr, nazov, LR_CREATEDIBSECTION | LR_LOADFROMFILE, &sir, &vys))
    return;
  if (sir <= 0 || vys <= 0) return;
  double gule_sir = sir, gule_vys = vys;
  if (vyrez) {
    gule_sir = (double)vyrez->plny_sir * sir / vyrez->vyrez_sir;
    gule_vys = (double)vyrez->plny_vys * vys / vyrez->vyrez_vys;
  }
  if (gule_sir <= W_SIR && gule_vys <= W_VYS) return;
  double k;
  if (gule_sir == 2 * gule_vys)
    k = 2.0 * (W_VYS - 1) / gule_sir;
  else
    k = std::min(W_SIR / gule_sir, W_VYS / gule_vys);
  // The small allowance keeps exact products (4000 of 4000) from falling a column short.
  *dx = std::max(1, (int)std::floor(sir * k + 1e-9));
  *dy = std::max(1, (int)std::floor(vys * k + 1e-9));
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
  // Only a JPEG carries a cropped area; any other file reads as having none. It applies
  // once the picture is loaded: a failed load keeps the former placement with the store.
  TGPano vyrez = {};
  const bool s_vyrezom = DBMP_Citaj_GPano(nazov, &vyrez) == 1;
  int dx, dy;
  Nahraj_rozmer(nazov, s_vyrezom ? &vyrez : nullptr, &dx, &dy);
  pan_SRF = DDLoadBitmap_ts(lpDD, nazov, dx, dy, &pan_sir, &pan_vys);
  if (pan_SRF) {
    W_gpano = vyrez;
    W_gpano_plati = s_vyrezom;
  }
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
  if (ID < 0 || ID > PAN_id_max || ID >= PAN_kapacita || !PAN_subor[ID]) return;
  PAN_id = ID;
  Nahraj_subor(PAN_subor[PAN_id], start);
}

void Nahraj_PANORAMU(const char* nazov, unsigned char start) {
  if (!nazov || !*nazov) return;
  Nahraj_subor(nazov, start);
}
