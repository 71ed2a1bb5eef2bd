// Which kind of picture the bytes hold, and the size ceiling every decoder is held to.
#include "platform/image_probe.h"

#include "platform/gdi.h"

namespace {
// 128 M pixels: a 16384 × 8192 picture, the largest the panorama store holds.
long long g_pixel_limit = 128LL * 1024 * 1024;
}  // namespace

long long IMGL_PixelLimit() { return g_pixel_limit; }

long long PLAT_SetImagePixelLimit(long long limit) {
  const long long old = g_pixel_limit;
  if (limit > 0) g_pixel_limit = limit;
  return old;
}

bool IMGL_SizeOk(long long w, long long h) {
  return w >= 1 && h >= 1 && w <= IMGL_MAX_SIDE && h <= IMGL_MAX_SIDE && w * h <= g_pixel_limit;
}

bool IMGL_JpegSizeOk(long long w, long long h) {
  return w >= 1 && h >= 1 && w <= IMGL_MAX_SIDE && h <= IMGL_MAX_SIDE && w * h <= g_pixel_limit * IMGL_JPEG_KRAT;
}

TImgProbe IMGL_Probe(const uint8_t* bytes, size_t have, size_t total, TImgInfo* info) {
  *info = TImgInfo();
  if (!bytes || have < 4) return IMGP_BAD;
  if (bytes[0] == 'B' && bytes[1] == 'M') return IMGL_ProbeBmp(bytes, have, total, info);
  if (bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G') return IMGL_ProbePng(bytes, have, info);
  if (bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF) return IMGL_ProbeJpeg(bytes, have, info);
  return IMGP_BAD;
}

bool IMGL_CheckWhole(const uint8_t* bytes, size_t size, const TImgInfo& info) {
  switch (info.kind) {
    case IMGK_BMP:
      return info.compression == 1 || info.compression == 2 ? IMGL_WalkRle(bytes, size, info) : true;
    case IMGK_PNG:
      return IMGL_WalkPng(bytes, size);
    case IMGK_JPEG:
      return IMGL_WalkJpeg(bytes, size);
    default:
      return false;
  }
}
