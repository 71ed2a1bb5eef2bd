// Sharp when still: the view is drawn with the nearest picture pixel while it moves and
// once more filtered as soon as it rests; a machine fast enough filters while moving too.
#pragma once
#include "platform/windef.h"

enum { OST_VYP = 0, OST_ZAP = 1, OST_AUTO = 2 };  // --filter=off | on | auto
extern int OST_volba;
extern double OST_ms_filtra;  // how long the last filtered view took to render, ms

constexpr DWORD OST_POKOJ_MS = 150;   // a view unchanged this long rests
constexpr double OST_RYCHLY_MS = 12;  // a filtered view this quick leaves room for 60 fps

// Chooses the sampling of the view about to be rendered (Sito_filter): while it moves the
// nearest pixel of each part's level (a 16-bit store is read at its own pixels), with
// --filter=off the nearest pixel of the store.
void OST_Pred_snimkou();
// Whether a frame may read the filter levels (not with --filter=off): a picture loaded
// without them spares their time and a third more memory.
bool OST_Treba_urovne();
// The view just rendered took ms milliseconds.
void OST_Po_snimke(double ms);
// True when the view rests and its last frame was drawn unfiltered: the pulse redraws it.
bool OST_Treba_ostru();
