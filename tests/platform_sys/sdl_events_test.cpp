// SDL events → the messages the window procedure relies on. No display needed: the
// events are built by hand.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/sdl_events.h"

namespace {
SDL_Event Key(Uint32 type, SDL_Keycode sym, SDL_Scancode sc, Uint16 mod = KMOD_NONE, Uint8 repeat = 0) {
  SDL_Event e = {};
  e.type = type;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = sc;
  e.key.keysym.mod = mod;
  e.key.repeat = repeat;
  return e;
}

SDL_Event Motion(int x, int y) {
  SDL_Event e = {};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = x;
  e.motion.y = y;
  return e;
}

SDL_Event Button(Uint32 type, Uint8 button, int x, int y) {
  SDL_Event e = {};
  e.type = type;
  e.button.button = button;
  e.button.x = x;
  e.button.y = y;
  return e;
}

SDL_Event Wheel(float y, bool flipped = false) {
  SDL_Event e = {};
  e.type = SDL_MOUSEWHEEL;
  e.wheel.y = std::isfinite(y) ? (Sint32)y : 0;
  e.wheel.preciseY = y;
  e.wheel.direction = flipped ? SDL_MOUSEWHEEL_FLIPPED : SDL_MOUSEWHEEL_NORMAL;
  return e;
}

SDL_Event Window(Uint8 event) {
  SDL_Event e = {};
  e.type = SDL_WINDOWEVENT;
  e.window.event = event;
  return e;
}

SDL_Event Plain(Uint32 type) {
  SDL_Event e = {};
  e.type = type;
  return e;
}

struct TMapCase {
  const char* name;
  SDL_Event event;
  bool has_msg;
  UINT msg;
  WPARAM w;
  LPARAM l;  // checked for pointer and wheel messages
};

const TMapCase MAP_CASES[] = {
    {"left arrow", Key(SDL_KEYDOWN, SDLK_LEFT, SDL_SCANCODE_LEFT), true, WM_KEYDOWN, VK_LEFT, 1},
    {"up arrow", Key(SDL_KEYDOWN, SDLK_UP, SDL_SCANCODE_UP), true, WM_KEYDOWN, VK_UP, 1},
    {"right arrow released", Key(SDL_KEYUP, SDLK_RIGHT, SDL_SCANCODE_RIGHT), true, WM_KEYUP, VK_RIGHT,
     (LPARAM)0xC0000001u},
    {"down arrow repeat", Key(SDL_KEYDOWN, SDLK_DOWN, SDL_SCANCODE_DOWN, KMOD_NONE, 1), true, WM_KEYDOWN, VK_DOWN,
     (1 << 30) | 1},
    {"keypad 4 num lock", Key(SDL_KEYDOWN, SDLK_KP_4, SDL_SCANCODE_KP_4, KMOD_NUM), true, WM_KEYDOWN, VK_NUMPAD4, 1},
    {"keypad 4 no num lock", Key(SDL_KEYDOWN, SDLK_KP_4, SDL_SCANCODE_KP_4), true, WM_KEYDOWN, VK_NUMPAD4, 1},
    {"keypad 6 no num lock", Key(SDL_KEYDOWN, SDLK_KP_6, SDL_SCANCODE_KP_6), true, WM_KEYDOWN, VK_NUMPAD6, 1},
    {"keypad 8 no num lock", Key(SDL_KEYDOWN, SDLK_KP_8, SDL_SCANCODE_KP_8), true, WM_KEYDOWN, VK_NUMPAD8, 1},
    {"keypad 2 no num lock", Key(SDL_KEYUP, SDLK_KP_2, SDL_SCANCODE_KP_2), true, WM_KEYUP, VK_NUMPAD2,
     (LPARAM)0xC0000001u},
    {"keypad 0 num lock", Key(SDL_KEYDOWN, SDLK_KP_0, SDL_SCANCODE_KP_0, KMOD_NUM), true, WM_KEYDOWN, VK_NUMPAD0, 1},
    {"keypad 9 num lock", Key(SDL_KEYDOWN, SDLK_KP_9, SDL_SCANCODE_KP_9, KMOD_NUM), true, WM_KEYDOWN, VK_NUMPAD9, 1},
    {"keypad 7 no num lock", Key(SDL_KEYDOWN, SDLK_KP_7, SDL_SCANCODE_KP_7), true, WM_KEYDOWN, VK_HOME, 1},
    {"keypad 5 no num lock", Key(SDL_KEYDOWN, SDLK_KP_5, SDL_SCANCODE_KP_5), true, WM_KEYDOWN, VK_CLEAR, 1},
    {"keypad plus", Key(SDL_KEYDOWN, SDLK_KP_PLUS, SDL_SCANCODE_KP_PLUS), true, WM_KEYDOWN, VK_ADD, 1},
    {"keypad minus", Key(SDL_KEYDOWN, SDLK_KP_MINUS, SDL_SCANCODE_KP_MINUS, KMOD_NUM), true, WM_KEYDOWN,
     VK_SUBTRACT, 1},
    {"left control", Key(SDL_KEYDOWN, SDLK_LCTRL, SDL_SCANCODE_LCTRL), true, WM_KEYDOWN, VK_CONTROL, 1},
    {"right control up", Key(SDL_KEYUP, SDLK_RCTRL, SDL_SCANCODE_RCTRL), true, WM_KEYUP, VK_CONTROL,
     (LPARAM)0xC0000001u},
    {"shift", Key(SDL_KEYDOWN, SDLK_RSHIFT, SDL_SCANCODE_RSHIFT), true, WM_KEYDOWN, VK_SHIFT, 1},
    {"escape", Key(SDL_KEYDOWN, SDLK_ESCAPE, SDL_SCANCODE_ESCAPE), true, WM_KEYDOWN, VK_ESCAPE, 1},
    {"F1", Key(SDL_KEYDOWN, SDLK_F1, SDL_SCANCODE_F1), true, WM_KEYDOWN, VK_F1, 1},
    {"F2", Key(SDL_KEYDOWN, SDLK_F2, SDL_SCANCODE_F2), true, WM_KEYDOWN, VK_F2, 1},
    {"F12", Key(SDL_KEYDOWN, SDLK_F12, SDL_SCANCODE_F12), true, WM_KEYDOWN, VK_F12, 1},
    {"letter", Key(SDL_KEYDOWN, SDLK_q, SDL_SCANCODE_Q), true, WM_KEYDOWN, 'Q', 1},
    {"digit", Key(SDL_KEYDOWN, SDLK_7, SDL_SCANCODE_7), true, WM_KEYDOWN, '7', 1},
    {"num lock", Key(SDL_KEYDOWN, SDLK_NUMLOCKCLEAR, SDL_SCANCODE_NUMLOCKCLEAR), true, WM_KEYDOWN, VK_NUMLOCK, 1},
    {"other key", Key(SDL_KEYDOWN, SDLK_CAPSLOCK, SDL_SCANCODE_CAPSLOCK), true, WM_KEYDOWN, VK_UNKNOWN, 1},
    {"move", Motion(400, 300), true, WM_MOUSEMOVE, 0, MAKELPARAM(400, 300)},
    {"move past the right edge", Motion(900, 300), true, WM_MOUSEMOVE, 0, MAKELPARAM(799, 300)},
    {"move above the top", Motion(10, -4), true, WM_MOUSEMOVE, 0, MAKELPARAM(10, 0)},
    {"left down", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 5, 6), true, WM_LBUTTONDOWN, 0, MAKELPARAM(5, 6)},
    {"left up", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 799, 599), true, WM_LBUTTONUP, 0, MAKELPARAM(799, 599)},
    {"right down", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 1, 2), true, WM_RBUTTONDOWN, 0, MAKELPARAM(1, 2)},
    {"right up below", Button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 1, 700), true, WM_RBUTTONUP, 0, MAKELPARAM(1, 599)},
    {"middle button", Button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1, 2), false, 0, 0, 0},
    {"wheel forward", Wheel(1), true, WM_MOUSEWHEEL, MAKEWPARAM(0, 120), MAKELPARAM(0, 0)},
    {"wheel backward", Wheel(-1), true, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), MAKELPARAM(0, 0)},
    {"wheel flipped", Wheel(1, true), true, WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)-120), MAKELPARAM(0, 0)},
    {"wheel three notches", Wheel(3), true, WM_MOUSEWHEEL, MAKEWPARAM(0, 360), MAKELPARAM(0, 0)},
    {"wheel tiny step", Wheel(0.005f), false, 0, 0, 0},
    {"wheel not a number", Wheel(NAN), false, 0, 0, 0},
    {"wheel endless", Wheel(INFINITY), false, 0, 0, 0},
    {"focus gained", Window(SDL_WINDOWEVENT_FOCUS_GAINED), true, WM_ACTIVATEAPP, 1, 0},
    {"focus lost", Window(SDL_WINDOWEVENT_FOCUS_LOST), true, WM_ACTIVATEAPP, 0, 0},
    {"shown", Window(SDL_WINDOWEVENT_SHOWN), true, WM_ACTIVATEAPP, 1, 0},
    {"hidden", Window(SDL_WINDOWEVENT_HIDDEN), true, WM_ACTIVATEAPP, 0, 0},
    {"minimized", Window(SDL_WINDOWEVENT_MINIMIZED), true, WM_ACTIVATEAPP, 0, 0},
    {"window closed", Window(SDL_WINDOWEVENT_CLOSE), true, WM_CLOSE, 0, 0},
    {"quit", Plain(SDL_QUIT), true, WM_CLOSE, 0, 0},
    {"exposed", Window(SDL_WINDOWEVENT_EXPOSED), false, 0, 0, 0},
    {"text input", Plain(SDL_TEXTINPUT), false, 0, 0, 0},
};

void PrintTo(const TMapCase& c, std::ostream* os) { *os << c.name; }

TSdlInputState Mode800x600() {
  TSdlInputState st;
  st.mode_w = 800;
  st.mode_h = 600;
  return st;
}
}  // namespace

class SdlMapTest : public ::testing::TestWithParam<TMapCase> {};

TEST_P(SdlMapTest, EventToMessage) {
  const TMapCase& c = GetParam();
  SCOPED_TRACE(c.name);
  TSdlInputState st = Mode800x600();
  TPlatInputMsg m = {};
  ASSERT_EQ(c.has_msg, PLAT_SdlToMessage(c.event, &st, &m));
  if (!c.has_msg) return;
  EXPECT_EQ(c.msg, m.msg);
  EXPECT_EQ(c.w, m.w);
  if (c.msg != WM_ACTIVATEAPP && c.msg != WM_CLOSE) {
    EXPECT_EQ(c.l, m.l);
  }
}

INSTANTIATE_TEST_SUITE_P(Events, SdlMapTest, ::testing::ValuesIn(MAP_CASES));

TEST(SdlMap, PointerPositionsSurviveTheWordPacking) {
  TSdlInputState st;
  st.mode_w = 1280;
  st.mode_h = 1024;
  TPlatInputMsg m;
  ASSERT_TRUE(PLAT_SdlToMessage(Motion(1279, 1023), &st, &m));
  EXPECT_EQ(1279, GET_X_LPARAM(m.l));
  EXPECT_EQ(1023, GET_Y_LPARAM(m.l));
  // The wheel reports where the pointer last was.
  ASSERT_TRUE(PLAT_SdlToMessage(Wheel(-1), &st, &m));
  EXPECT_EQ(-WHEEL_DELTA, GET_WHEEL_DELTA_WPARAM(m.w));
  EXPECT_EQ(1279, GET_X_LPARAM(m.l));
  EXPECT_EQ(1023, GET_Y_LPARAM(m.l));
}

TEST(SdlMap, PreciseWheelStepsAddUp) {
  TSdlInputState st = Mode800x600();
  TPlatInputMsg m;
  int total = 0;
  int messages = 0;
  for (int i = 0; i < 40; i++) {
    if (PLAT_SdlToMessage(Wheel(0.025f), &st, &m)) {  // 3 units each
      total += GET_WHEEL_DELTA_WPARAM(m.w);
      messages++;
    }
  }
  EXPECT_NEAR(120, total, 1);  // a whole notch over forty small steps, nothing lost
  EXPECT_GE(messages, 39);
  // Steps smaller than one unit are kept until they make one.
  st = Mode800x600();
  int small_total = 0;
  for (int i = 0; i < 10; i++)
    if (PLAT_SdlToMessage(Wheel(0.001f), &st, &m)) small_total += GET_WHEEL_DELTA_WPARAM(m.w);
  EXPECT_EQ(1, small_total);
}

TEST(SdlMap, ActivationOnlyWhenItChanges) {
  TSdlInputState st = Mode800x600();
  TPlatInputMsg m;
  EXPECT_TRUE(PLAT_SdlToMessage(Window(SDL_WINDOWEVENT_SHOWN), &st, &m));
  EXPECT_FALSE(PLAT_SdlToMessage(Window(SDL_WINDOWEVENT_FOCUS_GAINED), &st, &m));
  EXPECT_TRUE(PLAT_SdlToMessage(Window(SDL_WINDOWEVENT_FOCUS_LOST), &st, &m));
  EXPECT_EQ(0u, m.w);
  EXPECT_FALSE(PLAT_SdlToMessage(Window(SDL_WINDOWEVENT_MINIMIZED), &st, &m));
  EXPECT_TRUE(PLAT_SdlToMessage(Window(SDL_WINDOWEVENT_RESTORED), &st, &m));
  EXPECT_EQ(1u, m.w);
}

TEST(SdlMap, NoModeYetLeavesPositionsAlone) {
  TSdlInputState st;
  TPlatInputMsg m;
  ASSERT_TRUE(PLAT_SdlToMessage(Motion(2000, 1500), &st, &m));
  EXPECT_EQ(MAKELPARAM(2000, 1500), m.l);
}

TEST(SdlMap, PointerMessagesStayOnTheScreenWhateverSdlSays) {
  TSdlInputState st = Mode800x600();
  unsigned seed = 12345;
  auto next = [&seed]() {
    seed = seed * 1103515245u + 12345u;
    return (int)(seed >> 8) - (1 << 22);  // roughly ±4 million
  };
  const Uint32 types[] = {SDL_MOUSEMOTION, SDL_MOUSEBUTTONDOWN, SDL_MOUSEBUTTONUP, SDL_MOUSEWHEEL};
  for (int i = 0; i < 4000; i++) {
    SDL_Event e = {};
    e.type = types[i % 4];
    if (e.type == SDL_MOUSEMOTION) {
      e.motion.x = next();
      e.motion.y = next();
    } else if (e.type == SDL_MOUSEWHEEL) {
      e.wheel.preciseY = (float)next() / 1000.0f;
    } else {
      e.button.button = (Uint8)(i % 2 ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
      e.button.x = next();
      e.button.y = next();
    }
    TPlatInputMsg m;
    if (!PLAT_SdlToMessage(e, &st, &m)) continue;
    ASSERT_GE(GET_X_LPARAM(m.l), 0);
    ASSERT_LT(GET_X_LPARAM(m.l), 800);
    ASSERT_GE(GET_Y_LPARAM(m.l), 0);
    ASSERT_LT(GET_Y_LPARAM(m.l), 600);
    if (m.msg == WM_MOUSEWHEEL) {
      ASSERT_NE(0, GET_WHEEL_DELTA_WPARAM(m.w));
    }
  }
}
