// The pieces of the window procedure, one file each.
#pragma once
#include "platform/user32.h"

// D changed by o and kept within D_min … D_max, as every zoom input does.
void Zmen_D(int o);

void Klavesa_dole(HWND hWnd, WPARAM kod);
void Mys_pohyb(LPARAM lParam);
// Returns false when a refused display mode ended the run (Inic_problem has run).
bool Mys_lave_dole(LPARAM lParam);
void Mys_lave_hore(HWND hWnd);
void Mys_prave_dole();
void Mys_koliesko(WPARAM wParam);
