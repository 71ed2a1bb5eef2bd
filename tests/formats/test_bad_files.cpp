// Four-channel JPEGs (CMYK, YCCK) come out in their true colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "app/panorama.h"
#include "engine/store.h"
#include "tests/formats/formats_fixture.h"

namespace {

// The picture as Adobe writes four channels: inverted CMYK (255 = no ink), stored as such or
// as YCCK; libjpeg adds the Adobe marker that says so.
void Zapis_cmyk(const TRgbPicture& pic, const char* cesta, J_COLOR_SPACE priestor) {
  jpeg_compress_struct c;
  jpeg_error_mgr e;
  c.err = jpeg_std_error(&e);
  jpeg_create_compress(&c);
  FILE* f = std::fopen(cesta, "wb");
  ASSERT_NE(f, nullptr);
  jpeg_stdio_dest(&c, f);
  c.image_width = (JDIMENSION)pic.w;
  c.image_height = (JDIMENSION)pic.h;
  c.input_components = 4;
  c.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&c);
  jpeg_set_colorspace(&c, priestor);
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> riadok((size_t)pic.w * 4);
  for (int y = 0; y < pic.h; ++y) {
    for (int x = 0; x < pic.w; ++x) {
      const uint8_t* p = pic.At(x, y);
      const int k = std::max({p[0], p[1], p[2]});
      for (int i = 0; i < 3; ++i) riadok[(size_t)x * 4 + i] = (JSAMPLE)(k > 0 ? p[i] * 255 / k : 255);
      riadok[(size_t)x * 4 + 3] = (JSAMPLE)k;
    }
    JSAMPROW r = riadok.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::fclose(f);
}

std::vector<uint16_t> Nahraj_sklad(const char* subor, int w, int h) {
  Nahraj_PANORAMU(subor, 0);
  EXPECT_NE(pan_SRF, nullptr) << subor;
  std::vector<uint16_t> out;
  for (int y = 0; y < h; ++y) out.insert(out.end(), W[y], W[y] + w);
  return out;
}

TEST_F(FormatsTest, FourChannelJpegsShowTheirTrueColours) {
  const int w = 128, h = 64, strana = 16;
  const TRgbPicture pic = Bloky(w, h, strana);
  ASSERT_TRUE(Zapis_bmp(pic, "vzor.bmp"));
  const std::vector<uint16_t> vzor = Nahraj_sklad("vzor.bmp", w, h);
  for (const J_COLOR_SPACE priestor : {JCS_CMYK, JCS_YCCK}) {
    Zapis_cmyk(pic, "cmyk.jpg", priestor);
    const std::vector<uint16_t> jpg = Nahraj_sklad("cmyk.jpg", w, h);
    ASSERT_EQ(jpg.size(), vzor.size());
    // Inside the blocks (JPEG blurs their edges) every channel within 12 of the original.
    int najviac = 0;
    for (size_t i = 0; i < vzor.size(); ++i) {
      const int x = (int)(i % w) % strana, y = (int)(i / w) % strana;
      if (x < strana / 4 || x >= strana * 3 / 4 || y < strana / 4 || y >= strana * 3 / 4) continue;
      BYTE a[3], b[3];
      PLAT_Unpack565(vzor[i], &a[0], &a[1], &a[2]);
      PLAT_Unpack565(jpg[i], &b[0], &b[1], &b[2]);
      for (int k = 0; k < 3; ++k) najviac = std::max(najviac, std::abs(a[k] - b[k]));
    }
    EXPECT_LE(najviac, 12) << (priestor == JCS_CMYK ? "CMYK" : "YCCK");
  }
}

}  // namespace
