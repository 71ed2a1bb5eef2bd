#include "platform/backend.h"

#include "platform/backend_internal.h"
#include "platform/backend_ops.h"
#include "platform/ddraw.h"

namespace {
// By TPlatBackend: another backend is one more table and its entry here.
const TPlatBackendOps* const g_backends[] = {&PLAT_MEMORY_BACKEND, &PLAT_SDL_BACKEND};

TPlatBackend g_backend = PLAT_MEMORY;
const TPlatBackendOps* g_ops = &PLAT_MEMORY_BACKEND;
TPlatOptions g_options;
std::vector<TPlatMessageBox> g_boxes;
bool g_dirty = false;
int g_mode_w = 0;
int g_mode_h = 0;
int g_mode_bits = 16;

void ResetState() {
  PLAT_QueueReset();
  PLAT_TimersKillAll();
  PLAT_WindowReset();
  PLAT_CursorReset();
  PLAT_ClockReset();
  g_boxes.clear();
  g_dirty = false;
  g_mode_w = g_mode_h = 0;
  g_mode_bits = 16;
}
}  // namespace

int PLAT_Init(TPlatBackend backend, const TPlatOptions& options) {
  PLAT_Shutdown();
  g_options = options;
  if ((unsigned)backend >= sizeof g_backends / sizeof g_backends[0]) return 0;
  const TPlatBackendOps* ops = g_backends[backend];
  if (!ops->init()) return 0;
  g_ops = ops;
  g_backend = backend;
  return 1;
}

void PLAT_Shutdown() {
  ResetState();  // closes the window first, while the backend is still up
  g_ops->quit();
  g_ops = &PLAT_MEMORY_BACKEND;
  g_backend = PLAT_MEMORY;
  g_options = TPlatOptions();
}

TPlatBackend PLAT_Backend() { return g_backend; }
const TPlatBackendOps& PLAT_Ops() { return *g_ops; }
const TPlatOptions& PLAT_Options() { return g_options; }
bool PLAT_DisplayVisible() { return g_ops->display_visible(); }

void PLAT_InjectMessage(UINT msg, WPARAM w, LPARAM l) {
  TWindow* win = PLAT_LiveWindow();
  PLAT_QueuePost(reinterpret_cast<HWND>(win), msg, w, l);
}

DWORD GetTickCount() { return g_ops->ticks(); }

void PLAT_RecordMessageBox(const char* text, const char* caption) {
  g_boxes.push_back(TPlatMessageBox{text ? text : "", caption ? caption : ""});
}
const std::vector<TPlatMessageBox>& PLAT_MessageBoxes() { return g_boxes; }
void PLAT_ClearMessageBoxes() { g_boxes.clear(); }

void PLAT_MarkScreenDirty() { g_dirty = true; }

void PLAT_Present() {
  if (!g_dirty) return;
  if (!g_ops->present()) return;
  g_dirty = false;
}

HRESULT PLAT_BackendSetMode(int width, int height, int bits) {
  if (width <= 0 || height <= 0) return DDERR_INVALIDMODE;
  if (!g_ops->set_mode(width, height, bits)) return DDERR_GENERIC;
  g_mode_w = width;
  g_mode_h = height;
  g_mode_bits = bits;
  g_dirty = true;
  return DD_OK;
}

void PLAT_BackendMode(int* width, int* height) {
  *width = g_mode_w;
  *height = g_mode_h;
}

int PLAT_BackendBits() { return g_mode_bits; }
