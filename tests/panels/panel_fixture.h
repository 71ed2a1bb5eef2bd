// Shared set-up of the panel tests: the memory backend, a display object, off-screen
// surfaces as drawing targets, the screen globals, and pixel helpers.
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "display/screen.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "platform/gdi.h"
#include "toolkit/ddutil.h"
#include "tools/plocha.h"

inline void ExpectRect(const RECT& r, int l, int t, int rr, int b) {
  EXPECT_EQ(r.left, l);
  EXPECT_EQ(r.top, t);
  EXPECT_EQ(r.right, rr);
  EXPECT_EQ(r.bottom, b);
}

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
    Obrazovka(800, 600);
  }
  void TearDown() override {
    PLAT_FaultClear();
    for (IDirectDrawSurface* s : plochy_) s->Release();
    dd_->Release();
    PLAT_Shutdown();
  }

  static void Obrazovka(int sir, int vys) {
    MAXX = sir;
    MAXY = vys;
    SX = sir / 2;
    SY = vys / 2;
  }

  // An off-screen surface filled with one pixel value; released by the fixture.
  IDirectDrawSurface* Plocha(int sir, int vys, uint16_t farba) {
    IDirectDrawSurface* s = DDVytvor_povrch(dd_, sir, vys);
    EXPECT_NE(s, nullptr);
    if (s == nullptr) return nullptr;
    plochy_.push_back(s);
    Vypln(s, farba);
    return s;
  }

  static void Vypln(IDirectDrawSurface* s, uint16_t farba) {
    ASSERT_TRUE(PANEL_Namaluj(s, [farba](int, int) { return farba; }));
  }

  static uint16_t Bod(IDirectDrawSurface* s, int x, int y) { return s->PLAT_Row(y)[x]; }
  static uint16_t Rgb(int r, int g, int b) { return PLAT_Pack565((BYTE)r, (BYTE)g, (BYTE)b); }

  // Bounding box of the pixels that differ from `pozadie` (empty when none: right < left).
  static RECT Atrament(IDirectDrawSurface* s, uint16_t pozadie) {
    RECT r{s->PLAT_Width(), s->PLAT_Height(), -1, -1};
    for (int y = 0; y < s->PLAT_Height(); y++)
      for (int x = 0; x < s->PLAT_Width(); x++)
        if (Bod(s, x, y) != pozadie) {
          r.left = std::min(r.left, (LONG)x);
          r.top = std::min(r.top, (LONG)y);
          r.right = std::max(r.right, (LONG)x);
          r.bottom = std::max(r.bottom, (LONG)y);
        }
    return r;
  }

  IDirectDraw* dd_ = nullptr;
  std::vector<IDirectDrawSurface*> plochy_;
};
