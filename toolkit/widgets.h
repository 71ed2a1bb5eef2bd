// Controls built on CDAS: a push button, a slider, a toggle, a static sprite, and a movable
// dialog that offers mouse events to its children first and drags them along.
#pragma once
#include "toolkit/das.h"

// Inclusive on all four bounds.
bool glob_test_v_rect(int xl, int yh, int xp, int yd, int xx, int yy);

// Phase i shows state i: 0 normal, 1 pointer over, 2 held.
class CTlac : public CDAS {
 public:
  CTlac();
  bool INFORMUJ_SA(int mx, int my, int mtlac) override;
  bool INFORMUJ_SA2(int mx, int my, int mtlac);  // true only when the state changed
  bool STLACENE();   // true once per press
  bool STLACENE2() const;  // true while held

  int vystup;
  int sif;  // 1 while held
};

class CDS : public CDAS {
 public:
  void EVIDUJ_2();
};

// A knob on a horizontal ("H") or vertical ("V") track, mapped onto map_A…map_B.
class CPosuv : public CDAS {
 public:
  CPosuv();
  bool INFORMUJ_SA(int mx, int my, int mtlac) override;
  void Rodic_reset() override;
  void Poz_reset();
  void SP(int hod);
  int GP() const;

  int pol_Min;
  int pol_Max;
  int pol_Fix;
  int rpol_Min;
  int rpol_Max;
  int rpol_Fix;
  char pol_Typ;
  int map_A;
  int map_B;
  int map_Aktpoz;
};

// Check box (stlac_mod 0) or a switch that only turns on (any other stlac_mod).
// Phases: 0 off, 1 off and pointer over, 2 on, 3 on and pointer over.
class CDPrep : public CDAS {
 public:
  CDPrep();
  bool INFORMUJ_SA(int mx, int my, int mtlac) override;

  unsigned char checked;
  int stlac_mod;
  int sif;
};

class CDDialog : public CDRodic {
 public:
  static const int CHL_MAX = 40;

  CDDialog();
  void PRIDAJ(CDAS* p_das);
  void ZOBRAZ(IDirectDrawSurface* d_SRF);
  bool INFORMUJ_SA(int mx, int my, int mtlac);

  int sir;
  int vys;
  int stav;
  unsigned char podkl_def;
  unsigned char viditelny;
  CDAS* CHL[CHL_MAX];  // not owned
  int CHL_pocet;
};
