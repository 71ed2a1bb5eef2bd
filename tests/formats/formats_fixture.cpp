#include "tests/formats/formats_fixture.h"

#include <SDL.h>
#include <SDL_image.h>

#include <cstdio>
#include <cstdlib>

#include "app/modes.h"
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
  if (pripona == ".jpg") return Zapis_bajty(cesta, Jpeg_rgb(pic, 100));
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(pic.rgb.data()), pic.w, pic.h, 24, pic.w * 3,
                                                      SDL_PIXELFORMAT_RGB24);
  const bool ok = s != nullptr && IMG_SavePNG(s, cesta.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}

TBajty Jpeg_z(int w, int h, int zlozky, J_COLOR_SPACE vstup, J_COLOR_SPACE ulozene, int kvalita, bool progresivny,
              const std::function<void(int y, JSAMPLE* riadok)>& riadok, unsigned restart) {
  jpeg_compress_struct c;
  jpeg_error_mgr e;
  c.err = jpeg_std_error(&e);
  jpeg_create_compress(&c);
  unsigned char* buf = nullptr;
  unsigned long n = 0;
  jpeg_mem_dest(&c, &buf, &n);
  c.image_width = (JDIMENSION)w, c.image_height = (JDIMENSION)h, c.input_components = zlozky, c.in_color_space = vstup;
  jpeg_set_defaults(&c);
  jpeg_set_colorspace(&c, ulozene);
  jpeg_set_quality(&c, kvalita, TRUE);
  if (progresivny) jpeg_simple_progression(&c);
  c.restart_interval = restart;
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> r((size_t)w * zlozky);
  for (JSAMPROW p = r.data(); (int)c.next_scanline < h; jpeg_write_scanlines(&c, &p, 1)) riadok((int)c.next_scanline, p);
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  const TBajty out(buf, buf + n);
  std::free(buf);
  return out;
}

TBajty Jpeg_rgb(const TRgbPicture& pic, int kvalita, bool progresivny, unsigned restart) {
  return Jpeg_z(pic.w, pic.h, 3, JCS_RGB, JCS_YCbCr, kvalita, progresivny,
                [&pic](int y, JSAMPLE* r) { std::copy(pic.At(0, y), pic.At(0, y) + pic.w * 3, r); }, restart);
}

TBajty Citaj_bajty(const std::string& cesta) {
  const std::string s = CitajSubor(cesta);
  return TBajty(s.begin(), s.end());
}

bool Zapis_bajty(const std::string& cesta, const TBajty& b) { return ZapisSubor(cesta, std::string(b.begin(), b.end())); }
