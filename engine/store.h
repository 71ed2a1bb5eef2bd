// The panorama being shown: its pixels copied once into one large static store W,
// its size, where it sits in the sphere and the scale factors the projection works with.
#pragma once
#include "platform/ddraw.h"
#include "platform/image_gpano.h"

#define W_SIR 4001  // columns of the store
#define W_VYS 2001  // rows of the store

// The pixel store, row-major: W[row][column], 16-bit pixels in the display's format.
extern unsigned short W[W_VYS][W_SIR];

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

extern IDirectDrawSurface* pan_SRF;  // surface of the current panorama, null when none
extern DDSURFACEDESC ddsd_S;         // pan_SRF locked

// Empties the store after a picture that did not load: no size, no placement, all black.
void Vyprazdni_W();
// Recomputes opt_TA, opt_TB, opt_TC and the placement from pan_sir, pan_vys and W_gpano.
void reset_opt_T();
// Copies the picture of pan_SRF into W (and the rows around it the projection can reach),
// then makes its filter levels.
void init_W();
// Makes the filter levels of the turn and the rows the projection reads from W.
void W_urovne();
// Takes the picture just loaded into pan_SRF, pan_sir × pan_vys as its loader reported them,
// with the cropped area vyrez its file names (null: none): the size is kept inside the store,
// the placement recomputed and the pixels copied into W. Without a surface the former
// cropped area stays.
void W_prevezmi(const TGPano* vyrez);
