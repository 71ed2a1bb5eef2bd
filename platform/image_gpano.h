// The cropped area of a partial panorama as phone cameras record it: the "GPano" fields of
// the XMP packet in a JPEG's APP1 segment. The picture is the cropped area; the full
// panorama around it spans 360 degrees across and 180 degrees from top to bottom.
#pragma once
#include <cstddef>
#include <cstdint>

struct TGPano {
  int plny_sir;     // FullPanoWidthPixels
  int plny_vys;     // FullPanoHeightPixels
  int vyrez_sir;    // CroppedAreaImageWidthPixels
  int vyrez_vys;    // CroppedAreaImageHeightPixels
  int vyrez_vlavo;  // CroppedAreaLeftPixels
  int vyrez_hore;   // CroppedAreaTopPixels
};

// Largest side a GPano field may give; anything bigger is taken as a broken packet.
const int PLAT_GPANO_MAX = 1000000;

// 1 when the bytes of a JPEG file carry all six fields with a consistent crop (inside the
// full panorama, no side zero), written to *out; else 0 and *out is untouched.
uint8_t PLAT_GPano_zBajtov(const uint8_t* b, size_t n, TGPano* out);
// The same for the file p_sub; only its segments before the picture data are read.
uint8_t PLAT_Citaj_GPano(const char* p_sub, TGPano* out);
