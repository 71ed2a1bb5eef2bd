// Resampling a picture on load, its rows taken top to bottom as they are decoded. Shrinking
// averages every source pixel a target pixel covers (thumbnails stay smooth instead of
// aliasing); growing interpolates bilinearly. Only the few rows a target row needs are kept.
#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "platform/image_load.h"

namespace {
// For each target position: the first source position and the 16.16 weights (summing to 1).
struct TTaps {
  std::vector<int> first;
  std::vector<int> start;  // into weight; start[o + 1] ends position o
  std::vector<uint32_t> weight;
  int Count(int o) const { return start[o + 1] - start[o]; }
  int Last(int o) const { return first[o] + Count(o) - 1; }
};

// 16.16 weights that sum to exactly one at any ratio: each cut down, the units so lost handed back
// one apiece from the first tap on. Rounded, a thousand weights of 1/1000 would be 66/65536 each,
// past one; this way they are 66 and 65, and a run of whole pixels keeps at most two weights.
void AddTaps(const std::vector<double>& w, TTaps* t) {
  const size_t first = t->weight.size();
  uint32_t sum = 0;
  for (const double x : w) {
    t->weight.push_back((uint32_t)(x * 65536.0));
    sum += t->weight.back();
  }
  for (size_t k = first; sum < 65536 && k < t->weight.size(); k++, sum++) t->weight[k]++;
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

inline uint32_t Channel(uint32_t a) { return (a + 32768) >> 16; }
inline uint32_t Pack(const uint32_t* acc) { return (Channel(acc[0]) << 16) | (Channel(acc[1]) << 8) | Channel(acc[2]); }

// A shrinking target pixel weighs every whole source pixel it covers alike: its taps fall into
// runs of one weight, whose channels are summed first and multiplied once (the same integers).
struct TRuns {
  std::vector<int> count;
  std::vector<uint32_t> weight;
  std::vector<int> start;  // into count / weight, per target position; start[o + 1] ends o
};

TRuns MakeRuns(const TTaps& t, int dst) {
  TRuns r;
  r.start.push_back(0);
  for (int o = 0; o < dst; o++) {
    for (int k = t.start[o]; k < t.start[o + 1]; k++) {
      if (k > t.start[o] && t.weight[k] == r.weight.back()) {
        r.count.back()++;
      } else {
        r.count.push_back(1);
        r.weight.push_back(t.weight[k]);
      }
    }
    r.start.push_back((int)r.count.size());
  }
  return r;
}

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__, "a bitmap word is read as blue, green, red bytes");

inline uint32_t Word(const uint8_t* p) {
  uint32_t v;
  std::memcpy(&v, p, 4);
  return v;
}

// Channel sums of n pixels; red and blue share one word for up to 257 pixels at a time.
template <int kStep>
void SumRun(const uint8_t* p, int n, uint32_t* sum) {
  while (n > 0) {
    const int m = std::min(n, 257);
    uint32_t rb = 0, g = 0;
    for (int i = 0; i < m; i++, p += kStep) {
      const uint32_t v = Word(p);
      rb += v & 0xFF00FF;
      g += v & 0xFF00;
    }
    sum[0] += rb >> 16;
    sum[1] += g >> 8;
    sum[2] += rb & 0xFFFF;
    n -= m;
  }
}

template <int kStep>
void Across(const uint8_t* row, const TTaps& tx, const TRuns& runs, int w, uint32_t* out) {
  for (int o = 0; o < w; o++) {
    uint32_t acc[3] = {0, 0, 0};
    const uint8_t* p = row + (size_t)tx.first[o] * kStep;
    for (int r = runs.start[o]; r < runs.start[o + 1]; r++) {
      uint32_t sum[3] = {0, 0, 0};
      SumRun<kStep>(p, runs.count[r], sum);
      for (int c = 0; c < 3; c++) acc[c] += sum[c] * runs.weight[r];
      p += (size_t)runs.count[r] * kStep;
    }
    out[o] = Pack(acc);
  }
}

// Target row o from the ring of rows already scaled across (source row r sits at r % ring).
void Down(const uint32_t* ring, int rows, const TTaps& ty, int o, int w, uint32_t* acc, uint32_t* line) {
  std::fill(acc, acc + (size_t)w * 3, 0u);
  for (int k = ty.start[o]; k < ty.start[o + 1]; k++) {
    const uint32_t* row = ring + (size_t)((ty.first[o] + k - ty.start[o]) % rows) * w;
    for (int x = 0; x < w; x++) Accumulate(row[x], ty.weight[k], acc + (size_t)x * 3);
  }
  for (int x = 0; x < w; x++) line[x] = Pack(acc + (size_t)x * 3);
}

bool Resample(int sw, int sh, const TImgRowFn& next, int w, int h, const TImgEmit& out) {
  const TTaps tx = MakeTaps(sw, w), ty = MakeTaps(sh, h);
  const TRuns runs = MakeRuns(tx, w);
  int rows = 1;
  for (int o = 0; o < h; o++) rows = std::max(rows, ty.Count(o));
  std::unique_ptr<uint32_t[]> ring(new uint32_t[(size_t)rows * w]), acc(new uint32_t[(size_t)w * 3]),
      line(new uint32_t[w]);
  int o = 0;
  for (int y = 0; y < sh; y++) {
    const TImgRow row = next(y);
    if (!row.bytes) return false;
    uint32_t* into = ring.get() + (size_t)(y % rows) * w;
    if (row.step == 3)
      Across<3>(row.bytes, tx, runs, w, into);
    else
      Across<4>(row.bytes, tx, runs, w, into);
    for (; o < h && ty.Last(o) <= y; o++) {  // every row it needs has come
      Down(ring.get(), rows, ty, o, w, acc.get(), line.get());
      if (!out(o, line.get())) return false;
    }
  }
  return o == h;
}

// The same size: rows of words handed on as they are, rows of three bytes widened to words.
bool Copy(int w, int h, const TImgRowFn& next, const TImgEmit& out) {
  std::unique_ptr<uint32_t[]> line(new uint32_t[w]);
  for (int y = 0; y < h; y++) {
    const TImgRow row = next(y);
    if (!row.bytes) return false;
    const uint32_t* words = reinterpret_cast<const uint32_t*>(row.bytes);
    if (row.step == 3) {
      for (int x = 0; x < w; x++) line[x] = Word(row.bytes + (size_t)x * 3);
      words = line.get();
    }
    if (!out(y, words)) return false;
  }
  return true;
}
}  // namespace

bool IMGL_Rows(int sw, int sh, const TImgRowFn& next, int w, int h, const TImgEmit& out) {
  if (w < 1 || h < 1 || sw < 1 || sh < 1) return false;
  try {
    return sw == w && sh == h ? Copy(w, h, next, out) : Resample(sw, sh, next, w, h, out);
  } catch (const std::bad_alloc&) {
    return false;
  }
}
