// JPEG: the size from the start-of-frame segment; the segments and scans must reach the end marker.
#include "platform/image_probe.h"

namespace {
bool Standalone(unsigned m) { return m == 0x01 || (m >= 0xD0 && m <= 0xD8); }
bool FrameStart(unsigned m) { return m >= 0xC0 && m <= 0xCF && m != 0xC4 && m != 0xC8 && m != 0xCC; }

// The marker at *p (after any fill bytes); false when there is none.
bool NextMarker(const uint8_t* b, size_t size, size_t* p, unsigned* m) {
  if (*p >= size || b[*p] != 0xFF) return false;
  while (*p < size && b[*p] == 0xFF) ++*p;
  if (*p >= size) return false;
  *m = b[(*p)++];
  return true;
}

// Skips entropy-coded data up to the next marker that is not a restart or a stuffed byte.
bool SkipScan(const uint8_t* b, size_t size, size_t* p) {
  while (*p + 1 < size) {
    if (b[*p] != 0xFF) {
      ++*p;
      continue;
    }
    const unsigned next = b[*p + 1];
    if (next == 0x00 || (next >= 0xD0 && next <= 0xD7)) {
      *p += 2;
    } else if (next == 0xFF) {
      ++*p;
    } else {
      return true;
    }
  }
  return false;
}
}  // namespace

TImgProbe IMGL_ProbeJpeg(const uint8_t* b, size_t have, TImgInfo* info) {
  size_t p = 2;
  for (;;) {
    unsigned m = 0;
    if (p >= have) return IMGP_MORE;
    if (b[p] != 0xFF) return IMGP_BAD;
    if (!NextMarker(b, have, &p, &m)) return IMGP_MORE;
    if (Standalone(m)) continue;
    if (m == 0xD9 || m == 0xDA) return IMGP_BAD;  // no frame before the image data
    uint32_t len = 0, h = 0, w = 0;
    if (!IMGL_Be16(b, have, p, &len)) return IMGP_MORE;
    if (len < 2) return IMGP_BAD;
    if (FrameStart(m)) {
      if (len < 8) return IMGP_BAD;
      if (!IMGL_Be16(b, have, p + 3, &h) || !IMGL_Be16(b, have, p + 5, &w)) return IMGP_MORE;
      if (!IMGL_JpegSizeOk(w, h)) return IMGP_BAD;
      if (p + 7 >= have) return IMGP_MORE;
      info->components = b[p + 7];
      info->kind = IMGK_JPEG;
      info->width = (int)w;
      info->height = (int)h;
      info->bits = 24;
      return IMGP_OK;
    }
    p += len;
  }
}

bool IMGL_WalkJpeg(const uint8_t* b, size_t size) {
  size_t p = 2;
  bool scanned = false;
  unsigned m = 0;
  while (NextMarker(b, size, &p, &m)) {
    if (m == 0xD9) return scanned;
    if (Standalone(m)) continue;
    uint32_t len = 0;
    if (!IMGL_Be16(b, size, p, &len) || len < 2 || len > size - p) return false;
    p += len;
    if (m == 0xDA) {
      scanned = true;
      if (!SkipScan(b, size, &p)) return false;
    }
  }
  return false;
}
