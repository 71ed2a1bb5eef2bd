// One picture as BMP, PNG, JPEG and CMYK JPEG gives one store; broken files leave the store.
#include <algorithm>
#include <cstdlib>

#include "app/panorama.h"
#include "engine/store.h"
#include "tests/common/engine_ref.h"
#include "tests/formats/formats_fixture.h"

namespace {

// The store's pixels over the picture's rectangle (of a true-colour store, the colour bytes).
std::vector<uint32_t> Sklad(int w, int h) {
  std::vector<uint32_t> out;
  for (int y = W_pan_hore; y < W_pan_hore + h; ++y)
    for (int x = 0; x < w; ++x) out.push_back(W_bajty == 4 ? W_riadok<uint32_t>(y)[x] & 0xFFFFFF : W16(y, x));
  return out;
}

// Largest channel difference inside the middle half of the blocks (JPEG blurs their edges).
int Rozdiel(const std::vector<uint32_t>& a, const std::vector<uint32_t>& b, int w, int strana) {
  int max = 0;
  for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
    const int x = (int)(i % w) % strana * 4 / strana, y = (int)(i / w) % strana * 4 / strana;
    for (int k = 0; (x == 1 || x == 2) && (y == 1 || y == 2) && k < 24; k += 8)
      max = std::max(max, std::abs((int)(a[i] >> k & 255) - (int)(b[i] >> k & 255)));
  }
  return max;
}

// Loads the file; the store over w × h, and the size must come out as given.
std::vector<uint32_t> Nahraj(const std::string& subor, int w, int h) {
  EXPECT_EQ(Nahraj_PANORAMU(subor.c_str(), 0), IMG_LOAD_OK) << subor;
  EXPECT_TRUE(pan_sir == w && pan_vys == h) << subor;
  return Sklad(w, h);
}

// In the desktop's true colour, where JPEGs of the store's size are decoded in place.
TEST_F(FormatsTest, TheSamePictureInEveryFormatGivesTheSameStore) {
  Vykonaj_RELEASE_SRF(1);
  ASSERT_EQ(Vytvor_displej(800, 600, 32), DD_OK);
  // Blocks of 24 put rows 15, 31, … (a decoding band's last) inside blocks. Too large for the store:
  // every format is brought to the same size, blocks of 48 to 32.
  const struct {
    int w, h, strana, strana_v_sklade;
  } rozmery[] = {{320, 160, 16, 16}, {333, 111, 24, 24}, {24576, 48, 48, 32}};
  for (const auto& r : rozmery) {
    const TRgbPicture pic = Bloky(r.w, r.h, r.strana);
    for (const char* subor : {"p.bmp", "p.png", "p.jpg"}) ASSERT_TRUE(Zapis_obr(pic, subor));
    const int w = std::min(r.w, W_MAX_SIR), h = r.w > W_MAX_SIR ? r.h * W_MAX_SIR / r.w : r.h;
    const std::vector<uint32_t> bmp = Nahraj("p.bmp", w, h);
    EXPECT_EQ(Nahraj("p.png", w, h), bmp) << r.w << "x" << r.h;
    // JPEG at the highest quality: flat blocks come back within a few steps.
    EXPECT_LE(Rozdiel(Nahraj("p.jpg", w, h), bmp, w, r.strana_v_sklade), 16) << r.w << "x" << r.h;
    // Adobe's inverted CMYK (255 = no ink), as such or as YCCK; without Adobe's marker, plain ink.
    for (const auto& f : {std::make_pair(JCS_CMYK, true), std::make_pair(JCS_YCCK, true), std::make_pair(JCS_CMYK, false)}) {
      if (r.w > W_MAX_SIR) break;
      ASSERT_TRUE(Zapis_bajty("cmyk.jpg", Jpeg_z(pic.w, pic.h, 4, JCS_CMYK, f.first, 95, false, [&pic, &f](int y, JSAMPLE* s) {
                                for (int x = 0; x < pic.w; ++x, s += 4) {
                                  const uint8_t* p = pic.At(x, y);
                                  const int k = std::max({p[0], p[1], p[2]});
                                  for (int i = 0; i < 3; ++i) s[i] = (JSAMPLE)(k > 0 ? p[i] * 255 / k : 255);
                                  s[3] = (JSAMPLE)k;
                                  for (int i = 0; i < 4 && !f.second; ++i) s[i] = (JSAMPLE)(255 - s[i]);
                                }
                              }, 0, f.second)));
      EXPECT_LE(Rozdiel(Nahraj("cmyk.jpg", w, h), bmp, w, r.strana), 12) << r.w << "x" << r.h << " " << f.first << f.second;
    }
  }
}

TEST_F(FormatsTest, BrokenJpegAndPngFilesLeaveTheStore) {
  for (const char* subor : {"p.png", "p.jpg"}) ASSERT_TRUE(Zapis_obr(Bloky(200, 100), subor));
  const std::vector<uint32_t> povodny = Nahraj("p.png", 200, 100);
  for (const char* subor : {"p.png", "p.jpg"}) {
    const TBajty cely = Citaj_bajty(subor);
    ASSERT_GT(cely.size(), 100u);
    for (const size_t n : {(size_t)30, cely.size() / 2, (size_t)0}) {  // the header, half, nothing
      ASSERT_TRUE(Zapis_bajty("zly.bin", TBajty(cely.begin(), cely.begin() + (long)n)));
      EXPECT_EQ(Nahraj_PANORAMU("zly.bin", 0), IMG_LOAD_FAILED) << subor << ": " << n;
      EXPECT_EQ(Sklad(200, 100), povodny) << subor << ": " << n;
    }
  }
}

}  // namespace
