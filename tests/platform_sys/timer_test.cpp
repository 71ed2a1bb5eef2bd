#include "sys_fixture.h"

namespace {
int CountTimers(uintptr_t id) {
  int n = 0;
  MSG m;
  while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE))
    if (m.message == WM_TIMER && m.wParam == id) n++;
  return n;
}

struct TPulseCase {
  const char* name;
  std::vector<DWORD> steps;  // clock advances; the queue is drained after each
  std::vector<int> pulses;   // WM_TIMERs found by each drain
};

void PrintTo(const TPulseCase& c, std::ostream* os) { *os << c.name; }

const TPulseCase PULSE_CASES[] = {
    {"one period", {10}, {1}},
    {"just before", {9, 1}, {0, 1}},
    {"ten periods unpolled give one", {100, 9, 1}, {1, 0, 1}},
    {"late pulse keeps the rhythm", {15, 5}, {1, 1}},
    {"one period behind catches up once", {20, 10}, {2, 1}},
    {"further behind drops the missed", {25, 9, 1}, {1, 0, 1}},
    {"steady", {10, 10, 10, 10}, {1, 1, 1, 1}},
};
}  // namespace

class PulseTest : public SysTest, public ::testing::WithParamInterface<TPulseCase> {};

TEST_P(PulseTest, PulsesPerDrain) {
  HWND wnd = MakeWindow();
  ASSERT_EQ(1u, SetTimer(wnd, 1, 10, nullptr));
  const TPulseCase& c = GetParam();
  SCOPED_TRACE(c.name);
  for (size_t i = 0; i < c.steps.size(); i++) {
    PLAT_AdvanceTime(c.steps[i]);
    EXPECT_EQ(c.pulses[i], CountTimers(1)) << "step " << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Timers, PulseTest, ::testing::ValuesIn(PULSE_CASES));

TEST_F(SysTest, TimerMessageReachesTheWindow) {
  HWND wnd = MakeWindow();
  SetTimer(wnd, 1, 10, nullptr);
  PLAT_AdvanceTime(10);
  MSG m;
  ASSERT_TRUE(GetMessageA(&m, nullptr, 0, 0));
  EXPECT_EQ((UINT)WM_TIMER, m.message);
  EXPECT_EQ(wnd, m.hwnd);
  seen.clear();
  DispatchMessageA(&m);
  ASSERT_EQ(1u, seen.size());
  EXPECT_EQ((UINT)WM_TIMER, seen[0].msg);
  EXPECT_EQ(1u, seen[0].w);
}

TEST_F(SysTest, PeekWithoutRemovingDoesNotUseThePulse) {
  HWND wnd = MakeWindow();
  SetTimer(wnd, 1, 10, nullptr);
  PLAT_AdvanceTime(10);
  MSG m;
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  ASSERT_TRUE(PeekMessageA(&m, nullptr, 0, 0, PM_NOREMOVE));
  EXPECT_EQ(1, CountTimers(1));
}

TEST_F(SysTest, InputComesBeforeADuePulse) {
  HWND wnd = MakeWindow();
  SetTimer(wnd, 1, 10, nullptr);
  PLAT_AdvanceTime(10);
  PLAT_InjectMessage(WM_MOUSEMOVE, 0, MAKELPARAM(3, 4));
  const std::vector<MSG> got = Drain();
  ASSERT_EQ(2u, got.size());
  EXPECT_EQ((UINT)WM_MOUSEMOVE, got[0].message);
  EXPECT_EQ((UINT)WM_TIMER, got[1].message);
}

TEST_F(SysTest, KillTimerStopsThePulse) {
  HWND wnd = MakeWindow();
  SetTimer(wnd, 1, 10, nullptr);
  PLAT_AdvanceTime(10);
  EXPECT_TRUE(KillTimer(wnd, 1));  // also the pulse that was due
  EXPECT_EQ(0, CountTimers(1));
  PLAT_AdvanceTime(100);
  EXPECT_EQ(0, CountTimers(1));
  EXPECT_FALSE(KillTimer(wnd, 1));
}

TEST_F(SysTest, TwoTimersKeepTheirOwnPeriods) {
  HWND wnd = MakeWindow();
  SetTimer(wnd, 1, 10, nullptr);
  SetTimer(wnd, 2, 25, nullptr);
  int ones = 0, twos = 0;
  for (int t = 0; t < 10; t++) {
    PLAT_AdvanceTime(5);
    MSG m;
    while (PeekMessageA(&m, nullptr, 0, 0, PM_REMOVE)) {
      ones += m.wParam == 1;
      twos += m.wParam == 2;
    }
  }
  EXPECT_EQ(5, ones);
  EXPECT_EQ(2, twos);
}

TEST_F(SysTest, SetTimerEdgeCases) {
  HWND wnd = MakeWindow();
  EXPECT_EQ(0u, SetTimer(wnd, 0, 10, nullptr));                // no id
  EXPECT_EQ(0u, SetTimer(wnd, 3, 10, reinterpret_cast<void*>(&CountTimers)));  // callbacks are refused
  EXPECT_EQ(4u, SetTimer(wnd, 4, 1, nullptr));                 // raised to 10 ms
  PLAT_AdvanceTime(5);
  EXPECT_EQ(0, CountTimers(4));
  PLAT_AdvanceTime(5);
  EXPECT_EQ(1, CountTimers(4));
  // Setting it again starts the period afresh.
  PLAT_AdvanceTime(8);
  SetTimer(wnd, 4, 10, nullptr);
  PLAT_AdvanceTime(8);
  EXPECT_EQ(0, CountTimers(4));
  PLAT_AdvanceTime(2);
  EXPECT_EQ(1, CountTimers(4));
}

TEST_F(SysTest, DestroyingTheWindowEndsItsTimers) {
  HWND wnd = MakeWindow();
  SetTimer(wnd, 1, 10, nullptr);
  DestroyWindow(wnd);
  PLAT_AdvanceTime(50);
  EXPECT_EQ(0, CountTimers(1));
}

TEST_F(SysTest, ClockMovesOnlyWhenAdvanced) {
  const DWORD t0 = GetTickCount();
  EXPECT_EQ(t0, GetTickCount());
  PLAT_AdvanceTime(1234);
  EXPECT_EQ(t0 + 1234, GetTickCount());
}
