// The message queue, timers and the window as the message loop uses them.
#include <tuple>

#include "sys_fixture.h"

namespace {
std::vector<UINT> Messages(const std::vector<MSG>& v) {
  std::vector<UINT> m;
  for (const MSG& x : v) m.push_back(x.message);
  return m;
}
}  // namespace

TEST_F(SysTest, MessagesComeOutInOrderQuitLastAndAnEmptyQueueNeverBlocks) {
  HWND wnd = MakeWindow();
  ASSERT_NE(nullptr, wnd);
  for (UINT m : {WM_KEYDOWN, WM_MOUSEMOVE, WM_KEYUP}) ASSERT_TRUE(PostMessageA(wnd, m, m, 2 * m));
  PostQuitMessage(3);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEWHEEL, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_MOUSEMOVE, m.message) << "only the filter's range";
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message) << "peeking leaves the message";
  for (UINT want : {WM_KEYDOWN, WM_MOUSEMOVE, WM_KEYUP}) {
    ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
    EXPECT_EQ(want, m.message);
    EXPECT_EQ((LPARAM)(2 * want), m.lParam);
    EXPECT_EQ(wnd, m.hwnd);
  }
  EXPECT_FALSE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ((UINT)WM_QUIT, m.message);
  EXPECT_EQ(3u, m.wParam);
  EXPECT_EQ(-1, GetMessageA(&m, nullptr, 0, 0)) << "the quit is taken once; empty does not block";
  EXPECT_TRUE(WaitMessage());
}

TEST_F(SysTest, AFullQueueRefusesWithoutLosingWhatItHolds) {
  HWND wnd = MakeWindow();
  int accepted = 0;
  for (int i = 0; i < 2000; i++) accepted += PostMessageA(wnd, WM_KEYDOWN, (WPARAM)i, 0) ? 1 : 0;
  EXPECT_GT(accepted, 100);
  EXPECT_LT(accepted, 2000);
  const std::vector<MSG> got = Drain();
  ASSERT_EQ((size_t)accepted, got.size());
  for (int i = 0; i < accepted; i++) EXPECT_EQ((WPARAM)i, got[i].wParam);
  EXPECT_TRUE(PostMessageA(wnd, WM_KEYUP, 0, 0));
}

TEST_F(SysTest, TheWindowsProcedureSeesItsLifeAndNothingAfterIt) {
  HWND wnd = MakeWindow();
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ((UINT)WM_CREATE, seen[0].msg);
  PLAT_InjectMessage(WM_KEYDOWN, VK_ESCAPE, 5);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ(wnd, m.hwnd) << "input goes to the window";
  DispatchMessageA(&m);
  PostMessageA(wnd, WM_CLOSE, 0, 0);
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m);
  EXPECT_EQ(7u, m.wParam) << "closing through the default procedure ends the loop";
  ASSERT_EQ(4u, seen.size());
  EXPECT_EQ(std::make_tuple((UINT)WM_KEYDOWN, (WPARAM)VK_ESCAPE, (LPARAM)5), std::make_tuple(seen[1].msg, seen[1].w, seen[1].l));
  EXPECT_EQ(std::make_pair((UINT)WM_CLOSE, (UINT)WM_DESTROY), std::make_pair(seen[2].msg, seen[3].msg));
  EXPECT_FALSE(PostMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_EQ(0, SendMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_FALSE(DestroyWindow(wnd));
  EXPECT_EQ(4u, seen.size());
}

// Clock steps, and the WM_TIMERs found by draining the queue after each.
TEST_F(SysTest, APulseKeepsItsRhythmAndNeverComesInABurst) {
  const struct {
    const char* name;
    UINT period;
    std::vector<DWORD> steps;
    std::vector<size_t> pulses;
  } cases[] = {
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
  EXPECT_EQ(0u, SetTimer(wnd, 3, 10, reinterpret_cast<void*>(&Messages))) << "no callbacks";
  PLAT_AdvanceTime(10);
  PLAT_InjectMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE));
  EXPECT_EQ((UINT)WM_MOUSEMOVE, m.message);
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));  // does not use the pulse
  seen.clear();
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  DispatchMessageA(&m);
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ((UINT)WM_TIMER, seen[0].msg);
  EXPECT_EQ(1u, seen[0].w);
  PLAT_AdvanceTime(8);
  SetTimer(wnd, 1, 10, nullptr);  // the period starts afresh
  PLAT_AdvanceTime(8);
  EXPECT_TRUE(Drain().empty());
  PLAT_AdvanceTime(4);
  EXPECT_EQ(std::vector<UINT>(2, WM_TIMER), Messages(Drain())) << "both timers due, one pulse each";
  EXPECT_TRUE(KillTimer(wnd, 1));
  EXPECT_FALSE(KillTimer(wnd, 1));
  DestroyWindow(wnd);  // ends timer 2
  PLAT_AdvanceTime(100);
  EXPECT_EQ(std::vector<UINT>{WM_QUIT}, Messages(Drain()));
}
