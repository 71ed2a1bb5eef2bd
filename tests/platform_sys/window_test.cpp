#include "sys_fixture.h"

namespace {
int g_creates = 0;
int g_destroys = 0;

// Refuses its first creation only.
LRESULT RefuseCreate(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_CREATE && g_creates++ == 0) return -1;
  if (msg == WM_DESTROY) g_destroys++;
  return DefWindowProcA(wnd, msg, w, l);
}

LRESULT HidePointer(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
  if (msg == WM_SETCURSOR) {
    SetCursor(nullptr);
    return 1;
  }
  return DefWindowProcA(wnd, msg, w, l);
}
}  // namespace

TEST_F(SysTest, CreateSendsCreateAndDestroySendsDestroy) {
  HWND wnd = MakeWindow();
  ASSERT_NE(nullptr, wnd);
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ((UINT)WM_CREATE, seen[0].msg);
  EXPECT_TRUE(ShowWindow(wnd, SW_SHOWNORMAL) == FALSE);  // it was hidden
  EXPECT_TRUE(UpdateWindow(wnd));
  seen.clear();
  ASSERT_TRUE(DestroyWindow(wnd));
  ASSERT_EQ(1u, seen.size());  // sent at once, not queued
  EXPECT_EQ((UINT)WM_DESTROY, seen[0].msg);
  EXPECT_FALSE(DestroyWindow(wnd));
  EXPECT_FALSE(ShowWindow(wnd, SW_SHOW));
}

TEST_F(SysTest, CloseThroughTheDefaultProcedureEndsTheLoop) {
  HWND wnd = MakeWindow();
  PostMessageA(wnd, WM_CLOSE, 0, 0);
  MSG m;
  int dispatched = 0;
  while (GetMessageA(&m, nullptr, 0, 0) > 0) {
    DispatchMessageA(&m);
    dispatched++;
  }
  EXPECT_EQ(1, dispatched);
  EXPECT_EQ((UINT)WM_QUIT, m.message);
  EXPECT_EQ(7u, m.wParam);
  ASSERT_EQ(3u, seen.size());
  EXPECT_EQ((UINT)WM_CLOSE, seen[1].msg);
  EXPECT_EQ((UINT)WM_DESTROY, seen[2].msg);
}

struct TFaultCase {
  const char* name;
  TPlatCall call;
  bool register_ok;
};
void PrintTo(const TFaultCase& c, std::ostream* os) { *os << c.name; }

class WindowFaultTest : public SysTest, public ::testing::WithParamInterface<TFaultCase> {};

TEST_P(WindowFaultTest, FailedCallThenSuccess) {
  PLAT_FaultSet(GetParam().call, 0, 1, E_FAIL);
  const WNDCLASSA wc = Class();
  const BOOL reg = RegisterClassA(&wc);
  EXPECT_EQ(GetParam().register_ok, reg != 0);
  HWND wnd = CreateWindowExA(0, "KW", "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  EXPECT_EQ(nullptr, wnd);
  EXPECT_TRUE(seen.empty());  // no WM_CREATE for a window that was never made
  // The fault was for one call only.
  if (!reg) {
    ASSERT_TRUE(RegisterClassA(&wc));
  }
  EXPECT_NE(nullptr, CreateWindowExA(0, "KW", "t", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr));
}

INSTANTIATE_TEST_SUITE_P(Faults, WindowFaultTest,
                         ::testing::Values(TFaultCase{"RegisterClass", PC_RegisterClass, false},
                                           TFaultCase{"CreateWindow", PC_CreateWindow, true}));

TEST_F(SysTest, WindowNeedsItsRegisteredClass) {
  EXPECT_EQ(nullptr, CreateWindowExA(0, "KW", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  WNDCLASSA wc = Class();
  EXPECT_FALSE(RegisterClassA(nullptr));
  wc.lpszClassName = nullptr;
  EXPECT_FALSE(RegisterClassA(&wc));
  wc = Class();
  ASSERT_TRUE(RegisterClassA(&wc));
  EXPECT_FALSE(RegisterClassA(&wc));  // already there
  EXPECT_EQ(nullptr, CreateWindowExA(0, "XY", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(nullptr, CreateWindowExA(0, nullptr, "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  HWND wnd = CreateWindowExA(0, "kw", nullptr, WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(nullptr, wnd);  // names match ignoring case
  EXPECT_EQ(nullptr, CreateWindowExA(0, "KW", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
}

TEST_F(SysTest, CreateRefusedByTheProcedure) {
  WNDCLASSA wc = Class();
  wc.lpfnWndProc = RefuseCreate;
  ASSERT_TRUE(RegisterClassA(&wc));
  g_creates = g_destroys = 0;
  EXPECT_EQ(nullptr, CreateWindowExA(0, "KW", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(1, g_destroys);  // the half-made window is destroyed
  // It left nothing behind: the next window can be made.
  EXPECT_NE(nullptr, CreateWindowExA(0, "KW", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr));
}

struct TCursorCase {
  const char* name;
  WNDPROC proc;
  int show_calls;  // ShowCursor(FALSE) calls after the window shows
  bool visible;
};
void PrintTo(const TCursorCase& c, std::ostream* os) { *os << c.name; }

class CursorTest : public SysTest, public ::testing::WithParamInterface<TCursorCase> {};

TEST_P(CursorTest, PointerOverTheWindow) {
  WNDCLASSA wc = Class();
  wc.lpfnWndProc = GetParam().proc;
  ASSERT_TRUE(RegisterClassA(&wc));
  HWND wnd = CreateWindowExA(0, "KW", "t", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ShowWindow(wnd, SW_SHOW);
  for (int i = 0; i < GetParam().show_calls; i++) ShowCursor(FALSE);
  EXPECT_EQ(GetParam().visible, PLAT_SystemCursorVisible());
}

INSTANTIATE_TEST_SUITE_P(Cursor, CursorTest,
                         ::testing::Values(TCursorCase{"class arrow", SysTest::Proc, 0, true},
                                           TCursorCase{"hidden by ShowCursor", SysTest::Proc, 1, false},
                                           TCursorCase{"no cursor chosen", HidePointer, 0, false}));

TEST_F(SysTest, ShowCursorCounts) {
  EXPECT_EQ(-1, ShowCursor(FALSE));
  EXPECT_EQ(-2, ShowCursor(FALSE));
  EXPECT_EQ(-1, ShowCursor(TRUE));
  EXPECT_FALSE(PLAT_SystemCursorVisible());
  EXPECT_EQ(0, ShowCursor(TRUE));
  EXPECT_TRUE(PLAT_SystemCursorVisible());
  const HCURSOR arrow = SetCursor(nullptr);
  EXPECT_NE(nullptr, arrow);
  EXPECT_FALSE(PLAT_SystemCursorVisible());
  EXPECT_EQ(nullptr, SetCursor(arrow));
}

TEST_F(SysTest, MessageBoxesAreRecordedWithTheirCaption) {
  HWND wnd = MakeWindow();
  EXPECT_EQ(IDOK, MessageBoxA(wnd, "Problem pri inicializacii", "Tessarin Panorama Player", MB_OK));
  EXPECT_EQ(IDOK, MessageBoxA(nullptr, "Žiadne panorámy v lokálnom adresári!", nullptr, MB_OK));
  const std::vector<TPlatMessageBox>& boxes = PLAT_MessageBoxes();
  ASSERT_EQ(2u, boxes.size());
  EXPECT_EQ("Problem pri inicializacii", boxes[0].text);
  EXPECT_EQ("Tessarin Panorama Player", boxes[0].caption);
  EXPECT_EQ("Žiadne panorámy v lokálnom adresári!", boxes[1].text);
  EXPECT_EQ("", boxes[1].caption);
  PLAT_ClearMessageBoxes();
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
}

TEST_F(SysTest, ScreenSizeAndModule) {
  TPlatOptions o;
  o.desktop_width = 1024;
  o.desktop_height = 768;
  ASSERT_EQ(1, PLAT_Init(PLAT_MEMORY, o));
  EXPECT_EQ(1024, GetSystemMetrics(SM_CXSCREEN));
  EXPECT_EQ(768, GetSystemMetrics(SM_CYSCREEN));
  EXPECT_EQ(1024, PLAT_Options().desktop_width);
  EXPECT_NE(nullptr, GetModuleHandleA(nullptr));
  EXPECT_EQ(GetModuleHandleA(nullptr), GetModuleHandleA(nullptr));
  EXPECT_NE(nullptr, LoadIconA(GetModuleHandleA(nullptr), IDI_APPLICATION));
}
