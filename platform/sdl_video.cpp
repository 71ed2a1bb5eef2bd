// The window, the renderer and the streaming texture the primary surface is shown through.
// The texture has the display mode's size and is scaled onto the window with its aspect kept.
#include "platform/sdl_video.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/backend_internal.h"
#include "platform/ddraw.h"
#include "platform/resources.h"
#include "platform/sdl_signals.h"

namespace {
SDL_Window* g_win = nullptr;
SDL_Renderer* g_ren = nullptr;
SDL_Texture* g_tex = nullptr;
int g_tex_w = 0;
int g_tex_h = 0;
int g_tex_bits = 16;

const int WINDOWED_W = 800;  // the default display mode
const int WINDOWED_H = 600;

// The icon resource is a 24-bit BMP; without it the window keeps the system's icon.
void SetIcon() {
  HRSRC res = FindResourceA(GetModuleHandleA(nullptr), "PANO_ICON", RT_ICON);
  if (!res) return;
  SDL_RWops* rw = SDL_RWFromConstMem(LockResource(LoadResource(nullptr, res)), (int)SizeofResource(nullptr, res));
  SDL_Surface* icon = rw ? SDL_LoadBMP_RW(rw, 1) : nullptr;
  if (!icon) return;
  SDL_SetWindowIcon(g_win, icon);
  SDL_FreeSurface(icon);
}

bool MakeTexture(int w, int h, int bits) {
  if (g_tex) SDL_DestroyTexture(g_tex);
  const Uint32 format = bits == 32 ? SDL_PIXELFORMAT_XRGB8888 : SDL_PIXELFORMAT_RGB565;
  g_tex = SDL_CreateTexture(g_ren, format, SDL_TEXTUREACCESS_STREAMING, w, h);
  if (!g_tex) {
    std::fprintf(stderr, "SDL_CreateTexture %dx%d: %s\n", w, h, SDL_GetError());
    g_tex_w = g_tex_h = 0;
    return false;
  }
  g_tex_w = w;
  g_tex_h = h;
  g_tex_bits = bits;
  SDL_RenderSetLogicalSize(g_ren, w, h);
  return true;
}
}  // namespace

bool PLAT_SdlInit() {
  if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_EVENTS | SDL_INIT_TIMER) != 0) {
    std::fprintf(stderr, "SDL_Init: %s\n", SDL_GetError());
    return false;
  }
  SDL_SetHint(SDL_HINT_RENDER_SCALE_QUALITY, "linear");
  PLAT_SdlSignalsInstall();
  return true;
}

void PLAT_SdlQuit() {
  PLAT_SdlSignalsRemove();
  SDL_Quit();
}

DWORD PLAT_SdlTicks() { return (DWORD)SDL_GetTicks64(); }

bool PLAT_SdlDisplayVisible() {
  const char* driver = SDL_GetCurrentVideoDriver();
  if (driver == nullptr) return false;
  if (std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0) return true;
  const char* asked = std::getenv("SDL_VIDEODRIVER");
  return asked != nullptr && std::strcmp(asked, driver) == 0;
}

bool PLAT_SdlOpenWindow(const char* title, bool windowed) {
  // Full screen, the window is made over the whole desktop from the start: without a window
  // manager (Xvfb) it would otherwise keep a centred position and hang off the screen.
  SDL_Rect r = {SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, WINDOWED_W, WINDOWED_H};
  if (!windowed) SDL_GetDisplayBounds(0, &r);
  const Uint32 flags =
      SDL_WINDOW_HIDDEN | SDL_WINDOW_ALLOW_HIGHDPI | (windowed ? SDL_WINDOW_RESIZABLE : SDL_WINDOW_FULLSCREEN_DESKTOP);
  g_win = SDL_CreateWindow(title, r.x, r.y, r.w, r.h, flags);
  if (!g_win) {
    std::fprintf(stderr, "SDL_CreateWindow: %s\n", SDL_GetError());
    return false;
  }
  g_ren = SDL_CreateRenderer(g_win, -1, SDL_RENDERER_ACCELERATED);
  if (!g_ren) g_ren = SDL_CreateRenderer(g_win, -1, SDL_RENDERER_SOFTWARE);
  if (!g_ren) {
    std::fprintf(stderr, "SDL_CreateRenderer: %s\n", SDL_GetError());
    PLAT_SdlCloseWindow();
    return false;
  }
  SetIcon();
  SDL_StopTextInput();  // keys only: no input method may swallow them
  // A mode chosen before the window existed takes effect now.
  int w, h;
  PLAT_BackendMode(&w, &h);
  if (w > 0 && h > 0) MakeTexture(w, h, PLAT_BackendBits());
  return true;
}

void PLAT_SdlCloseWindow() {
  if (g_tex) SDL_DestroyTexture(g_tex);
  if (g_ren) SDL_DestroyRenderer(g_ren);
  if (g_win) SDL_DestroyWindow(g_win);
  g_tex = nullptr;
  g_ren = nullptr;
  g_win = nullptr;
  g_tex_w = g_tex_h = 0;
}

void PLAT_SdlShowWindow(bool show) {
  if (!g_win) return;
  if (show)
    SDL_ShowWindow(g_win);
  else
    SDL_HideWindow(g_win);
}

bool PLAT_SdlSetMode(int width, int height, int bits) {
  if (!g_ren) return true;  // no window yet: the texture is made when it opens
  return MakeTexture(width, height, bits);
}

void PLAT_SdlRecreateTexture() {
  if (g_ren && g_tex_w > 0) MakeTexture(g_tex_w, g_tex_h, g_tex_bits);
}

bool PLAT_SdlPresent() {
  if (!g_ren) return false;
  const IDirectDrawSurface* screen = PLAT_ScreenSurface();
  SDL_SetRenderDrawColor(g_ren, 0, 0, 0, 255);
  SDL_RenderClear(g_ren);
  if (screen && g_tex && screen->PLAT_Bits() == g_tex_bits) {
    // Only the part both have in common is uploaded: the reads stay inside the surface.
    const int w = screen->PLAT_Width() < g_tex_w ? screen->PLAT_Width() : g_tex_w;
    const int h = screen->PLAT_Height() < g_tex_h ? screen->PLAT_Height() : g_tex_h;
    if (w > 0 && h > 0) {
      const SDL_Rect r = {0, 0, w, h};
      SDL_UpdateTexture(g_tex, &r, screen->PLAT_Bytes(0), screen->PLAT_PitchBytes());
      SDL_RenderCopy(g_ren, g_tex, &r, &r);
    }
  }
  SDL_RenderPresent(g_ren);
  return true;
}

void PLAT_SdlShowCursor(bool visible) { SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE); }

void PLAT_SdlMessageBox(const char* text, const char* caption, bool quiet) {
  std::fprintf(stderr, "%s: %s\n", caption, text);
  if (!quiet && !PLAT_SdlQuitSignalled()) SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, caption, text, g_win);
}

void PLAT_SdlDrawableSize(int* width, int* height) {
  if (g_ren) SDL_GetRendererOutputSize(g_ren, width, height);
}

bool PLAT_SdlDesktopSize(int* width, int* height) {
  SDL_DisplayMode mode;
  if (SDL_GetDesktopDisplayMode(0, &mode) != 0) return false;
  *width = mode.w;
  *height = mode.h;
  return true;
}
