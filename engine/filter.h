// Filtered reads of the store: bilinear sampling in 24.8 fixed point and the mip levels
// (each half the one before) that keep views calm where a screen pixel spans many picture
// pixels. Level 0 is the store itself, read in place; the levels made from it are
// X8R8G8B8 whatever the store's format.
#pragma once
#include <cstdint>

#define FILTER_UROVNE_MAX 15  // 16384 columns down to one

// One level: sir columns (one turn of the sphere), vys rows, rows `pitch` pixels apart,
// pixels of `bajty` bytes (2 only for level 0 of a 16-bit store).
struct TFilter_uroven {
  const void* px;
  long pitch;
  int sir, vys;
  int bajty;
};

extern int Filter_pocet;  // levels made for the current picture (0: none, nothing is read)
extern TFilter_uroven Filter_uroven[FILTER_UROVNE_MAX];

// Makes the levels of a store of sir columns (one turn) by vys rows, rows `pitch` bytes
// apart, of `bajty` (2: R5G6B5, 4: X8R8G8B8) bytes a pixel. The store is read in place and
// must stay while the levels are used. Levels of the sizes the former ones had are written over
// in their memory; the rest of that memory goes back.
// 1 = made, 0 = no memory or no picture (Filter_pocet is then 0).
int Filter_priprav(const void* w, long pitch, int bajty, int sir, int vys);
// Gives the levels' memory back.
void Filter_uvolni();

// The level for a step of `krok` level-0 pixels per screen pixel: 0 below `prah`, then one
// more for every doubling, at most the last level made.
int Filter_uroven_kroku(double krok, double prah);

// n pixels sampled bilinearly from level k, starting at column r and row s of level 0
// (24.8, the column not wrapped) in steps dr, ds: columns wrap around the turn, rows stop at
// the first and last. P is uint32_t (X8R8G8B8) or uint16_t (R5G6B5, packed from 8 bits).
template <class P>
void Filter_usek(P* ciel, int n, int r, int s, int dr, int ds, int k);
