// The sieve written out plainly, MT at every pixel: the yardstick of the rasterizer.
#pragma once
#include <cstdint>
#include <vector>

#include "engine/store.h"

// Pixel (row n, column m) of a 2-byte store.
inline uint16_t& W16(int n, int m) { return W_riadok<uint16_t>(n)[m]; }

// Store coordinates of every screen pixel, row-major, sir × vys.
struct TRef_suradnice {
  int sir = 0, vys = 0;
  std::vector<int> mm, nn;
};

// The sieve from the current grid, view and store.
void Ref_Sito(TRef_suradnice* o);
// The same, writing W's pixels (`bajty` bytes each) into rows `pitch` bytes apart.
void Ref_Sito_Pixely(void* ciel, long pitch, int bajty);
