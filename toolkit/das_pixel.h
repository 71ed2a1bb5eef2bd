// One pixel of a sheet, read under a lock that is released before returning.
#pragma once
#include "platform/ddraw.h"

// The colour bits of pixel (x, y) of a locked surface, in its own format (16 or 32 bits; the
// top byte of a 32-bit pixel is no colour and reads as 0). (x, y) must lie on the surface.
DWORD DAS_Pixel(const DDSURFACEDESC& ddsd, int x, int y);

// Locks the whole surface (waiting while it is busy) and reads pixel (x, y) as DAS_Pixel does.
// False, and *px untouched, when the surface cannot be locked or the pixel is not on it.
bool DAS_Citaj_pixel(IDirectDrawSurface* srf, int x, int y, DWORD* px);

// Sets the surface's source blit key to one native value.
void DAS_Nastav_kluc(IDirectDrawSurface* srf, DWORD kluc);

// A display that stays busy this long is taken as failed, so a call never hangs.
const int DAS_POKUSY_MAX = 100000;
