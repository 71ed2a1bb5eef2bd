// Plain 24- and 32-bit BMP rows turned straight into bitmap pixels: no decoder, no surface in
// between, and a file is read in pieces into one buffer kept from load to load.
#include <algorithm>
#include <cstring>
#include <iterator>
#include <new>
#include <memory>

#include "platform/image_load.h"
#include "platform/image_source.h"

namespace {
const size_t kChunkBytes = 1 << 20;  // a widest row (IMGL_MAX_SIDE × 4 bytes) fits many times

// Puts the pixel bytes [off, off + len) into `to`; false when they cannot be had.
typedef std::function<bool(size_t off, size_t len, uint8_t* to)> TFetch;

// The viewer loads one picture at a time, so one buffer of rows serves every load; the slack
// after it lets a row's last pixel be read as a word.
uint8_t* ChunkBuffer() {
  static std::unique_ptr<uint8_t[]> buf(new uint8_t[kChunkBytes + 4]());
  return buf.get();
}
// A row of the file's pixels, blue, green, red and (with 32 bits) a byte that is no colour, each
// given as 0x00RRGGBB and read as one word: a bitmap is filled from it straight.
template <int kStep>
struct TBgr {
  typedef std::forward_iterator_tag iterator_category;
  typedef uint32_t value_type;
  typedef std::ptrdiff_t difference_type;
  typedef const uint32_t* pointer;
  typedef uint32_t reference;
  const uint8_t* p;
  uint32_t operator*() const {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v & 0xFFFFFF;
  }
  TBgr& operator++() {
    p += kStep;
    return *this;
  }
  TBgr operator++(int) {
    const TBgr was = *this;
    p += kStep;
    return was;
  }
  bool operator==(const TBgr& o) const { return p == o.p; }
  bool operator!=(const TBgr& o) const { return p != o.p; }
};

template <int kStep>
void Append(const uint8_t* row, int w, std::vector<uint32_t>* px) {
  px->insert(px->end(), TBgr<kStep>{row}, TBgr<kStep>{row + (size_t)w * kStep});
}

// Rows top to bottom, fetched a run of whole rows at a time. A bottom-up file's runs are taken
// from its end backwards, each run still one contiguous piece.
struct TBmpRows {
  const TImgInfo& info;
  const TFetch& fetch;
  size_t stride;
  int first = 0;  // picture rows first … first + count − 1 are in `chunk`
  int count = 0;
  bool failed = false;

  const uint8_t* Bytes(int y) {
    if (y < first || y >= first + count) {
      first = y;
      count = std::min((int)std::max<size_t>(1, kChunkBytes / stride), info.height - y);
      const int file_row = info.top_down ? y : info.height - y - count;
      if (!fetch(info.data_offset + (size_t)file_row * stride, (size_t)count * stride, ChunkBuffer())) {
        count = 0;
        failed = true;
        return nullptr;
      }
    }
    return ChunkBuffer() + (size_t)(info.top_down ? y - first : first + count - 1 - y) * stride;
  }

  TImgRow Row(int y) { return TImgRow{Bytes(y), info.bits / 8}; }

  bool Whole(std::vector<uint32_t>* px) {
    px->reserve((size_t)info.width * info.height);  // filled once, row by row: never zeroed first
    for (int y = 0; y < info.height; y++) {
      const uint8_t* b = Bytes(y);
      if (!b) return false;
      if (info.bits == 24)
        Append<3>(b, info.width, px);
      else
        Append<4>(b, info.width, px);
    }
    return true;
  }
};

TGdiBitmap* Decode(const TImgInfo& info, int w, int h, const TFetch& fetch, std::string* why) {
  TBmpRows rows{info, fetch, ((size_t)info.width * info.bits + 31) / 32 * 4};
  TGdiBitmap* bm = new TGdiBitmap();
  bm->bits = info.bits;
  bool ok = false;
  if (w == info.width && h == info.height) {
    try {
      ok = rows.Whole(&bm->px);
    } catch (const std::bad_alloc&) {
    }
  } else {
    ok = IMGL_Resample(info.width, info.height, [&rows](int y) { return rows.Row(y); }, w, h, &bm->px);
  }
  if (!ok) {
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
                [bytes, size](size_t off, size_t len, uint8_t* to) {
                  if (off > size || len > size - off || len > kChunkBytes) return false;
                  std::memcpy(to, bytes + off, len);
                  return true;
                },
                why);
}

TGdiBitmap* IMGL_DecodeBmpFile(int fd, const TImgInfo& info, int w, int h, std::string* why) {
  return Decode(info, w, h,
                [fd](size_t off, size_t len, uint8_t* to) { return len <= kChunkBytes && IMGL_ReadAt(fd, off, to, len); },
                why);
}
