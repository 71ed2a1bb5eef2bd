// Reading picture headers ourselves, before any decoder allocates what a header claims (platform/ only).
#pragma once
#include <cstddef>
#include <cstdint>

enum TImgKind { IMGK_NONE, IMGK_BMP, IMGK_PNG, IMGK_JPEG };
enum TImgProbe { IMGP_BAD, IMGP_OK, IMGP_MORE };  // MORE: the header lies beyond the bytes given

#define IMGL_MAX_SIDE 30000

struct TImgInfo {
  TImgKind kind = IMGK_NONE;
  int width = 0;
  int height = 0;  // always positive; top_down tells the row order of a BMP
  int bits = 0;
  bool top_down = false;
  int compression = 0;  // BMP: 0 plain, 1 RLE8, 2 RLE4, 3 bit fields
  size_t data_offset = 0;  // BMP: where the pixel data starts
  size_t table_offset = 0;  // BMP: where the colour table starts
  int colours = 0;          // BMP: entries in the colour table (0 above 8 bits)
  int components = 0;       // JPEG: colour channels of the frame (4: CMYK or YCCK)
};

// The ceiling on width × height of any picture we decode (tests and the fuzzer lower it).
long long IMGL_PixelLimit();

// Looks at the first `have` bytes of a picture whose whole length is `total`: kind, size, and
// for a BMP whether the file is long enough for what the header claims.
TImgProbe IMGL_Probe(const uint8_t* bytes, size_t have, size_t total, TImgInfo* info);
// With the whole picture at hand: walks its structure (RLE codes, PNG chunks, JPEG segments up to
// the end marker) so that corrupt or truncated pictures are refused before decoding.
bool IMGL_CheckWhole(const uint8_t* bytes, size_t size, const TImgInfo& info);

// Per format (image_probe_*.cpp).
TImgProbe IMGL_ProbeBmp(const uint8_t* b, size_t have, size_t total, TImgInfo* info);
TImgProbe IMGL_ProbePng(const uint8_t* b, size_t have, TImgInfo* info);
TImgProbe IMGL_ProbeJpeg(const uint8_t* b, size_t have, TImgInfo* info);
// Bytes between a BMP's information header and its pixels: bit-field masks and colour table.
unsigned long long IMGL_BmpTableBytes(uint32_t hsize, uint32_t bits, uint32_t comp, uint32_t clr_used);
bool IMGL_WalkRle(const uint8_t* b, size_t size, const TImgInfo& info);
bool IMGL_WalkPng(const uint8_t* b, size_t size);
bool IMGL_WalkJpeg(const uint8_t* b, size_t size);
// Both sides within 1 … IMGL_MAX_SIDE and the area under the ceiling.
bool IMGL_SizeOk(long long w, long long h);
// A JPEG is decoded scaled down by libjpeg without its full size ever held, so it may have up to
// IMGL_JPEG_KRAT times the ceiling's pixels.
#define IMGL_JPEG_KRAT 4
bool IMGL_JpegSizeOk(long long w, long long h);

// Byte readers that never look past `have`.
inline bool IMGL_Le16(const uint8_t* b, size_t have, size_t off, uint32_t* v) {
  if (off > have || have - off < 2) return false;
  *v = (uint32_t)b[off] | ((uint32_t)b[off + 1] << 8);
  return true;
}
inline bool IMGL_Le32(const uint8_t* b, size_t have, size_t off, uint32_t* v) {
  if (off > have || have - off < 4) return false;
  *v = (uint32_t)b[off] | ((uint32_t)b[off + 1] << 8) | ((uint32_t)b[off + 2] << 16) | ((uint32_t)b[off + 3] << 24);
  return true;
}
inline bool IMGL_Be16(const uint8_t* b, size_t have, size_t off, uint32_t* v) {
  if (off > have || have - off < 2) return false;
  *v = ((uint32_t)b[off] << 8) | (uint32_t)b[off + 1];
  return true;
}
inline bool IMGL_Be32(const uint8_t* b, size_t have, size_t off, uint32_t* v) {
  if (off > have || have - off < 4) return false;
  *v = ((uint32_t)b[off] << 24) | ((uint32_t)b[off + 1] << 16) | ((uint32_t)b[off + 2] << 8) | (uint32_t)b[off + 3];
  return true;
}
