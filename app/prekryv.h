// What the overlays cover on the primary surface. A frame hands its view and panels to the
// primary by flipping, and draws the strip, the buttons, the message and the pointer over
// them there; a frame without a new view needs that scene back in the back buffer, so the
// pixels under the overlays are kept until then.
#pragma once
#include "platform/ddraw.h"

// Keeps the pixels of the n rectangles (clipped to the surface) before anything is drawn over
// them; the scene on srf is then the one to put back. False when srf could not be locked.
bool Prekryv_uloz(IDirectDrawSurface* srf, const RECT* r, int n);
// Puts the kept pixels back onto srf, which then holds the scene again: true. False when
// nothing is kept (no frame flipped since the scene was last put back or forgotten) or srf is
// not of the size and format they were kept from, or cannot be locked.
bool Prekryv_vrat(IDirectDrawSurface* srf);
// The kept pixels no longer belong to the screen (a new view, surfaces restored or released).
void Prekryv_zabudni();
