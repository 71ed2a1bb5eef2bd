// SDL events → the messages the window procedure relies on. The events are built by hand.
#include <gtest/gtest.h>

#include <cmath>
#include <tuple>

#include "platform/sdl_events.h"

namespace {
SDL_Event Key(SDL_Keycode sym, SDL_Scancode sc, Uint16 mod = KMOD_NONE, Uint32 type = SDL_KEYDOWN, Uint8 repeat = 0) {
  SDL_Event e = {type};
  e.key.keysym = SDL_Keysym{sc, sym, mod, 0}, e.key.repeat = repeat;
  return e;
}
// Motion, or a button press/release when `type` says so.
SDL_Event Mouse(int x, int y, Uint32 type = SDL_MOUSEMOTION, Uint8 button = 0) {
  SDL_Event e = {type};
  if (type == SDL_MOUSEMOTION) e.motion.x = x, e.motion.y = y;
  if (type != SDL_MOUSEMOTION) e.button.button = button, e.button.x = x, e.button.y = y;
  return e;
}
SDL_Event Wheel(float y, bool flipped = false) {
  SDL_Event e = {SDL_MOUSEWHEEL};
  e.wheel.preciseY = y, e.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
  return e;
}
SDL_Event Win(Uint8 window_event, Uint32 type = SDL_WINDOWEVENT) {
  SDL_Event e = {type};
  e.window.event = window_event;
  return e;
}

// Taken in order through one state: the wheel tells where the pointer last was and keeps what
// is left of a unit (0.6 after the tiny step) for the next event, activation is sent only when
// it changes. Message 0: none.
const struct { const char* name; SDL_Event event; UINT msg; WPARAM w; LPARAM l; } MAP_CASES[] = {
    {"left arrow", Key(SDLK_LEFT, SDL_SCANCODE_LEFT), WM_KEYDOWN, VK_LEFT, 1},
    {"right arrow up", Key(SDLK_RIGHT, SDL_SCANCODE_RIGHT, KMOD_NONE, SDL_KEYUP), WM_KEYUP, VK_RIGHT, (LPARAM)0xC0000001u},
    {"repeat", Key(SDLK_DOWN, SDL_SCANCODE_DOWN, KMOD_NONE, SDL_KEYDOWN, 1), WM_KEYDOWN, VK_DOWN, (1 << 30) | 1},
    {"keypad 4 num lock", Key(SDLK_KP_4, SDL_SCANCODE_KP_4, KMOD_NUM), WM_KEYDOWN, VK_NUMPAD4, 1},
    {"keypad 7", Key(SDLK_KP_7, SDL_SCANCODE_KP_7), WM_KEYDOWN, VK_HOME, 1},
    {"keypad 5", Key(SDLK_KP_5, SDL_SCANCODE_KP_5), WM_KEYDOWN, VK_CLEAR, 1},
    {"letter", Key(SDLK_q, SDL_SCANCODE_Q), WM_KEYDOWN, 'Q', 1},
    {"other key", Key(SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK), WM_KEYDOWN, VK_UNKNOWN, 1},
    {"move", Mouse(400, 300), WM_MOUSEMOVE, 0, MAKELPARAM(400, 300)},
    {"wheel forward", Wheel(1), WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(400, 300)},
    {"move past the right edge", Mouse(900, 300), WM_MOUSEMOVE, 0, MAKELPARAM(799, 300)},
    {"wheel backward", Wheel(-1), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), MAKELPARAM(799, 300)},
    {"move above the top", Mouse(10, -4), WM_MOUSEMOVE, 0, MAKELPARAM(10, 0)},
    {"left down", Mouse(5, 6, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT), WM_LBUTTONDOWN, 0, MAKELPARAM(5, 6)},
    {"right up below", Mouse(1, 700, SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT), WM_RBUTTONUP, 0, MAKELPARAM(1, 599)},
    {"middle button", Mouse(1, 2, SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE), 0, 0, 0},
    {"wheel flipped", Wheel(1, true), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), MAKELPARAM(1, 599)},
    {"wheel three notches", Wheel(3), WM_MOUSEWHEEL, MAKEWPARAM(0, 360), MAKELPARAM(1, 599)},
    {"wheel tiny step", Wheel(0.005f), 0, 0, 0},
    {"wheel not a number", Wheel(NAN), 0, 0, 0},
    {"what was left adds up", Wheel(0.0034f), WM_MOUSEWHEEL, MAKEWPARAM(0, 1), MAKELPARAM(1, 599)},
    {"tiny step back, toward zero", Wheel(-0.005f), 0, 0, 0},
    {"tiny steps back add up", Wheel(-0.005f), WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-1), MAKELPARAM(1, 599)},
    {"wheel flung", Wheel(1e6f), WM_MOUSEWHEEL, MAKEWPARAM(0, 32767), MAKELPARAM(1, 599)},
    {"shown", Win(SDL_WINDOWEVENT_SHOWN), WM_ACTIVATEAPP, 1, 0},
    {"focus gained", Win(SDL_WINDOWEVENT_FOCUS_GAINED), 0, 0, 0},
    {"focus lost", Win(SDL_WINDOWEVENT_FOCUS_LOST), WM_ACTIVATEAPP, 0, 0},
    {"window closed", Win(SDL_WINDOWEVENT_CLOSE), WM_CLOSE, 0, 0},
    {"quit", Win(0, SDL_QUIT), WM_CLOSE, 0, 0},
};
}  // namespace

TEST(SdlMap, EventsToMessages) {
  TSdlInputState st;
  st.mode_w = 800, st.mode_h = 600;
  for (const auto& c : MAP_CASES) {
    TPlatInputMsg m = {};
    ASSERT_EQ(c.msg != 0, PLAT_SdlToMessage(c.event, &st, &m)) << c.name;
    if (c.msg == 0) continue;
    EXPECT_EQ(std::make_tuple(c.msg, c.w, c.l), std::make_tuple(m.msg, m.w, m.l)) << c.name;
  }
  TSdlInputState no_mode;
  TPlatInputMsg m;
  ASSERT_TRUE(PLAT_SdlToMessage(Mouse(2000, 1500), &no_mode, &m));
  EXPECT_EQ(MAKELPARAM(2000, 1500), m.l) << "no mode yet: nothing to clamp to";
}
