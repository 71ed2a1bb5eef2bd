// The SDL backend on SDL's headless "dummy" video driver: real window, renderer, clock and
// event queue, no display.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/backend.h"
#include "platform/ddraw.h"
#include "sys_fixture.h"

namespace {
class SdlBackendTest : public ::testing::Test {
 public:
  static LRESULT Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    if (msg != WM_SETCURSOR) SysTest::seen.push_back(TSeen{msg, w, l});
    if (msg == WM_SETCURSOR) {
      cursor_asks++;
      SetCursor(nullptr);
      return 1;
    }
    if (msg == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcA(wnd, msg, w, l);
  }
  static int cursor_asks;

 protected:
  HWND wnd = nullptr;

  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    TPlatOptions o;
    o.quiet_boxes = true;
    o.mute = true;
    ASSERT_EQ(1, PLAT_Init(PLAT_SDL, o));
    SysTest::seen.clear();
    cursor_asks = 0;
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "KW";
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    ASSERT_TRUE(RegisterClassA(&wc));
    wnd = CreateWindowExA(0, "KW", "Tessarin Panorama Player", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                          GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(nullptr, wnd);
    ShowWindow(wnd, SW_SHOW);
  }
  void TearDown() override { PLAT_Shutdown(); }

  // Dispatches everything that arrives within `ms` of real time.
  void Pump(Uint32 ms) {
    const Uint32 end = SDL_GetTicks() + ms;
    MSG m;
    while (SDL_GetTicks() < end)
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  }

  bool Seen(UINT msg, WPARAM w) const {
    for (const TSeen& s : SysTest::seen)
      if (s.msg == msg && s.w == w) return true;
    return false;
  }
};
int SdlBackendTest::cursor_asks = 0;

SDL_Event KeyDown(SDL_Keycode sym, SDL_Scancode sc) {
  SDL_Event e = {};
  e.type = SDL_KEYDOWN;
  e.key.keysym.sym = sym;
  e.key.keysym.scancode = sc;
  return e;
}
}  // namespace

TEST_F(SdlBackendTest, SdlEventsArriveAsMessages) {
  SDL_Event e = KeyDown(SDLK_F1, SDL_SCANCODE_F1);
  SDL_PushEvent(&e);
  e = {};
  e.type = SDL_MOUSEMOTION;
  e.motion.x = 12;
  e.motion.y = 34;
  SDL_PushEvent(&e);
  Pump(50);
  EXPECT_TRUE(Seen(WM_KEYDOWN, VK_F1));
  EXPECT_TRUE(Seen(WM_MOUSEMOVE, 0));
  EXPECT_GE(cursor_asks, 2);  // on showing, and again when the pointer moved
  EXPECT_FALSE(PLAT_SystemCursorVisible());
}

TEST_F(SdlBackendTest, PulseKeepsItsRate) {
  ASSERT_EQ(1u, SetTimer(wnd, 1, 10, nullptr));
  const DWORD t0 = GetTickCount();
  MSG m;
  int pulses = 0;
  while (GetTickCount() - t0 < 200 && GetMessageA(&m, nullptr, 0, 0) > 0)
    if (m.message == WM_TIMER) pulses++;
  // 20 periods: a loaded machine may drop pulses, never add any.
  EXPECT_LE(pulses, 21);
  EXPECT_GE(pulses, 2);
}

TEST_F(SdlBackendTest, WaitReturnsWhenThePulseIsDue) {
  Pump(20);  // what showing the window brought
  SetTimer(wnd, 1, 30, nullptr);
  const DWORD t0 = GetTickCount();
  WaitMessage();
  const DWORD waited = GetTickCount() - t0;
  EXPECT_GE(waited, 20u);
  EXPECT_LT(waited, 1000u);
}

TEST_F(SdlBackendTest, QuitEventClosesTheWindowAndEndsTheLoop) {
  SDL_Event e = {};
  e.type = SDL_QUIT;
  SDL_PushEvent(&e);
  MSG m;
  int guard = 0;
  while (GetMessageA(&m, nullptr, 0, 0) > 0 && guard++ < 1000) DispatchMessageA(&m);
  EXPECT_EQ((UINT)WM_QUIT, m.message);
  EXPECT_TRUE(Seen(WM_CLOSE, 0));
  EXPECT_TRUE(Seen(WM_DESTROY, 0));
}

TEST_F(SdlBackendTest, PresentsTheScreenInEveryMode) {
  IDirectDraw* dd = nullptr;
  ASSERT_EQ(DD_OK, DirectDrawCreate(nullptr, &dd, nullptr));
  ASSERT_EQ(DD_OK, dd->SetCooperativeLevel(wnd, DDSCL_EXCLUSIVE | DDSCL_FULLSCREEN));
  const int modes[][2] = {{800, 600}, {320, 200}, {1280, 1024}};
  for (const auto& mode : modes) {
    ASSERT_EQ(DD_OK, dd->SetDisplayMode(mode[0], mode[1], 16));
    DDSURFACEDESC d = {};
    d.dwSize = sizeof d;
    d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    d.dwBackBufferCount = 1;
    d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    IDirectDrawSurface* prim = nullptr;
    ASSERT_EQ(DD_OK, dd->CreateSurface(&d, &prim, nullptr));
    DDBLTFX fx = {};
    fx.dwSize = sizeof fx;
    fx.dwFillColor = PLAT_Pack565(255, 0, 0);
    ASSERT_EQ(DD_OK, prim->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx));
    MSG m = {};
    m.hwnd = wnd;
    m.message = WM_PAINT;
    DispatchMessageA(&m);  // presents what the fill changed
    prim->Release();
  }
  dd->Release();
}

TEST_F(SdlBackendTest, MessageBoxGoesToStandardErrorWhenQuiet) {
  testing::internal::CaptureStderr();
  EXPECT_EQ(IDOK, MessageBoxA(wnd, "Problem pri inicializacii", "Tessarin Panorama Player", MB_OK));
  const std::string err = testing::internal::GetCapturedStderr();
  EXPECT_NE(std::string::npos, err.find("Problem pri inicializacii"));
  EXPECT_NE(std::string::npos, err.find("Tessarin Panorama Player"));
  ASSERT_EQ(1u, PLAT_MessageBoxes().size());
}

TEST_F(SdlBackendTest, ScreenSizeComesFromTheDesktop) {
  SDL_DisplayMode mode;
  ASSERT_EQ(0, SDL_GetDesktopDisplayMode(0, &mode));
  EXPECT_EQ(mode.w, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(mode.h, GetSystemMetrics(SM_CYSCREEN));
}

TEST_F(SdlBackendTest, DeviceResetLosesTheSurfaces) {
  IDirectDraw* dd = nullptr;
  ASSERT_EQ(DD_OK, DirectDrawCreate(nullptr, &dd, nullptr));
  ASSERT_EQ(DD_OK, dd->SetDisplayMode(640, 480, 16));
  DDSURFACEDESC d = {};
  d.dwSize = sizeof d;
  d.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  d.dwWidth = 16;
  d.dwHeight = 16;
  d.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  IDirectDrawSurface* s = nullptr;
  ASSERT_EQ(DD_OK, dd->CreateSurface(&d, &s, nullptr));
  const Uint32 resets[] = {SDL_RENDER_TARGETS_RESET, SDL_RENDER_DEVICE_RESET};
  for (Uint32 type : resets) {
    ASSERT_EQ(DD_OK, s->IsLost());
    SDL_Event e = {};
    e.type = type;
    SDL_PushEvent(&e);
    Pump(20);
    EXPECT_EQ(DDERR_SURFACELOST, s->IsLost()) << type;
    EXPECT_EQ(DD_OK, s->Restore());
  }
  s->Release();
  dd->Release();
}
