// The panorama being shown: its pixels in the store W, sized to the picture's sphere, in the
// back buffer's format; its size, where it sits in the sphere and the projection's scale.
#pragma once
#include <cstddef>

#include "platform/image_gpano.h"

#define W_MAX_SIR 16384  // the widest sphere the store holds (the view's index arithmetic too)
#define W_MAX_VYS 8192   // and the highest

// The store, row-major: W_sir × W_vys pixels of W_bajty bytes (2: 5-6-5, 4: X8R8G8B8). Its
// width is one turn of the sphere, its rows the sphere's and the one below the nadir. Empty, it
// is a single black pixel readable at either depth (W_bajty 0).
extern unsigned char* W;
extern int W_sir, W_vys, W_bajty;

// Row n of the store as pixels of type P: uint16_t in a 2-byte store, uint32_t in a 4-byte one.
template <class P>
inline P* W_riadok(int n) {
  return reinterpret_cast<P*>(W) + (size_t)n * W_sir;
}

extern int pan_sir, pan_vys;  // size of the picture in the store
extern float opt_TA;          // columns per radian of azimuth
extern int opt_TB;            // store row of the horizon
extern float opt_TC;          // rows per radian of latitude

// Where the picture sits in the sphere the store holds, W_pan_sir columns (one turn) by
// W_pan_vys rows (zenith to nadir), its top left pixel at row W_pan_hore, column
// W_pan_vlavo (running across the seam when it must), black around it:
// - a picture of 2:1 (or taller) is the whole sphere: its own size, at 0, 0;
// - a wider one (a partial panorama) is taken as 360 degrees across and placed around the
//   horizon of a sphere of pan_sir / 2 rows, so that latitudes keep the scale of longitudes;
// - a JPEG that names its cropped area (GPano) sits where that says, in a sphere of the
//   full panorama's size at the scale the picture was loaded at.
extern int W_pan_sir;
extern int W_pan_vys;
extern int W_pan_vlavo;
extern int W_pan_hore;
// The last store row the projection may yield: W_pan_vys, kept inside the store.
extern int W_riadok_max;
// The cropped area named by the file being shown, when W_gpano_plati.
extern TGPano W_gpano;
extern bool W_gpano_plati;

// Makes the store ready for a picture of sir × vys pixels of bajty (2 or 4) bytes each and the
// cropped area vyrez (null: none): sizes it to the picture, sets the placement, blackens it;
// the former store's memory goes back. 1 = ready, 0 = no memory or a size outside
// 1 … W_MAX_SIR × 1 … W_MAX_VYS (store left empty).
int W_priprav(int sir, int vys, int bajty, const TGPano* vyrez);
// Writes picture row y (0 … sir-1 pixels, the store's format) to its place in the store.
// Rows outside the picture are ignored.
void W_zapis_riadok(int y, const void* pixely);
// Where picture row y lies in the store when it lies there whole (not across the seam), so that
// it may be written in place; else null.
void* W_miesto_riadku(int y);
// Finishes a picture written row by row: the rows and columns around it the projection reads,
// and the filter levels unless no frame will read them.
void W_dokonci(bool urovne = true);

// Empties the store after a picture that did not load: no size, no placement, all black,
// its memory given back.
void Vyprazdni_W();
// Recomputes opt_TA, opt_TB, opt_TC and the placement from pan_sir, pan_vys and W_gpano
// (the store itself is sized by W_priprav; the last row stays inside it).
void reset_opt_T();
