// Reading a panorama file for the pixel store: the picture at the largest size at which the
// sphere around it fits the store, and the cropped area its file names.
#pragma once
#include "platform/ddraw.h"
#include "platform/image_gpano.h"

// Loads the picture of nazov into a new off-screen surface for a store of max_sir × max_vys
// pixels: at its own size when the sphere around it fits, else scaled down so that it does,
// a sphere of exactly 2:1 staying exactly 2:1. The loaded size goes to *sir, *vys (untouched
// when there is no picture); *s_vyrezom tells whether *vyrez holds the cropped area named by
// the file (only a JPEG names one).
IDirectDrawSurface* DDLoadPanorama(IDirectDraw* pdd, const char* nazov, int max_sir, int max_vys, int* sir, int* vys,
                                   TGPano* vyrez, bool* s_vyrezom);
