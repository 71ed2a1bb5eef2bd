// The option panel: a self-drawn menu of up to 25 text items on a background rectangle,
// laid out as a bar along the top of the screen or as a column centred on it. It tracks
// the item under the pointer, highlights it and keeps a chosen item's ID until collected.
#pragma once
#include "platform/gdi.h"

class CIcon;

// One item of a panel.
struct TVOLBA {
  int ID;              // reported when the item is chosen
  RECT rect;           // hit and highlight area, surface coordinates
  int stav;            // 0 normal, 1 pointer over it, 2 pressed
  char* text;          // label (UTF-8); owned unless the panel marks it shared
  int tx, ty;          // text point relative to rect's corner (text_draw_mode 0)
  RECT text_rect;      // text box in surface coordinates (text_draw_mode 1…7)
  int text_draw_mode;  // 0 point; 1…7 formatted inside text_rect
  int icon;            // index into the panel's ICON array, -1 = none
  int ix, iy;          // sprite position relative to rect's corner
};

class CDUI {
 public:
  static const int VOL_MAX = 25;

  CDUI();
  // Deletes only the GDI objects the panel created itself (its grey pen). Brushes and fonts
  // handed in by the owner stay the owner's: several panels may share them.
  virtual ~CDUI();
  CDUI(const CDUI&) = delete;
  CDUI& operator=(const CDUI&) = delete;

  int vystup;    // pending choice: ID (or ID + 100); <= 0 = nothing pending
  int vystup_2;  // index of the item under the pointer at the last event, -1 = none
  unsigned char viditelny;
  unsigned char disablovany;
  IDirectDrawSurface* SRF_PTR;  // target surface, not owned
  int podkl_typ;                // background: 0 none, 1 white net, 2 solid, 3 milky
  RECT podkl_rect;              // background rectangle, also the panel's hit area
  int LH, PH, HH, DH;           // clip bounds for sprites: left, right, top, bottom
  HBRUSH stet_vybr;             // highlight fill (stav 1)
  HBRUSH stet_aktiv;            // pressed fill (stav 2)
  HBRUSH stet_podkl;            // solid background (podkl_typ 2)
  HPEN pero_ram_sed;            // grey line of the bevels
  HFONT font_hnd;
  int font_sir;  // character cell width for estimated text widths
  int font_vys;
  TVOLBA VOL[VOL_MAX];
  int VOL_pocet;
  CIcon* ICON;     // sprites indexed by TVOLBA::icon, not owned
  int ICON_pocet;  // length of the ICON array; items with an index at or beyond it show no sprite
  int a;           // item height
  int b;           // item pitch of the column
  int c;           // item width of the column
  int d;           // margin
  int e;           // text offset from the item top
  int f;           // text offset from the item left
  int g, h;        // sprite offset from the item corner
  int tr_x, tr_y;  // shift of the column from the centre (0 = none)
  int ta_x, ta_y;  // absolute corner of the column (0 = not set)
  int Pmod;        // 1 = contents displaced by (Px, Py)
  int Px, Py;
  unsigned char Z_mod;
  int Z_sir, Z_vys;  // growth of the highlight rectangle
  unsigned char O_mod;  // 1 = rounded highlights
  int O_sir, O_vys;
  int Select_mod;  // bit 1: fill the highlight; bit 2: bevel around it
  int Text_mod;    // column text placement: 0 keep, 1 fixed (f, e), 2 centred
  int Icon_mod;    // 0 none, 1 clipped, 2/3/4 centred with mode 0/1/2

  // Appending to a full panel is refused (the item is not added).
  void PRIDAJ(const char* ttext, int IID, RECT rrect, int ttx, int tty);
  void PRIDAJ(const char* ttext, int IID);
  void PRIDAJ2(const char* ttext, int IID, int iicon);
  void ODOBER();
  void VYMAZ();
  unsigned char test_v_rect(RECT rc, int xx, int yy) const;
  // mtlac: 0 move, 1 press, -1 release, 2 secondary press. 1 = the pointer is over the panel.
  unsigned char INFORMUJ_SA(int mx, int my, int mtlac);
  unsigned char INFORMUJ_MA(int* vvystup);
  // 1 = bar across the top, 2 = column centred on the screen.
  void RESET_GEOMETRIE(int ttrieda);
  void ZOBRAZ();
  void Level_efekt(HDC pDC, RECT* R, int stav);

 protected:
  // Row i shows a label it does not own (a list entry's); the panel will not free it.
  void Nastav_zdielany_text(int i, char* text);
  // Frees the label of item i if the item owns it.
  void Uvolni_text(int i);
  // Rows that show this shared label drop it (the label is about to be freed).
  void Odpoj_zdielany_text(const char* text);
  // Applies the shift (tr_x, tr_y) and the absolute corner (ta_x, ta_y) to a column's corner.
  void Posun_stlpec(int* x, int* y) const;
  // Background, clip bounds and row area of a column of `riadkov` rows with its corner at
  // (x, y) and `extra_sir` more pixels of background on the right.
  void Nastav_ramec(int x, int y, int riadkov, int extra_sir);

 private:
  void Rozloz_pruh();
  void Rozloz_stlpec();
  void Kresli_vyber(HDC dc, const TVOLBA& v);
  void Kresli_text(HDC dc, const TVOLBA& v);
  void Kresli_ikony();

  unsigned char VOL_vlastny[VOL_MAX];  // 1 = the item owns its label copy
  HPEN pero_vlastne;                   // the pen this panel created and deletes
};

// White net: a black frame with a checkerboard of white dots, written straight into the
// locked surface (pixels outside the surface are skipped).
void CDUI_podklad_efekt_A_biela_siet(IDirectDrawSurface* d_SRF, RECT podkl_rect);
// Milky: every pixel of the rectangle lightened by 80 in each channel.
void CDUI_podklad_efekt_B_mliecny(HDC hdc, RECT podkl_rect);
