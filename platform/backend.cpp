#include "platform/backend.h"

#include "platform/backend_internal.h"
#include "platform/ddraw.h"
#include "platform/sdl_pump.h"
#include "platform/sdl_video.h"

namespace {
TPlatBackend g_backend = PLAT_MEMORY;
TPlatOptions g_options;
DWORD g_clock = 0;  // memory backend's clock
std::vector<TPlatMessageBox> g_boxes;
bool g_dirty = false;
int g_mode_w = 0;
int g_mode_h = 0;

void ResetState() {
  PLAT_QueueReset();
  PLAT_TimersKillAll();
  PLAT_WindowReset();
  PLAT_CursorReset();
  g_clock = 0;
  g_boxes.clear();
  g_dirty = false;
  g_mode_w = g_mode_h = 0;
}
}  // namespace

int PLAT_Init(TPlatBackend backend, const TPlatOptions& options) {
  PLAT_Shutdown();
  g_options = options;
  if (backend == PLAT_SDL) {
    if (!PLAT_SdlInit()) return 0;
    PLAT_SdlPumpReset();
  }
  g_backend = backend;
  return 1;
}

void PLAT_Shutdown() {
  ResetState();  // closes the window first, while SDL is still up
  if (g_backend == PLAT_SDL) PLAT_SdlQuit();
  g_backend = PLAT_MEMORY;
  g_options = TPlatOptions();
}

TPlatBackend PLAT_Backend() { return g_backend; }
const TPlatOptions& PLAT_Options() { return g_options; }

void PLAT_InjectMessage(UINT msg, WPARAM w, LPARAM l) {
  TWindow* win = PLAT_LiveWindow();
  PLAT_QueuePost(reinterpret_cast<HWND>(win), msg, w, l);
}

void PLAT_AdvanceTime(DWORD ms) { g_clock += ms; }

DWORD GetTickCount() { return g_backend == PLAT_SDL ? PLAT_SdlTicks() : g_clock; }

void PLAT_RecordMessageBox(const char* text, const char* caption) {
  g_boxes.push_back(TPlatMessageBox{text ? text : "", caption ? caption : ""});
}
const std::vector<TPlatMessageBox>& PLAT_MessageBoxes() { return g_boxes; }
void PLAT_ClearMessageBoxes() { g_boxes.clear(); }

void PLAT_MarkScreenDirty() { g_dirty = true; }

void PLAT_Present() {
  if (!g_dirty) return;
  if (g_backend == PLAT_SDL && !PLAT_SdlPresent()) return;
  g_dirty = false;
}

HRESULT PLAT_BackendSetMode(int width, int height) {
  if (width <= 0 || height <= 0) return DDERR_INVALIDMODE;
  if (g_backend == PLAT_SDL && !PLAT_SdlSetMode(width, height)) return DDERR_GENERIC;
  g_mode_w = width;
  g_mode_h = height;
  g_dirty = true;
  return DD_OK;
}

void PLAT_BackendMode(int* width, int* height) {
  *width = g_mode_w;
  *height = g_mode_h;
}
