// Writes an 8-bit-per-channel RGB picture as an uncompressed 24-bit BMP, exactly as given.
// Used by the generators of the program's own assets and sample panoramas, which need
// exact colours (the viewer's own writer goes through surfaces).
#pragma once
#include <cstdint>
#include <cstdio>
#include <vector>

struct TRgbPicture {
  int w = 0;
  int h = 0;
  std::vector<uint8_t> rgb;  // top-down, 3 bytes a pixel: red, green, blue

  TRgbPicture(int width, int height) : w(width), h(height), rgb((size_t)width * height * 3, 0) {}
  void Set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    if (x < 0 || y < 0 || x >= w || y >= h) return;
    uint8_t* p = &rgb[((size_t)y * w + x) * 3];
    p[0] = r;
    p[1] = g;
    p[2] = b;
  }
  const uint8_t* At(int x, int y) const { return &rgb[((size_t)y * w + x) * 3]; }
};

// Returns true when the whole file was written.
inline bool BMP24_Zapis(const TRgbPicture& pic, const char* path) {
  const int row = (pic.w * 3 + 3) & ~3;
  const uint32_t data = (uint32_t)row * pic.h;
  uint8_t head[54] = {'B', 'M'};
  auto put32 = [&](int off, uint32_t v) {
    for (int i = 0; i < 4; i++) head[off + i] = (uint8_t)(v >> (8 * i));
  };
  put32(2, 54 + data);
  put32(10, 54);
  put32(14, 40);
  put32(18, (uint32_t)pic.w);
  put32(22, (uint32_t)pic.h);
  head[26] = 1;
  head[28] = 24;
  put32(38, 2835);
  put32(42, 2835);
  FILE* f = std::fopen(path, "wb");
  if (!f) return false;
  bool ok = std::fwrite(head, 1, 54, f) == 54;
  std::vector<uint8_t> line((size_t)row, 0);
  for (int y = pic.h - 1; ok && y >= 0; y--) {
    for (int x = 0; x < pic.w; x++) {
      const uint8_t* p = pic.At(x, y);
      line[(size_t)x * 3] = p[2];
      line[(size_t)x * 3 + 1] = p[1];
      line[(size_t)x * 3 + 2] = p[0];
    }
    ok = std::fwrite(line.data(), 1, line.size(), f) == line.size();
  }
  return std::fclose(f) == 0 && ok;
}
