// The one window class and the one window, and the default window procedure.
#include <strings.h>

#include <string>

#include "platform/backend.h"
#include "platform/backend_internal.h"
#include "platform/backend_ops.h"
#include "platform/fault.h"

struct TModule {
  int unused;
};

namespace {
TModule g_module;  // the program's own module: GetModuleHandleA(nullptr)
int g_cursor_dummy;
int g_icon_dummy;

// One class may be registered, as the viewer registers one.
struct TWindowClass {
  bool registered = false;
  std::string name;
  WNDPROC proc = nullptr;
  HCURSOR cursor = nullptr;
};
TWindowClass g_class;
TWindow g_window;

HWND Handle() { return reinterpret_cast<HWND>(&g_window); }
bool IsLive(HWND wnd) { return g_window.alive && wnd == Handle(); }
}  // namespace

TWindow* PLAT_LiveWindow() { return g_window.alive ? &g_window : nullptr; }

void PLAT_WindowReset() {
  if (g_window.alive) PLAT_Ops().close_window();
  g_window = TWindow();
  g_class = TWindowClass();
}

HMODULE GetModuleHandleA(const char* name) { return name ? nullptr : &g_module; }

HCURSOR LoadCursorA(HINSTANCE, const char*) { return &g_cursor_dummy; }
HICON LoadIconA(HINSTANCE, const char*) { return &g_icon_dummy; }

BOOL RegisterClassA(const WNDCLASSA* wc) {
  if (PLAT_FaultHit(PC_RegisterClass, nullptr)) return FALSE;
  if (!wc || !wc->lpfnWndProc || !wc->lpszClassName || g_class.registered) return FALSE;
  g_class.registered = true;
  g_class.name = wc->lpszClassName;
  g_class.proc = wc->lpfnWndProc;
  g_class.cursor = wc->hCursor;
  return TRUE;
}

HWND CreateWindowExA(DWORD, const char* class_name, const char* title, DWORD style, int, int, int w, int h, HWND, HMENU,
                     HINSTANCE, void*) {
  if (PLAT_FaultHit(PC_CreateWindow, nullptr)) return nullptr;
  if (!class_name || !g_class.registered || strcasecmp(class_name, g_class.name.c_str()) != 0) return nullptr;
  if (g_window.alive) return nullptr;
  if (!PLAT_Ops().open_window(title ? title : "", PLAT_Options().window)) return nullptr;
  g_window = TWindow();
  g_window.proc = g_class.proc;
  g_window.class_cursor = g_class.cursor;
  g_window.alive = true;
  g_window.width = w;
  g_window.height = h;
  SetCursor(g_class.cursor);
  if (SendMessageA(Handle(), WM_CREATE, 0, 0) == -1) {
    DestroyWindow(Handle());
    return nullptr;
  }
  if (style & WS_VISIBLE) ShowWindow(Handle(), SW_SHOW);
  return Handle();
}

BOOL ShowWindow(HWND wnd, int cmd) {
  if (!IsLive(wnd)) return FALSE;
  const BOOL was_visible = g_window.visible ? TRUE : FALSE;
  g_window.visible = cmd != 0;  // SW_HIDE is 0
  PLAT_Ops().show_window(g_window.visible);
  // The window covers the screen, so the pointer is over it now: let it choose the cursor.
  if (g_window.visible) SendMessageA(wnd, WM_SETCURSOR, (WPARAM)wnd, 0);
  return was_visible;
}

BOOL UpdateWindow(HWND wnd) {
  if (!IsLive(wnd)) return FALSE;
  PLAT_Present();
  return TRUE;
}

BOOL GetClientRect(HWND wnd, RECT* rect) {
  if (!IsLive(wnd) || !rect) return FALSE;
  int w = g_window.width, h = g_window.height;
  PLAT_Ops().drawable_size(&w, &h);
  *rect = RECT{0, 0, w, h};
  return TRUE;
}

BOOL DestroyWindow(HWND wnd) {
  if (!IsLive(wnd) || g_window.destroying) return FALSE;
  g_window.destroying = true;
  SendMessageA(wnd, WM_DESTROY, 0, 0);
  PLAT_TimersKillAll();
  PLAT_Ops().close_window();
  g_window = TWindow();
  return TRUE;
}

LRESULT SendMessageA(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (!IsLive(wnd)) return 0;
  return g_window.proc(wnd, msg, w, l);
}

LRESULT DefWindowProcA(HWND wnd, UINT msg, WPARAM, LPARAM) {
  switch (msg) {
    case WM_CLOSE:
      DestroyWindow(wnd);
      return 0;
    case WM_SETCURSOR:
      if (IsLive(wnd)) SetCursor(g_window.class_cursor);
      return 0;
    default:
      return 0;
  }
}
