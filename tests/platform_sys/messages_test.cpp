// The message queue, timers and the window as the message loop uses them.
#include "sys_fixture.h"

TEST_F(SysTest, MessagesComeOutInOrderQuitLastAndAnEmptyQueueNeverBlocks) {
  HWND wnd = MakeWindow();
  ASSERT_NE(nullptr, wnd);
  for (UINT m : {WM_KEYDOWN, WM_MOUSEMOVE, WM_KEYUP}) ASSERT_TRUE(PostMessageA(wnd, m, m, 2 * m));
  PostQuitMessage(3);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEWHEEL, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_MOUSEMOVE, m.message) << "only the filter's range";
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message) << "peeking leaves the message";
  for (UINT want : {WM_KEYDOWN, WM_MOUSEMOVE, WM_KEYUP}) {
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_TRUE(want == m.message && (LPARAM)(2 * want) == m.lParam && wnd == m.hwnd) << want;
  }
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_TRUE(m.message == WM_QUIT && m.wParam == 3u);
  EXPECT_EQ(-1, GetMessageA(&m, nullptr, 0, 0)) << "the quit is taken once; empty does not block";
  EXPECT_TRUE(WaitMessage());
}

TEST_F(SysTest, AFullQueueRefusesWithoutLosingWhatItHolds) {
  HWND wnd = MakeWindow();
  int accepted = 0;
  for (int i = 0; i < 2000; i++) accepted += PostMessageA(wnd, WM_KEYDOWN, (WPARAM)i, 0) ? 1 : 0;
  EXPECT_TRUE(accepted > 100 && accepted < 2000) << accepted;
  const std::vector<MSG> got = Drain();
  ASSERT_EQ((size_t)accepted, got.size());
  for (int i = 0; i < accepted; i++) EXPECT_EQ((WPARAM)i, got[i].wParam);
  EXPECT_TRUE(PostMessageA(wnd, WM_KEYUP, 0, 0));
}

TEST_F(SysTest, TheWindowsProcedureSeesItsLifeAndNothingAfterIt) {
  HWND wnd = MakeWindow();
  PLAT_InjectMessage(WM_KEYDOWN, VK_ESCAPE, 5);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(wnd, m.hwnd) << "input goes to the window";
  DispatchMessageA(&m);
  PostMessageA(wnd, WM_CLOSE, 0, 0);
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  EXPECT_EQ(7u, m.wParam) << "closing through the default procedure ends the loop";
  ASSERT_EQ(seen.size(), 4u);
  EXPECT_EQ((UINT)WM_CREATE, seen[0].msg);
  seen.erase(seen.begin());
  EXPECT_EQ(seen, (std::vector<TSeen>{{WM_KEYDOWN, VK_ESCAPE, 5}, {WM_CLOSE, 0, 0}, {WM_DESTROY, 0, 0}}));
  EXPECT_FALSE(PostMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_EQ(0, SendMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_FALSE(DestroyWindow(wnd));
  EXPECT_EQ(3u, seen.size());
}

// Clock steps, and the WM_TIMERs found by draining the queue after each.
TEST_F(SysTest, APulseKeepsItsRhythmAndNeverComesInABurst) {
  const struct { const char* name; UINT period; std::vector<DWORD> steps; std::vector<size_t> pulses; } cases[] = {
      {"just before", 10, {9, 1}, {0, 1}},
      {"ten periods unpolled give one", 10, {100, 9, 1}, {1, 0, 1}},
      {"a late pulse keeps the rhythm", 10, {15, 5}, {1, 1}},
      {"one period behind catches up once", 10, {20, 10}, {2, 1}},
      {"further behind drops the missed", 10, {25, 9, 1}, {1, 0, 1}},
      {"steady", 10, {10, 10, 10}, {1, 1, 1}},
      {"a period under 10 ms is raised to 10", 1, {5, 5}, {0, 1}},
  };
  for (const auto& c : cases) {
    ASSERT_EQ(1, PLAT_Init(PLAT_MEMORY, TPlatOptions()));
    ASSERT_EQ(1u, SetTimer(MakeWindow(), 1, c.period, nullptr));
    for (size_t i = 0; i < c.steps.size(); i++) {
      PLAT_AdvanceTime(c.steps[i]);
      EXPECT_EQ(c.pulses[i], Drain().size()) << c.name << ", step " << i;
    }
  }
}

TEST_F(SysTest, TimersComeAfterInputUntilKilledOrSetAfresh) {
  HWND wnd = MakeWindow();
  SetTimer(wnd, 1, 10, nullptr);
  SetTimer(wnd, 2, 30, nullptr);
  EXPECT_EQ(0u, SetTimer(wnd, 3, 10, reinterpret_cast<void*>(&Proc))) << "no callbacks";
  PLAT_AdvanceTime(10);
  PLAT_InjectMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ((UINT)WM_MOUSEMOVE, m.message);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));  // does not use the pulse
  seen.clear();
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  DispatchMessageA(&m);
  EXPECT_EQ(seen, (std::vector<TSeen>{{WM_TIMER, 1, 0}}));
  PLAT_AdvanceTime(8);
  SetTimer(wnd, 1, 10, nullptr);  // the period starts afresh
  PLAT_AdvanceTime(8);
  EXPECT_TRUE(Drain().empty());
  PLAT_AdvanceTime(4);
  EXPECT_EQ(Drain().size(), 2u) << "both timers due, one pulse each";
  EXPECT_TRUE(KillTimer(wnd, 1));
  EXPECT_FALSE(KillTimer(wnd, 1));
  DestroyWindow(wnd);  // ends timer 2
  PLAT_AdvanceTime(100);
  const std::vector<MSG> po = Drain();
  EXPECT_TRUE(po.size() == 1 && po[0].message == WM_QUIT);
}
