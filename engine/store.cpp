#include "engine/store.h"

#include <sys/mman.h>

#include <cmath>
#include <cstring>

#include "engine/filter.h"
#include "engine/view.h"

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
  W_urovne();
}

void W_urovne() { Filter_priprav(W, sizeof(W[0]), sizeof(W[0][0]), W_pan_sir, W_riadok_max + 1); }

void Vyprazdni_W() {
  pan_sir = pan_vys = 0;
  W_gpano_plati = false;
  reset_opt_T();
  std::memset(W, 0, sizeof W);
  Filter_uvolni();
}

void W_prevezmi(const TGPano* vyrez) {
  if (pan_SRF) {
    W_gpano = vyrez ? *vyrez : TGPano{};
    W_gpano_plati = vyrez != nullptr;
  }
  // Whatever the loader reports, the store is never addressed past its edges.
  if (pan_sir > W_SIR) pan_sir = W_SIR;
  if (pan_vys > W_VYS) pan_vys = W_VYS;
  reset_opt_T();
  init_W();
}
