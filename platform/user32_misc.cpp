// Message boxes, the system pointer and the screen metrics.
#include <cstdlib>
#include <cstring>

#include "platform/backend.h"
#include "platform/backend_internal.h"
#include "platform/backend_ops.h"

namespace {
int g_arrow_dummy;
int g_show_count = 0;  // ShowCursor's display counter: the pointer shows while it is >= 0
HCURSOR g_cursor = &g_arrow_dummy;  // the arrow, until a window chooses

bool QuietBoxes() {
  const char* env = std::getenv("PANO_QUIET_BOXES");
  return PLAT_Options().quiet_boxes || (env && std::strcmp(env, "1") == 0);
}
}  // namespace

int MessageBoxA(HWND, const char* text, const char* caption, UINT) {
  PLAT_RecordMessageBox(text, caption);
  PLAT_Ops().message_box(text ? text : "", caption ? caption : "", QuietBoxes());
  return IDOK;
}

int ShowCursor(BOOL show) {
  g_show_count += show ? 1 : -1;
  PLAT_CursorApply();
  return g_show_count;
}

HCURSOR SetCursor(HCURSOR cursor) {
  const HCURSOR previous = g_cursor;
  g_cursor = cursor;
  PLAT_CursorApply();
  return previous;
}

bool PLAT_SystemCursorVisible() { return g_show_count >= 0 && g_cursor != nullptr; }

void PLAT_CursorApply() {
  PLAT_Ops().show_cursor(PLAT_SystemCursorVisible());
}

void PLAT_CursorReset() {
  g_show_count = 0;
  g_cursor = &g_arrow_dummy;
}

int GetSystemMetrics(int index) {
  int w = PLAT_Options().desktop_width;
  int h = PLAT_Options().desktop_height;
  PLAT_Ops().desktop_size(&w, &h);
  switch (index) {
    case SM_CXSCREEN:
      return w;
    case SM_CYSCREEN:
      return h;
    default:
      return 0;
  }
}
