// Resampling a bitmap on load. Shrinking averages every source pixel a target pixel covers
// (thumbnails stay smooth instead of aliasing); growing interpolates bilinearly.
#include <algorithm>
#include <cmath>
#include <new>

#include "platform/image_load.h"

namespace {
// For each target position: the first source position and the 16.16 weights (summing to 1).
struct TTaps {
  std::vector<int> first;
  std::vector<int> start;  // into weight; start[o + 1] ends position o
  std::vector<uint32_t> weight;
};

void AddTaps(const std::vector<double>& w, TTaps* t) {
  uint32_t sum = 0;
  for (size_t k = 0; k + 1 < w.size(); k++) {
    const uint32_t q = (uint32_t)std::lround(w[k] * 65536.0);
    t->weight.push_back(q);
    sum += q;
  }
  t->weight.push_back(sum < 65536 ? 65536 - sum : 0);
  t->start.push_back((int)t->weight.size());
}

TTaps MakeTaps(int src, int dst) {
  TTaps t;
  t.start.push_back(0);
  std::vector<double> w;
  const double scale = (double)src / dst;
  for (int o = 0; o < dst; o++) {
    w.clear();
    if (dst < src) {
      const double a = o * scale, b = (o + 1) * scale;
      const int i0 = (int)a, i1 = std::min(src, (int)std::ceil(b));
      for (int i = i0; i < i1; i++) w.push_back((std::min(b, i + 1.0) - std::max(a, (double)i)) / scale);
      t.first.push_back(i0);
    } else {
      const double pos = std::min(std::max((o + 0.5) * scale - 0.5, 0.0), src - 1.0);
      const int i0 = (int)pos;
      const double f = pos - i0;
      w.push_back(1.0 - f);
      if (i0 + 1 < src) w.push_back(f);
      t.first.push_back(i0);
    }
    AddTaps(w, &t);
  }
  return t;
}

inline void Accumulate(uint32_t p, uint32_t wt, uint32_t* acc) {
  acc[0] += ((p >> 16) & 255) * wt;
  acc[1] += ((p >> 8) & 255) * wt;
  acc[2] += (p & 255) * wt;
}

// Rounded weights may sum a hair above one; clamping keeps a channel from spilling into the next.
inline uint32_t Channel(uint32_t a) { return std::min<uint32_t>((a + 32768) >> 16, 255); }
inline uint32_t Pack(const uint32_t* acc) { return (Channel(acc[0]) << 16) | (Channel(acc[1]) << 8) | Channel(acc[2]); }
}  // namespace

bool IMGL_Scale(TGdiBitmap* bm, int w, int h) {
  if (w < 1 || h < 1) return false;
  if (w == bm->width && h == bm->height) return true;
  const int sw = bm->width, sh = bm->height;
  const TTaps tx = MakeTaps(sw, w), ty = MakeTaps(sh, h);
  std::vector<uint32_t> mid, out;
  try {
    mid.resize((size_t)w * sh);
    out.resize((size_t)w * h);
  } catch (const std::bad_alloc&) {
    return false;
  }
  for (int y = 0; y < sh; y++) {  // across: sw → w
    const uint32_t* row = bm->px.data() + (size_t)y * sw;
    for (int o = 0; o < w; o++) {
      uint32_t acc[3] = {0, 0, 0};
      for (int k = tx.start[o]; k < tx.start[o + 1]; k++) Accumulate(row[tx.first[o] + k - tx.start[o]], tx.weight[k], acc);
      mid[(size_t)y * w + o] = Pack(acc);
    }
  }
  std::vector<uint32_t> acc((size_t)w * 3);
  for (int o = 0; o < h; o++) {  // down: sh → h
    std::fill(acc.begin(), acc.end(), 0);
    for (int k = ty.start[o]; k < ty.start[o + 1]; k++) {
      const uint32_t* row = mid.data() + (size_t)(ty.first[o] + k - ty.start[o]) * w;
      for (int x = 0; x < w; x++) Accumulate(row[x], ty.weight[k], &acc[(size_t)x * 3]);
    }
    for (int x = 0; x < w; x++) out[(size_t)o * w + x] = Pack(&acc[(size_t)x * 3]);
  }
  bm->px.swap(out);
  bm->width = w;
  bm->height = h;
  return true;
}
