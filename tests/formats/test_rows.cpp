// Pictures decoded row by row into a sink: true colour, scaled decoding, hostile JPEGs.

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/panorama.h"
#include "engine/store.h"
#include "platform/gdi.h"
#include "platform/image_rows.h"
#include "tests/formats/formats_fixture.h"

namespace {

// What arrived: begin's size and depth, the rows in order; progress says "stop" from row stop_po.
struct TZberac {
  int w = 0, h = 0, bajty = 0, zaciatky = 0, riadky = 0, stop_po = -1;
  bool po_poradi = true, drz = true;  // drz: keep the pixels (not for the large hostile cases)
  std::vector<uint8_t> px;
  uint32_t Slovo(size_t i) const { return px[i * 4] | px[i * 4 + 1] << 8 | px[i * 4 + 2] << 16; }
};

TImgLoad Nahraj(const std::string& subor, int cx, int cy, int bajty, TZberac* z) {
  const TImgSink sink{[](void* c, int w, int h, int b) {
                        TZberac* z = static_cast<TZberac*>(c);
                        z->w = w, z->h = h, z->bajty = b, ++z->zaciatky;
                        if (z->drz) z->px.assign((size_t)w * h * b, 0);
                        return true;
                      },
                      [](void* c, int y, const void* p) {
                        TZberac* z = static_cast<TZberac*>(c);
                        z->po_poradi = z->po_poradi && y == z->riadky++;
                        if (z->drz) std::memcpy(z->px.data() + (size_t)y * z->w * z->bajty, p, (size_t)z->w * z->bajty);
                      },
                      [](void* c, int hotovo, int) { return (unsigned)hotovo < (unsigned)static_cast<const TZberac*>(c)->stop_po; },
                      z, nullptr};
  return PLAT_LoadImageRows(nullptr, subor.c_str(), LR_LOADFROMFILE, cx, cy, bajty, sink);
}

// A grey ramp, one level a column: the 256 levels of every channel.
TRgbPicture Prechod() {
  TRgbPicture pic(256, 64);
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x) pic.Set(x, y, (uint8_t)x, (uint8_t)x, (uint8_t)x);
  return pic;
}

// A 32-bit store keeps every level exactly as SDL_image (what the viewer once used) decodes it.
TEST_F(FormatsTest, TrueColourStoresKeepEveryLevelAsTodaysDecodersGiveIt) {
  ASSERT_TRUE(Zapis_obr(Prechod(), "g.png"));
  ASSERT_TRUE(Zapis_bajty("g.jpg", Jpeg_rgb(Prechod(), 100)));
  ASSERT_TRUE(Zapis_bajty("g90.jpg", Jpeg_rgb(Prechod(), 90, true)));
  Vykonaj_RELEASE_SRF(1);
  ASSERT_EQ(Vytvor_displej(800, 600, 32), DD_OK);
  for (const char* subor : {"g.png", "g.jpg", "g90.jpg"}) {
    ASSERT_EQ(Nahraj_PANORAMU(subor, 0), IMG_LOAD_OK) << subor;
    ASSERT_TRUE(pan_sir == 256 && pan_vys == 64 && W_bajty == 4) << subor;
    SDL_Surface* s = IMG_Load(subor);
    SDL_Surface* t = SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB888, 0);
    ASSERT_TRUE(t && t->w == 256 && t->h == 64) << subor;
    std::vector<int> urovne(256);
    for (int y = 0; y < 64; ++y)
      for (int x = 0; x < 256; ++x) {
        const uint32_t v = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(t->pixels) + y * t->pitch)[x];
        ASSERT_EQ(W_riadok<uint32_t>(W_pan_hore + y)[x] & 0xFFFFFF, v & 0xFFFFFF) << subor << " " << x << "," << y;
        urovne[v >> 8 & 255] = 1;
      }
    EXPECT_EQ(std::count(urovne.begin(), urovne.end(), 1), 256) << subor;
    SDL_FreeSurface(t);
    SDL_FreeSurface(s);
  }
}

// Asked for a size the full decode's sides divide, each pixel is the mean of its block.
TEST_F(FormatsTest, ScaledDecodingGivesTheFullDecodesThumbnail) {
  TRgbPicture pic(1600, 800);
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x)
      pic.Set(x, y, (uint8_t)(x * 255 / 1599), (uint8_t)(128 + 100 * std::sin(x / 90.0 + y / 70.0)), (uint8_t)(y * 255 / 799));
  ASSERT_TRUE(Zapis_bajty("t.jpg", Jpeg_rgb(pic, 90)));
  TZberac plny;
  ASSERT_EQ(Nahraj("t.jpg", 0, 0, 4, &plny), IMG_LOAD_OK);
  for (const auto& r : {std::make_pair(100, 25), std::make_pair(100, 50), std::make_pair(400, 200), std::make_pair(800, 400)}) {
    TZberac z;
    ASSERT_EQ(Nahraj("t.jpg", r.first, r.second, 4, &z), IMG_LOAD_OK);
    ASSERT_TRUE(z.w == r.first && z.h == r.second);
    const int kx = plny.w / z.w, ky = plny.h / z.h;
    int max = 0;
    for (int k = 0; k < 24; k += 8)
      for (int i = 0; i < z.w * z.h; ++i) {
        long sucet = 0;
        for (int j = 0; j < kx * ky; ++j) sucet += plny.Slovo((size_t)(i / z.w * ky + j / kx) * plny.w + i % z.w * kx + j % kx) >> k & 255;
        max = std::max(max, std::abs((int)((sucet + kx * ky / 2) / (kx * ky)) - (int)(z.Slovo(i) >> k & 255)));
      }
    EXPECT_LE(max, 3) << r.first << "x" << r.second;
  }
}

TEST_F(FormatsTest, HostileJpegsAreRefusedBeforeTheSinkOrDecodedWithinIt) {
  TRgbPicture maly(16, 8);
  for (int y = 0; y < 8; ++y)
    for (int x = 0; x < 16; ++x) maly.Set(x, y, (uint8_t)(x * 16), (uint8_t)(y * 32), 99);
  const TBajty stredny = Jpeg_rgb(Prechod(), 75), progresivny = Jpeg_rgb(Prechod(), 75, true);
  // The small picture's frame claiming w × h (its data then ends early), less its last `odrez` bytes.
  const auto tvrdi = [&maly](int w, int h, size_t odrez = 0) {
    TBajty b = Jpeg_rgb(maly, 10);
    size_t i = 2;
    while (!(b[i] == 0xFF && b[i + 1] >= 0xC0 && b[i + 1] <= 0xC2)) ++i;
    const uint8_t v[4] = {(uint8_t)(h >> 8), (uint8_t)h, (uint8_t)(w >> 8), (uint8_t)w};
    std::copy(v, v + 4, b.begin() + (long)i + 5);
    b.resize(b.size() - odrez);
    return b;
  };
  // Bytes inside the scan overwritten, every 97th: damaged bands, no marker made.
  const auto poskodene = [](TBajty b) {
    size_t i = 2;
    while (!(b[i] == 0xFF && b[i + 1] == 0xDA)) ++i;
    for (i += 400; i < b.size() - 600; i += 97) b[i] = 0x55;
    return b;
  };
  const struct {
    const char* meno;
    TBajty bajty;
    int cx, cy, bajty_px;
    long long strop;  // pixel ceiling for the case, 0: the usual
    int stop_po;
    TImgLoad vysledok;
  } pripady[] = {
      {"claims 60000 x 30000", tvrdi(60000, 30000), 0, 0, 4, 0, -1, IMG_LOAD_FAILED},
      {"16K whose data ends early", tvrdi(16384, 8192), 0, 0, 4, 0, -1, IMG_LOAD_OK},
      {"16K whose data ends early, small", tvrdi(16384, 8192), 100, 50, 2, 0, -1, IMG_LOAD_OK},
      {"16K cut before its end", tvrdi(16384, 8192, 3), 0, 0, 4, 0, -1, IMG_LOAD_FAILED},
      {"20000 x 10000 at its own size", tvrdi(20000, 10000), 0, 0, 4, 0, -1, IMG_LOAD_FAILED},
      {"20000 x 10000 made small", tvrdi(20000, 10000), 250, 125, 4, 0, -1, IMG_LOAD_OK},
      {"corrupt bands", poskodene(stredny), 0, 0, 4, 0, -1, IMG_LOAD_OK},
      // Its coefficients: 384 blocks of 64 at 2 bytes, 3 bytes a pixel of the ceiling.
      {"progressive beyond libjpeg's memory", progresivny, 64, 16, 4, 16383, -1, IMG_LOAD_FAILED},
      {"progressive just within it", progresivny, 64, 16, 4, 16384, -1, IMG_LOAD_OK},
      {"stopped by its progress", stredny, 0, 0, 2, 0, 32, IMG_LOAD_STOPPED},
  };
  for (const auto& p : pripady) {
    ASSERT_TRUE(Zapis_bajty("zly.jpg", p.bajty));
    const long long strop = PLAT_SetImagePixelLimit(p.strop);
    TZberac z;
    z.drz = false, z.stop_po = p.stop_po;
    EXPECT_EQ(Nahraj("zly.jpg", p.cx, p.cy, p.bajty_px, &z), p.vysledok) << p.meno;
    PLAT_SetImagePixelLimit(strop);
    // Refused before the sink was touched, or every row in order once it was (up to a stop).
    EXPECT_EQ(z.zaciatky, p.vysledok == IMG_LOAD_FAILED && p.strop == 0 ? 0 : 1) << p.meno;
    EXPECT_TRUE(z.po_poradi) << p.meno;
    EXPECT_EQ(z.riadky, p.vysledok == IMG_LOAD_OK ? z.h : p.stop_po >= 0 ? p.stop_po : z.riadky) << p.meno;
    EXPECT_EQ(z.bajty, z.zaciatky ? p.bajty_px : 0) << p.meno;
  }
}

}  // namespace
