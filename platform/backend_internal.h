// Between the pieces of the platform layer only; nothing outside platform/ includes this.
#pragma once
#include "platform/user32.h"

// ddraw.cpp → backend: the display mode (logical resolution, 16 or 32 bits) changed; the SDL
// backend remakes its texture in that size and format. Returns DD_OK or a failure status.
HRESULT PLAT_BackendSetMode(int width, int height, int bits);
// ddraw.cpp / gdi.cpp → backend: the primary surface was written (Unlock, a blit into it,
// ReleaseDC); it is shown after the current message.
void PLAT_MarkScreenDirty();

// ---- Between the backend, user32 and the SDL pieces ----

// The one window. HWND points at it while it lives.
struct TWindow {
  WNDPROC proc = nullptr;
  HCURSOR class_cursor = nullptr;
  bool alive = false;
  bool visible = false;
  bool destroying = false;  // WM_DESTROY is being sent: no second destruction
  int width = 0;            // the size it was made with (memory backend's client area)
  int height = 0;
};
// The live window, or null when none exists (never created, or destroyed).
TWindow* PLAT_LiveWindow();

// The display mode last accepted (0 × 0 before the first).
void PLAT_BackendMode(int* width, int* height);
int PLAT_BackendBits();  // its bits per pixel (16 before the first)

// Message queue: posted and input messages in arrival order. Returns FALSE when full.
BOOL PLAT_QueuePost(HWND wnd, UINT msg, WPARAM w, LPARAM l);
// Timers: the WM_TIMER of the earliest due timer (within [lo, hi] when a filter is set).
bool PLAT_TimerTake(MSG* out, UINT lo, UINT hi, bool remove);
// Milliseconds until the next timer is due (0 when one is due now), −1 without timers.
int PLAT_TimerWaitMs();
// Called when the window goes: its timers go with it.
void PLAT_TimersKillAll();

// Cursor state changed (ShowCursor, SetCursor, a new window): the SDL backend follows it.
void PLAT_CursorApply();

// Fresh state for PLAT_Init / PLAT_Shutdown.
void PLAT_QueueReset();
void PLAT_WindowReset();
void PLAT_CursorReset();
void PLAT_ClockReset();  // the memory backend's clock back to 0

// MessageBoxA → backend: every box is recorded, whichever backend shows it.
void PLAT_RecordMessageBox(const char* text, const char* caption);
// Input from the system: a pointer move replaces one still waiting at the end of the
// queue (only the latest position matters, as on Windows). FALSE when the queue is full.
BOOL PLAT_QueuePostInput(HWND wnd, UINT msg, WPARAM w, LPARAM l);
