// Display modes (logical resolutions of the full-screen window) and the re-creation,
// restoration and release of the display surfaces.
#pragma once
#include "platform/ddraw.h"

// The size of the desktop's own mode: the window's client area (the whole screen, in
// physical pixels, unless the viewer runs in a window), kept within sizes the viewer can use.
extern int plocha_sir, plocha_vys;

// Width and height of display mode gm (1 … 5, GM_PLOCHA); false for any other number.
bool GM_rozmery(int gm, int* sir, int* vys);

// Bits per pixel of the classic modes (5-6-5) and of the desktop's own mode (and the window).
// The desktop's mode shows what the view draws, so it is as deep as the view can draw.
constexpr int GM_BITY_KLASICKE = 16;
constexpr int GM_BITY_PLOCHA = 32;
// Bits per pixel of display mode gm: GM_BITY_PLOCHA for GM_PLOCHA, else GM_BITY_KLASICKE.
int GM_bity(int gm);

// Takes the desktop mode's size from the window's client area (start-up).
void Zisti_plochu(HWND hwnd);
// The window's client area became sir × vys (WM_SIZE); applied later by Uplatni_velkost.
void Zmena_velkosti(int sir, int vys);
// At a pulse: once the last reported size has rested for a while, it becomes the desktop
// mode's size, and in that mode the surfaces are re-created at it. 0, or the refusal of the mode.
long Uplatni_velkost();

// Sets the mode of GM and the size-dependent globals; 0 = success.
long SET_OBRAZOVKY();

// Full change to mode gGM; 0 = done or ignored, else the refusal. A change of depth loads the
// panorama shown again, at the new depth, the view kept.
long RESET_GM(int gGM);

// Re-creates the primary surface, back buffer, palette, sprite sheet and thumbnails.
void RESET_SRF_BRUTAL(unsigned char zhodit);

// Restores lost surfaces; 0 = success.
long Vykonaj_RESTORE_SRF();

// Releases surfaces and palette, and with aj_DD the display object as well.
void Vykonaj_RELEASE_SRF(unsigned char aj_DD);

// The primary surface with exactly one back buffer, for the current mode; DD_OK or the failure.
HRESULT Vytvor_primarny_SRF();
// The back buffer attached to the primary surface into lpDDSBack; DD_OK or the failure.
HRESULT Ziskaj_back_SRF();
// A display without the viewer's window, for tools and tests: the display object in a
// sir × vys mode of `bity` (16 or 32) bits, the primary surface with its back buffer and the
// screen globals; DD_OK or the first failure. Vykonaj_RELEASE_SRF(1) takes it down again.
HRESULT Vytvor_displej(int sir, int vys, int bity = GM_BITY_KLASICKE);
