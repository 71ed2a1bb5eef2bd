// Writes one picture as BMP files of every form the loader reads, for comparing what comes back.
#pragma once
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include <unistd.h>

struct TPic {
  int w = 0, h = 0;
  std::vector<uint32_t> px;  // 0x00RRGGBB, top row first
  uint32_t at(int x, int y) const { return px[(size_t)y * w + x]; }
};

enum TBmpForm { BMP_PLAIN, BMP_TOP_DOWN, BMP_RLE, BMP_FIELDS, BMP_CORE };

// Colours whose channels are 0 or 255 survive every depth, 5-5-5 and 5-6-5 included.
inline TPic MakePic(int w, int h, int colours) {
  static const uint32_t kColours[] = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF, 0xFFFFFF, 0x00FFFF, 0xFF00FF, 0xFFFF00};
  TPic p{w, h, {}};
  for (int i = 0; i < w * h; i++) p.px.push_back(kColours[(i % w / 3 + i / w * 2 + (i % w * (i / w)) % 5) % colours]);
  return p;
}

inline void Le(std::vector<uint8_t>* b, uint32_t v, int bytes) {
  for (int i = 0; i < bytes; i++) b->push_back((uint8_t)(v >> (8 * i)));
}
inline void Put32(std::vector<uint8_t>* b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) (*b)[at + i] = (uint8_t)(v >> (8 * i));
}
inline int Index(const std::vector<uint32_t>& pal, uint32_t c) { return (int)(std::find(pal.begin(), pal.end(), c) - pal.begin()); }
inline std::vector<uint32_t> Palette(const TPic& p) {  // the colours in order of first use
  std::vector<uint32_t> pal;
  for (uint32_t c : p.px)
    if (Index(pal, c) == (int)pal.size()) pal.push_back(c);
  return pal;
}

inline std::vector<uint8_t> MakeBmp(const TPic& p, int bits, TBmpForm form) {
  const std::vector<uint32_t> pal = Palette(p);
  const bool core = form == BMP_CORE, fields = form == BMP_FIELDS, rle = form == BMP_RLE;
  const uint32_t colours = bits <= 8 ? 1u << bits : 0, planes = 1 | (uint32_t)bits << 16;
  std::vector<uint8_t> b = {'B', 'M'};
  b.resize(14);  // size and offset of the pixels, filled in below
  if (core)
    for (uint32_t v : {12u, (uint32_t)p.w | (uint32_t)p.h << 16, planes}) Le(&b, v, 4);
  else
    for (uint32_t v : {40u, (uint32_t)p.w, (uint32_t)(form == BMP_TOP_DOWN ? -p.h : p.h), planes,
                       rle ? (bits == 8 ? 1u : 2u) : fields ? 3u : 0u, 0u, 2835u, 2835u, colours, 0u})
      Le(&b, v, 4);
  if (fields)
    for (uint32_t m : bits == 16 ? std::vector<uint32_t>{0xF800, 0x07E0, 0x001F} : std::vector<uint32_t>{0xFF0000, 0xFF00, 0xFF})
      Le(&b, m, 4);
  for (uint32_t i = 0; i < colours; i++) Le(&b, i < pal.size() ? pal[i] : 0, core ? 3 : 4);
  Put32(&b, 10, (uint32_t)b.size());
  for (int r = 0; r < p.h; r++) {
    const int y = form == BMP_TOP_DOWN ? r : p.h - 1 - r;
    std::vector<uint8_t> row;
    uint32_t acc = 0;
    int nbits = 0;
    for (int x = 0; x < p.w; x++) {
      const uint32_t c = p.at(x, y), idx = (uint32_t)Index(pal, c);
      const uint32_t r8 = (c >> 16) & 255, g8 = (c >> 8) & 255, b8 = c & 255;
      if (rle) {  // runs of one index, then the end of the line
        int n = 1;
        while (x + n < p.w && p.at(x + n, y) == c && n < 255) n++;
        row.insert(row.end(), {(uint8_t)n, (uint8_t)(bits == 4 ? idx << 4 | idx : idx)});
        x += n - 1;
      } else if (bits <= 8) {
        acc = (acc << bits) | idx;
        if ((nbits += bits) == 8) row.push_back((uint8_t)acc), acc = 0, nbits = 0;
      } else if (bits == 16) {
        Le(&row, fields ? (r8 >> 3) << 11 | (g8 >> 2) << 5 | b8 >> 3 : (r8 >> 3) << 10 | (g8 >> 3) << 5 | b8 >> 3, 2);
      } else {
        Le(&row, c | 0xA5000000u, bits / 8);  // at 32 bits a top byte that is no colour
      }
    }
    if (nbits > 0) row.push_back((uint8_t)(acc << (8 - nbits)));
    if (rle) row.insert(row.end(), {0, 0});
    while (!rle && row.size() % 4) row.push_back(0);
    b.insert(b.end(), row.begin(), row.end());
  }
  if (rle) b.insert(b.end(), {0, 1});
  Put32(&b, 2, (uint32_t)b.size());
  return b;
}

inline std::string WriteTemp(const std::vector<uint8_t>& bytes, const char* tag) {
  const std::string path = std::string("/tmp/gfx_test_") + std::to_string((long)getpid()) + "_" + tag;
  if (FILE* f = std::fopen(path.c_str(), "wb")) {
    if (!bytes.empty()) std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  return path;
}
