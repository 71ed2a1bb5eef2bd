#include "sys_fixture.h"

TEST_F(SysTest, PostedMessagesComeOutInOrder) {
  HWND wnd = MakeWindow();
  ASSERT_NE(nullptr, wnd);
  const UINT sent[] = {WM_KEYDOWN, WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_KEYUP};
  for (UINT i = 0; i < 4; i++) ASSERT_TRUE(PostMessageA(wnd, sent[i], i, 10 * i));
  const std::vector<MSG> got = Drain();
  ASSERT_EQ(4u, got.size());
  for (UINT i = 0; i < 4; i++) {
    EXPECT_EQ(sent[i], got[i].message);
    EXPECT_EQ(i, got[i].wParam);
    EXPECT_EQ((LPARAM)(10 * i), got[i].lParam);
    EXPECT_EQ(wnd, got[i].hwnd);
  }
}

TEST_F(SysTest, PeekWithoutRemovingLeavesTheMessage) {
  HWND wnd = MakeWindow();
  PostMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0);
  PostMessageA(wnd, WM_KEYUP, VK_LEFT, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message);
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ((UINT)WM_KEYUP, m.message);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(SysTest, FilterTakesOnlyMessagesInRange) {
  HWND wnd = MakeWindow();
  PostMessageA(wnd, WM_KEYDOWN, 1, 0);
  PostMessageA(wnd, WM_MOUSEMOVE, 2, 0);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEWHEEL, PM_REMOVE));
  EXPECT_EQ((UINT)WM_MOUSEMOVE, m.message);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEWHEEL, PM_REMOVE));
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message);
}

TEST_F(SysTest, QuitComesAfterWhatWasPostedBeforeIt) {
  HWND wnd = MakeWindow();
  PostMessageA(wnd, WM_KEYDOWN, VK_F1, 0);
  PostQuitMessage(3);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message);
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ((UINT)WM_QUIT, m.message);
  EXPECT_EQ(3u, m.wParam);
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));  // taken once only
}

TEST_F(SysTest, EmptyQueueNeverBlocksInMemory) {
  MSG m;
  m.message = WM_KEYDOWN;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ(-1, GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ((UINT)WM_NULL, m.message);
  EXPECT_TRUE(WaitMessage());
  EXPECT_EQ(-1, GetMessageA(nullptr, nullptr, 0, 0));
  EXPECT_FALSE(PeekMessageA(nullptr, nullptr, 0, 0, PM_REMOVE));
}

TEST_F(SysTest, FullQueueRefusesWithoutLosingWhatItHolds) {
  HWND wnd = MakeWindow();
  int accepted = 0;
  for (int i = 0; i < 2000; i++) accepted += PostMessageA(wnd, WM_KEYDOWN, (WPARAM)i, 0) ? 1 : 0;
  EXPECT_GT(accepted, 100);
  EXPECT_LT(accepted, 2000);
  const std::vector<MSG> got = Drain();
  ASSERT_EQ((size_t)accepted, got.size());
  for (int i = 0; i < accepted; i++) EXPECT_EQ((WPARAM)i, got[i].wParam);
  EXPECT_TRUE(PostMessageA(wnd, WM_KEYUP, 0, 0));  // room again once drained
}

TEST_F(SysTest, DispatchRunsTheWindowProcedure) {
  HWND wnd = MakeWindow();
  PLAT_InjectMessage(WM_KEYDOWN, VK_ESCAPE, 5);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(wnd, m.hwnd);
  seen.clear();
  TranslateMessage(&m);
  DispatchMessageA(&m);
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ((UINT)WM_KEYDOWN, seen[0].msg);
  EXPECT_EQ((WPARAM)VK_ESCAPE, seen[0].w);
  EXPECT_EQ(5, seen[0].l);
}

TEST_F(SysTest, MessagesForAGoneWindowAreDropped) {
  HWND wnd = MakeWindow();
  PostMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0);
  ASSERT_TRUE(DestroyWindow(wnd));
  seen.clear();
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(0, DispatchMessageA(&m));
  EXPECT_TRUE(seen.empty());
  EXPECT_FALSE(PostMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_EQ(0, SendMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_TRUE(seen.empty());
}

TEST_F(SysTest, InitStartsAnEmptyRun) {
  HWND wnd = MakeWindow();
  PostMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0);
  PostQuitMessage(0);
  SetTimer(wnd, 1, 10, nullptr);
  MessageBoxA(wnd, "x", "y", MB_OK);
  PLAT_AdvanceTime(50);
  ASSERT_EQ(1, PLAT_Init(PLAT_MEMORY, TPlatOptions()));
  MSG m;
  EXPECT_FALSE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_TRUE(PLAT_MessageBoxes().empty());
  EXPECT_EQ(0u, GetTickCount());
  EXPECT_EQ(PLAT_MEMORY, PLAT_Backend());
  EXPECT_NE(nullptr, MakeWindow());  // the class and the window are free again
}
