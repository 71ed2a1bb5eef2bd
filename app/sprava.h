// What the user is told over the view about the picture on screen: a picture that does not
// load is never shown as another one, and the user reads why the view is black.
#pragma once
#include <cstddef>

#include "platform/ddraw.h"

// Loads panorama ID of PAN_subor (or the file nazov) as Nahraj_PANORAMU does. When the picture
// does not load, the store is emptied (a black view), the text "Súbor … sa nepodarilo
// načítať." goes over the view and a line into the log; a picture that loads takes the text away.
void Zobraz_PANORAMU(int ID, unsigned char start);
void Zobraz_PANORAMU(const char* nazov, unsigned char start);

// The text over the view, empty when there is none.
const char* Sprava_nad_pohladom();
// The box across the top of srf that the text covers; empty when there is no text.
RECT Sprava_obdlznik(const IDirectDrawSurface* srf);
// Draws it onto the screen surface: white letters on the black box.
void Sprava_zobraz(IDirectDrawSurface* srf);

// zaciatok + meno + koniec in a text of n bytes, the name cut (between characters) so that
// the whole sentence fits.
void Sprava_s_menom(char* out, size_t n, const char* zaciatok, const char* meno, const char* koniec);
