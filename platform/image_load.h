// The picture loader's steps (platform/ only): decoding and scaling to a bitmap.
#pragma once
#include <functional>
#include <string>

#include "platform/gdi.h"
#include "platform/image_probe.h"

// Decodes a picture already checked by IMGL_Probe / IMGL_CheckWhole; null (and *why) when refused.
TGdiBitmap* IMGL_Decode(const uint8_t* bytes, size_t size, const TImgInfo& info, std::string* why);
// A source row: pixels `step` (3 or 4) bytes apart, each blue, green, red in its first three bytes
// and readable as a word. A bitmap's 0x00RRGGBB words are such a row of step 4.
struct TImgRow {
  const uint8_t* bytes;  // null when the row cannot be had
  int step;
};
// Gives source row y (y from 0 upwards, each asked for once).
typedef std::function<TImgRow(int y)> TImgRowFn;
// Builds the w × h pixels of a sw × sh picture from its rows, resampled as IMGL_Scale does.
// False (a row missing, no memory) leaves *out unusable.
bool IMGL_Resample(int sw, int sh, const TImgRowFn& next, int w, int h, std::vector<uint32_t>* out);
// Resamples to w × h: area averaging along an axis that shrinks, bilinear along one that grows.
// False when the memory cannot be had; `bm` is then unchanged.
bool IMGL_Scale(TGdiBitmap* bm, int w, int h);

// JPEGs decoded through libjpeg rather than SDL_image: those of four channels (CMYK, YCCK),
// whose colours only libjpeg's CMYK output with Adobe's inversion brings back right.
bool IMGL_JpegByLibjpeg(const TImgInfo& info);
// Null (and *why) when libjpeg refuses the picture or its size differs from the header.
TGdiBitmap* IMGL_DecodeJpeg(const uint8_t* bytes, size_t size, const TImgInfo& info, std::string* why);

// Plain 24- and 32-bit BMPs are decoded here without a decoder, row by row as IMGL_Resample asks.
bool IMGL_BmpDirect(const TImgInfo& info);
// From the whole file in memory, or from an open file read in pieces. Null (and *why) on failure.
TGdiBitmap* IMGL_DecodeBmpBytes(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h,
                                std::string* why);
TGdiBitmap* IMGL_DecodeBmpFile(int fd, const TImgInfo& info, int w, int h, std::string* why);
