#include "engine/sieve.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <atomic>
#include <cmath>
#include <cstdint>
#include <thread>
#include <vector>

#include "display/screen.h"
#include "engine/filter.h"
#include "engine/store.h"
#include "engine/view.h"
#include "engine/workers.h"

int Sito_pocx = 20, Sito_pocy = 20;
int Sito_sir = 800 / 20, Sito_vys = 600 / 20;
int Sito_zvys_x = 0, Sito_zvys_y = 0;
pol_pas* Sito_pasB = nullptr;
int Sito_filter = SITO_NAJBLIZSI;
DDSURFACEDESC ddsd_D;

int Reset_Sito(int pocx, int pocy) {
  if (pocx < 1 || pocx > SITO_MAX || pocy < 1) return 0;
  const int sir = obraz_sir / pocx, vys = obraz_vys / pocy;
  if (sir < 2 || vys < 1) return 0;
  Sito_pocx = pocx;
  Sito_pocy = pocy;
  Sito_sir = sir;
  Sito_vys = vys;
  Sito_zvys_x = obraz_sir % pocx;
  Sito_zvys_y = obraz_vys % pocy;
  return 1;
}

int Sito_x(int i) { return i * Sito_sir + i * Sito_zvys_x / Sito_pocx; }

int Sito_y(int j) { return j * Sito_vys + j * Sito_zvys_y / Sito_pocy; }

void Napln_sito_pasB(int yy) {
  for (int i = 0; i <= Sito_pocx; ++i)
    S(1 + Sito_x(i), yy, &Sito_pasB[i].r, &Sito_pasB[i].s, &Sito_pasB[i].lam);
}

namespace {

static_assert(W_MAX_SIR <= 32767 && W_MAX_VYS + 1 <= 32767,
              "store columns and rows travel as signed 16-bit halves in the index multiply-add");

constexpr int SITO_ULOHY = 64;  // about how many tasks a frame is split into

// The step (store pixels per screen pixel) from which a cell takes the next level, and one
// more for every doubling. Bilinear holds sharp up to 1.5. Nearest keeps a level's step below
// 0.6 (a level pixel spans 1.7 to 3.3 screen pixels): a 32-bit frame then reads little enough
// to take at most 1.5 times a classic frame, however large the store. With 0.75 the view at
// 2560 wide took twice the classic frame's time (whose store shows 0.66 there).
constexpr double SITO_PRAH_BILINEAR = 1.5;
constexpr double SITO_PRAH_NAJBLIZSI = 0.6;

// Where nearest samples come from: level k (0: the store), rows `pitch` pixels apart. Level
// k's pixel (m >> k, n >> k) is the box that holds store pixel (m, n), so the store's column
// and row are found as at level 0 (wrapped by the store's turn) and then shifted.
struct TSito_zdroj {
  const void* px;
  int pitch;
  int k;
};

// One frame's constants, read by every drawing thread.
struct TSito_ram {
  int otocka;  // W_sir in 24.8: one turn of the sphere (at least one column)
  int sir;     // columns of one turn, and of a store row
  int rmax;    // the full turn of the centre-cell pass, 24.8
  int stredx;  // its cell
  int filter;  // Sito_filter, nearest while the store has no levels
  TSito_zdroj zdroj[FILTER_UROVNE_MAX];  // the store and the levels made
  int casti;   // tasks each band is split into
  pol_pas* uzly;  // every node row, Sito_pocx + 1 nodes each
  std::atomic<int> uzlov{0};  // node rows computed so far
  unsigned char* zaciatok;  // the locked buffer and its pitch in bytes
  long pitch;
  int x[SITO_MAX + 1];            // Sito_x of every node
  double krok_inv[SITO_MAX + 1];  // 1 / width of cell i = 1 … Sito_pocx, for its steps
};

// How many of the values v, v + d, v + 2d, … from v on stay in [dole, dole + sirka).
inline int Sito_krokov(int v, int d, int dole, int sirka) {
  if (d > 0) return (dole + sirka - v + d - 1) / d;
  if (d < 0) return (v - dole) / -d + 1;
  return 1 << 30;
}

// The sample of level z at store point (rr, ss), 24.8, column shifted by posun onto the
// picture: nearest, the pixel the point falls in.
template <class P>
inline P Sito_vzorka(const TSito_zdroj& z, int rr, int ss, int posun) {
  return static_cast<const P*>(z.px)[(ss >> (8 + z.k)) * z.pitch + (((rr >> 8) + posun) >> z.k)];
}

#ifdef __SSE2__
// Eight pixels at the store offsets i01 … i67 (two 32-bit offsets in each) to ciel.
// 5-6-5: gathered into one register, they leave in a single store.
inline void Sito_zber8(unsigned short* ciel, const unsigned short* w, unsigned long long i01, unsigned long long i23,
                       unsigned long long i45, unsigned long long i67) {
  __m128i px = _mm_cvtsi32_si128(w[(unsigned)i01]);
  px = _mm_insert_epi16(px, w[i01 >> 32], 1);
  px = _mm_insert_epi16(px, w[(unsigned)i23], 2);
  px = _mm_insert_epi16(px, w[i23 >> 32], 3);
  px = _mm_insert_epi16(px, w[(unsigned)i45], 4);
  px = _mm_insert_epi16(px, w[i45 >> 32], 5);
  px = _mm_insert_epi16(px, w[(unsigned)i67], 6);
  px = _mm_insert_epi16(px, w[i67 >> 32], 7);
  _mm_storeu_si128(reinterpret_cast<__m128i*>(ciel), px);
}

// X8R8G8B8: whole words already, four to a register, streamed past the cache (ciel lies on 16
// bytes): a frame's 32-bit pixels are more than the cache holds, and reading each line before
// writing it would double what the frame moves.
inline void Sito_zber8(uint32_t* ciel, const uint32_t* w, unsigned long long i01, unsigned long long i23,
                       unsigned long long i45, unsigned long long i67) {
  const __m128i a = _mm_setr_epi32((int)w[(unsigned)i01], (int)w[i01 >> 32], (int)w[(unsigned)i23], (int)w[i23 >> 32]);
  const __m128i b = _mm_setr_epi32((int)w[(unsigned)i45], (int)w[i45 >> 32], (int)w[(unsigned)i67], (int)w[i67 >> 32]);
  _mm_stream_si128(reinterpret_cast<__m128i*>(ciel), a);
  _mm_stream_si128(reinterpret_cast<__m128i*>(ciel + 4), b);
}
#endif

// n pixels of level z inside a single turn: the column needs no wrapping, only the constant
// shift `posun` that brings the turn onto the picture. The index row · pitch + column is
// formed for four pixels at once: the lanes carry the column with the shift folded in
// (rr + 256 · posun, whose upper half stays 0 inside the picture) and the row as ss · 256
// (its upper half is the row), each shifted down to the level, and one multiply-add of the
// two halves makes the index. This loop is most of a frame's time: the pixel type is a
// template argument so that neither depth tests it per pixel. 32-bit pixels up to the first
// 16-byte boundary of ciel are done one by one.
template <class P>
inline void Sito_usek(const TSito_zdroj& z, P* ciel, int n, int rr, int ss, int dr, int ds, int posun) {
  const P* const w = static_cast<const P*>(z.px);
  int k = 0;
#ifdef __SSE2__
  if (sizeof(P) == 4) {  // only the streamed 32-bit stores need the 16-byte boundary
    for (; k < n && ((uintptr_t)(ciel + k) & 15); ++k, rr += dr, ss += ds) ciel[k] = Sito_vzorka<P>(z, rr, ss, posun);
    ciel += k;
    n -= k;
    k = 0;
  }
  if (n >= 8) {
    const __m128i nasob = _mm_set1_epi32(1 | (z.pitch << 16));
    const __m128i dolne = _mm_set1_epi32(0xFFFF);
    const __m128i posun_r = _mm_cvtsi32_si128(8 + z.k), posun_s = _mm_cvtsi32_si128(z.k);
    const __m128i kr = _mm_set1_epi32(4 * dr), ks = _mm_set1_epi32(4 * ds * 256);
    const int r0 = rr + posun * 256, s0 = ss * 256;
    __m128i vr = _mm_setr_epi32(r0, r0 + dr, r0 + 2 * dr, r0 + 3 * dr);
    __m128i vs = _mm_setr_epi32(s0, s0 + ds * 256, s0 + 2 * ds * 256, s0 + 3 * ds * 256);
    for (; k + 8 <= n; k += 8) {
      __m128i index[2];
      for (int h = 0; h < 2; ++h) {
        const __m128i par = _mm_or_si128(_mm_srl_epi32(vr, posun_r), _mm_andnot_si128(dolne, _mm_srl_epi32(vs, posun_s)));
        index[h] = _mm_madd_epi16(par, nasob);
        vr = _mm_add_epi32(vr, kr);
        vs = _mm_add_epi32(vs, ks);
      }
      // Two 32-bit indices travel in one 64-bit move.
      Sito_zber8(ciel + k, w, (unsigned long long)_mm_cvtsi128_si64(index[0]),
                 (unsigned long long)_mm_cvtsi128_si64(_mm_unpackhi_epi64(index[0], index[0])),
                 (unsigned long long)_mm_cvtsi128_si64(index[1]),
                 (unsigned long long)_mm_cvtsi128_si64(_mm_unpackhi_epi64(index[1], index[1])));
    }
    rr += k * dr;
    ss += k * ds;
  }
#endif
  for (; k < n; ++k, rr += dr, ss += ds) ciel[k] = Sito_vzorka<P>(z, rr, ss, posun);
}

inline int Sito_deleniedole(int a, int b) {
  const int q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// n pixels from (rr, ss) in steps (dr, ds), the column wrapped fully into the picture.
// The run is split where it crosses a turn, so the pixel loop never tests the column.
template <class P>
void Sito_bunka(const TSito_ram& ram, const TSito_zdroj& z, P* ciel, int n, int rr, int ss, int dr, int ds) {
  const unsigned koniec = (unsigned)(rr + (n - 1) * dr);
  if ((unsigned)rr < (unsigned)ram.otocka && koniec < (unsigned)ram.otocka) {
    Sito_usek(z, ciel, n, rr, ss, dr, ds, 0);
    return;
  }
  while (n > 0) {
    const int q = Sito_deleniedole(rr, ram.otocka);
    int pocet = Sito_krokov(rr, dr, q * ram.otocka, ram.otocka);
    if (pocet > n) pocet = n;
    Sito_usek(z, ciel, pocet, rr, ss, dr, ds, -q * ram.sir);
    ciel += pocet;
    rr += pocet * dr;
    ss += pocet * ds;
    n -= pocet;
  }
}

// n / d truncated towards zero, for |n| < 2^30 and 0 < d < 2^19, through inv = 1.0 / d:
// the product errs by less than 2^-21, the bias 2^-20 lifts exact quotients safely
// above their integer and stays below the next one (1/d away).
inline int Sito_delenie(int n, double inv) {
  const int q = (int)((double)(n < 0 ? -n : n) * inv + 0x1p-20);
  return n < 0 ? -q : q;
}

// One pixel row of a band between node rows a and b: the nodes interpolated to the row,
// then every cell, filtered or nearest from its level `uroven`. `stred` is the
// centre cell to draw the short way across a pole (0: none).
template <class P>
void Sito_riadok(const TSito_ram& ram, const pol_pas* a, const pol_pas* b, P* ciel, float koef_v, int stred,
                 const int* uroven) {
  int r[SITO_MAX + 1], s[SITO_MAX + 1];
  for (int i = 0; i <= Sito_pocx; ++i) {
    r[i] = a[i].r + (int)((double)(b[i].r - a[i].r) * koef_v);
    s[i] = a[i].s + (int)((double)(b[i].s - a[i].s) * koef_v);
  }
  for (int i = 1; i <= Sito_pocx; ++i) {
    const int pr = i == stred ? r[i] - ram.rmax : r[i];
    const int n = ram.x[i] - ram.x[i - 1];
    const int dr = Sito_delenie(pr - r[i - 1], ram.krok_inv[i]), ds = Sito_delenie(s[i] - s[i - 1], ram.krok_inv[i]);
    if (ram.filter == SITO_NAJBLIZSI || ram.filter == SITO_NAJBLIZSI_UROVNE) {
      Sito_bunka(ram, ram.zdroj[uroven[i]], ciel + ram.x[i - 1], n, r[i - 1], s[i - 1], dr, ds);
    } else {
      Filter_usek(ciel + ram.x[i - 1], n, r[i - 1], s[i - 1], dr, ds, uroven[i]);
    }
  }
}

// Store pixels per screen pixel along an edge of a cell (dr, ds in 24.8 over n pixels),
// columns counted at `sirka` of their width.
double Sito_krok(double dr, double ds, int n, double sirka) {
  const double x = dr * sirka, y = ds;
  return std::sqrt(x * x + y * y) / (256.0 * (n > 1 ? n : 1));
}

// The level of every cell of the band between node rows a and b, from its steps along the
// top and bottom rows and down the left and right columns, whichever is longest. Filtered,
// columns count at their true width on the sphere: near a pole a row's columns crowd together,
// and counting them whole would blur the rows there as well. Nearest, they count whole: what
// the frame reads is the store's pixels as they lie, and near a pole finer levels would cost
// twice a small store's frame.
void Sito_urovne(const TSito_ram& ram, const pol_pas* a, const pol_pas* b, int vys, int stred, int* uroven) {
  const bool filtruje = ram.filter == SITO_UROVNE;
  for (int i = 1; i <= Sito_pocx; ++i) {
    uroven[i] = 0;
    if (!filtruje && ram.filter != SITO_NAJBLIZSI_UROVNE) continue;
    const double s = (a[i - 1].s + a[i].s + b[i - 1].s + b[i].s) / 1024.0;
    const double sirka = filtruje ? std::cos((opt_TB - s) / (opt_TC > 0 ? opt_TC : 1)) : 1.0;
    const int pa = i == stred ? a[i].r - ram.rmax : a[i].r, pb = i == stred ? b[i].r - ram.rmax : b[i].r;
    const int n = ram.x[i] - ram.x[i - 1];
    double krok = Sito_krok(pa - a[i - 1].r, a[i].s - a[i - 1].s, n, sirka);
    krok = std::fmax(krok, Sito_krok(pb - b[i - 1].r, b[i].s - b[i - 1].s, n, sirka));
    krok = std::fmax(krok, Sito_krok(b[i - 1].r - a[i - 1].r, b[i - 1].s - a[i - 1].s, vys, sirka));
    krok = std::fmax(krok, Sito_krok(b[i].r - a[i].r, b[i].s - a[i].s, vys, sirka));
    uroven[i] = Filter_uroven_kroku(krok, filtruje ? SITO_PRAH_BILINEAR : SITO_PRAH_NAJBLIZSI);
  }
}

// Part k % casti of band k / casti + 1: its share of the band's pixel rows, from the band's
// node rows, once they are computed.
template <class P>
void Sito_pas(const TSito_ram& ram, int k) {
  const int j = k / ram.casti, cast = k % ram.casti;
  while (ram.uzlov.load(std::memory_order_acquire) < j + 2) std::this_thread::yield();
  const pol_pas* const a = ram.uzly + (size_t)j * (Sito_pocx + 1);
  const pol_pas* const b = a + Sito_pocx + 1;
  // Both left nodes of the centre cell beyond the same pole: its azimuths differ by a
  // full turn, so the cell is drawn with one turn taken off its right node.
  const int c = ram.stredx;
  const bool cez_pol = c >= 1 && a[c - 1].lam != 0 && a[c - 1].lam == b[c - 1].lam;
  const int y0 = Sito_y(j), vys = Sito_y(j + 1) - y0;
  int uroven[SITO_MAX + 1];
  Sito_urovne(ram, a, b, vys, cez_pol ? c : 0, uroven);
  const int od = vys * cast / ram.casti, po = vys * (cast + 1) / ram.casti;
  unsigned char* riadok = ram.zaciatok + (size_t)(y0 + od) * ram.pitch;
  for (int riad = od + 1; riad <= po; ++riad) {
    const float koef_v = (float)(riad - 1) / vys;
    Sito_riadok(ram, a, b, reinterpret_cast<P*>(riadok), koef_v, cez_pol ? c : 0, uroven);
    riadok += ram.pitch;
  }
#ifdef __SSE2__
  _mm_sfence();  // the rows streamed past the cache are in memory before the task is done
#endif
}

HRESULT Sito_zamkni() {
  ddsd_D.dwSize = sizeof(ddsd_D);
  HRESULT hr;
  do {
    hr = lpDDSBack->Lock(nullptr, &ddsd_D, DDLOCK_SURFACEMEMORYPTR | DDLOCK_WAIT, nullptr);
  } while (hr == DDERR_WASSTILLDRAWING);
  return hr;
}

// Every node row of the frame, in order, each made known as soon as it is computed. One
// thread computes them all: S works in shared scratch values.
void Sito_uzly(TSito_ram& ram) {
  for (int j = 0; j <= Sito_pocy; ++j) {
    Sito_pasB = ram.uzly + (size_t)j * (Sito_pocx + 1);
    Napln_sito_pasB(Sito_y(j) + 1);
    ram.uzlov.store(j + 1, std::memory_order_release);
  }
}

// Task 0 computes the node rows; the others draw the parts of the bands, each waiting only
// for its own two node rows. Tasks are taken in order, so a waiting part never waits for a
// task that no thread has taken, and the other threads draw while the nodes are computed.
template <class P>
void Sito_uloha(void* data, int k) {
  TSito_ram& ram = *static_cast<TSito_ram*>(data);
  if (k == 0)
    Sito_uzly(ram);
  else
    Sito_pas<P>(ram, k - 1);
}

}  // namespace

int Sito_Vykresli() {
  if (!lpDDSBack) return 0;
  TSito_ram ram;
  ram.rmax = (int)((double)pi2 * opt_TA) * 256;
  ram.stredx = Sito_pocx / 2;
  if (Sito_zamkni() != DD_OK) return 0;
  // A grid made for a larger screen than this buffer is not drawn at all, nor a buffer of
  // another depth than a store with a picture.
  const int bajty = PLAT_BytesPerPixel(ddsd_D.ddpfPixelFormat.dwRGBBitCount);
  if ((DWORD)Sito_x(Sito_pocx) > ddsd_D.dwWidth || (DWORD)Sito_y(Sito_pocy) > ddsd_D.dwHeight ||
      (bajty != 2 && bajty != 4) || (W_bajty != 0 && W_bajty != bajty)) {
    lpDDSBack->Unlock(nullptr);
    return 0;
  }
  ram.otocka = W_sir * 256;
  ram.sir = W_sir;
  // Without levels, or from a 16-bit store (whose levels are 32-bit), nearest from the store.
  ram.filter = Filter_pocet > 0 ? Sito_filter : SITO_NAJBLIZSI;
  if (ram.filter == SITO_NAJBLIZSI_UROVNE && bajty == 2) ram.filter = SITO_NAJBLIZSI;
  ram.zdroj[0] = {W, W_sir, 0};
  for (int k = 1; k < Filter_pocet; ++k) ram.zdroj[k] = {Filter_uroven[k].px, (int)Filter_uroven[k].pitch, k};
  ram.zaciatok = static_cast<unsigned char*>(ddsd_D.lpSurface);
  ram.pitch = ddsd_D.lPitch;
  // The buffer (at most 4096 wide) bounds the cell width, as the step division needs.
  ram.x[0] = 0;
  for (int i = 1; i <= Sito_pocx; ++i) {
    ram.x[i] = Sito_x(i);
    ram.krok_inv[i] = 1.0 / (ram.x[i] - ram.x[i - 1]);
  }
  // Bands split into parts of whole rows, some SITO_ULOHY tasks in all, taken as threads come
  // free: at the end no thread waits long for another's last task.
  ram.casti = (SITO_ULOHY + Sito_pocy - 1) / Sito_pocy;
  if (ram.casti > Sito_vys) ram.casti = Sito_vys;
  static std::vector<pol_pas> uzly;
  uzly.resize((size_t)(Sito_pocx + 1) * (Sito_pocy + 1));
  ram.uzly = uzly.data();
  Vlakna_Vykonaj(bajty == 4 ? Sito_uloha<uint32_t> : Sito_uloha<unsigned short>, &ram, 1 + Sito_pocy * ram.casti);
  lpDDSBack->Unlock(nullptr);
  return 1;
}
