// Plain 24- and 32-bit BMP rows handed on as the loader asks for them: no decoder, no surface in
// between, and a file is read in pieces into one buffer kept from load to load.
#include <algorithm>
#include <cstring>
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
};

bool Decode(const TImgInfo& info, int w, int h, const TFetch& fetch, const TImgEmit& out, std::string* why) {
  TBmpRows rows{info, fetch, ((size_t)info.width * info.bits + 31) / 32 * 4};
  if (IMGL_Rows(info.width, info.height, [&rows](int y) { return rows.Row(y); }, w, h, out)) return true;
  *why = rows.failed ? "the pixel data could not be read" : "out of memory";
  return false;
}
}  // namespace

bool IMGL_BmpDirect(const TImgInfo& info) {
  return info.kind == IMGK_BMP && info.compression == 0 && (info.bits == 24 || info.bits == 32);
}

bool IMGL_DecodeBmpBytes(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                         std::string* why) {
  return Decode(info, w, h,
                [bytes, size](size_t off, size_t len, uint8_t* to) {
                  if (off > size || len > size - off || len > kChunkBytes) return false;
                  std::memcpy(to, bytes + off, len);
                  return true;
                },
                out, why);
}

bool IMGL_DecodeBmpFile(int fd, const TImgInfo& info, int w, int h, const TImgEmit& out, std::string* why) {
  return Decode(info, w, h,
                [fd](size_t off, size_t len, uint8_t* to) { return len <= kChunkBytes && IMGL_ReadAt(fd, off, to, len); },
                out, why);
}
