// The picture folder as a place to write: thumbnails only where they can be written, and
// a screenshot that finds a place even when the folder is read-only.
#pragma once
#include <string>

#include "platform/windef.h"

// 1 when a new file can be made in the folder (tried, so that read-only mounts and
// permissions are both seen).
int PANO_Priecinok_zapisovatelny(const char* priecinok);

// Lists the pictures of the current folder into PAN_subor; the missing thumbnails are
// made only when the folder is writable.
void PANO_Nacitaj_zoznam();

// The user's pictures folder: $XDG_PICTURES_DIR, else what "xdg-user-dir PICTURES"
// prints, else ~/Pictures; empty when none of them is an existing folder.
std::string PANO_Priecinok_obrazkov();

// The screenshot key: the screen fitted into 400 × 200 as "TSSCAN.bmp" in the current
// folder. When that one is read-only the file goes to the pictures folder (or, without a
// writable one, is tried in the current folder all the same) and the user is told where
// it went or that it could not be saved.
void PANO_Uloz_snimku(HWND hwnd);
