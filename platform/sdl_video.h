// The SDL side of the display: the window, the renderer and the texture the primary
// surface is shown through. No SDL types here, so user32 and the backend stay SDL-free.
#pragma once
#include "platform/windef.h"

bool PLAT_SdlInit();  // video, events and timer; false (and a line on stderr) without a display
void PLAT_SdlQuit();
DWORD PLAT_SdlTicks();
// False on a video driver that shows nothing (SDL's fallback without a display), unless the
// SDL_VIDEODRIVER variable asked for it by name.
bool PLAT_SdlDisplayVisible();

// Full screen on the desktop, or a resizable window; hidden until shown.
bool PLAT_SdlOpenWindow(const char* title, bool windowed);
void PLAT_SdlCloseWindow();
void PLAT_SdlShowWindow(bool show);
// A display mode is the logical size the texture is scaled from (aspect kept) and its format
// (16: RGB565, 32: XRGB8888).
bool PLAT_SdlSetMode(int width, int height, int bits);
// Uploads the primary surface and shows it; false when there is nothing to show it with.
bool PLAT_SdlPresent();
// The device lost its textures: make a new one (the mode's size and format).
void PLAT_SdlRecreateTexture();
void PLAT_SdlShowCursor(bool visible);
// Standard error always; a dialog too unless quiet.
void PLAT_SdlMessageBox(const char* text, const char* caption, bool quiet);
// The window's drawable size in physical pixels; untouched without a window.
void PLAT_SdlDrawableSize(int* width, int* height);
// The desktop's size; false when SDL cannot tell.
bool PLAT_SdlDesktopSize(int* width, int* height);
