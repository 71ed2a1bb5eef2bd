// Rescaling through a temporary surface: the source stretched onto a new surface of the
// target size, which is then written and released.
#pragma once
#include "platform/ddraw.h"

// Creates a sir × vys off-screen surface, stretches the source rectangle (null: all of
// it) onto it and writes it to p_filename_out. A surface that cannot be created is logged
// with the caller's line and text; a lost or failing blit ends without a file.
void DBMP_Zapis_natiahnute(IDirectDraw* p_lpDD, IDirectDrawSurface* zdroj, RECT* zdroj_rect, int sir, int vys,
                           int riadok_logu, const char* text_logu, const char* p_filename_out);
