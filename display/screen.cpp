#include "display/screen.h"

IDirectDraw* lpDD = nullptr;
IDirectDrawSurface* lpDDSPrimary = nullptr;
IDirectDrawSurface* lpDDSBack = nullptr;
IDirectDrawPalette* lpDDPal = nullptr;

int MAXX = 800, MAXY = 600;
int SX = 800 / 2, SY = 600 / 2;
int obraz_sir = 800, obraz_vys = 600;
