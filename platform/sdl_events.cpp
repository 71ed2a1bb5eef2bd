#include "platform/sdl_events.h"

#include <cmath>

namespace {
struct TKeyPair {
  SDL_Keycode sdl;
  UINT vk;
};

const TKeyPair KEYS[] = {
    {SDLK_LEFT, VK_LEFT},       {SDLK_UP, VK_UP},         {SDLK_RIGHT, VK_RIGHT},
    {SDLK_DOWN, VK_DOWN},       {SDLK_LCTRL, VK_CONTROL}, {SDLK_RCTRL, VK_CONTROL},
    {SDLK_LSHIFT, VK_SHIFT},    {SDLK_RSHIFT, VK_SHIFT},  {SDLK_LALT, VK_MENU},
    {SDLK_RALT, VK_MENU},       {SDLK_ESCAPE, VK_ESCAPE}, {SDLK_RETURN, VK_RETURN},
    {SDLK_TAB, VK_TAB},         {SDLK_BACKSPACE, VK_BACK}, {SDLK_SPACE, VK_SPACE},
    {SDLK_HOME, VK_HOME},       {SDLK_END, VK_END},       {SDLK_PAGEUP, VK_PRIOR},
    {SDLK_PAGEDOWN, VK_NEXT},   {SDLK_INSERT, VK_INSERT}, {SDLK_DELETE, VK_DELETE},
    {SDLK_F1, VK_F1},           {SDLK_F2, VK_F2},         {SDLK_F3, VK_F3},
    {SDLK_F4, VK_F4},           {SDLK_F5, VK_F5},         {SDLK_F6, VK_F6},
    {SDLK_F7, VK_F7},           {SDLK_F8, VK_F8},         {SDLK_F9, VK_F9},
    {SDLK_F10, VK_F10},         {SDLK_F11, VK_F11},       {SDLK_F12, VK_F12},
    {SDLK_NUMLOCKCLEAR, VK_NUMLOCK},
};

// The keypad by position, so that Num Lock cannot change which key it is.
// With Num Lock off the arrow twins keep their digit codes (the viewer treats an arrow and
// its keypad digit alike); the others become the keys printed on them.
struct TPadKey {
  SDL_Scancode sc;
  UINT num_on;
  UINT num_off;
};

const TPadKey PAD[] = {
    {SDL_SCANCODE_KP_0, VK_NUMPAD0, VK_INSERT},    {SDL_SCANCODE_KP_1, VK_NUMPAD1, VK_END},
    {SDL_SCANCODE_KP_2, VK_NUMPAD2, VK_NUMPAD2},   {SDL_SCANCODE_KP_3, VK_NUMPAD3, VK_NEXT},
    {SDL_SCANCODE_KP_4, VK_NUMPAD4, VK_NUMPAD4},   {SDL_SCANCODE_KP_5, VK_NUMPAD5, VK_CLEAR},
    {SDL_SCANCODE_KP_6, VK_NUMPAD6, VK_NUMPAD6},   {SDL_SCANCODE_KP_7, VK_NUMPAD7, VK_HOME},
    {SDL_SCANCODE_KP_8, VK_NUMPAD8, VK_NUMPAD8},   {SDL_SCANCODE_KP_9, VK_NUMPAD9, VK_PRIOR},
    {SDL_SCANCODE_KP_PERIOD, VK_DECIMAL, VK_DELETE}, {SDL_SCANCODE_KP_PLUS, VK_ADD, VK_ADD},
    {SDL_SCANCODE_KP_MINUS, VK_SUBTRACT, VK_SUBTRACT}, {SDL_SCANCODE_KP_MULTIPLY, VK_MULTIPLY, VK_MULTIPLY},
    {SDL_SCANCODE_KP_DIVIDE, VK_DIVIDE, VK_DIVIDE}, {SDL_SCANCODE_KP_ENTER, VK_RETURN, VK_RETURN},
};

int Clamp(int v, int size) {
  if (size <= 0) return v;  // no mode yet: nothing to clamp to
  return v < 0 ? 0 : v >= size ? size - 1 : v;
}

LPARAM Point(TSdlInputState* st, int x, int y) {
  st->x = Clamp(x, st->mode_w);
  st->y = Clamp(y, st->mode_h);
  return MAKELPARAM(st->x, st->y);
}

bool Make(TPlatInputMsg* out, UINT msg, WPARAM w, LPARAM l) {
  *out = TPlatInputMsg{msg, w, l};
  return true;
}

bool Activation(TSdlInputState* st, int active, TPlatInputMsg* out) {
  if (st->active == active) return false;
  st->active = active;
  return Make(out, WM_ACTIVATEAPP, (WPARAM)active, 0);
}

bool Button(const SDL_MouseButtonEvent& b, bool down, TSdlInputState* st, TPlatInputMsg* out) {
  UINT msg;
  if (b.button == SDL_BUTTON_LEFT)
    msg = down ? WM_LBUTTONDOWN : WM_LBUTTONUP;
  else if (b.button == SDL_BUTTON_RIGHT)
    msg = down ? WM_RBUTTONDOWN : WM_RBUTTONUP;
  else
    return false;
  return Make(out, msg, 0, Point(st, b.x, b.y));
}

// Wheel movement goes out in proportion, 120 to a notch; what is left of a unit is kept
// for the next event, so a precise wheel's small steps add up instead of being lost.
bool Wheel(const SDL_MouseWheelEvent& w, TSdlInputState* st, TPlatInputMsg* out) {
  const float notches = w.direction == SDL_MOUSEWHEEL_FLIPPED ? -w.preciseY : w.preciseY;
  if (!std::isfinite(notches)) return false;
  float units = st->wheel_rest + notches * WHEEL_DELTA;
  if (units > 32767.0f) units = 32767.0f;
  if (units < -32767.0f) units = -32767.0f;
  const int delta = (int)units;  // toward zero
  st->wheel_rest = units - (float)delta;
  if (delta == 0) return false;
  return Make(out, WM_MOUSEWHEEL, MAKEWPARAM(0, delta), MAKELPARAM(st->x, st->y));
}

bool Window(const SDL_WindowEvent& w, TSdlInputState* st, TPlatInputMsg* out) {
  switch (w.event) {
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_FOCUS_GAINED:
      return Activation(st, 1, out);
    case SDL_WINDOWEVENT_HIDDEN:
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
      return Activation(st, 0, out);
    case SDL_WINDOWEVENT_CLOSE:
      return Make(out, WM_CLOSE, 0, 0);
    default:
      return false;
  }
}
}  // namespace

UINT PLAT_SdlVirtualKey(const SDL_Keysym& key) {
  for (const TPadKey& p : PAD)
    if (p.sc == key.scancode) return (key.mod & KMOD_NUM) ? p.num_on : p.num_off;
  if (key.sym >= SDLK_a && key.sym <= SDLK_z) return (UINT)('A' + (key.sym - SDLK_a));
  if (key.sym >= SDLK_0 && key.sym <= SDLK_9) return (UINT)key.sym;
  for (const TKeyPair& k : KEYS)
    if (k.sdl == key.sym) return k.vk;
  return VK_UNKNOWN;
}

bool PLAT_SdlToMessage(const SDL_Event& e, TSdlInputState* st, TPlatInputMsg* out) {
  switch (e.type) {
    case SDL_KEYDOWN:
      // Bit 30: the key was already down (a repeat); the repeat count is 1.
      return Make(out, WM_KEYDOWN, PLAT_SdlVirtualKey(e.key.keysym), e.key.repeat ? (1 << 30) | 1 : 1);
    case SDL_KEYUP:
      return Make(out, WM_KEYUP, PLAT_SdlVirtualKey(e.key.keysym), (LPARAM)0xC0000001u);
    case SDL_MOUSEMOTION:
      return Make(out, WM_MOUSEMOVE, 0, Point(st, e.motion.x, e.motion.y));
    case SDL_MOUSEBUTTONDOWN:
      return Button(e.button, true, st, out);
    case SDL_MOUSEBUTTONUP:
      return Button(e.button, false, st, out);
    case SDL_MOUSEWHEEL:
      return Wheel(e.wheel, st, out);
    case SDL_WINDOWEVENT:
      return Window(e.window, st, out);
    case SDL_QUIT:
      return Make(out, WM_CLOSE, 0, 0);
    default:
      return false;
  }
}
