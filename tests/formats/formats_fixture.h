// The picture-format tests: a temporary current folder, an 800 × 600 16-bit memory display, picture writers.
#pragma once
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>
#include <jpeglib.h>

#include <cstdint>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "app/modes.h"
#include "platform/backend.h"
#include "platform/fault.h"
#include "tests/common/temp_folder.h"
#include "tools/bmp24.h"

typedef std::vector<uint8_t> TBajty;

class FormatsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.Ok());
    ASSERT_EQ(PLAT_Init(PLAT_MEMORY, TPlatOptions()), 1);
    ASSERT_EQ(Vytvor_displej(800, 600), DD_OK);
  }
  void TearDown() override {
    Vykonaj_RELEASE_SRF(1);
    PLAT_FaultClear();
    PLAT_Shutdown();
  }
  TTempFolder tmp;
};

// Flat square blocks (side `strana`) of colours exact in 5-6-5 (red and blue in steps of 8,
// green in steps of 4): a JPEG of it stays close inside the blocks.
inline TRgbPicture Bloky(int w, int h, int strana = 16) {
  TRgbPicture pic(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int bx = x / strana, by = y / strana;
      pic.Set(x, y, (uint8_t)((bx * 5 & 31) << 3), (uint8_t)((by * 7 & 63) << 2), (uint8_t)(((bx + by) * 3 & 31) << 3));
    }
  return pic;
}

inline TBajty Citaj_bajty(const std::string& cesta) {
  const std::string s = CitajSubor(cesta);
  return TBajty(s.begin(), s.end());
}

inline bool Zapis_bajty(const std::string& cesta, const TBajty& b) {
  return ZapisSubor(cesta, std::string(b.begin(), b.end()));
}

// A JPEG by libjpeg: `zlozky` channels of `vstup`, stored as `ulozene`; row y filled by `riadok`;
// a restart marker every `restart` MCUs (0: none); CMYK without Adobe's marker unless `adobe`.
inline TBajty Jpeg_z(int w, int h, int zlozky, J_COLOR_SPACE vstup, J_COLOR_SPACE ulozene, int kvalita,
                     bool progresivny, const std::function<void(int y, JSAMPLE* riadok)>& riadok,
                     unsigned restart = 0, bool adobe = true) {
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
  if (!adobe) c.write_Adobe_marker = FALSE;
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> r((size_t)w * zlozky);
  for (JSAMPROW p = r.data(); (int)c.next_scanline < h; jpeg_write_scanlines(&c, &p, 1)) riadok((int)c.next_scanline, p);
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  const TBajty out(buf, buf + n);
  std::free(buf);
  return out;
}

inline TBajty Jpeg_rgb(const TRgbPicture& pic, int kvalita, bool progresivny = false, unsigned restart = 0) {
  return Jpeg_z(pic.w, pic.h, 3, JCS_RGB, JCS_YCbCr, kvalita, progresivny,
                [&pic](int y, JSAMPLE* r) { std::copy(pic.At(0, y), pic.At(0, y) + pic.w * 3, r); }, restart);
}

// Writes the picture as a BMP, PNG or JPEG (quality 100) file by the name's ending.
inline bool Zapis_obr(const TRgbPicture& pic, const std::string& cesta) {
  const std::string pripona = cesta.substr(cesta.size() - 4);
  if (pripona == ".bmp") return BMP24_Zapis(pic, cesta.c_str());
  if (pripona == ".jpg") return Zapis_bajty(cesta, Jpeg_rgb(pic, 100));
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormatFrom(const_cast<uint8_t*>(pic.rgb.data()), pic.w, pic.h, 24, pic.w * 3,
                                                      SDL_PIXELFORMAT_RGB24);
  const bool ok = s != nullptr && IMG_SavePNG(s, cesta.c_str()) == 0;
  SDL_FreeSurface(s);
  return ok;
}
