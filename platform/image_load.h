// The picture loader's steps (platform/ only): decoding a checked picture at the size asked for,
// its rows handed on top to bottom as they are made, never the whole picture held twice.
#pragma once
#include <functional>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/image_probe.h"

// Target row y (0 … h − 1, in order) of w pixels 0x??RRGGBB (the top byte no colour: a source's
// alpha or filler may be left in it); false stops the decoding.
typedef std::function<bool(int y, const uint32_t* row)> TImgEmit;
// Where target row y may be written in place (w pixels 0x??RRGGBB), or null. A decoder that
// writes a row there still hands that address to its TImgEmit.
typedef std::function<uint32_t*(int y)> TImgPlace;

// Decodes a picture already checked by IMGL_Probe / IMGL_CheckWhole at w × h: JPEGs through
// libjpeg, plain BMPs directly, the rest through SDL. False (and *why) when refused or stopped.
bool IMGL_Decode(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                 std::string* why, const TImgPlace& place = nullptr);
// BMPs of other forms and PNGs: SDL decodes the picture whole, its rows are then taken in bands.
bool IMGL_DecodeSdl(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                    std::string* why);
// Every JPEG: at the smallest of libjpeg's scales (n/8) not below w × h, in bands of rows; a small
// picture of a big one with restart markers from only the rows it samples (IMGL_JpegRestartCut);
// rows of the picture's own size straight into the places `place` gives.
bool IMGL_DecodeJpeg(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                     std::string* why, const TImgPlace& place = nullptr);
// A baseline JPEG of one scan whose restart markers fall on MCU rows, made `h` rows high: a JPEG of
// its headers and a few MCU rows around the middle of each of h equal bands (*cut, *cut_height
// pixels high). False when the file is not such a one or h rows would not save much.
bool IMGL_JpegRestartCut(const uint8_t* bytes, size_t size, int h, std::vector<uint8_t>* cut, int* cut_height);

// A source row: pixels `step` (3 or 4) bytes apart, each blue, green, red in its first three bytes
// and readable as a word; a row of step 4 is aligned words. A bitmap's pixels are such a row.
struct TImgRow {
  const uint8_t* bytes;  // null when the row cannot be had
  int step;
};
// Gives source row y (y from 0 upwards, each asked for once).
typedef std::function<TImgRow(int y)> TImgRowFn;
// Makes the w × h rows of a sw × sh picture from its rows: as they are when the size is the same,
// else area averaging along an axis that shrinks, bilinear along one that grows. Only the few
// source rows a target row needs are kept. False when a row is missing, `out` stops, or no memory.
bool IMGL_Rows(int sw, int sh, const TImgRowFn& next, int w, int h, const TImgEmit& out);

// Plain 24- and 32-bit BMPs are decoded here without a decoder, row by row as IMGL_Rows asks.
bool IMGL_BmpDirect(const TImgInfo& info);
// From the whole file in memory, or from an open file read in pieces. False (and *why) on failure.
bool IMGL_DecodeBmpBytes(const uint8_t* bytes, size_t size, const TImgInfo& info, int w, int h, const TImgEmit& out,
                         std::string* why);
bool IMGL_DecodeBmpFile(int fd, const TImgInfo& info, int w, int h, const TImgEmit& out, std::string* why);
