// The sieve rasterizer: the exact projection at the nodes of a coarse grid,
// linear interpolation in 24.8 fixed point inside every cell, pixels from W.
#pragma once
#include "platform/ddraw.h"

struct pol_pas {
  int r;    // panorama column, 24.8
  int s;    // panorama row, 24.8
  int lam;  // pole flag -1 / 0 / +1
};

#define SITO_MAX 50  // most cells across

extern int Sito_pocx, Sito_pocy;  // cells across and down (20 × 20 at start)
extern int Sito_sir, Sito_vys;    // cell size in pixels, of the narrower cells
// Pixels the whole cells leave over across and down: spread one each over as many cells,
// so that the grid covers the screen.
extern int Sito_zvys_x, Sito_zvys_y;
extern pol_pas* Sito_pasB;        // the node row Napln_sito_pasB fills
// How the next frame samples the store: the nearest pixel, bilinear from the store,
// bilinear from the mip level that suits each cell's step (the calm, sharp still frame), or
// the nearest pixel of the level whose pixels are about as large as the screen's (a moving
// frame from a large true-colour store, which then reads no more than a small one; a 16-bit
// store is read at its own pixels).
enum { SITO_NAJBLIZSI = 0, SITO_BILINEAR = 1, SITO_UROVNE = 2, SITO_NAJBLIZSI_UROVNE = 3 };
extern int Sito_filter;
extern DDSURFACEDESC ddsd_D;      // the surface being drawn on, locked

// Sets the grid from obraz_sir, obraz_vys: 1 = set, 0 = refused (pocx outside 1 … 50,
// a cell narrower than 2 or lower than 1 pixel); a refusal changes nothing.
int Reset_Sito(int pocx, int pocy);
// Screen column where cell i + 1 begins (node i lies one right of it), i = 0 … Sito_pocx;
// Sito_x(Sito_pocx) is the width the grid covers.
int Sito_x(int i);
// Screen row where band j + 1 begins, j = 0 … Sito_pocy, likewise.
int Sito_y(int j);
// Fills the node row Sito_pasB for screen row yy.
void Napln_sito_pasB(int yy);
// Renders the current view into lpDDSBack, the bands shared among the drawing threads:
// 1 = drawn, 0 = no back buffer, it could not be locked, it is smaller than the grid or its
// depth (2 or 4 bytes) is not that of the store with the picture.
int Sito_Vykresli();
