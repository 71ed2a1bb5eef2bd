// Timers. A timer is never queued: when the queue is polled and holds nothing else, the
// earliest due timer yields one WM_TIMER, so a timer has at most one pending pulse.
// Taking the pulse moves the due time on by one period, so the pulse keeps its rhythm
// (a late pulse does not delay the next one). When the program has fallen more than one
// period behind, the missed pulses are dropped and the next one is due a period from
// now, so a slow frame is followed by one pulse, never by a burst of them.
#include "platform/backend_internal.h"

namespace {
const UINT TIMER_MIN_MS = 10;  // shorter periods are raised to this, as on Windows
const int TIMER_CAP = 16;

struct TTimer {
  bool used = false;
  HWND wnd = nullptr;
  uintptr_t id = 0;
  DWORD period = 0;
  DWORD due = 0;
};
TTimer g_timers[TIMER_CAP];

// Signed distance on the wrapping millisecond clock.
int32_t Since(DWORD now, DWORD t) { return (int32_t)(now - t); }

TTimer* Find(uintptr_t id) {
  for (TTimer& t : g_timers)
    if (t.used && t.id == id) return &t;
  return nullptr;
}

TTimer* EarliestDue(DWORD now) {
  TTimer* best = nullptr;
  for (TTimer& t : g_timers)
    if (t.used && Since(now, t.due) >= 0 && (!best || Since(best->due, t.due) > 0)) best = &t;
  return best;
}
}  // namespace

uintptr_t SetTimer(HWND wnd, uintptr_t id, UINT ms, void* callback) {
  // Timer callbacks are not offered: every pulse arrives as WM_TIMER at the window.
  if (callback || id == 0) return 0;
  TTimer* t = Find(id);
  if (!t) {
    for (TTimer& free_slot : g_timers)
      if (!free_slot.used) {
        t = &free_slot;
        break;
      }
    if (!t) return 0;
  }
  t->used = true;
  t->wnd = wnd;
  t->id = id;
  t->period = ms < TIMER_MIN_MS ? TIMER_MIN_MS : ms;
  t->due = GetTickCount() + t->period;
  return id;
}

BOOL KillTimer(HWND, uintptr_t id) {
  TTimer* t = Find(id);
  if (!t) return FALSE;
  *t = TTimer();
  return TRUE;
}

bool PLAT_TimerTake(MSG* out, UINT lo, UINT hi, bool remove) {
  if (!((lo == 0 && hi == 0) || (WM_TIMER >= lo && WM_TIMER <= hi))) return false;
  const DWORD now = GetTickCount();
  TTimer* t = EarliestDue(now);
  if (!t) return false;
  *out = MSG();
  out->hwnd = t->wnd;
  out->message = WM_TIMER;
  out->wParam = t->id;
  out->time = now;
  if (remove) {
    t->due += t->period;
    if (Since(now, t->due) > 0) t->due = now + t->period;
  }
  return true;
}

int PLAT_TimerWaitMs() {
  const DWORD now = GetTickCount();
  int wait = -1;
  for (const TTimer& t : g_timers) {
    if (!t.used) continue;
    const int32_t left = -Since(now, t.due);
    const int ms = left < 0 ? 0 : (int)left;
    if (wait < 0 || ms < wait) wait = ms;
  }
  return wait;
}

void PLAT_TimersKillAll() {
  for (TTimer& t : g_timers) t = TTimer();
}
