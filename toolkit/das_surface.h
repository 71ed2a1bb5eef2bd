// A picture in an off-screen surface, usually a sprite sheet cut into phases: rectangles
// framed by the border colour. Measures phases and draws them, clipped, keyed or mirrored.
#pragma once
#include "platform/ddraw.h"

// One phase of a sheet. Columns XL…XP−1 and rows YH…YD−1 are the picture; SIR and VYS are
// one more than the drawn size when measured (the extents used for clipping and hit tests).
struct TFAZA {
  int XL;
  int YH;
  int XP;
  int YD;
  int SIR;
  int VYS;
};

class CDas_Surface {
 public:
  CDas_Surface();
  virtual ~CDas_Surface();  // releases no surface: its owner does
  CDas_Surface(const CDas_Surface&) = delete;
  CDas_Surface& operator=(const CDas_Surface&) = delete;

  char* subor_nazov;  // own copy of the picture's name, for reloading
  IDirectDrawSurface* SURFACE;
  int srf_sir;
  int srf_vys;
  DWORD TC;  // transparent colour (a native pixel value); 0 = the keyed draws are opaque
  DWORD BC;  // border colour of the phase frames
  unsigned char stretched;
  // Whole-pixel enlargement of the picture in the surface (1 = natural size), set before
  // loading. Points handed to TC_NASTAV, BC_NASTAV and ZAMERAJ_FAZU are the picture's own
  // pixels; measured phases are in the surface's.
  int mierka;

  void NAHRAJ_SURFACE(IDirectDraw* p_lpDD, const char* subor);
  void NAHRAJ_SURFACE_2_stretch(IDirectDraw* p_lpDD, const char* subor, int sir, int vys);
  HRESULT RESTORE_SURFACE();

  void TC_NASTAV(int xx, int yy);
  void BC_NASTAV(int xx, int yy);
  TFAZA ZAMERAJ_FAZU(int xx, int yy);
  TFAZA ZAMERAJ_FAZU_CS();

  void ZOBRAZ(IDirectDrawSurface* d_SRF, int xx, int yy);
  void Zobraz_Rect(IDirectDrawSurface* d_SRF, int xx, int yy, tagRECT RR);
  void Zobraz_Center(IDirectDrawSurface* d_SRF);
  void ZOBRAZ_ALPHA(IDirectDrawSurface* d_SRF, int xx, int yy, unsigned alpha);
  void ZOBRAZ_FAZU(IDirectDrawSurface* d_SRF, int x, int y, TFAZA FF, int extra_orez);
  void ZOBRAZ_FAZU_Z(IDirectDrawSurface* d_SRF, int x, int y, TFAZA FF, int extra_orez);
  void ZOBRAZ_FAZU_2(IDirectDrawSurface* d_SRF, int L, int P, int H, int D, int x, int y, TFAZA FF);
  void Zobraz_Stretch_1(IDirectDrawSurface* d_SRF, tagRECT RRd, tagRECT RRs);
  void Zobraz_Stretch_2(IDirectDrawSurface* d_SRF, tagRECT RRd);
  void Zobraz_Stretch_3(IDirectDrawSurface* d_SRF, tagRECT RRs);
  void Zobraz_Stretch_4(IDirectDrawSurface* d_SRF);
};

// Clips rrect, to be drawn with its corner at (*xx, *yy), to columns L…P−1 and rows H…D−1.
// False when nothing is left; a rectangle that only touches the window comes out empty.
bool OREZ(int L, int P, int H, int D, int* xx, int* yy, tagRECT* rrect);
