// Globals owned by start-up: the window, activity, the display-mode number and the
// panorama file named on the command line.
#pragma once
#include "platform/windef.h"

// Longest file name kept from the command line, without its terminator.
constexpr int PAN_PARAM_FILE_MAX = 399;

extern HWND hWnd_GLOB;                           // the main window, refreshed by every message
extern int bActive;                              // nonzero while the application is active
// The desktop's own display mode: the size of the screen the window covers; the default.
constexpr int GM_PLOCHA = 6;

extern int GM;                                   // display mode 1 … 6 (3 = 800 × 600, 6 the desktop's)
extern char PAN_param_file[PAN_PARAM_FILE_MAX + 1];  // empty when no file was named
