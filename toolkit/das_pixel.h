// One pixel of a sheet, read under a lock that is released before returning.
#pragma once
#include "platform/ddraw.h"

// Locks the whole surface (waiting while it is busy) and reads the 16-bit pixel (x, y).
// False, and *px untouched, when the surface cannot be locked or the pixel is not on it.
bool DAS_Citaj_pixel(IDirectDrawSurface* srf, int x, int y, unsigned short* px);

// Sets the surface's source blit key to one native value.
void DAS_Nastav_kluc(IDirectDrawSurface* srf, unsigned short kluc);

// A display that stays busy this long is taken as failed, so a call never hangs.
const int DAS_POKUSY_MAX = 100000;
