// The window procedure: keys, mouse, timer, activation and the end of the run.
#pragma once
#include <cstdint>

#include "platform/user32.h"

extern int mx, my;                       // last pointer position
extern uint8_t l_CTRL_stlac;             // Control held
extern int dui_PANO_vystup_2_sta;        // list row under the pointer at the last move

LRESULT WindowProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam);
