#include "engine/filter.h"

#ifdef __SSE2__
#include <emmintrin.h>
#endif

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <memory>
#include <new>

int Filter_pocet = 0;
TFilter_uroven Filter_uroven[FILTER_UROVNE_MAX];

namespace {

// The pixels of the levels made (level 0 is the store's), left unset until they are made, and
// their counts: the next picture of the same size writes over them without new page faults.
std::unique_ptr<uint32_t[]> Filter_pamat[FILTER_UROVNE_MAX];
size_t Filter_pamat_px[FILTER_UROVNE_MAX];

// Red and blue (and, shifted down, green and the spare byte) travel as two 8-bit lanes
// of a 32-bit word, 16 bits apart, so one multiply weighs two channels.
constexpr uint32_t LANY = 0x00FF00FF;

// R5G6B5 to X8R8G8B8, the top bits repeated below so that white stays white.
inline uint32_t Filter_rozbal(uint16_t p) {
  const uint32_t r = p >> 11, g = (p >> 5) & 63, b = p & 31;
  return ((r << 3 | r >> 2) << 16) | ((g << 2 | g >> 4) << 8) | (b << 3 | b >> 2);
}

// X8R8G8B8 to R5G6B5, each channel rounded to its nearest level (the unpacking above
// comes back exactly).
inline uint16_t Filter_zabal(uint32_t c) {
  const uint32_t r = ((c >> 16 & 255) * 249 + 1024) >> 11;
  const uint32_t g = ((c >> 8 & 255) * 253 + 512) >> 10;
  const uint32_t b = ((c & 255) * 249 + 1024) >> 11;
  return (uint16_t)(r << 11 | g << 5 | b);
}

template <class P>
inline P Filter_vystup(uint32_t c);
template <>
inline uint32_t Filter_vystup<uint32_t>(uint32_t c) {
  return c;
}
template <>
inline uint16_t Filter_vystup<uint16_t>(uint32_t c) {
  return Filter_zabal(c);
}

// The average of four pixels, rounded, per channel.
inline uint32_t Filter_priemer(uint32_t a, uint32_t b, uint32_t c, uint32_t d) {
  const uint32_t rb = (a & LANY) + (b & LANY) + (c & LANY) + (d & LANY) + 0x00020002;
  const uint32_t g = (a >> 8 & LANY) + (b >> 8 & LANY) + (c >> 8 & LANY) + (d >> 8 & LANY) + 0x00020002;
  return (rb >> 2 & LANY) | (g << 6 & ~LANY);
}

// A source pixel in X8R8G8B8.
inline uint32_t Filter_32(uint32_t p) { return p; }
inline uint32_t Filter_32(uint16_t p) { return Filter_rozbal(p); }

// Pixels c[0 … n − 1] of a row of the next level from rows a and b of 32-bit pixels, both
// pixels of each box inside the row; the number made. SSE2: two at a time, the channels
// summed at 16 bits; the rest left to the plain loop.
inline int Filter_zmensi_par(const uint32_t* a, const uint32_t* b, uint32_t* c, int n) {
  int i = 0;
#ifdef __SSE2__
  const __m128i nula = _mm_setzero_si128(), dva = _mm_set1_epi16(2);
  for (; i + 2 <= n; i += 2) {
    const __m128i ha = _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + 2 * i));
    const __m128i hb = _mm_loadu_si128(reinterpret_cast<const __m128i*>(b + 2 * i));
    const __m128i lo = _mm_add_epi16(_mm_unpacklo_epi8(ha, nula), _mm_unpacklo_epi8(hb, nula));
    const __m128i hi = _mm_add_epi16(_mm_unpackhi_epi8(ha, nula), _mm_unpackhi_epi8(hb, nula));
    __m128i sucet = _mm_add_epi16(_mm_unpacklo_epi64(lo, hi), _mm_unpackhi_epi64(lo, hi));
    sucet = _mm_srli_epi16(_mm_add_epi16(sucet, dva), 2);
    _mm_storel_epi64(reinterpret_cast<__m128i*>(c + i), _mm_packus_epi16(sucet, sucet));
  }
#else
  (void)a, (void)b, (void)c, (void)n;
#endif
  return i;
}
inline int Filter_zmensi_par(const uint16_t*, const uint16_t*, uint32_t*, int) { return 0; }

// Level k + 1 from level k: 2 × 2 boxes, the last column of an odd turn paired with the
// first across the seam, the last row of an odd count with itself.
template <class Z>
bool Filter_zmensi(int k) {
  const TFilter_uroven& z = Filter_uroven[k];
  const int sir = (z.sir + 1) / 2, vys = (z.vys + 1) / 2;
  const size_t px = (size_t)sir * vys;
  if (Filter_pamat_px[k + 1] != px) {
    Filter_pamat[k + 1].reset(new (std::nothrow) uint32_t[px]);
    if (!Filter_pamat[k + 1]) return false;
    Filter_pamat_px[k + 1] = px;
#ifdef MADV_HUGEPAGE
    // Large pages for the large levels: fewer faults as they are first written.
    const uintptr_t stranka = (uintptr_t)sysconf(_SC_PAGESIZE);
    const uintptr_t od = ((uintptr_t)Filter_pamat[k + 1].get() + stranka - 1) & ~(stranka - 1);
    const uintptr_t po = ((uintptr_t)(Filter_pamat[k + 1].get() + px)) & ~(stranka - 1);
    if (po > od) madvise(reinterpret_cast<void*>(od), po - od, MADV_HUGEPAGE);
#endif
  }
  uint32_t* const pamat = Filter_pamat[k + 1].get();
  const Z* const zdroj = static_cast<const Z*>(z.px);
  for (int j = 0; j < vys; ++j) {
    const Z* a = zdroj + (size_t)2 * j * z.pitch;
    const Z* b = 2 * j + 1 < z.vys ? a + z.pitch : a;
    uint32_t* c = pamat + (size_t)j * sir;
    for (int i = Filter_zmensi_par(a, b, c, z.sir / 2); i < sir; ++i) {
      const int m = 2 * i, m1 = m + 1 < z.sir ? m + 1 : 0;
      c[i] = Filter_priemer(Filter_32(a[m]), Filter_32(a[m1]), Filter_32(b[m]), Filter_32(b[m1]));
    }
  }
  Filter_uroven[k + 1] = {pamat, sir, sir, vys, 4};
  return true;
}

#ifndef __SSE2__
// Without SSE2: the bilinear blend of four pixels with 8-bit weights fx, fy (0 … 255 towards the second
// column and row). The four weights sum to 256, so a lane never exceeds 255 · 256.
inline uint32_t Filter_zmiesaj(uint32_t p00, uint32_t p01, uint32_t p10, uint32_t p11, uint32_t fx, uint32_t fy) {
  const uint32_t w11 = (fx * fy + 128) >> 8, w01 = fx - w11, w10 = fy - w11, w00 = 256 - fx - fy + w11;
  const uint32_t rb = (p00 & LANY) * w00 + (p01 & LANY) * w01 + (p10 & LANY) * w10 + (p11 & LANY) * w11;
  const uint32_t g =
      (p00 >> 8 & LANY) * w00 + (p01 >> 8 & LANY) * w01 + (p10 >> 8 & LANY) * w10 + (p11 >> 8 & LANY) * w11;
  return ((rb + 0x00800080) >> 8 & LANY) | ((g + 0x00800080) & ~LANY);
}

// The bilinear sample between columns m, m1 of rows a (above) and b.
template <class Z>
inline uint32_t Filter_bod(const Z* a, const Z* b, int m, int m1, uint32_t fx, uint32_t fy) {
  return Filter_zmiesaj(Filter_32(a[m]), Filter_32(a[m1]), Filter_32(b[m]), Filter_32(b[m1]), fx, fy);
}

#else
template <class Z>
uint32_t Filter_bod(const Z* a, const Z* b, int m, int m1, uint32_t fx, uint32_t fy);

// The blend of two pixels of a row (h) and the two below them (d), each pair in the low half
// of a register: the channels spread to 16 bits, blended down the column then across, each
// pass rounded; no lane exceeds 255 · 256.
inline uint32_t Filter_zmiesaj_sse(__m128i h, __m128i d, uint32_t fx, uint32_t fy) {
  const __m128i nula = _mm_setzero_si128(), pol = _mm_set1_epi16(128);
  h = _mm_unpacklo_epi8(h, nula);
  d = _mm_unpacklo_epi8(d, nula);
  __m128i v = _mm_add_epi16(_mm_mullo_epi16(h, _mm_set1_epi16((short)(256 - fy))),
                            _mm_mullo_epi16(d, _mm_set1_epi16((short)fy)));
  v = _mm_srli_epi16(_mm_add_epi16(v, pol), 8);
  v = _mm_mullo_epi16(v, _mm_unpacklo_epi64(_mm_set1_epi16((short)(256 - fx)), _mm_set1_epi16((short)fx)));
  v = _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(v, _mm_srli_si128(v, 8)), pol), 8);
  return (uint32_t)_mm_cvtsi128_si32(_mm_packus_epi16(v, v));
}

// 32-bit levels, most of a filtered frame: the two pixels of a row come in one load, unless
// the pair straddles the seam.
template <>
inline uint32_t Filter_bod<uint32_t>(const uint32_t* a, const uint32_t* b, int m, int m1, uint32_t fx, uint32_t fy) {
  if (m1 == m + 1)
    return Filter_zmiesaj_sse(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(a + m)),
                              _mm_loadl_epi64(reinterpret_cast<const __m128i*>(b + m)), fx, fy);
  return Filter_zmiesaj_sse(_mm_unpacklo_epi32(_mm_cvtsi32_si128((int)a[m]), _mm_cvtsi32_si128((int)a[m1])),
                            _mm_unpacklo_epi32(_mm_cvtsi32_si128((int)b[m]), _mm_cvtsi32_si128((int)b[m1])), fx, fy);
}

// Level 0 of a 16-bit store: the four pixels widened together, each channel's top bits
// repeated below it (r · 33 / 4 is r << 3 | r >> 2, g · 65 / 16 likewise), then the same blend.
template <>
inline uint32_t Filter_bod<uint16_t>(const uint16_t* a, const uint16_t* b, int m, int m1, uint32_t fx, uint32_t fy) {
  __m128i p = _mm_cvtsi32_si128((int)(a[m] | (uint32_t)a[m1] << 16));
  p = _mm_insert_epi16(_mm_insert_epi16(p, b[m], 2), b[m1], 3);
  const __m128i r = _mm_srli_epi16(_mm_mullo_epi16(_mm_srli_epi16(p, 11), _mm_set1_epi16(33)), 2);
  const __m128i g =
      _mm_srli_epi16(_mm_mullo_epi16(_mm_and_si128(_mm_srli_epi16(p, 5), _mm_set1_epi16(63)), _mm_set1_epi16(65)), 4);
  const __m128i m5 = _mm_and_si128(p, _mm_set1_epi16(31));
  const __m128i bg = _mm_or_si128(_mm_srli_epi16(_mm_mullo_epi16(m5, _mm_set1_epi16(33)), 2), _mm_slli_epi16(g, 8));
  const __m128i px = _mm_unpacklo_epi16(bg, r);
  return Filter_zmiesaj_sse(px, _mm_srli_si128(px, 8), fx, fy);
}
#endif

}  // namespace

namespace {
// Gives back the memory of levels od and on.
void Filter_uvolni_od(int od) {
  for (int k = od; k < FILTER_UROVNE_MAX; ++k) Filter_pamat[k].reset(), Filter_pamat_px[k] = 0;
}
}  // namespace

void Filter_uvolni() {
  Filter_pocet = 0;
  Filter_uvolni_od(0);
}

int Filter_priprav(const void* w, long pitch, int bajty, int sir, int vys) {
  Filter_pocet = 0;
  if (!w || sir < 1 || vys < 1 || (bajty != 2 && bajty != 4)) {
    Filter_uvolni();
    return 0;
  }
  Filter_uroven[0] = {w, pitch / bajty, sir, vys, bajty};
  int k = 0;
  while (k + 1 < FILTER_UROVNE_MAX && (Filter_uroven[k].sir > 1 || Filter_uroven[k].vys > 1)) {
    if (!(k == 0 && bajty == 2 ? Filter_zmensi<uint16_t>(k) : Filter_zmensi<uint32_t>(k))) {
      Filter_uvolni();
      return 0;
    }
    ++k;
  }
  Filter_uvolni_od(k + 1);
  Filter_pocet = k + 1;
  return 1;
}

int Filter_uroven_kroku(double krok, double prah) {
  int k = 0;
  for (double hranica = prah; krok >= hranica && k + 1 < Filter_pocet; hranica *= 2) ++k;
  return k;
}

namespace {

// The span is walked in the level's own pixels at 16.16, so that the odd sizes of coarse
// levels (not exactly half) keep their place: the start and the steps are scaled once, the
// column wrapped once into the turn and then by one turn at most per pixel (a step is
// reduced below a turn first). A sample sits between pixel centres, hence the half pixel.
template <class Z, class P>
void Filter_usek_z(P* ciel, int n, int r, int s, int dr, int ds, const TFilter_uroven& u) {
  const TFilter_uroven& z = Filter_uroven[0];
  const int64_t otocka = (int64_t)u.sir << 16;
  int64_t x64 = (int64_t)r * 256 * u.sir / z.sir - 32768;
  x64 %= otocka;
  int x = (int)(x64 < 0 ? x64 + otocka : x64);
  const int dx = (int)((int64_t)dr * 256 * u.sir / z.sir % otocka);
  int y = (int)((int64_t)s * 256 * u.vys / z.vys) - 32768;
  const int dy = (int)((int64_t)ds * 256 * u.vys / z.vys);
  const int ot = (int)otocka, ymax = (u.vys - 1) << 16, posledny = u.sir - 1;
  const Z* const px = static_cast<const Z*>(u.px);
  for (int i = 0; i < n; ++i) {
    const int yc = y < 0 ? 0 : (y > ymax ? ymax : y);
    const Z* a = px + (size_t)(yc >> 16) * u.pitch;
    const Z* b = yc < ymax ? a + u.pitch : a;
    const int m = x >> 16, m1 = m < posledny ? m + 1 : 0;
    ciel[i] = Filter_vystup<P>(Filter_bod(a, b, m, m1, (uint32_t)(x >> 8) & 255, (uint32_t)(yc >> 8) & 255));
    x += dx;
    if (x >= ot) {
      x -= ot;
    } else if (x < 0) {
      x += ot;
    }
    y += dy;
  }
}

}  // namespace

template <class P>
void Filter_usek(P* ciel, int n, int r, int s, int dr, int ds, int k) {
  if (Filter_pocet == 0) return;
  const TFilter_uroven& u = Filter_uroven[k];
  if (u.bajty == 2) {
    Filter_usek_z<uint16_t>(ciel, n, r, s, dr, ds, u);
  } else {
    Filter_usek_z<uint32_t>(ciel, n, r, s, dr, ds, u);
  }
}

template void Filter_usek<uint16_t>(uint16_t*, int, int, int, int, int, int);
template void Filter_usek<uint32_t>(uint32_t*, int, int, int, int, int, int);
