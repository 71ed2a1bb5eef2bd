// Composition of one frame and the navigation strip the first five buttons ride on.
#pragma once
#include <cstdint>

#include "platform/ddraw.h"

constexpr int OVL_RIADKY = 15;   // the strip's rows at the natural scale

extern int ovl_vys;              // strip height: OVL_RIADKY rows at the interface's scale
extern int ovl_pos;              // screen row of the strip's top row
extern DWORD ovl_Mask[OVL_RIADKY];  // pixel value of each strip row in the display's format (each
                                   // row repeated at a larger scale)
extern int ovl_chytdelta;        // row inside the strip where it was grabbed
extern int ovl_ras_mod;          // kept from Init_ovladac
extern int ovl_obs_mod;          // row colours: 0 black, 1 the 5-6-5 value 9, 2 from the sprite sheet

// One frame: with aj_prepocet the view is rendered first (without it, the last frame's view
// and panels are taken back); then panels, the flip to the screen, the strip, the buttons,
// the message and the pointer.
void Prekresli_scenu(unsigned char aj_prepocet);
// The open panels into the back buffer, over the view.
void Poloz_panely();

// Strip height, position and row colours; releases any grab.
void Init_ovladac(int oovl_ras_mod, int oovl_obs_mod);

// Strip height at the interface's scale.
int Ovladac_vyska();

// Strip row of the current display size: obraz_vys − ovl_vys − obraz_vys / 70.
int Ovladac_pozicia();

// Paints the strip onto a surface.
void Poloz_ovladac_pruh(IDirectDrawSurface* d_SRF);
