// The message queue, timers and the window as the message loop uses them, on the memory backend
// with one window whose procedure records what it is sent.
#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "platform/backend.h"

typedef std::tuple<UINT, WPARAM, LPARAM> TSeen;  // a message the procedure was sent

class SysTest : public ::testing::Test {
 public:
  static inline std::vector<TSeen> seen;
  static LRESULT Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    seen.emplace_back(msg, w, l);
    if (msg == WM_DESTROY) PostQuitMessage(7);
    return DefWindowProcA(wnd, msg, w, l);
  }
  void SetUp() override {
    ASSERT_EQ(1, PLAT_Init(PLAT_MEMORY, TPlatOptions()));
    seen.clear();
  }
  void TearDown() override { PLAT_Shutdown(); }
  static HWND MakeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc, wc.lpszClassName = "KW";
    if (!RegisterClassA(&wc)) return nullptr;
    return CreateWindowExA(0, "KW", "okno", WS_POPUP, 0, 0, 64, 48, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  }
  // Messages taken off the queue until it is empty.
  static std::vector<MSG> Drain() {
    std::vector<MSG> out;
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) out.push_back(m);
    return out;
  }
};

// Posted messages and input reach the procedure in order; closing through the default procedure
// destroys the window, whose WM_DESTROY quits (code 7) once the queue holds nothing else.
TEST_F(SysTest, MessagesReachTheProcedureInOrderUntilTheWindowCloses) {
  HWND wnd = MakeWindow();
  EXPECT_TRUE(seen.size() == 1 && std::get<0>(seen[0]) == WM_CREATE);
  seen.clear();
  for (UINT m : {WM_KEYDOWN, WM_MOUSEMOVE}) ASSERT_TRUE(PostMessageA(wnd, m, m, 2 * m));
  PLAT_InjectMessage(WM_KEYDOWN, VK_ESCAPE, 5);
  for (UINT m : {WM_CLOSE, WM_KEYUP}) ASSERT_TRUE(PostMessageA(wnd, m, 0, 0));
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, WM_MOUSEMOVE, WM_MOUSEWHEEL, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_MOUSEMOVE, m.message) << "only the filter's range";
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ((UINT)WM_KEYDOWN, m.message) << "peeking leaves the message";
  UINT posledna = 0;  // the last message before the quit
  while (GetMessageA(&m, nullptr, 0, 0) > 0) DispatchMessageA(&m), posledna = m.message;
  EXPECT_TRUE(m.message == WM_QUIT && m.wParam == 7u && posledna == WM_KEYUP) << posledna;
  EXPECT_EQ(seen, (std::vector<TSeen>{{WM_KEYDOWN, WM_KEYDOWN, 2 * WM_KEYDOWN}, {WM_MOUSEMOVE, WM_MOUSEMOVE, 2 * WM_MOUSEMOVE},
                                      {WM_KEYDOWN, VK_ESCAPE, 5}, {WM_CLOSE, 0, 0}, {WM_DESTROY, 0, 0}}));
  EXPECT_EQ(-1, GetMessageA(&m, nullptr, 0, 0)) << "the quit is taken once; empty does not block";
  EXPECT_TRUE(WaitMessage());
  EXPECT_FALSE(PostMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_EQ(0, SendMessageA(wnd, WM_KEYDOWN, VK_LEFT, 0));
  EXPECT_FALSE(DestroyWindow(wnd));
  EXPECT_EQ(5u, seen.size()) << "nothing reaches a destroyed window";
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
  const std::vector<MSG> oba = Drain();
  EXPECT_TRUE(oba.size() == 2 && oba[0].wParam == 1 && oba[1].wParam == 2) << "both due: one pulse each, earlier first";
  EXPECT_TRUE(KillTimer(wnd, 1));
  EXPECT_FALSE(KillTimer(wnd, 1));
  DestroyWindow(wnd);  // ends timer 2
  PLAT_AdvanceTime(100);
  const std::vector<MSG> po = Drain();
  EXPECT_TRUE(po.size() == 1 && po[0].message == WM_QUIT);
}
