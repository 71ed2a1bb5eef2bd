#include "app_fixture.h"

#include <algorithm>
#include <cstdio>

#include "app/ostrost.h"
#include "bmpfiles/dbmp.h"
#include "platform/dsound.h"
#include "tools/bmp24.h"

void AppTest::SetUp() {
  ASSERT_TRUE(tmp_.Ok());
  ASSERT_EQ(PLAT_Init(PLAT_MEMORY, TPlatOptions()), 1);
  PLAT_FaultClear();
  PLAT_AudioFakeDevice(true);
  // The globals as the program has them when it is loaded.
  GM = GM_PLOCHA;
  PAN_param_file[0] = '\0', hWnd_GLOB = nullptr;
  PAN_id = bActive = pulz_poc_msna = IN_dx = IN_dy = 0;
  lave_dole = ovl_uchopeny = demo_mod = l_CTRL_stlac = 0;
  OST_volba = OST_AUTO, OST_ms_filtra = 0, dui_PANO_vystup_2_sta = -1;
  MAXX = obraz_sir = 800, MAXY = obraz_vys = 600, SX = D = 400, SY = 300;
  YAW = pi, PITCH = 0.1f, sfer_perspekt = 0, Sito_pocx = Sito_pocy = 20;
  dui_PANO.viditelny = dui_gr_mod.viditelny = dui_sito.viditelny = 0;
  for (CTlac& t : tlacidlo) t.stav = 0;
}

void AppTest::TearDown() {
  PLAT_FaultClear();
  Vykonaj_RELEASE_SRF(1);
  Vyprazdni_W();
  for (CDSO_Zvuk* z : {&zvuk_1, &zvuk_2}) z->ODSTRAN();
  DSO_DONE();
  PLAT_Shutdown();
  PLAT_AudioFakeDevice(false);
  DBMP_Uvolni_zoznam(PAN_subor, &PAN_id_max);
  // Back into the folder, whose removal goes with the fixture.
  if (chdir(tmp_.Cesta().c_str()) != 0) std::perror("chdir");
}

void AppTest::Obrazok(const std::string& meno, int sir, int vys, int modra) {
  TRgbPicture obr(sir, vys);
  for (int y = 0; y < vys; ++y)
    for (int x = 0; x < sir; ++x) obr.Set(x, y, (uint8_t)(x * 255 / sir), (uint8_t)(y * 255 / vys), (uint8_t)modra);
  ASSERT_TRUE(BMP24_Zapis(obr, meno.c_str()));
}

int AppTest::Spusti1(const char* riadok, int sir, int vys) {
  TPlatOptions o;
  o.desktop_width = sir, o.desktop_height = vys;
  if (PLAT_Init(PLAT_MEMORY, o) != 1) return 0;
  Panoramy(1);
  const int r = Spusti(riadok);
  dui_PANO.viditelny = 0;
  return r;
}

void AppTest::KlikTlacidlo(int i) {
  const TFAZA& f = tlacidlo[i].FAZY[0];
  Klik(tlacidlo[i].x + (f.XP - f.XL) / 2, tlacidlo[i].y + (f.YD - f.YH) / 2);
}

void AppTest::Zvol(const CDUI& panel, int id) {
  ASSERT_EQ(panel.viditelny, 1);
  int i = 0;
  while (i < panel.VOL_pocet && (panel.VOL[i].ID != id || panel.VOL[i].rect.bottom - panel.VOL[i].rect.top <= 4)) ++i;
  ASSERT_LT(i, panel.VOL_pocet) << "no item " << id;
  const RECT& r = panel.VOL[i].rect;
  Klik((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  EXPECT_EQ(panel.viditelny, 0);
}

bool AppTest::Prekryte(int x0, int y0, int x1, int y1) {
  Sito_Vykresli(), Poloz_panely();
  for (int y = std::max(y0, 0); y <= y1 && y < lpDDSPrimary->PLAT_Height(); ++y)
    for (int x = std::max(x0, 0); x <= x1 && x < lpDDSPrimary->PLAT_Width(); ++x)
      if (lpDDSPrimary->PLAT_Pixel(x, y) != lpDDSBack->PLAT_Pixel(x, y)) return true;
  return false;
}

std::vector<uint32_t> AppTest::Pixely(const IDirectDrawSurface* s) {
  std::vector<uint32_t> px;
  for (int y = 0; y < s->PLAT_Height(); ++y)
    for (int x = 0; x < s->PLAT_Width(); ++x) px.push_back(s->PLAT_Pixel(x, y));
  return px;
}
