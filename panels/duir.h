// The scrolling list: up to VOLR_kapacita entries (50 unless the owner allows more) shown Rol_poc_zobr rows at a time in the option
// panel's item slots. A short list is a plain centred column; a longer one gets a slider,
// two arrow buttons and a tiled strip, and its rows scroll pixel by pixel.
#pragma once
#include <vector>

#include "panels/dui.h"
#include "toolkit/widgets.h"

// One list entry.
struct TVOLBAR {
  int ID;
  char* text;  // owned copy of the label
  int icon;    // index into the panel's ICON array, -1 = none
};

class CDUIR : public CDUI {
 public:
  static const int VOLR_MAX = 50;

  CDUIR();
  ~CDUIR() override;

  CPosuv posuv_;  // vertical slider
  CTlac tlacA_;   // up arrow
  CTlac tlacB_;   // down arrow
  CIcon ipruh_;   // strip tile
  int Rol_poc_zobr;         // whole rows shown
  unsigned char Rol_mod;    // scrolling layout in force
  int Rol_pos;              // scroll position in pixels, 0 … Rol_max
  int Rol_max;
  int f2;                   // right edge of a row's text box from the row's left edge
  int text_VYSKA;           // height of one text line
  char text_ZAROVNANIE;     // 'L' left, 'P' right, 'C' centred
  std::vector<TVOLBAR> VOLR;  // VOLR_pocet entries
  int VOLR_pocet;
  int VOLR_kapacita;  // VOLR_MAX unless the owner lists more

  // Appending to a full list is refused.
  void PRIDAJ(const char* ttext, int IID);
  void PRIDAJ2(const char* ttext, int IID, int iicon);
  void ODOBER();
  void VYMAZ();
  // Plain layout: every entry becomes a row of the base panel.
  void RESET_GEOMETRIE(int ttrieda);
  // Plain column when the entries fit, else the scrolling form.
  void RESET_GEOMETRIER();
  void RESET(int pos);
  void Preklop(int jj, int ii, RECT rr);
  unsigned char Orez_HD(RECT* rr) const;
  void ZOBRAZ();
  unsigned char INFORMUJ_SA(int mx, int my, int mtlac);

 private:
  void Uvolni_polozku(int j);
  bool Da_sa_rolovat() const;
  int Mod_textu(int vlavo, int vpravo, int stred) const;
  void Rozloz_rolovanie();
  int Zmeraj_vysku_textu();
};
