// SDL events as the Windows messages the window procedure is written for.
#pragma once
#include <SDL.h>

#include "platform/user32.h"

struct TPlatInputMsg {
  UINT msg;
  WPARAM w;
  LPARAM l;
};

// What the translation remembers between events.
struct TSdlInputState {
  int mode_w = 0;  // the display mode (logical size); pointer positions are clamped to it
  int mode_h = 0;
  int x = 0;  // the last pointer position, for the wheel
  int y = 0;
  float wheel_rest = 0.0f;  // part of a wheel unit (1/120 notch) not yet sent
  int active = -1;          // the last WM_ACTIVATEAPP sent, −1 before the first
};

// The virtual-key code of a key (VK_UNKNOWN for keys without one).
UINT PLAT_SdlVirtualKey(const SDL_Keysym& key);
// One event → at most one message; false when the event means nothing to the window.
bool PLAT_SdlToMessage(const SDL_Event& e, TSdlInputState* st, TPlatInputMsg* out);
