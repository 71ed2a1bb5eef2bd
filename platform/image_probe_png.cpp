// PNG: the size from the IHDR chunk; the chunk chain must reach IEND inside the file.
#include <cstring>

#include "platform/image_probe.h"

namespace {
const uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
}

TImgProbe IMGL_ProbePng(const uint8_t* b, size_t have, TImgInfo* info) {
  if (have < 8 + 8 + 13) return IMGP_BAD;  // the IHDR chunk always comes first
  uint32_t len = 0, w = 0, h = 0;
  if (std::memcmp(b, kSignature, 8) != 0 || !IMGL_Be32(b, have, 8, &len) || len != 13 ||
      std::memcmp(b + 12, "IHDR", 4) != 0)
    return IMGP_BAD;
  IMGL_Be32(b, have, 16, &w);
  IMGL_Be32(b, have, 20, &h);
  if (!IMGL_SizeOk(w, h)) return IMGP_BAD;
  info->kind = IMGK_PNG;
  info->width = (int)w;
  info->height = (int)h;
  info->bits = b[24];
  return IMGP_OK;
}

bool IMGL_WalkPng(const uint8_t* b, size_t size) {
  size_t p = 8;
  bool data = false;
  while (p + 12 <= size) {
    uint32_t len = 0;
    IMGL_Be32(b, size, p, &len);
    if (len > 0x7FFFFFFFu || len > size - p - 12) return false;
    if (std::memcmp(b + p + 4, "IDAT", 4) == 0) data = true;
    if (std::memcmp(b + p + 4, "IEND", 4) == 0) return data;
    p += 12 + (size_t)len;
  }
  return false;
}
