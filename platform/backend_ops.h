// The one seam between the platform layer and a backend: what differs between showing things
// to a person (SDL) and keeping them in memory (tests, tools, benchmarks). A backend is one
// table of these operations, chosen once by PLAT_Init as SDL chooses its video driver.
#pragma once
#include "platform/windef.h"

struct TDsFormat;

struct TPlatBackendOps {
  bool (*init)();  // false: this backend cannot run here
  void (*quit)();
  DWORD (*ticks)();  // milliseconds
  bool (*display_visible)();  // a person sees what is shown
  bool (*open_window)(const char* title, bool windowed);
  void (*close_window)();
  void (*show_window)(bool show);
  bool (*set_mode)(int width, int height, int bits);  // the display mode's logical size and depth
  bool (*present)();  // shows the primary surface; false: nothing to show it with
  void (*show_cursor)(bool visible);
  void (*message_box)(const char* text, const char* caption, bool quiet);
  bool (*desktop_size)(int* width, int* height);  // false: the options' size stands
  void (*drawable_size)(int* width, int* height);  // the window's pixels; untouched: its made size stands
  void (*pump)();  // the system's events into the message queue
  bool (*wait)(int ms);  // until an event or ms (< 0: no limit); false: nothing can come
  bool (*audio_open)(TDsFormat* format);  // the run's one device, open or opened now
  void (*audio_lock)();
  void (*audio_unlock)();
};

extern const TPlatBackendOps PLAT_MEMORY_BACKEND;  // backend_memory.cpp
extern const TPlatBackendOps PLAT_SDL_BACKEND;     // backend_sdl.cpp

// The backend PLAT_Init chose; the memory backend before it and after PLAT_Shutdown.
const TPlatBackendOps& PLAT_Ops();
