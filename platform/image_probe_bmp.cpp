// BMP headers and RLE streams, checked against the file's real length.
#include "platform/image_probe.h"

namespace {
bool DepthOk(uint32_t bits, uint32_t comp) {
  switch (comp) {
    case 0:
      return bits == 1 || bits == 4 || bits == 8 || bits == 16 || bits == 24 || bits == 32;
    case 1:
      return bits == 8;
    case 2:
      return bits == 4;
    case 3:
      return bits == 16 || bits == 32;
    default:
      return false;
  }
}

bool InfoHeaderSize(uint32_t size) {
  return size == 40 || size == 52 || size == 56 || size == 108 || size == 124;
}

unsigned long long Colours(uint32_t bits, uint32_t clr_used) {
  const unsigned long long most = bits <= 8 ? 1ull << bits : 0;
  return clr_used && clr_used < most ? clr_used : most;
}
}  // namespace

unsigned long long IMGL_BmpTableBytes(uint32_t hsize, uint32_t bits, uint32_t comp, uint32_t clr_used) {
  const unsigned long long masks = comp == 3 && hsize == 40 ? 12 : 0;
  return masks + Colours(bits, clr_used) * (hsize == 12 ? 3 : 4);
}

TImgProbe IMGL_ProbeBmp(const uint8_t* b, size_t have, size_t total, TImgInfo* info) {
  const TImgProbe short_read = have < total ? IMGP_MORE : IMGP_BAD;
  uint32_t off_bits = 0, hsize = 0;
  if (!IMGL_Le32(b, have, 10, &off_bits) || !IMGL_Le32(b, have, 14, &hsize)) return short_read;
  uint32_t w = 0, hraw = 0, bits = 0, comp = 0, clr_used = 0;
  long long h = 0;
  if (hsize == 12) {  // the old OS/2 header: 16-bit sizes, 3-byte colour entries
    if (!IMGL_Le16(b, have, 18, &w) || !IMGL_Le16(b, have, 20, &hraw) || !IMGL_Le16(b, have, 24, &bits))
      return short_read;
    h = hraw;
  } else if (InfoHeaderSize(hsize)) {
    if (!IMGL_Le32(b, have, 18, &w) || !IMGL_Le32(b, have, 22, &hraw) || !IMGL_Le16(b, have, 28, &bits) ||
        !IMGL_Le32(b, have, 30, &comp) || !IMGL_Le32(b, have, 46, &clr_used))
      return short_read;
    h = (int32_t)hraw;
  } else {
    return IMGP_BAD;
  }
  const bool top_down = h < 0;
  if (top_down) h = -h;
  if (!DepthOk(bits, comp) || (top_down && (comp == 1 || comp == 2))) return IMGP_BAD;
  if (!IMGL_SizeOk((int32_t)w, h)) return IMGP_BAD;
  const unsigned long long header_end = 14ull + hsize + IMGL_BmpTableBytes(hsize, bits, comp, clr_used);
  if (header_end > total || off_bits < 14ull + hsize || off_bits > total) return IMGP_BAD;
  if (comp == 0 || comp == 3) {
    const unsigned long long row = ((unsigned long long)w * bits + 31) / 32 * 4;
    if (off_bits + row * (unsigned long long)h > total) return IMGP_BAD;  // truncated pixel data
  } else if (off_bits >= total) {
    return IMGP_BAD;
  }
  info->kind = IMGK_BMP;
  info->width = (int)w;
  info->height = (int)h;
  info->bits = (int)bits;
  info->top_down = top_down;
  info->compression = (int)comp;
  info->data_offset = off_bits;
  info->table_offset = 14 + hsize;
  info->colours = (int)Colours(bits, clr_used);
  return IMGP_OK;
}

// Every run, copy and jump must stay inside the picture and inside the data, and the stream
// must end with its end-of-picture code.
bool IMGL_WalkRle(const uint8_t* b, size_t size, const TImgInfo& info) {
  const bool four = info.compression == 2;
  const long long w = info.width, h = info.height;
  long long x = 0, y = 0;
  size_t p = info.data_offset;
  while (p + 2 <= size) {
    const unsigned count = b[p], code = b[p + 1];
    p += 2;
    if (count > 0) {  // a run of one value (two alternating values in RLE4)
      if (y >= h || x + count > w) return false;
      x += count;
      continue;
    }
    if (code == 0) {  // end of line
      x = 0;
      if (++y > h) return false;
    } else if (code == 1) {  // end of picture
      return true;
    } else if (code == 2) {  // jump right and up
      if (p + 2 > size) return false;
      x += b[p];
      y += b[p + 1];
      p += 2;
      if (x > w || y > h) return false;
    } else {  // `code` literal pixels, padded to a 16-bit boundary
      if (y >= h || x + code > w) return false;
      const size_t bytes = four ? (code + 1) / 2 : code;
      const size_t padded = (bytes + 1) & ~(size_t)1;
      if (padded > size - p) return false;
      p += padded;
      x += code;
    }
  }
  return false;
}
