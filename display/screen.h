// The display objects and the screen geometry that the engine, the toolkit, the panels
// and the viewer all read. Set by start-up and by every change of display mode.
#pragma once
#include "platform/ddraw.h"

extern IDirectDraw* lpDD;                 // the one display object
extern IDirectDrawSurface* lpDDSPrimary;  // the visible surface
extern IDirectDrawSurface* lpDDSBack;     // its back buffer; the view is rendered here
extern IDirectDrawPalette* lpDDPal;       // palette of the current panorama file

extern int MAXX, MAXY;              // screen size in pixels (the display mode)
extern int SX, SY;                  // screen centre: MAXX / 2, MAXY / 2
extern int obraz_sir, obraz_vys;    // size of the picture drawn
