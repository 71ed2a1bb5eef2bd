// The viewer's screen objects, constructed at program load in this order and destroyed
// in the reverse order, and the assembly that dresses them at start-up.
#pragma once
#include <vector>

#include "panels/dui.h"
#include "panels/duir.h"
#include "sound/dso.h"
#include "toolkit/das.h"
#include "toolkit/das_surface.h"
#include "toolkit/widgets.h"

constexpr int TLACIDLO_MAX = 10;

extern CDas_Surface rezia;                    // the sprite sheet
extern CTlac tlacidlo[TLACIDLO_MAX];          // buttons; the first tlacidlo_poc are live
extern CDAS kurzor;                           // pointer sprite
extern CDUIR dui_PANO;                        // thumbnail list
extern CDUI dui_gr_mod;                       // display-mode menu
extern CDUI dui_sito;                         // grid-size menu
extern std::vector<CIcon> PAN_ICON_thmb;      // one thumbnail sprite per listed panorama
extern CDSO_Zvuk zvuk_1;                      // hover sound "MOVER"
extern CDSO_Zvuk zvuk_2;                      // click sound "MDOWN"

extern int tlacidlo_poc;        // buttons drawn and informed (8)
extern int tlacidlo_lista_poc;  // buttons riding on the navigation strip (5)

// Whole-pixel scale of the controls and texts: 2 on screens UI_SIRKA_DVOJITA pixels wide and
// more (so they stay comfortable to hit and read), else 1. Set with the display mode.
constexpr int UI_SIRKA_DVOJITA = 2560;
extern int UI_mierka;
int UI_Mierka_pre(int sir);

// Name of the sprite sheet, a resource of the program (a file only as a fallback).
extern const char* const REZIA_SUBOR;

// Button roles.
enum {
  TL_ODDIAL = 0,  // eye distance −30
  TL_PRIBLIZ = 1, // eye distance +30
  TL_GR_MOD = 2,  // display-mode menu
  TL_SITO = 3,    // grid-size menu
  TL_KONIEC = 4,  // close, on release
  TL_PRED = 5,    // previous panorama
  TL_DALSI = 6,   // next panorama
  TL_ZOZNAM = 7   // thumbnail list
};

// Start-up assembly of the interface: sheet, pointer, strip, buttons, font and brushes,
// thumbnail list and the two menus. Runs after the first panorama has been loaded.
void Zostav_rozhranie();

// After a change of display mode, with the sheet reloaded: the sprites' phases, the strip's
// height, the font and the panels' layout values for the current scale.
void Prisposob_mierke();

// The display-mode menu's items: the classic modes and the desktop's own, labelled by its size.
void Zostav_menu_modov();

// The thumbnail list's layout values: margins, widths, thumbnail and text places, text
// aligned left, eight rows shown. Entries, icons, surface, font and brushes stay the caller's.
void Rozloz_zoznam(CDUIR& zoznam);
// The list's slider, arrows and strip, with their phases on the sheet `harok`.
void Prevezmi_ovladace_zoznamu(CDUIR& zoznam, CDas_Surface* harok);

// Loads the sprite sheet and reads its border and transparent colours.
void Nahraj_reziu();

// Places the eight buttons for the current screen size, scale and strip row.
void Rozmiestni_tlacidla();

// Reloads each panorama's thumbnail into its sheet, when it has one and the file exists.
void Nahraj_nahlady();

// Releases the thumbnails' surfaces (before the display object goes).
void Uvolni_nahlady();

// Points the three panels at the surface they draw on.
void Nasmeruj_panely(IDirectDrawSurface* srf);

// True when one of the three panels is shown.
bool Panel_zobrazeny();
