// One picture as BMP, PNG, JPEG and four-channel JPEG gives the same store; broken JPEG and
// PNG files leave the store as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/store.h"
#include "tests/common/engine_ref.h"
#include "engine/view.h"
#include "tests/formats/formats_fixture.h"

namespace {

// The store's pixels over the picture's rectangle.
std::vector<uint16_t> Sklad(int w, int h) {
  std::vector<uint16_t> out;
  for (int y = W_pan_hore; y < W_pan_hore + h; ++y) out.insert(out.end(), &W16(y, 0), &W16(y, 0) + w);
  return out;
}

// Largest difference of one colour channel, in 8-bit steps, inside the middle half of the
// blocks of side `strana` (JPEG blurs colour across block edges).
int Rozdiel(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b, int w, int strana) {
  int max = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const int x = (int)(i % w) % strana, y = (int)(i / w) % strana;
    if (x < strana / 4 || x >= strana * 3 / 4 || y < strana / 4 || y >= strana * 3 / 4) continue;
    BYTE p[3], q[3];
    PLAT_Unpack565(a[i], &p[0], &p[1], &p[2]);
    PLAT_Unpack565(b[i], &q[0], &q[1], &q[2]);
    for (int k = 0; k < 3; ++k) max = std::max(max, std::abs(p[k] - q[k]));
  }
  return max;
}

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

class FormatsLoad : public FormatsTest {
 protected:
  // Loads the file and returns the store over w × h; the size must come out as given.
  std::vector<uint16_t> Nahraj(const std::string& subor, int w, int h) {
    Nahraj_PANORAMU(subor.c_str(), 0);
    EXPECT_NE(pan_SRF, nullptr) << subor;
    EXPECT_EQ(pan_sir, w) << subor;
    EXPECT_EQ(pan_vys, h) << subor;
    return Sklad(w, h);
  }
};

TEST_F(FormatsLoad, TheSamePictureInEveryFormatGivesTheSameStore) {
  // Too large for the store: every format is brought to the same size, blocks of 48 to 32.
  const struct {
    int w, h, strana, strana_v_sklade;
  } rozmery[] = {{320, 160, 16, 16}, {333, 111, 16, 16}, {24576, 48, 48, 32}};
  for (const auto& r : rozmery) {
    const TRgbPicture pic = Bloky(r.w, r.h, r.strana);
    for (const char* subor : {"p.bmp", "p.png", "p.jpg"}) ASSERT_TRUE(Zapis_obr(pic, subor));
    const int w = r.w > W_MAX_SIR ? W_MAX_SIR : r.w, h = r.w > W_MAX_SIR ? r.h * W_MAX_SIR / r.w : r.h;
    const std::vector<uint16_t> bmp = Nahraj("p.bmp", w, h);
    const float ta = opt_TA, tc = opt_TC;
    const int tb = opt_TB;
    EXPECT_EQ(Nahraj("p.png", w, h), bmp) << r.w << "x" << r.h;
    EXPECT_EQ(opt_TA, ta);
    EXPECT_EQ(opt_TB, tb);
    EXPECT_EQ(opt_TC, tc);
    // JPEG at the highest quality: flat blocks come back within a few steps.
    EXPECT_LE(Rozdiel(Nahraj("p.jpg", w, h), bmp, w, r.strana_v_sklade), 16) << r.w << "x" << r.h;
    if (r.w > W_MAX_SIR) continue;
    for (const J_COLOR_SPACE priestor : {JCS_CMYK, JCS_YCCK}) {
      Zapis_cmyk(pic, "cmyk.jpg", priestor);
      EXPECT_LE(Rozdiel(Nahraj("cmyk.jpg", w, h), bmp, w, r.strana), 12) << r.w << "x" << r.h << " " << priestor;
    }
  }
}

TEST_F(FormatsLoad, BrokenJpegAndPngFilesLeaveTheStore) {
  const TRgbPicture pic = Bloky(200, 100);
  for (const char* subor : {"p.png", "p.jpg"}) ASSERT_TRUE(Zapis_obr(pic, subor));
  const std::vector<uint16_t> povodny = Nahraj("p.png", 200, 100);
  for (const char* subor : {"p.png", "p.jpg"}) {
    const TBajty cely = Citaj_bajty(subor);
    ASSERT_GT(cely.size(), 100u);
    const struct {
      const char* meno;
      TBajty bajty;
    } pripady[] = {
        {"header only", TBajty(cely.begin(), cely.begin() + 30)},
        {"cut in half", TBajty(cely.begin(), cely.begin() + cely.size() / 2)},
        {"empty", TBajty()},
    };
    for (const auto& p : pripady) {
      ASSERT_TRUE(Zapis_bajty("zly.bin", p.bajty));
      Nahraj_PANORAMU("zly.bin", 0);
      EXPECT_EQ(pan_SRF, nullptr) << subor << ": " << p.meno;
      EXPECT_EQ(Sklad(200, 100), povodny) << subor << ": " << p.meno;
    }
  }
}

}  // namespace
