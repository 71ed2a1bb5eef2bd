// The thread's message queue. Posted and input messages come out in arrival order; the
// quit request comes when none is left, and a due timer only after that, as on Windows:
// the pulse never overtakes input, and it never piles up (see user32_timer.cpp).
#include <cstring>

#include "platform/backend.h"
#include "platform/backend_internal.h"
#include "platform/backend_ops.h"

namespace {
const int QUEUE_CAP = 512;
MSG g_queue[QUEUE_CAP];
int g_count = 0;
bool g_quit = false;
int g_quit_code = 0;

bool InFilter(UINT msg, UINT lo, UINT hi) { return (lo == 0 && hi == 0) || (msg >= lo && msg <= hi); }

bool Take(MSG* out, UINT lo, UINT hi, bool remove) {
  // Once quitting, the window is gone: no more input is taken in, so WM_QUIT surely comes.
  if (!g_quit) PLAT_Ops().pump();
  for (int i = 0; i < g_count; i++) {
    if (!InFilter(g_queue[i].message, lo, hi)) continue;
    *out = g_queue[i];
    if (remove) {
      std::memmove(&g_queue[i], &g_queue[i + 1], sizeof(MSG) * (size_t)(g_count - i - 1));
      g_count--;
    }
    return true;
  }
  if (g_quit && InFilter(WM_QUIT, lo, hi)) {
    *out = MSG();
    out->message = WM_QUIT;
    out->wParam = (WPARAM)g_quit_code;
    out->time = GetTickCount();
    if (remove) g_quit = false;
    return true;
  }
  return PLAT_TimerTake(out, lo, hi, remove);
}

bool AnythingWaiting() {
  MSG m;
  return Take(&m, 0, 0, false);
}
}  // namespace

BOOL PLAT_QueuePost(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (g_count == QUEUE_CAP) return FALSE;
  MSG& m = g_queue[g_count++];
  m = MSG();
  m.hwnd = wnd;
  m.message = msg;
  m.wParam = w;
  m.lParam = l;
  m.time = GetTickCount();
  return TRUE;
}

BOOL PLAT_QueuePostInput(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_MOUSEMOVE && g_count > 0 && g_queue[g_count - 1].message == WM_MOUSEMOVE) {
    MSG& last = g_queue[g_count - 1];
    last.wParam = w;
    last.lParam = l;
    last.time = GetTickCount();
    return TRUE;
  }
  return PLAT_QueuePost(wnd, msg, w, l);
}

void PLAT_QueueReset() {
  g_count = 0;
  g_quit = false;
  g_quit_code = 0;
}

BOOL PeekMessageA(MSG* msg, HWND, UINT min, UINT max, UINT remove) {
  if (!msg) return FALSE;
  if (Take(msg, min, max, (remove & PM_REMOVE) != 0)) return TRUE;
  // A loop that polls while active would keep a processor busy for nothing: an empty
  // poll gives it up for at most a millisecond, and input still wakes it at once.
  PLAT_Ops().wait(1);
  return FALSE;
}

BOOL GetMessageA(MSG* msg, HWND, UINT min, UINT max) {
  if (!msg) return -1;
  while (!Take(msg, min, max, true)) {
    // When nothing can arrive while the caller waits (the memory backend's clock only moves
    // when a test moves it), fail as Windows does on error rather than block for ever.
    if (!PLAT_Ops().wait(PLAT_TimerWaitMs())) {
      *msg = MSG();
      return -1;
    }
  }
  return msg->message == WM_QUIT ? FALSE : TRUE;
}

BOOL TranslateMessage(const MSG* msg) {
  // No character messages are made: the viewer reads only virtual keys.
  return msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP);
}

LRESULT DispatchMessageA(const MSG* msg) {
  if (!msg) return 0;
  TWindow* win = PLAT_LiveWindow();
  LRESULT r = 0;
  // Messages left for a window that has been destroyed are dropped, as on Windows.
  if (win && msg->hwnd == reinterpret_cast<HWND>(win)) r = win->proc(msg->hwnd, msg->message, msg->wParam, msg->lParam);
  PLAT_Present();
  return r;
}

BOOL WaitMessage() {
  if (!AnythingWaiting()) PLAT_Ops().wait(PLAT_TimerWaitMs());
  return TRUE;
}

BOOL PostMessageA(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (wnd && wnd != reinterpret_cast<HWND>(PLAT_LiveWindow())) return FALSE;
  return PLAT_QueuePost(wnd, msg, w, l);
}

void PostQuitMessage(int code) {
  g_quit = true;
  g_quit_code = code;
}
