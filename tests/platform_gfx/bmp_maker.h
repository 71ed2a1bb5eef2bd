// Writes one picture as BMP files of every form the loader reads, for comparing what comes back.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

struct TPic {
  int w = 0;
  int h = 0;
  std::vector<uint32_t> px;  // 0x00RRGGBB, top row first
  uint32_t at(int x, int y) const { return px[(size_t)y * w + x]; }
};

enum TBmpForm { BMP_PLAIN, BMP_TOP_DOWN, BMP_RLE, BMP_FIELDS, BMP_CORE };

// Colours whose channels are 0 or 255 survive every depth, 5-5-5 and 5-6-5 included.
inline TPic MakePic(int w, int h, int colours) {
  static const uint32_t kColours[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x00FFFF, 0xFF00FF, 0xFFFF00};
  TPic p;
  p.w = w;
  p.h = h;
  for (int y = 0; y < h; y++)
    for (int x = 0; x < w; x++) p.px.push_back(kColours[(x / 3 + y * 2 + (x * y) % 5) % colours]);
  return p;
}

inline void Le16(std::vector<uint8_t>* b, uint32_t v) {
  b->push_back((uint8_t)v);
  b->push_back((uint8_t)(v >> 8));
}
inline void Le32(std::vector<uint8_t>* b, uint32_t v) {
  Le16(b, v & 0xFFFF);
  Le16(b, v >> 16);
}
inline void Put32(std::vector<uint8_t>* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (uint8_t)(v >> (8 * i));
}

inline std::vector<uint32_t> Palette(const TPic& p) {
  std::vector<uint32_t> pal;
  for (uint32_t c : p.px)
    if (std::find(pal.begin(), pal.end(), c) == pal.end()) pal.push_back(c);
  return pal;
}

inline int Index(const std::vector<uint32_t>& pal, uint32_t c) {
  return (int)(std::find(pal.begin(), pal.end(), c) - pal.begin());
}

// Run-length codes of one row: runs of one index, then end of line.
inline void RleRow(const std::vector<int>& idx, bool four, std::vector<uint8_t>* out) {
  size_t i = 0;
  while (i < idx.size()) {
    size_t n = 1;
    while (i + n < idx.size() && idx[i + n] == idx[i] && n < 255) n++;
    out->push_back((uint8_t)n);
    out->push_back((uint8_t)(four ? (idx[i] << 4) | idx[i] : idx[i]));
    i += n;
  }
  out->push_back(0);
  out->push_back(0);
}

inline std::vector<uint8_t> MakeBmp(const TPic& p, int bits, TBmpForm form) {
  const std::vector<uint32_t> pal = Palette(p);
  const bool core = form == BMP_CORE;
  const bool fields = form == BMP_FIELDS;
  const int comp = form == BMP_RLE ? (bits == 8 ? 1 : 2) : fields ? 3 : 0;
  const int colours = bits <= 8 ? 1 << bits : 0;
  std::vector<uint8_t> b;
  b.push_back('B');
  b.push_back('M');
  Le32(&b, 0);  // size, filled in below
  Le32(&b, 0);
  Le32(&b, 0);  // offset of the pixels, below
  if (core) {
    Le32(&b, 12);
    Le16(&b, (uint32_t)p.w);
    Le16(&b, (uint32_t)p.h);
    Le16(&b, 1);
    Le16(&b, (uint32_t)bits);
  } else {
    Le32(&b, 40);
    Le32(&b, (uint32_t)p.w);
    Le32(&b, (uint32_t)(form == BMP_TOP_DOWN ? -p.h : p.h));
    Le16(&b, 1);
    Le16(&b, (uint32_t)bits);
    Le32(&b, (uint32_t)comp);
    Le32(&b, 0);
    Le32(&b, 2835);
    Le32(&b, 2835);
    Le32(&b, (uint32_t)colours);
    Le32(&b, 0);
  }
  if (fields) {
    Le32(&b, bits == 16 ? 0xF800 : 0xFF0000);
    Le32(&b, bits == 16 ? 0x07E0 : 0x00FF00);
    Le32(&b, bits == 16 ? 0x001F : 0x0000FF);
  }
  for (int i = 0; i < colours; i++) {
    const uint32_t c = i < (int)pal.size() ? pal[i] : 0;
    b.push_back((uint8_t)c);
    b.push_back((uint8_t)(c >> 8));
    b.push_back((uint8_t)(c >> 16));
    if (!core) b.push_back(0);
  }
  Put32(&b, 10, (uint32_t)b.size());
  for (int r = 0; r < p.h; r++) {
    const int y = form == BMP_TOP_DOWN ? r : p.h - 1 - r;
    std::vector<int> idx;
    for (int x = 0; x < p.w; x++) idx.push_back(Index(pal, p.at(x, y)));
    if (form == BMP_RLE) {
      RleRow(idx, bits == 4, &b);
      continue;
    }
    std::vector<uint8_t> row;
    uint32_t acc = 0;
    int nbits = 0;
    for (int x = 0; x < p.w; x++) {
      const uint32_t c = p.at(x, y);
      const uint32_t r8 = (c >> 16) & 255, g8 = (c >> 8) & 255, b8 = c & 255;
      if (bits <= 8) {
        acc = (acc << bits) | (uint32_t)idx[x];
        nbits += bits;
        if (nbits == 8) {
          row.push_back((uint8_t)acc);
          acc = 0;
          nbits = 0;
        }
      } else if (bits == 16) {
        Le16(&row, fields ? ((r8 >> 3) << 11) | ((g8 >> 2) << 5) | (b8 >> 3)
                          : ((r8 >> 3) << 10) | ((g8 >> 3) << 5) | (b8 >> 3));
      } else {
        row.push_back((uint8_t)b8);
        row.push_back((uint8_t)g8);
        row.push_back((uint8_t)r8);
        if (bits == 32) row.push_back(0);
      }
    }
    if (nbits > 0) row.push_back((uint8_t)(acc << (8 - nbits)));
    while (row.size() % 4) row.push_back(0);
    b.insert(b.end(), row.begin(), row.end());
  }
  if (form == BMP_RLE) {
    b.push_back(0);
    b.push_back(1);
  }
  Put32(&b, 2, (uint32_t)b.size());
  return b;
}

inline std::string WriteTemp(const std::vector<uint8_t>& bytes, const char* tag) {
  const std::string path = std::string("/tmp/gfx_test_") + std::to_string((long)getpid()) + "_" + tag;
  FILE* f = std::fopen(path.c_str(), "wb");
  if (f) {
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}
