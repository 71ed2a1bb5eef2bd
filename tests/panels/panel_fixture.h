// The panel tests' set-up: the memory backend, a display object of 16 bits (or bity_),
// off-screen surfaces as drawing targets (filled and read as 5-6-5 values at either depth),
// the screen globals; and the list dressed as the viewer's panorama chooser
// (the real interface sheet for its slider, arrows and strip, the viewer's layout values).
#pragma once
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/ui.h"
#include "display/screen.h"
#include "panels/dui.h"
#include "panels/duir.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "platform/gdi.h"
#include "toolkit/ddutil.h"
#include "tools/plocha.h"

class PanelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    ASSERT_EQ(DirectDrawCreate(nullptr, &dd_, nullptr), DD_OK);
    ASSERT_EQ(dd_->SetDisplayMode(800, 600, (DWORD)bity_), DD_OK);
    Obrazovka(800, 600);
    harok_.NAHRAJ_SURFACE(dd_, "rezia_pan.bmp");
    ASSERT_NE(harok_.SURFACE, nullptr);
    harok_.BC_NASTAV(0, 0);
    harok_.TC_NASTAV(3, 3);
    zadna_ = Plocha(800, 600, 0x1234);
  }
  void TearDown() override {
    PLAT_FaultClear();
    if (harok_.SURFACE != nullptr) harok_.SURFACE->Release();
    harok_.SURFACE = nullptr;
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

  // An off-screen surface filled with one 5-6-5 colour; released by the fixture.
  IDirectDrawSurface* Plocha(int sir, int vys, uint16_t farba) {
    IDirectDrawSurface* s = DDVytvor_povrch(dd_, sir, vys);
    EXPECT_NE(s, nullptr);
    if (s == nullptr) return nullptr;
    plochy_.push_back(s);
    const uint32_t rgb = PLAT_Convert(32, 16, farba);
    PANEL_Namaluj(s, [rgb](int, int) { return rgb; });
    return s;
  }

  // The pixel reduced to 5-6-5: a 32-bit surface must show what a 16-bit one does.
  static uint16_t Bod(IDirectDrawSurface* s, int x, int y) {
    return (uint16_t)PLAT_Convert(16, s->PLAT_Bits(), s->PLAT_Pixel(x, y));
  }

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

  // `pocet` entries with IDs 1, 2, … and the viewer's values, laid out.
  void Zostav(CDUIR& z, int pocet, CIcon* ikony = nullptr) {
    z.viditelny = 1;
    z.SRF_PTR = zadna_;
    z.podkl_typ = 1;
    z.Select_mod = 3;
    for (int i = 0; i < pocet; i++) z.PRIDAJ2(("panoráma " + std::to_string(i + 1)).c_str(), i + 1, ikony ? i : -1);
    Rozloz_zoznam(z);
    z.ICON = ikony;
    Prevezmi_ovladace_zoznamu(z, &harok_);
    z.RESET_GEOMETRIER();
  }

  int bity_ = 16;
  IDirectDraw* dd_ = nullptr;
  std::vector<IDirectDrawSurface*> plochy_;
  CDas_Surface harok_;
  IDirectDrawSurface* zadna_ = nullptr;
};

// The same tests at both depths (the parameter).
class PanelDepthTest : public PanelTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    bity_ = GetParam();
    PanelTest::SetUp();
  }
};
