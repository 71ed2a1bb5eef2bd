// A memory-backend run with one window whose procedure records what it is sent.
#pragma once
#include <gtest/gtest.h>

#include <vector>

#include "platform/backend.h"
#include "platform/fault.h"

struct TSeen {
  UINT msg;
  WPARAM w;
  LPARAM l;
  bool operator==(const TSeen& o) const { return msg == o.msg && w == o.w && l == o.l; }
};

class SysTest : public ::testing::Test {
 public:
  static inline std::vector<TSeen> seen;
  static LRESULT Proc(HWND wnd, UINT msg, WPARAM w, LPARAM l) {
    seen.push_back(TSeen{msg, w, l});
    if (msg == WM_DESTROY) PostQuitMessage(7);
    return DefWindowProcA(wnd, msg, w, l);
  }
  void SetUp() override {
    PLAT_FaultClear();
    ASSERT_EQ(1, PLAT_Init(PLAT_MEMORY, TPlatOptions()));
    seen.clear();
  }
  void TearDown() override {
    PLAT_Shutdown();
    PLAT_FaultClear();
  }
  static HWND MakeWindow() {
    WNDCLASSA wc = {};
    wc.lpfnWndProc = Proc;
    wc.lpszClassName = "KW";
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
