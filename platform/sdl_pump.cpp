#include "platform/sdl_pump.h"

#include "platform/backend_internal.h"
#include "platform/ddraw.h"
#include "platform/sdl_events.h"
#include "platform/sdl_video.h"

namespace {
TSdlInputState g_input;

void ResetDevice(bool textures_gone) {
  if (textures_gone) PLAT_SdlRecreateTexture();
  // The program finds its surfaces lost at its next draw, restores them and redraws.
  PLAT_LoseAllSurfaces();
  PLAT_MarkScreenDirty();
}
}  // namespace

void PLAT_SdlPumpReset() { g_input = TSdlInputState(); }

void PLAT_SdlPump() {
  PLAT_BackendMode(&g_input.mode_w, &g_input.mode_h);
  SDL_Event e;
  while (SDL_PollEvent(&e)) {
    if (e.type == SDL_RENDER_TARGETS_RESET || e.type == SDL_RENDER_DEVICE_RESET) {
      ResetDevice(e.type == SDL_RENDER_DEVICE_RESET);
      continue;
    }
    if (e.type == SDL_WINDOWEVENT &&
        (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED))
      PLAT_MarkScreenDirty();
    const HWND wnd = reinterpret_cast<HWND>(PLAT_LiveWindow());
    if (wnd && e.type == SDL_WINDOWEVENT && e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED) {
      // The event counts in points; the program wants the pixels it can draw.
      int w = e.window.data1, h = e.window.data2;
      PLAT_SdlDrawableSize(&w, &h);
      PLAT_QueuePost(wnd, WM_SIZE, 0, MAKELPARAM(w, h));
      continue;
    }
    TPlatInputMsg m;
    if (!PLAT_SdlToMessage(e, &g_input, &m)) continue;
    if (!wnd) continue;
    // As on Windows, the window picks the cursor whenever the pointer moves over it.
    if (m.msg == WM_MOUSEMOVE) SendMessageA(wnd, WM_SETCURSOR, (WPARAM)wnd, MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    PLAT_QueuePostInput(wnd, m.msg, m.w, m.l);
  }
}

void PLAT_SdlWait(int ms) {
  if (ms < 0)
    SDL_WaitEvent(nullptr);
  else
    SDL_WaitEventTimeout(nullptr, ms);
}
