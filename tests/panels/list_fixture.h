// The list panel dressed as the viewer dresses its panorama chooser: the real interface
// sheet for the slider, the arrows and the strip, and the viewer's layout values.
#pragma once
#include <string>

#include "app/ui.h"
#include "panel_fixture.h"
#include "panels/duir.h"

class ListTest : public PanelTest {
 protected:
  void SetUp() override {
    PanelTest::SetUp();
    harok_.NAHRAJ_SURFACE(dd_, "rezia_pan.bmp");
    ASSERT_NE(harok_.SURFACE, nullptr);
    harok_.BC_NASTAV(0, 0);
    harok_.TC_NASTAV(3, 3);
    zadna_ = Plocha(800, 600, Rgb(40, 90, 60));
  }
  void TearDown() override {
    if (harok_.SURFACE != nullptr) harok_.SURFACE->Release();
    harok_.SURFACE = nullptr;
    PanelTest::TearDown();
  }

  // `pocet` entries with IDs 1, 2, … and the viewer's values; not yet laid out.
  void Zostav(CDUIR& z, int pocet, CIcon* ikony = nullptr) {
    z.viditelny = 1;
    z.SRF_PTR = zadna_;
    z.podkl_typ = 1;
    z.Select_mod = 3;
    for (int i = 0; i < pocet; i++) {
      const std::string meno = "panoráma " + std::to_string(i + 1);
      z.PRIDAJ2(meno.c_str(), i + 1, ikony != nullptr ? i : -1);
    }
    Rozloz_zoznam(z);
    z.ICON = ikony;
    Prevezmi_ovladace_zoznamu(z, &harok_);
  }

  CDas_Surface harok_;
  IDirectDrawSurface* zadna_ = nullptr;
};
