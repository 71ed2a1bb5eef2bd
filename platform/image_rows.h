// A picture decoded straight into the caller's memory, row by row, at the size asked for and in
// the caller's pixel format, with its progress told and a way to stop it. Nothing of the size of
// the picture is held on the way.
#pragma once
#include "platform/windef.h"

struct TImgSink {
  // Called once the picture has passed its checks, before any row: the rows that follow are
  // w × h of `bytes` each. False refuses the picture (nothing else is called).
  bool (*begin)(void* ctx, int w, int h, int bytes);
  // Row y (0 … h − 1, top to bottom, each once): w pixels of 2 bytes (R5G6B5) or 4 (X8R8G8B8,
  // the fourth byte no colour, any value).
  void (*row)(void* ctx, int y, const void* pixels);
  // Rows done of all, every few rows; false stops the decoding. May be null.
  bool (*progress)(void* ctx, int done, int total);
  void* ctx;
  // Where row y may be decoded in place (w writable pixels of 4 bytes), or null: a row decoded
  // there is not handed to `row`. May be null.
  void* (*place)(void* ctx, int y);
};

enum TImgLoad { IMG_LOAD_FAILED = 0, IMG_LOAD_OK = 1, IMG_LOAD_STOPPED = 2 };

// The picture `name`, found as LoadImageA finds it (a bitmap resource, or a file with
// LR_LOADFROMFILE), decoded at cx × cy (0: the picture's own along that side) into `bytes` (2 or 4)
// per pixel. Pictures the loader refuses (broken, too large) fail before begin is called.
TImgLoad PLAT_LoadImageRows(HINSTANCE hinst, const char* name, UINT flags, int cx, int cy, int bytes,
                            const TImgSink& sink);
