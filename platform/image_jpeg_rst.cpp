// A small picture of a big JPEG with restart markers, without decoding all of it. The data between
// two markers decodes on its own (the DC predictors start over), so when the markers fall on MCU
// rows, a smaller JPEG is made of the same headers and only the rows the small picture's rows
// sample: baseline, one scan, the frame's height cut, the markers numbered anew. Anything else is
// left to decoding the whole file.
#include <cstring>
#include <new>

#include "platform/image_load.h"

namespace {

// MCU rows taken around the middle of the band each target row covers. With two, the 100 × 25
// thumbnail of a detailed 8192 × 4096 photo differs from the one of every row by 3.5 levels on
// average (under one on a smooth sky) at a fifth of a full decoding; four take twice as long for 2.7.
const size_t kRiadkov = 2;

struct TSken {
  size_t vyska_na = 0;  // offset of the frame's height
  size_t data = 0;      // the entropy-coded data's first byte
  size_t sir = 0, vys = 0, mcu_sir = 0, mcu_vys = 0, interval = 0, zlozky = 0;
};

// SOF0/SOF1 of 8-bit samples: the size and the MCU's size (one block for a grey picture).
bool Ramec(const uint8_t* f, size_t n, TSken* s) {
  if (n < 6) return false;
  s->vys = (size_t)f[1] << 8 | f[2];
  s->sir = (size_t)f[3] << 8 | f[4];
  s->zlozky = f[5];
  if (f[0] != 8 || s->vys == 0 || s->sir == 0 || s->zlozky < 1 || s->zlozky > 4 || n != 6 + 3 * s->zlozky) return false;
  size_t hmax = 1, vmax = 1;
  for (size_t c = 0; c < s->zlozky; c++) {
    const size_t h = f[7 + 3 * c] >> 4, v = f[7 + 3 * c] & 15;
    if (h < 1 || h > 4 || v < 1 || v > 4) return false;
    hmax = h > hmax ? h : hmax;
    vmax = v > vmax ? v : vmax;
  }
  s->mcu_sir = s->zlozky == 1 ? 8 : 8 * hmax;
  s->mcu_vys = s->zlozky == 1 ? 8 : 8 * vmax;
  return true;
}

// The scan holds every component, all coefficients at once (sequential, not progressive).
bool Sken(const uint8_t* f, size_t n, const TSken& s) {
  return n >= 4 && f[0] == s.zlozky && n == 4 + 2 * s.zlozky && f[n - 3] == 0 && f[n - 2] == 63 && f[n - 1] == 0;
}

// The segments up to the scan: only those of a baseline picture, the restart interval among them.
bool Hlavicky(const uint8_t* b, size_t size, TSken* s) {
  if (size < 2 || b[0] != 0xFF || b[1] != 0xD8) return false;
  bool ramec = false;
  for (size_t p = 2;;) {
    if (p >= size || b[p] != 0xFF) return false;
    while (p < size && b[p] == 0xFF) p++;
    if (p >= size) return false;
    const unsigned m = b[p++];
    uint32_t dlzka = 0;
    if (!IMGL_Be16(b, size, p, &dlzka) || dlzka < 2 || dlzka > size - p) return false;
    const uint8_t* seg = b + p + 2;
    const size_t n = dlzka - 2;
    if (m == 0xC0 || m == 0xC1) {
      if (ramec || !Ramec(seg, n, s)) return false;
      ramec = true;
      s->vyska_na = p + 3;
    } else if (m == 0xDD) {
      if (n != 2) return false;
      s->interval = (size_t)seg[0] << 8 | seg[1];
    } else if (m == 0xDA) {
      s->data = p + dlzka;
      return ramec && s->interval > 0 && Sken(seg, n, *s);
    } else if (m != 0xC4 && m != 0xDB && m != 0xFE && (m < 0xE0 || m > 0xEF)) {
      return false;
    }
    p += dlzka;
  }
}

// Which restart intervals go into the smaller picture: the file's MCU rows in units of whole
// intervals (u rows, v intervals each), k units around the middle of each target row's band.
struct TVyber {
  size_t u = 0, v = 0, jednotiek = 0, k = 0;
  std::vector<size_t> berie;  // the units taken, in order
};

bool Vyber(const TSken& s, size_t h, TVyber* v) {
  const size_t na_riadok = (s.sir + s.mcu_sir - 1) / s.mcu_sir, riadkov = (s.vys + s.mcu_vys - 1) / s.mcu_vys;
  if (na_riadok % s.interval == 0) {
    v->u = 1;
    v->v = na_riadok / s.interval;
  } else if (s.interval % na_riadok == 0) {
    v->u = s.interval / na_riadok;
    v->v = 1;
  } else {
    return false;
  }
  v->jednotiek = (riadkov + v->u - 1) / v->u;
  v->k = kRiadkov / v->u > 0 ? kRiadkov / v->u : 1;
  // Each band at least twice what is taken of it: less would not pay, and the last unit (which may
  // hold fewer rows) is then never taken.
  if (h == 0 || v->jednotiek / h < 2 * v->k) return false;
  for (size_t t = 0; t < h; t++) {
    const size_t od = t * v->jednotiek / h, pas = (t + 1) * v->jednotiek / h - od;
    for (size_t n = 0; n < v->k; n++) v->berie.push_back(od + (pas - v->k) / 2 + n);
  }
  return true;
}

void Pridaj(std::vector<uint8_t>* out, const uint8_t* od, size_t n) { out->insert(out->end(), od, od + n); }

// The entropy-coded data walked marker by marker: the intervals taken copied, each after a restart
// marker numbered in the new order; every interval and marker must be where it belongs.
bool Intervaly(const uint8_t* b, size_t size, const TSken& s, const TVyber& v, std::vector<uint8_t>* out) {
  const size_t intervalov = v.jednotiek * v.v;
  size_t zaciatok = s.data, p = s.data, i = 0, prevzatych = 0, dalsia = 0;
  for (;;) {
    const void* ff = p < size ? std::memchr(b + p, 0xFF, size - p) : nullptr;
    if (!ff) return false;
    const size_t koniec = (size_t)(static_cast<const uint8_t*>(ff) - b);
    size_t q = koniec + 1;
    while (q < size && b[q] == 0xFF) q++;
    if (q >= size) return false;
    const unsigned m = b[q];
    p = q + 1;
    if (m == 0x00) continue;  // a stuffed 0xFF of the data
    const bool rst = m >= 0xD0 && m <= 0xD7;
    if ((!rst && m != 0xD9) || (rst && m - 0xD0 != i % 8) || i >= intervalov) return false;
    while (dalsia < v.berie.size() && v.berie[dalsia] < i / v.v) dalsia++;
    if (dalsia < v.berie.size() && v.berie[dalsia] == i / v.v) {
      if (prevzatych > 0) {
        const uint8_t znacka[2] = {0xFF, (uint8_t)(0xD0 + (prevzatych - 1) % 8)};
        Pridaj(out, znacka, 2);
      }
      Pridaj(out, b + zaciatok, koniec - zaciatok);
      prevzatych++;
    }
    i++;
    zaciatok = p;
    if (m == 0xD9) return i == intervalov;
  }
}

}  // namespace

bool IMGL_JpegRestartCut(const uint8_t* bytes, size_t size, int h, std::vector<uint8_t>* cut, int* cut_height) {
  TSken s;
  TVyber v;
  try {
    if (!Hlavicky(bytes, size, &s) || h <= 0 || !Vyber(s, (size_t)h, &v)) return false;
    const size_t vyska = v.berie.size() * v.u * s.mcu_vys;
    if (vyska > 0xFFFF) return false;
    cut->assign(bytes, bytes + s.data);
    (*cut)[s.vyska_na] = (uint8_t)(vyska >> 8);
    (*cut)[s.vyska_na + 1] = (uint8_t)vyska;
    const uint8_t eoi[2] = {0xFF, 0xD9};
    if (!Intervaly(bytes, size, s, v, cut)) return false;
    Pridaj(cut, eoi, 2);
    *cut_height = (int)vyska;
    return true;
  } catch (const std::bad_alloc&) {
    return false;
  }
}
