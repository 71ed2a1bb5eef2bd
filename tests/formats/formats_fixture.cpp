#include "tests/formats/formats_fixture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "app/modes.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"
#include "platform/fault.h"

void FormatsTest::SetUp() {
  ASSERT_TRUE(tmp.Ok());
  ASSERT_EQ(PLAT_Init(PLAT_MEMORY, TPlatOptions()), 1);
  ASSERT_EQ(Vytvor_displej(800, 600), DD_OK);
}

void FormatsTest::TearDown() {
  Vykonaj_RELEASE_SRF(1);
  PLAT_FaultClear();
  PLAT_Shutdown();
}

uint16_t Stred(float yaw, float pitch) {
  EXPECT_EQ(Reset_Sito(20, 20), 1);
  D = 400;
  sfer_perspekt = 0;
  YAW = yaw;
  PITCH = pitch;
  EXPECT_EQ(Sito_Vykresli(), 1);
  return lpDDSBack->PLAT_Row(SY)[SX];
}

TRgbPicture Bloky(int w, int h, int strana) {
  TRgbPicture pic(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int bx = x / strana, by = y / strana;
      pic.Set(x, y, (uint8_t)((bx * 5 & 31) << 3), (uint8_t)((by * 7 & 63) << 2), (uint8_t)(((bx + by) * 3 & 31) << 3));
    }
  return pic;
}

bool Zapis_obr(const TRgbPicture& pic, const std::string& cesta) {
  const std::string pripona = cesta.substr(cesta.size() - 4);
  if (pripona == ".bmp") return BMP24_Zapis(pic, cesta.c_str());
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(pic.rgb.data()), pic.w, pic.h, 24, pic.w * 3,
                                                      SDL_PIXELFORMAT_RGB24);
  const bool ok = s != nullptr && (pripona == ".png" ? IMG_SavePNG(s, cesta.c_str()) : IMG_SaveJPG(s, cesta.c_str(), 100)) == 0;
  SDL_FreeSurface(s);
  return ok;
}

TBajty Jpeg_z(int w, int h, int zlozky, J_COLOR_SPACE vstup, J_COLOR_SPACE ulozene, int kvalita, bool progresivny,
              const std::function<void(int y, JSAMPLE* riadok)>& riadok) {
  jpeg_compress_struct c;
  jpeg_error_mgr e;
  c.err = jpeg_std_error(&e);
  jpeg_create_compress(&c);
  unsigned char* buf = nullptr;
  unsigned long n = 0;
  jpeg_mem_dest(&c, &buf, &n);
  c.image_width = (JDIMENSION)w;
  c.image_height = (JDIMENSION)h;
  c.input_components = zlozky;
  c.in_color_space = vstup;
  jpeg_set_defaults(&c);
  jpeg_set_colorspace(&c, ulozene);
  jpeg_set_quality(&c, kvalita, TRUE);
  if (progresivny) jpeg_simple_progression(&c);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> r((size_t)w * zlozky);
  for (int y = 0; y < h; ++y) {
    riadok(y, r.data());
    JSAMPROW p = r.data();
    jpeg_write_scanlines(&c, &p, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  TBajty out(buf, buf + n);
  std::free(buf);
  return out;
}

TBajty Jpeg_rgb(const TRgbPicture& pic, int kvalita, bool progresivny) {
  return Jpeg_z(pic.w, pic.h, 3, JCS_RGB, JCS_YCbCr, kvalita, progresivny,
                [&pic](int y, JSAMPLE* r) { std::copy(pic.At(0, y), pic.At(0, y) + pic.w * 3, r); });
}

TBajty S_xmp(const TBajty& jpeg, const std::string& paket) {
  static const char znacka[] = "http://ns.adobe.com/xap/1.0/";
  const size_t dlzka = 2 + sizeof znacka + paket.size();
  const uint8_t hlava[4] = {0xFF, 0xE1, (uint8_t)(dlzka >> 8), (uint8_t)dlzka};
  TBajty out;
  out.reserve(jpeg.size() + 2 + dlzka);
  out.insert(out.end(), jpeg.begin(), jpeg.begin() + 2);
  out.insert(out.end(), hlava, hlava + 4);
  out.insert(out.end(), znacka, znacka + sizeof znacka);
  out.insert(out.end(), paket.begin(), paket.end());
  out.insert(out.end(), jpeg.begin() + 2, jpeg.end());
  return out;
}

std::string Gpano_paket(int plny_sir, int plny_vys, int sir, int vys, int vlavo, int hore) {
  char b[1024];
  std::snprintf(b, sizeof b,
                "<?xpacket begin=\"\" id=\"W5M0MpCehiHzreSzNTczkc9d\"?>"
                "<x:xmpmeta xmlns:x=\"adobe:ns:meta/\"><rdf:RDF "
                "xmlns:rdf=\"http://www.w3.org/1999/02/22-rdf-syntax-ns#\">"
                "<rdf:Description rdf:about=\"\" xmlns:GPano=\"http://ns.google.com/photos/1.0/panorama/\" "
                "GPano:ProjectionType=\"equirectangular\" GPano:UsePanoramaViewer=\"True\" "
                "GPano:FullPanoWidthPixels=\"%d\" GPano:FullPanoHeightPixels=\"%d\" "
                "GPano:CroppedAreaImageWidthPixels=\"%d\" GPano:CroppedAreaImageHeightPixels=\"%d\" "
                "GPano:CroppedAreaLeftPixels=\"%d\" GPano:CroppedAreaTopPixels=\"%d\"/>"
                "</rdf:RDF></x:xmpmeta><?xpacket end=\"w\"?>",
                plny_sir, plny_vys, sir, vys, vlavo, hore);
  return b;
}

TBajty Citaj_bajty(const std::string& cesta) {
  const std::string s = CitajSubor(cesta);
  return TBajty(s.begin(), s.end());
}

bool Zapis_bajty(const std::string& cesta, const TBajty& b) {
  return ZapisSubor(cesta, std::string(b.begin(), b.end()));
}
