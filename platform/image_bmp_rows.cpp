// Plain 24- and 32-bit BMP rows turned straight into bitmap pixels: no decoder, no surface in
// between, and a file is read in pieces into one buffer kept from load to load.
#include <algorithm>
#include <cstring>
#include <memory>

#include "platform/image_load.h"
#include "platform/image_source.h"

namespace {
const size_t kChunkBytes = 1 << 20;  // a widest row (IMGL_MAX_SIDE × 4 bytes) fits many times

// Where the pixel bytes [off, off + len) are to be found; null when they cannot be had.
typedef std::function<const uint8_t*(size_t off, size_t len)> TFetch;

// The viewer loads one picture at a time, so one set of buffers serves every load.
uint8_t* ChunkBuffer() {
  static std::unique_ptr<uint8_t[]> buf(new uint8_t[kChunkBytes]);
  return buf.get();
}
uint32_t* RowBuffer() {
  static std::unique_ptr<uint32_t[]> buf(new uint32_t[IMGL_MAX_SIDE]);
  return buf.get();
}

// The three bytes blue, green, red of each pixel; a pixel but the last is read as four bytes at once.
template <int kStep>
void ToPixels(const uint8_t* s, int w, uint32_t* d) {
  for (int x = 0; x + 1 < w; x++, s += kStep) {
    uint32_t p;
    std::memcpy(&p, s, 4);
    d[x] = p & 0xFFFFFF;
  }
  d[w - 1] = ((uint32_t)s[2] << 16) | ((uint32_t)s[1] << 8) | s[0];
}

// Rows top to bottom, fetched a run of whole rows at a time. A bottom-up file's runs are taken
// from its end backwards, each run still one contiguous piece.
struct TBmpRows {
  const TImgInfo& info;
  const TFetch& fetch;
  size_t stride;
  int first = 0;  // picture rows first … first + count − 1 are in `chunk`
  int count = 0;
  const uint8_t* chunk = nullptr;
  bool failed = false;

  const uint32_t* Row(int y) {
    if (y < first || y >= first + count) {
      first = y;
      count = std::min((int)std::max<size_t>(1, kChunkBytes / stride), info.height - y);
      const int file_row = info.top_down ? y : info.height - y - count;
      chunk = fetch(info.data_offset + (size_t)file_row * stride, (size_t)count * stride);
      if (!chunk) {
        count = 0;
        failed = true;
        return nullptr;
      }
    }
    const int k = info.top_down ? y - first : first + count - 1 - y;
    uint32_t* row = RowBuffer();
    if (info.bits == 24)
      ToPixels<3>(chunk + (size_t)k * stride, info.width, row);
    else
      ToPixels<4>(chunk + (size_t)k * stride, info.width, row);
    return row;
  }
};

TGdiBitmap* Decode(const TImgInfo& info, int w, int h, const TFetch& fetch, std::string* why) {
  TBmpRows rows{info, fetch, ((size_t)info.width * info.bits + 31) / 32 * 4};
  TGdiBitmap* bm = new TGdiBitmap();
  bm->bits = info.bits;
  if (!IMGL_Resample(info.width, info.height, [&rows](int y) { return rows.Row(y); }, w, h, &bm->px)) {
    *why = rows.failed ? "the pixel data could not be read" : "out of memory";
    delete bm;
    return nullptr;
  }
  bm->width = w;
  bm->height = h;
  return bm;
}
}  // namespace

bool IMGL_BmpDirect(const TImgInfo& info) {
  return info.kind == IMGK_BMP && info.compression == 0 && (info.bits == 24 || info.bits == 32);
}

TGdiBitmap* IMGL_DecodeBmpBytes(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h,
                                std::string* why) {
  return Decode(info, w, h,
                [bytes, size](size_t off, size_t len) { return off <= size && len <= size - off ? bytes + off : nullptr; },
                why);
}

TGdiBitmap* IMGL_DecodeBmpFile(int fd, const TImgInfo& info, int w, int h, std::string* why) {
  return Decode(info, w, h,
                [fd](size_t off, size_t len) -> const uint8_t* {
                  uint8_t* buf = ChunkBuffer();
                  return len <= kChunkBytes && IMGL_ReadAt(fd, off, buf, len) ? buf : nullptr;
                },
                why);
}
