// Sprites on a sheet: CIcon, a picture drawn where the caller says, and CDAS, the base of
// every interactive element (phases, position, mirror, the hover/press/drag state machine).
#pragma once
#include "toolkit/das_surface.h"

class CIcon {
 public:
  CIcon();

  CDas_Surface* Das_Surface;  // not owned
  TFAZA faza;
  unsigned char viditelny;

  void EVIDUJ(int xx, int yy);
  void EVIDUJ_CS();
  void EVID_PREBER(const CIcon* p_icon);
  void ZOBRAZ(IDirectDrawSurface* d_SRF, int x, int y);
  void ZOBRAZ_2(IDirectDrawSurface* d_SRF, int L, int P, int H, int D, int x, int y);
  // centr_mod 1: left edge at x; 2: right edge at x; otherwise centred on x. Always centred on y.
  void ZOBRAZ_3_centr(IDirectDrawSurface* d_SRF, int L, int P, int H, int D, int x, int y, int centr_mod);
};

// The position of a parent that elements follow.
class CDRodic {
 public:
  int x = 0;
  int y = 0;
};

// Grab offset of the one thing being held (an element or a dialog).
extern int mr_x;
extern int mr_y;

class CDAS {
 public:
  static const int FAZY_MAX = 50;

  CDAS();
  virtual ~CDAS();
  // mtlac: 0 move, 1 left button down, -1 left button up. stav: 0 away, 1 over, 2 held.
  // True if the event concerns the element.
  virtual bool INFORMUJ_SA(int mx, int my, int mtlac);
  virtual void Rodic_reset();

  int stav;
  int x;
  int y;
  int vx;
  unsigned char center;
  unsigned char viditelny;
  unsigned char drag_ovatelny;
  int zrkadlo;
  int eui;
  CDas_Surface* Das_Surface;  // not owned
  TFAZA FAZY[FAZY_MAX];
  int akt_faza;
  int pocet_faz;
  DWORD TC;  // native pixel values of the sheet's format
  DWORD BC;  // own border colour for measuring; 0 = the sheet's
  int rx;
  int ry;
  CDRodic* RODIC;  // not owned

  void NAHRAJ_SURFACE(IDirectDraw* p_lpDD, const char* subor);
  void TC_NASTAV(int xx, int yy);
  void BC_NASTAV(int xx, int yy);
  void EVIDUJ(int xx, int yy);
  void EVIDUJ_CS();
  void EVID_PREBER(const CDAS* p_DAS);
  void NF();
  void SF(int ff);
  void ZOBRAZ(IDirectDrawSurface* d_SRF);
  bool test_v_rect(int xl, int yh, int xp, int yd, int xx, int yy) const;
  void AKTIVUJ();
  bool ZASAH(int mx, int my) const;
  bool OSTRY_ZASAH(int mx, int my) const;
  void report_faz() const;

 protected:
  const TFAZA& aktualna_faza() const;
  bool pridaj_fazu(const TFAZA& f);
};
