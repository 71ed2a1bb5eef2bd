// Choosing and driving the backend. The SDL backend shows a window and plays sound;
// the memory backend has neither, and lets tests inject messages, advance the clock,
// read message boxes and the screen, and lose surfaces.
#pragma once
#include <string>
#include <vector>

#include "platform/user32.h"

enum TPlatBackend { PLAT_MEMORY = 0, PLAT_SDL = 1 };

struct TPlatOptions {
  bool window = false;        // a resizable window instead of full screen on the desktop
  bool mute = false;          // no audio device
  bool quiet_boxes = false;   // message boxes only on standard error (scripts, tests)
  int desktop_width = 800;    // memory backend: GetSystemMetrics
  int desktop_height = 600;
};

// Returns 1 on success. The memory backend always succeeds.
int PLAT_Init(TPlatBackend backend, const TPlatOptions& options);
void PLAT_Shutdown();
TPlatBackend PLAT_Backend();
const TPlatOptions& PLAT_Options();
// Whether a person sees what the backend shows: never for the memory backend; for SDL not
// on a video driver that shows nothing (offscreen, dummy) unless it was asked for by name.
bool PLAT_DisplayVisible();

// Memory backend: messages are queued as if they came from the system.
void PLAT_InjectMessage(UINT msg, WPARAM w, LPARAM l);
// Memory backend: the clock moves only when a test moves it; a timer that is then due
// yields one WM_TIMER at the next poll, however far the clock moved.
void PLAT_AdvanceTime(DWORD ms);

struct TPlatMessageBox {
  std::string text;
  std::string caption;
};
const std::vector<TPlatMessageBox>& PLAT_MessageBoxes();
void PLAT_ClearMessageBoxes();

// Shows the primary surface now if it changed since it was last shown (SDL backend).
void PLAT_Present();
// The cursor shown over the window (0 = hidden), as ShowCursor/SetCursor left it.
bool PLAT_SystemCursorVisible();
