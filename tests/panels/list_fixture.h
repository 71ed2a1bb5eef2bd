// The list panel dressed as the viewer dresses its panorama chooser: the real interface
// sheet for the slider, the arrows and the strip, and the viewer's layout values.
#pragma once
#include <string>

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

  // Slider, arrows and strip taken over from prototypes, as at start-up.
  void Prototypy(CDUIR& z) {
    CPosuv posuv;
    CTlac hore, dole;
    CIcon pruh;
    posuv.Das_Surface = hore.Das_Surface = dole.Das_Surface = pruh.Das_Surface = &harok_;
    posuv.EVIDUJ(190, 10);
    posuv.EVIDUJ(190, 10);
    posuv.EVIDUJ(210, 10);
    hore.EVIDUJ(50, 60);
    hore.EVIDUJ(50, 60);
    hore.EVIDUJ(80, 60);
    dole.EVIDUJ(100, 60);
    dole.EVIDUJ(100, 60);
    dole.EVIDUJ(130, 60);
    pruh.EVIDUJ(240, 10);
    z.posuv_.EVID_PREBER(&posuv);
    z.tlacA_.EVID_PREBER(&hore);
    z.tlacB_.EVID_PREBER(&dole);
    z.ipruh_.EVID_PREBER(&pruh);
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
    z.a = 31;
    z.b = 32;
    z.c = 390;
    z.d = 10;
    z.e = 6;
    z.f = 110;
    z.g = 3;
    z.h = 4;
    z.Text_mod = 1;
    z.Icon_mod = 1;
    z.ICON = ikony;
    z.f2 = z.c - 5;
    z.text_ZAROVNANIE = 'L';
    z.Rol_poc_zobr = 8;
    Prototypy(z);
  }

  CDas_Surface harok_;
  IDirectDrawSurface* zadna_ = nullptr;
};
