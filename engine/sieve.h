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
extern int Sito_sir, Sito_vys;    // cell size in pixels
extern pol_pas Sito_pasAA[SITO_MAX + 1], Sito_pasBB[SITO_MAX + 1];
extern pol_pas* Sito_pasA;  // upper node row of the band being drawn
extern pol_pas* Sito_pasB;  // lower node row
extern pol_pas* pom_pas;
extern pol_pas Sito_pasW[SITO_MAX + 1];  // nodes interpolated to the pixel row
extern DDSURFACEDESC ddsd_D;             // the surface being drawn on, locked

// Sets the grid from obraz_sir, obraz_vys: 1 = set, 0 = refused (pocx outside 1 … 50,
// a cell narrower than 2 or lower than 1 pixel); a refusal changes nothing.
int Reset_Sito(int pocx, int pocy);
// Fills the node row Sito_pasB for screen row yy.
void Napln_sito_pasB(int yy);
// Renders the current view into lpDDSBack: 1 = drawn, 0 = no back buffer or it could not be locked.
int Sito_Vykresli();
