// Drawn panels compared pixel for pixel with pictures kept in tests/data/panels, at both depths:
// a 32-bit drawing reduced to 5-6-5 must be the 16-bit one. The scenes hold no text, so they do
// not depend on the installed font. After an intended change of
// drawing, regenerate the pictures with PANO_UPDATE_GOLDEN=1 and look at them.
#include <cstdlib>
#include <string>

#include "panel_fixture.h"

namespace {

std::string Cesta(const char* meno) { return std::string(PANO_TEST_DATA) + "/panels/" + meno; }

// Diagonal stripes, so that what shows through the net is visible.
uint32_t Vzor(int x, int y) {
  return PLAT_Pack8888((BYTE)(40 + (x + y) % 24 * 4), (BYTE)(70 + y % 50), (BYTE)(90 + x % 64));
}

}  // namespace

class Golden : public PanelDepthTest {
 protected:
  void SetUp() override {
    PanelDepthTest::SetUp();
    modry_ = CreateSolidBrush(RGB(60, 60, 255));
    cerveny_ = CreateSolidBrush(RGB(255, 60, 60));
    svetly_ = CreateSolidBrush(RGB(220, 220, 190));
  }
  void TearDown() override {
    for (HGDIOBJ o : {(HGDIOBJ)modry_, (HGDIOBJ)cerveny_, (HGDIOBJ)svetly_}) DeleteObject(o);
    for (CDas_Surface& t : nahlady_) t.SURFACE = nullptr;  // the fixture releases the surfaces
    PanelTest::TearDown();
  }

  void Styl(CDUI& p, IDirectDrawSurface* s) {
    p.SRF_PTR = s;
    p.viditelny = 1;
    p.stet_vybr = modry_;
    p.stet_aktiv = cerveny_;
    p.Text_mod = 0;
  }

  // Thumbnails of 100 × 25 in distinct colours, each a sprite of its whole picture.
  void Nahlady() {
    for (int i = 0; i < 12; i++) {
      IDirectDrawSurface* s = Plocha(100, 25, 0);
      PANEL_Namaluj(s, [i](int x, int y) { return PLAT_Pack8888((BYTE)(i * 20), (BYTE)(255 - x * 2), (BYTE)(y * 10)); });
      nahlady_[i].SURFACE = s;
      nahlady_[i].srf_sir = 100;
      nahlady_[i].srf_vys = 25;
      ikony_[i].Das_Surface = &nahlady_[i];
      ikony_[i].EVIDUJ_CS();
    }
  }

  void Porovnaj(IDirectDrawSurface* s, const char* meno) {
    TRgbPicture kresba = PANEL_Obraz(s);
    for (size_t i = 0; i < kresba.rgb.size(); i += 3) {  // to 5-6-5 (no change to a 16-bit drawing)
      uint8_t* p = &kresba.rgb[i];
      PLAT_Unpack565(PLAT_Pack565(p[0], p[1], p[2]), &p[0], &p[1], &p[2]);
    }
    const std::string cesta = Cesta(meno);
    const char* obnov = std::getenv("PANO_UPDATE_GOLDEN");
    if (obnov != nullptr && obnov[0] == '1' && bity_ == 16) {
      ASSERT_TRUE(BMP24_Zapis(kresba, cesta.c_str()));
      return;
    }
    HBITMAP vzor = static_cast<HBITMAP>(LoadImageA(nullptr, cesta.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    ASSERT_NE(vzor, nullptr) << cesta << " missing: run with PANO_UPDATE_GOLDEN=1";
    ASSERT_EQ(vzor->width, kresba.w);
    ASSERT_EQ(vzor->height, kresba.h);
    int rozdielov = 0;
    for (int y = 0; y < kresba.h; y++)
      for (int x = 0; x < kresba.w; x++) {
        const uint8_t* p = kresba.At(x, y);
        const uint32_t mame = (uint32_t)p[0] << 16 | (uint32_t)p[1] << 8 | p[2];
        if ((vzor->px[(size_t)y * vzor->width + x] & 0xFFFFFF) != mame) rozdielov++;
      }
    DeleteObject(vzor);
    if (rozdielov > 0) BMP24_Zapis(kresba, ("/tmp/" + std::string(meno)).c_str());
    EXPECT_EQ(rozdielov, 0) << meno << " differs; the drawing is in /tmp/" << meno;
  }

  HBRUSH modry_ = nullptr, cerveny_ = nullptr, svetly_ = nullptr;
  CDas_Surface nahlady_[12];
  CIcon ikony_[12];
};

TEST_P(Golden, MenuColumnAndBar) {
  Obrazovka(260, 260);
  IDirectDrawSurface* s = Plocha(260, 260, 0);
  PANEL_Namaluj(s, Vzor);

  CDUI stlpec;
  Styl(stlpec, s);
  stlpec.podkl_typ = 1;
  stlpec.Select_mod = 3;
  for (int i = 0; i < 5; i++) stlpec.PRIDAJ("", i + 1);
  stlpec.a = 30;
  stlpec.b = 32;
  stlpec.c = 170;
  stlpec.d = 10;
  stlpec.RESET_GEOMETRIE(2);
  stlpec.VOL[1].stav = 1;
  stlpec.VOL[3].stav = 2;

  CDUI pruh;
  Styl(pruh, s);
  pruh.podkl_typ = 2;
  pruh.stet_podkl = svetly_;
  pruh.O_mod = 1;
  pruh.Z_sir = 2;
  pruh.font_sir = 8;
  for (const char* t : {"abc", "de", "fghij"}) pruh.PRIDAJ(t, 1);
  pruh.a = 14;
  pruh.d = 3;
  pruh.f = 4;
  pruh.RESET_GEOMETRIE(1);
  pruh.VOL[1].stav = 1;
  pruh.VOL[2].stav = 2;

  stlpec.ZOBRAZ();
  pruh.ZOBRAZ();
  Porovnaj(s, "menu.bmp");
}

TEST_P(Golden, ScrolledListWithThumbnails) {
  Obrazovka(490, 200);
  IDirectDrawSurface* s = Plocha(490, 200, 0);
  PANEL_Namaluj(s, Vzor);
  Nahlady();
  CDUIR z;
  Zostav(z, 12, ikony_);
  Styl(z, s);
  z.Rol_poc_zobr = 5;
  z.ICON_pocet = 12;
  z.RESET_GEOMETRIER();
  z.RESET(z.Rol_max / 3 + 10);  // between two rows: both end rows are cut
  z.posuv_.SP(z.Rol_pos);
  z.VOL[2].stav = 1;
  z.VOL[3].stav = 2;
  z.ZOBRAZ();
  Porovnaj(s, "list.bmp");
}

INSTANTIATE_TEST_SUITE_P(Depths, Golden, ::testing::Values(16, 32));
