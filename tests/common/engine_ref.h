// The sieve rasterizer written out plainly, step by step, with MT at every pixel: the
// yardstick the optimised rasterizer must match pixel for pixel. Also the exact
// projection at every pixel, to measure how far the sieve strays from it.
#pragma once
#include <cstdint>
#include <vector>

#include "engine/store.h"

// Pixel (row n, column m) of a 2-byte store.
inline uint16_t& W16(int n, int m) { return W_riadok<uint16_t>(n)[m]; }

// Store coordinates of every pixel of the screen (row-major, sir × vys).
struct TRef_suradnice {
  int sir = 0;
  int vys = 0;
  std::vector<int> mm, nn;
};

// The sieve as written, from the current grid, view and store.
void Ref_Sito(TRef_suradnice* o);
// The same, writing the pixels of W (of `bajty` bytes: the store's depth, either for the
// empty store) straight into rows `pitch` bytes apart.
void Ref_Sito_Pixely(void* ciel, long pitch, int bajty);
// S at the node position of every pixel (one right of and below it), through MT.
void Ref_Presne(TRef_suradnice* o);
