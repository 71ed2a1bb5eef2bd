// The panel tests' set-up on the graphics tests' display (16 bits unless `mode_bits` says 32):
// off-screen targets read as 5-6-5 at either depth, and the list dressed as the viewer's chooser.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "app/ui.h"
#include "display/screen.h"
#include "panels/dui.h"
#include "panels/duir.h"
#include "tests/platform_gfx/gfx_fixture.h"
#include "toolkit/ddutil.h"
#include "tools/plocha.h"

class PanelTest : public GfxTest {
 protected:
  void SetUp() override {
    GfxTest::SetUp();
    Obrazovka(800, 600);
    harok_.NAHRAJ_SURFACE(dd, "rezia_pan.bmp");
    ASSERT_NE(Keep(harok_.SURFACE), nullptr);
    harok_.BC_NASTAV(0, 0);
    harok_.TC_NASTAV(3, 3);
    zadna_ = Plocha(800, 600, 0x1234);
  }
  void TearDown() override {
    harok_.SURFACE = nullptr;  // released with the kept surfaces
    GfxTest::TearDown();
  }
  static void Obrazovka(int sir, int vys) { MAXX = sir, MAXY = vys, SX = sir / 2, SY = vys / 2; }

  // Filled with one 5-6-5 colour; released by the fixture.
  IDirectDrawSurface* Plocha(int sir, int vys, uint16_t farba) {
    IDirectDrawSurface* s = Keep(DDVytvor_povrch(dd, sir, vys));
    const uint32_t rgb = PLAT_Convert(32, 16, farba);
    if (s != nullptr) PANEL_Namaluj(s, [rgb](int, int) { return rgb; });
    return s;
  }
  static uint16_t At(const IDirectDrawSurface* s, int x, int y) {
    return (uint16_t)PLAT_Convert(16, s->PLAT_Bits(), s->PLAT_Pixel(x, y));
  }
  // `pocet` entries with IDs 1, 2, … and the viewer's values, laid out.
  void Zostav(CDUIR& z, int pocet, CIcon* ikony = nullptr) {
    z.viditelny = 1, z.SRF_PTR = zadna_, z.podkl_typ = 1, z.Select_mod = 3;
    for (int i = 0; i < pocet; i++) z.PRIDAJ2(("panoráma " + std::to_string(i + 1)).c_str(), i + 1, ikony ? i : -1);
    Rozloz_zoznam(z);
    z.ICON = ikony;
    Prevezmi_ovladace_zoznamu(z, &harok_);
    z.RESET_GEOMETRIER();
  }
  CDas_Surface harok_;
  IDirectDrawSurface* zadna_ = nullptr;
};

class PanelDepthTest : public PanelTest, public ::testing::WithParamInterface<int> {
 protected:
  void SetUp() override {
    mode_bits = (DWORD)GetParam();
    PanelTest::SetUp();
  }
};
