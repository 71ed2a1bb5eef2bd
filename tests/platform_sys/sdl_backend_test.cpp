// The SDL backend on SDL's headless "dummy" video driver: real window, renderer, clock and
// event queue, no display.
#include <SDL.h>

#include <cstdlib>

#include "platform/ddraw.h"
#include "sys_fixture.h"

namespace {
LRESULT HidePointer(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg != WM_SETCURSOR) return SysTest::Proc(wnd, msg, w, l);
  SetCursor(nullptr);
  return 1;
}

class SdlBackendTest : public SysTest {
 protected:
  void SetUp() override {
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    TPlatOptions o;
    o.quiet_boxes = true;
    o.mute = true;
    ASSERT_EQ(1, PLAT_Init(PLAT_SDL, o));
    seen.clear();
    ASSERT_NE(nullptr, wnd = MakeWindow(HidePointer));
    ShowWindow(wnd, SW_SHOW);
  }
  // Dispatches everything that arrives within `ms` of real time.
  static void Pump(Uint32 ms) {
    MSG m;
    for (const Uint32 end = SDL_GetTicks() + ms; SDL_GetTicks() < end;)
      while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&m);
  }
  static bool Seen(UINT msg, WPARAM w) {
    for (const TSeen& s : seen)
      if (s.msg == msg && s.w == w) return true;
    return false;
  }
  static void Push(Uint32 type) {
    SDL_Event e = {type};
    e.key.keysym.sym = SDLK_F1;
    SDL_PushEvent(&e);
  }
  HWND wnd = nullptr;
};

TEST_F(SdlBackendTest, EventsArriveAsMessagesAndQuitEndsTheLoop) {
  Push(SDL_KEYDOWN);
  Push(SDL_MOUSEMOTION);
  Pump(50);
  EXPECT_TRUE(Seen(WM_KEYDOWN, VK_F1));
  EXPECT_TRUE(Seen(WM_MOUSEMOVE, 0));
  EXPECT_FALSE(PLAT_SystemCursorVisible()) << "the procedure hid the pointer";
  testing::internal::CaptureStderr();
  EXPECT_EQ(IDOK, MessageBoxA(wnd, "Problem pri inicializacii", "Tessarin Panorama Player", MB_OK));
  EXPECT_NE(std::string::npos, testing::internal::GetCapturedStderr().find("Problem pri inicializacii")) << "quiet";
  Push(SDL_QUIT);
  MSG m;
  for (int guard = 0; GetMessageA(&m, nullptr, 0, 0) > 0 && guard < 1000; guard++) DispatchMessageA(&m);
  EXPECT_EQ((UINT)WM_QUIT, m.message);
  EXPECT_TRUE(Seen(WM_DESTROY, 0));
}

// The message loop waits for input and must wake for the pulse, which keeps its rate.
TEST_F(SdlBackendTest, ThePulseWakesTheWaitAndKeepsItsRate) {
  Pump(20);  // what showing the window brought
  ASSERT_EQ(1u, SetTimer(wnd, 1, 10, nullptr));
  MSG m;
  int pulses = 0;
  for (const DWORD t0 = GetTickCount(); GetTickCount() - t0 < 200 && WaitMessage() && GetMessageA(&m, nullptr, 0, 0) > 0;)
    pulses += m.message == WM_TIMER;
  EXPECT_LE(pulses, 22) << "twenty periods and the one under way: a loaded machine may drop pulses, never add any";
  EXPECT_GE(pulses, 2);
}

TEST_F(SdlBackendTest, TheScreenIsPresentedAndADeviceResetLosesIt) {
  IDirectDraw* dd = nullptr;
  ASSERT_EQ(DD_OK, DirectDrawCreate(nullptr, &dd, nullptr));
  ASSERT_EQ(DD_OK, dd->SetDisplayMode(800, 600, 16));
  DDSURFACEDESC d = {};
  d.dwSize = sizeof d;
  d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
  d.dwBackBufferCount = 1;
  d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
  IDirectDrawSurface* prim = nullptr;
  ASSERT_EQ(DD_OK, dd->CreateSurface(&d, &prim, nullptr));
  DDBLTFX fx = {};
  fx.dwSize = sizeof fx;
  ASSERT_EQ(DD_OK, prim->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx));
  PLAT_Present();
  for (Uint32 reset : {SDL_RENDER_TARGETS_RESET, SDL_RENDER_DEVICE_RESET}) {
    ASSERT_EQ(DD_OK, prim->IsLost());
    Push(reset);
    Pump(20);
    EXPECT_EQ(DDERR_SURFACELOST, prim->IsLost()) << reset;
    EXPECT_EQ(DD_OK, prim->Restore());
  }
  prim->Release();
  dd->Release();
}
}  // namespace
