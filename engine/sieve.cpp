#include "engine/sieve.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"

int Sito_pocx = 20, Sito_pocy = 20;
int Sito_sir = 800 / 20, Sito_vys = 600 / 20;
pol_pas Sito_pasAA[SITO_MAX + 1], Sito_pasBB[SITO_MAX + 1];
pol_pas* Sito_pasA = Sito_pasAA;
pol_pas* Sito_pasB = Sito_pasBB;
pol_pas* pom_pas = nullptr;
pol_pas Sito_pasW[SITO_MAX + 1];
DDSURFACEDESC ddsd_D;

int Reset_Sito(int pocx, int pocy) {
  if (pocx < 1 || pocx > SITO_MAX || pocy < 1) return 0;
  const int sir = obraz_sir / pocx, vys = obraz_vys / pocy;
  if (sir < 2 || vys < 1) return 0;
  Sito_pocx = pocx;
  Sito_pocy = pocy;
  Sito_sir = sir;
  Sito_vys = vys;
  return 1;
}

void Napln_sito_pasB(int yy) {
  for (int i = 0; i <= Sito_pocx; ++i) S(1 + i * Sito_sir, yy, &Sito_pasB[i].r, &Sito_pasB[i].s, &Sito_pasB[i].lam);
}

namespace {

// One frame's constants of the pixel loop.
struct TSito_ram {
  int otocka;  // W_pan_sir in 24.8: one turn of the sphere (at least one column)
  int sir;     // columns of one turn
  double krok_inv;  // 1 / (Sito_sir - 1), for the steps inside a cell
};

// How many of the values v, v + d, v + 2d, … from v on stay in [dole, dole + sirka).
inline int Sito_krokov(int v, int d, int dole, int sirka) {
  if (d > 0) return (dole + sirka - v + d - 1) / d;
  if (d < 0) return (v - dole) / -d + 1;
  return 1 << 30;
}

// n pixels inside a single turn: the column needs no wrapping, only the constant
// shift `posun` that brings the turn onto the picture. The store index row · W_SIR +
// column is formed for four pixels at once: the lanes carry the column with the shift
// folded in (rr + 256 · posun, whose upper half stays 0 inside the picture) and the row
// as ss · 256 (its upper half is the row), and one multiply-add of the two halves makes
// the index.
inline void Sito_usek(unsigned short* ciel, int n, int rr, int ss, int dr, int ds, int posun) {
  const unsigned short* const w = &W[0][0];
  int k = 0;
#ifdef __SSE2__
  if (n >= 8) {
    const __m128i nasob = _mm_set1_epi32(1 | (W_SIR << 16));
    const __m128i dolne = _mm_set1_epi32(0xFFFF);
    const __m128i kr = _mm_set1_epi32(4 * dr), ks = _mm_set1_epi32(4 * ds * 256);
    const int r0 = rr + posun * 256, s0 = ss * 256;
    __m128i vr = _mm_setr_epi32(r0, r0 + dr, r0 + 2 * dr, r0 + 3 * dr);
    __m128i vs = _mm_setr_epi32(s0, s0 + ds * 256, s0 + 2 * ds * 256, s0 + 3 * ds * 256);
    for (; k + 8 <= n; k += 8) {
      __m128i index[2];
      for (int h = 0; h < 2; ++h) {
        const __m128i par = _mm_or_si128(_mm_srli_epi32(vr, 8), _mm_andnot_si128(dolne, vs));
        index[h] = _mm_madd_epi16(par, nasob);
        vr = _mm_add_epi32(vr, kr);
        vs = _mm_add_epi32(vs, ks);
      }
      // Indices are below 2^23: two of them travel in one 64-bit move. The eight
      // pixels are gathered into one register and leave in a single store.
      const unsigned long long i01 = (unsigned long long)_mm_cvtsi128_si64(index[0]);
      const unsigned long long i23 = (unsigned long long)_mm_cvtsi128_si64(_mm_unpackhi_epi64(index[0], index[0]));
      const unsigned long long i45 = (unsigned long long)_mm_cvtsi128_si64(index[1]);
      const unsigned long long i67 = (unsigned long long)_mm_cvtsi128_si64(_mm_unpackhi_epi64(index[1], index[1]));
      __m128i px = _mm_cvtsi32_si128(w[(unsigned)i01]);
      px = _mm_insert_epi16(px, w[i01 >> 32], 1);
      px = _mm_insert_epi16(px, w[(unsigned)i23], 2);
      px = _mm_insert_epi16(px, w[i23 >> 32], 3);
      px = _mm_insert_epi16(px, w[(unsigned)i45], 4);
      px = _mm_insert_epi16(px, w[i45 >> 32], 5);
      px = _mm_insert_epi16(px, w[(unsigned)i67], 6);
      px = _mm_insert_epi16(px, w[i67 >> 32], 7);
      _mm_storeu_si128(reinterpret_cast<__m128i*>(ciel + k), px);
    }
    rr += k * dr;
    ss += k * ds;
  }
#endif
  for (; k < n; ++k, rr += dr, ss += ds) ciel[k] = w[(ss >> 8) * W_SIR + (rr >> 8) + posun];
}

inline int Sito_deleniedole(int a, int b) {
  const int q = a / b;
  return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

// n pixels from (rr, ss) in steps (dr, ds), the column wrapped fully into the picture.
// The run is split where it crosses a turn, so the pixel loop never tests the column.
void Sito_bunka(const TSito_ram& ram, unsigned short* ciel, int n, int rr, int ss, int dr, int ds) {
  const unsigned koniec = (unsigned)(rr + (n - 1) * dr);
  if ((unsigned)rr < (unsigned)ram.otocka && koniec < (unsigned)ram.otocka) {
    Sito_usek(ciel, n, rr, ss, dr, ds, 0);
    return;
  }
  while (n > 0) {
    const int q = Sito_deleniedole(rr, ram.otocka);
    int pocet = Sito_krokov(rr, dr, q * ram.otocka, ram.otocka);
    if (pocet > n) pocet = n;
    Sito_usek(ciel, pocet, rr, ss, dr, ds, -q * ram.sir);
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

// One pixel row of a band: the nodes interpolated to the row, then every cell.
// `stred` is the centre cell to draw the short way across a pole (0: none).
void Sito_riadok(const TSito_ram& ram, unsigned short* ciel, float koef_v, int stred, int rmax) {
  for (int i = 0; i <= Sito_pocx; ++i) {
    const pol_pas& a = Sito_pasA[i];
    const pol_pas& b = Sito_pasB[i];
    Sito_pasW[i].r = a.r + (int)((double)(b.r - a.r) * koef_v);
    Sito_pasW[i].s = a.s + (int)((double)(b.s - a.s) * koef_v);
  }
  for (int i = 1; i <= Sito_pocx; ++i) {
    const pol_pas& l = Sito_pasW[i - 1];
    const int pr = i == stred ? Sito_pasW[i].r - rmax : Sito_pasW[i].r;
    Sito_bunka(ram, ciel + (i - 1) * Sito_sir, Sito_sir, l.r, l.s, Sito_delenie(pr - l.r, ram.krok_inv),
               Sito_delenie(Sito_pasW[i].s - l.s, ram.krok_inv));
  }
}

HRESULT Sito_zamkni() {
  ddsd_D.dwSize = sizeof(ddsd_D);
  HRESULT hr;
  do {
    hr = lpDDSBack->Lock(nullptr, &ddsd_D, DDLOCK_SURFACEMEMORYPTR | DDLOCK_WAIT, nullptr);
  } while (hr == DDERR_WASSTILLDRAWING);
  return hr;
}

}  // namespace

int Sito_Vykresli() {
  if (!lpDDSBack) return 0;
  const int rmax = (int)((double)pi2 * opt_TA) * 256;
  const int stredx = Sito_pocx / 2;
  Sito_pasA = Sito_pasAA;
  Sito_pasB = Sito_pasBB;
  Napln_sito_pasB(1);
  if (Sito_zamkni() != DD_OK) return 0;
  // A grid made for a larger screen than this buffer is not drawn at all.
  if ((DWORD)(Sito_pocx * Sito_sir) > ddsd_D.dwWidth || (DWORD)(Sito_pocy * Sito_vys) > ddsd_D.dwHeight) {
    lpDDSBack->Unlock(nullptr);
    return 0;
  }
  // The buffer (at most 4096 wide) bounds the cell width, as the step division needs.
  const TSito_ram ram = {W_pan_sir > 0 ? W_pan_sir * 256 : 256, W_pan_sir > 0 ? W_pan_sir : 1, 1.0 / (Sito_sir - 1)};
  unsigned char* const zaciatok = static_cast<unsigned char*>(ddsd_D.lpSurface);
  for (int j = 1; j <= Sito_pocy; ++j) {
    pom_pas = Sito_pasA;
    Sito_pasA = Sito_pasB;
    Sito_pasB = pom_pas;
    Napln_sito_pasB(j * Sito_vys + 1);
    // Both left nodes of the centre cell beyond the same pole: its azimuths differ by a
    // full turn, so the cell is drawn with one turn taken off its right node.
    const bool cez_pol =
        stredx >= 1 && Sito_pasA[stredx - 1].lam != 0 && Sito_pasA[stredx - 1].lam == Sito_pasB[stredx - 1].lam;
    unsigned char* riadok = zaciatok + (size_t)(j - 1) * Sito_vys * ddsd_D.lPitch;
    for (int riad = 1; riad <= Sito_vys; ++riad) {
      const float koef_v = (float)(riad - 1) / Sito_vys;
      Sito_riadok(ram, reinterpret_cast<unsigned short*>(riadok), koef_v, cez_pol ? stredx : 0, rmax);
      riadok += ddsd_D.lPitch;
    }
  }
  lpDDSBack->Unlock(nullptr);
  return 1;
}
