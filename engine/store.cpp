#include "engine/store.h"

#include <sys/mman.h>
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "engine/filter.h"
#include "engine/view.h"

namespace {

// The empty store: one black pixel of either depth.
uint32_t W_cierny_bod = 0;
// The mapping behind a store sized to a picture (null: the empty store).
void* W_mapa = nullptr;
size_t W_mapa_bajty = 0;

void W_uvolni_mapu() {
  if (W_mapa) munmap(W_mapa, W_mapa_bajty);
  W_mapa = nullptr;
  W_mapa_bajty = 0;
}

void W_uvolni() {
  Filter_uvolni();
  W_uvolni_mapu();
  W_cierny_bod = 0;
  W = reinterpret_cast<unsigned char*>(&W_cierny_bod);
  W_sir = W_vys = 1;
  W_bajty = 0;
}

// A store of its own pages: fresh ones are black, and unmapping gives them back to the system
// at once (the allocator may keep freed blocks). Large pages spare address translation, as the
// view walks across many store rows for every screen row. A page no one may touch lies on
// either side, the store's end against the one after it: a read past the store faults at
// once instead of showing what lies beyond. A store of as many pages as the last keeps its
// mapping (a folder of photos of one size loads without a page fault); *cisty says whether
// the pages are fresh.
bool W_alokuj(int sir, int vys, int bajty, bool* cisty) {
  const size_t velkost = (size_t)sir * (size_t)vys * (size_t)bajty;
  const size_t stranka = (size_t)sysconf(_SC_PAGESIZE);
  const size_t stranky = (velkost + stranka - 1) / stranka * stranka;
  *cisty = W_mapa == nullptr || W_mapa_bajty != stranky + 2 * stranka;
  if (*cisty) {
    W_uvolni_mapu();
    void* p = mmap(nullptr, stranky + 2 * stranka, PROT_NONE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (p == MAP_FAILED) return false;
    W_mapa = p;
    W_mapa_bajty = stranky + 2 * stranka;
    if (mprotect(static_cast<unsigned char*>(p) + stranka, stranky, PROT_READ | PROT_WRITE) != 0) return false;
#ifdef MADV_HUGEPAGE
    madvise(static_cast<unsigned char*>(p) + stranka, stranky, MADV_HUGEPAGE);
#endif
  }
  W = static_cast<unsigned char*>(W_mapa) + stranka + (stranky - velkost);
  W_sir = sir;
  W_vys = vys;
  W_bajty = bajty;
  return true;
}

}  // namespace

unsigned char* W = reinterpret_cast<unsigned char*>(&W_cierny_bod);
int W_sir = 1, W_vys = 1, W_bajty = 0;

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


namespace {

int W_obmedz(int v, int od, int po) { return v < od ? od : (v > po ? po : v); }

// The sphere around a picture whose file names its cropped area: the full panorama at the
// scale at which the picture was loaded, the picture at its place in it.
void W_umiestni_vyrez(const TGPano& g) {
  const double kx = (double)pan_sir / g.vyrez_sir, ky = (double)pan_vys / g.vyrez_vys;
  W_pan_sir = W_obmedz((int)std::lround(g.plny_sir * kx), pan_sir, W_MAX_SIR);
  W_pan_vys = W_obmedz((int)std::lround(g.plny_vys * ky), pan_vys, W_MAX_VYS);
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
  W_riadok_max = W_pan_vys < W_vys ? W_pan_vys : W_vys - 1;
}

int W_priprav(int sir, int vys, int bajty, const TGPano* vyrez) {
  Filter_pocet = 0;  // the last picture's levels are not read again; their memory may serve this one's
  W_gpano = vyrez ? *vyrez : TGPano{};
  W_gpano_plati = vyrez != nullptr;
  const bool rozmer = sir >= 1 && sir <= W_MAX_SIR && vys >= 1 && vys <= W_MAX_VYS;
  pan_sir = rozmer ? sir : 0;
  pan_vys = rozmer ? vys : 0;
  reset_opt_T();
  // The sphere and the row one past the nadir that looking straight down reaches.
  bool cisty = true;
  if (!rozmer || (bajty != 2 && bajty != 4) || !W_alokuj(W_pan_sir, W_pan_vys + 1, bajty, &cisty)) {
    W_uvolni();
    pan_sir = pan_vys = 0;
    W_gpano_plati = false;
    reset_opt_T();
    return 0;
  }
  reset_opt_T();
  // A kept store is black again wherever the picture's rows will not land.
  const size_t riadok = (size_t)W_sir * W_bajty;
  const bool cely_obvod = pan_sir == W_pan_sir;
  if (!cisty) {
    std::memset(W, 0, (size_t)(cely_obvod ? W_pan_hore : W_vys) * riadok);
    if (cely_obvod) std::memset(W + (W_pan_hore + pan_vys) * riadok, 0, (W_vys - W_pan_hore - pan_vys) * riadok);
  }
  return 1;
}

namespace {
// The store row of picture row y, null for rows outside the picture.
unsigned char* W_riadok_obrazu(int y) {
  if (y < 0 || y >= pan_vys || W_pan_hore + y > W_riadok_max || W_bajty == 0) return nullptr;
  return W + (size_t)(W_pan_hore + y) * W_sir * W_bajty;
}
}  // namespace

// Picture row y into its store row: from column W_pan_vlavo on, continued at column 0 where
// it runs across the seam; the rest of the turn stays black.
void W_zapis_riadok(int y, const void* pixely) {
  unsigned char* const riadok = W_riadok_obrazu(y);
  if (!riadok) return;
  const unsigned char* const zdroj = static_cast<const unsigned char*>(pixely);
  const int prvy = pan_sir < W_pan_sir - W_pan_vlavo ? pan_sir : W_pan_sir - W_pan_vlavo;
  std::memcpy(riadok + (size_t)W_pan_vlavo * W_bajty, zdroj, (size_t)prvy * W_bajty);
  std::memcpy(riadok, zdroj + (size_t)prvy * W_bajty, (size_t)(pan_sir - prvy) * W_bajty);
}

void* W_miesto_riadku(int y) {
  unsigned char* const riadok = W_riadok_obrazu(y);
  return riadok && W_pan_vlavo + pan_sir <= W_pan_sir ? riadok + (size_t)W_pan_vlavo * W_bajty : nullptr;
}

// Under a picture that reaches the nadir the row one past the sphere (looking straight down)
// repeats the last row; every other row around the picture is black from W_priprav.
void W_dokonci(bool urovne) {
  const int spodok = W_pan_hore + pan_vys;
  const size_t bajty = (size_t)W_sir * W_bajty;
  if (pan_vys > 0 && spodok == W_pan_vys && spodok <= W_riadok_max)
    std::memcpy(W + (size_t)spodok * bajty, W + (size_t)(spodok - 1) * bajty, bajty);
  if (W_bajty != 0 && urovne) Filter_priprav(W, (long)bajty, W_bajty, W_sir, W_vys);
}

void Vyprazdni_W() {
  W_uvolni();
  pan_sir = pan_vys = 0;
  W_gpano_plati = false;
  reset_opt_T();
}
