// A panorama file for the pixel store: where its picture is found, the size at which the sphere
// around it fits the store, and the cropped area its file names.
#pragma once
#include "platform/image_gpano.h"
#include "platform/windef.h"

struct TDDPanorama {
  HINSTANCE hinst;  // where the picture was found, as LoadImageA takes it: a bitmap resource of
  UINT flags;       // the program's, else a file (LR_LOADFROMFILE)
  int sir, vys;     // the size to load it at
  TGPano vyrez;     // the cropped area the file names, when s_vyrezom (only a JPEG names one)
  bool s_vyrezom;
};

// Finds the picture of nazov and the size to load it at for a store of at most max_sir × max_vys
// pixels: its own when the sphere around it fits, else scaled down so that it does, a sphere of
// exactly 2:1 staying exactly 2:1. False when there is no picture the loader takes.
bool DDPanorama_zisti(const char* nazov, int max_sir, int max_vys, TDDPanorama* p);
