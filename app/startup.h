// Entry, start-up sequence, message loop and the three helpers every part of the
// viewer uses to give up, to tell the user something and to close.
#pragma once
#include "platform/user32.h"

// Caption of every message box.
extern const char* const PANO_NAZOV;

// The command line without the program name: start index (digits or "P<n>"),
// display mode ("G1" … "G4", "G6") and a panorama file (the first other word).
// Writes PAN_id, GM and PAN_param_file.
void Rozober_prikazovy_riadok(const char* prikazovy_riadok);

// Parses the command line, starts up, draws the first frame and runs the message
// loop. Returns 0 when start-up fails, else the quit message's code.
int PANO_WinMain(const char* prikazovy_riadok, int show);

// The message loop: runs until the quit message and returns its code. While the
// application is inactive it sleeps until a message arrives.
int Slucka_sprav();

// The start-up sequence: 1 = ready, 0 = failed.
int Inicializuj(HINSTANCE hInstance, int nCmdShow);

// Start-up failure: release every display object, tell the user, destroy the window. 0.
int Inic_problem(HWND hwnd);

// A message box with the program's caption and one OK button.
void tsMsg(HWND hwnd, const char* text);

// Orderly close: stop the pulse and ask the window to close.
void FINITO(HWND hwnd);
