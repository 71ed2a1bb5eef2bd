// Drawn panels compared pixel for pixel with pictures in tests/data/panels, at both depths (a
// 32-bit drawing reduced to 5-6-5 must be the 16-bit one). No text, so no dependence on the
// font. After an intended change of drawing: PANO_UPDATE_GOLDEN=1, then look at the pictures.
#include <cstdlib>
#include <string>

#include "panel_fixture.h"

class Golden : public PanelDepthTest {
 protected:
  void SetUp() override {
    PanelDepthTest::SetUp();
    for (int i = 0; i < 3; i++) stetce_[i] = CreateSolidBrush(kFarby[i]);
    PANEL_Namaluj(s_ = Plocha(490, 260, 0), [](int x, int y) {  // stripes, to show through the net
      return PLAT_Pack8888((BYTE)(40 + (x + y) % 24 * 4), (BYTE)(70 + y % 50), (BYTE)(90 + x % 64));
    });
  }
  void TearDown() override {
    for (HBRUSH b : stetce_) DeleteObject(b);
    for (CDas_Surface& t : nahlady_) t.SURFACE = nullptr;  // the fixture releases the surfaces
    PanelTest::TearDown();
  }
  void Styl(CDUI& p) {
    p.SRF_PTR = s_, p.viditelny = 1, p.Text_mod = 0;
    p.stet_vybr = stetce_[0], p.stet_aktiv = stetce_[1];
  }
  // Thumbnails of 100 × 25 in distinct colours, each a sprite of its whole picture.
  void Nahlady() {
    for (int i = 0; i < 12; i++) {
      PANEL_Namaluj(nahlady_[i].SURFACE = Plocha(100, 25, 0),
                    [i](int x, int y) { return PLAT_Pack8888((BYTE)(i * 20), (BYTE)(255 - x * 2), (BYTE)(y * 10)); });
      nahlady_[i].srf_sir = 100, nahlady_[i].srf_vys = 25;
      ikony_[i].Das_Surface = &nahlady_[i];
      ikony_[i].EVIDUJ_CS();
    }
  }
  // The top left of the drawing against the picture, both as 5-6-5 values.
  void Porovnaj(int sir, int vys, const char* meno) {
    TRgbPicture kresba(sir, vys);
    for (int i = 0; i < sir * vys; i++)
      PLAT_Unpack565(At(s_, i % sir, i / sir), &kresba.rgb[3 * i], &kresba.rgb[3 * i + 1], &kresba.rgb[3 * i + 2]);
    const std::string cesta = std::string(PANO_TEST_DATA) + "/panels/" + meno, chyba = "/tmp/" + std::string(meno);
    const char* obnov = std::getenv("PANO_UPDATE_GOLDEN");
    ASSERT_TRUE(!obnov || obnov[0] != '1' || mode_bits != 16 || BMP24_Zapis(kresba, cesta.c_str()));
    HBITMAP vzor = static_cast<HBITMAP>(LoadImageA(nullptr, cesta.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(vzor, nullptr) << cesta << " missing: run with PANO_UPDATE_GOLDEN=1";
    int rozdielov = vzor->width == sir && vzor->height == vys ? 0 : -1;
    for (int i = 0; i < sir * vys && rozdielov >= 0; i++) {
      const uint32_t v = vzor->px[i];
      rozdielov += At(s_, i % sir, i / sir) != PLAT_Pack565((BYTE)(v >> 16), (BYTE)(v >> 8), (BYTE)v);
    }
    DeleteObject(vzor);
    if (rozdielov != 0) BMP24_Zapis(kresba, chyba.c_str());
    EXPECT_EQ(rozdielov, 0) << meno << " differs (-1: in size); the drawing is in " << chyba;
  }
  static constexpr COLORREF kFarby[3] = {RGB(60, 60, 255), RGB(255, 60, 60), RGB(220, 220, 190)};
  HBRUSH stetce_[3] = {};
  IDirectDrawSurface* s_ = nullptr;
  CDas_Surface nahlady_[12];
  CIcon ikony_[12];
};

TEST_P(Golden, MenuColumnAndBar) {
  Obrazovka(260, 260);
  CDUI stlpec, pruh;
  Styl(stlpec);
  stlpec.podkl_typ = 1, stlpec.Select_mod = 3;
  for (int i = 0; i < 5; i++) stlpec.PRIDAJ("", i + 1);
  stlpec.a = 30, stlpec.b = 32, stlpec.c = 170, stlpec.d = 10;
  stlpec.RESET_GEOMETRIE(2);
  Styl(pruh);
  pruh.podkl_typ = 2, pruh.stet_podkl = stetce_[2];
  pruh.O_mod = 1, pruh.Z_sir = 2, pruh.font_sir = 8;
  for (const char* t : {"abc", "de", "fghij"}) pruh.PRIDAJ(t, 1);
  pruh.a = 14, pruh.d = 3, pruh.f = 4;
  pruh.RESET_GEOMETRIE(1);
  stlpec.VOL[1].stav = pruh.VOL[1].stav = 1;
  stlpec.VOL[3].stav = pruh.VOL[2].stav = 2;
  stlpec.ZOBRAZ();
  pruh.ZOBRAZ();
  Porovnaj(260, 260, "menu.bmp");
}

TEST_P(Golden, ScrolledListWithThumbnails) {
  Obrazovka(490, 200);
  Nahlady();
  CDUIR z;
  Zostav(z, 12, ikony_);
  Styl(z);
  z.Rol_poc_zobr = 5;
  z.ICON_pocet = 12;
  z.RESET_GEOMETRIER();
  z.RESET(z.Rol_max / 3 + 10);  // between two rows: both end rows are cut
  z.posuv_.SP(z.Rol_pos);
  z.VOL[2].stav = 1;
  z.VOL[3].stav = 2;
  z.ZOBRAZ();
  Porovnaj(490, 200, "list.bmp");
}

INSTANTIATE_TEST_SUITE_P(Depths, Golden, ::testing::Values(16, 32));
