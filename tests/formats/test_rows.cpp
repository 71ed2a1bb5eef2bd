// Pictures decoded row by row into a sink: the pixels today's decoders give, true colour kept,
// scaled decoding for small sizes, and hostile JPEGs refused before the sink or decoded harmlessly.
#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <set>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/store.h"
#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "platform/image_rows.h"
#include "tests/formats/formats_fixture.h"
#include "toolkit/ddutil.h"

namespace {

// What arrived: begin's size and depth, the rows in order, progress; optionally stops.
struct TZberac {
  int w = 0, h = 0, bajty = 0, zaciatky = 0, riadky = 0;
  bool po_poradi = true;
  bool drz = true;      // keep the pixels (not for the large hostile cases)
  int stop_po = -1;     // progress answers "stop" from this many rows on
  std::vector<uint8_t> px;
};

bool Zacni(void* c, int w, int h, int bajty) {
  TZberac* z = static_cast<TZberac*>(c);
  z->w = w, z->h = h, z->bajty = bajty, ++z->zaciatky;
  if (z->drz) z->px.assign((size_t)w * h * bajty, 0);
  return true;
}
void Riadok(void* c, int y, const void* p) {
  TZberac* z = static_cast<TZberac*>(c);
  z->po_poradi = z->po_poradi && y == z->riadky++;
  if (z->drz) std::memcpy(z->px.data() + (size_t)y * z->w * z->bajty, p, (size_t)z->w * z->bajty);
}
bool Priebeh(void* c, int hotovo, int) {
  const TZberac* z = static_cast<const TZberac*>(c);
  return z->stop_po < 0 || hotovo < z->stop_po;
}

TImgLoad Nahraj(const std::string& subor, int cx, int cy, int bajty, TZberac* z) {
  return PLAT_LoadImageRows(nullptr, subor.c_str(), LR_LOADFROMFILE, cx, cy, bajty, TImgSink{Zacni, Riadok, Priebeh, z});
}

uint32_t Slovo(const TZberac& z, size_t i) {
  uint32_t v;
  std::memcpy(&v, z.px.data() + i * 4, 4);
  return v;
}

// SDL_image's pixels of the file as 0x00RRGGBB: what the viewer showed before it decoded itself.
std::vector<uint32_t> Sdl_pixely(const std::string& subor) {
  SDL_Surface* s = IMG_Load(subor.c_str());
  SDL_Surface* t = s ? SDL_ConvertSurfaceFormat(s, SDL_PIXELFORMAT_RGB888, 0) : nullptr;
  std::vector<uint32_t> out;
  for (int y = 0; t && y < t->h; ++y) {
    const uint32_t* r = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(t->pixels) + (size_t)y * t->pitch);
    for (int x = 0; x < t->w; ++x) out.push_back(r[x] & 0xFFFFFF);
  }
  SDL_FreeSurface(t);
  SDL_FreeSurface(s);
  return out;
}

// A grey ramp, one level a column: the 256 levels of every channel.
TRgbPicture Prechod() {
  TRgbPicture pic(256, 64);
  for (int y = 0; y < pic.h; ++y)
    for (int x = 0; x < pic.w; ++x) pic.Set(x, y, (uint8_t)x, (uint8_t)x, (uint8_t)x);
  return pic;
}

// Through the viewer's load the store takes the back buffer's depth: at 32 bits every level of
// the picture as today's decoders give it, at 16 bits their 5-6-5 truncation (today's pixels).
TEST_F(FormatsTest, TrueColourStoresKeepEveryLevelAndClassicOnesTodaysPixels) {
  const TRgbPicture pic = Prechod();
  ASSERT_TRUE(Zapis_obr(pic, "g.png"));
  ASSERT_TRUE(Zapis_bajty("g.jpg", Jpeg_rgb(pic, 100)));
  ASSERT_TRUE(Zapis_bajty("g90.jpg", Jpeg_rgb(pic, 90, true)));
  for (const int hlbka : {32, 16}) {
    lpDDSBack->Release();
    ASSERT_EQ(lpDD->SetDisplayMode(800, 600, hlbka), DD_OK);
    lpDDSBack = DDVytvor_povrch(lpDD, 800, 600);
    for (const char* subor : {"g.png", "g.jpg", "g90.jpg"}) {
      ASSERT_EQ(Nahraj_PANORAMU(subor, 0), IMG_LOAD_OK) << subor;
      ASSERT_TRUE(pan_sir == 256 && pan_vys == 64 && W_bajty == hlbka / 8) << subor;
      const std::vector<uint32_t> sdl = Sdl_pixely(subor);
      ASSERT_EQ(sdl.size(), (size_t)256 * 64) << subor;
      std::set<uint32_t> urovne;
      for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 256; ++x) {
          const uint32_t v = sdl[(size_t)y * 256 + x];
          if (hlbka == 32) {
            ASSERT_EQ(W_riadok<uint32_t>(W_pan_hore + y)[x] & 0xFFFFFF, v) << subor << " " << x << "," << y;
            urovne.insert(v >> 8 & 255);
          } else {
            ASSERT_EQ(W_riadok<uint16_t>(W_pan_hore + y)[x], PLAT_Pack565((BYTE)(v >> 16), (BYTE)(v >> 8), (BYTE)v)) << subor;
          }
        }
      EXPECT_EQ(urovne.size(), hlbka == 32 ? 256u : 0u) << subor;
    }
  }
}

// The mean of the full decode over each target pixel's block (the sizes divide evenly).
std::vector<int> Priemer(const TZberac& plny, int w, int h, int kanal) {
  const int kx = plny.w / w, ky = plny.h / h;
  std::vector<int> out;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      long sucet = 0;
      for (int j = 0; j < ky; ++j)
        for (int i = 0; i < kx; ++i) sucet += Slovo(plny, (size_t)(y * ky + j) * plny.w + x * kx + i) >> kanal & 255;
      out.push_back((int)((sucet + kx * ky / 2) / (kx * ky)));
    }
  return out;
}

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
    int max = 0;
    for (const int kanal : {0, 8, 16}) {
      const std::vector<int> chcem = Priemer(plny, r.first, r.second, kanal);
      for (size_t i = 0; i < chcem.size(); ++i) max = std::max(max, std::abs(chcem[i] - (int)(Slovo(z, i) >> kanal & 255)));
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
      {"progressive beyond libjpeg's memory", progresivny, 64, 16, 4, 5000, -1, IMG_LOAD_FAILED},
      {"progressive within it", progresivny, 0, 0, 4, 0, -1, IMG_LOAD_OK},
      {"stopped by its progress", stredny, 0, 0, 2, 0, 32, IMG_LOAD_STOPPED},
  };
  for (const auto& p : pripady) {
    ASSERT_TRUE(Zapis_bajty("zly.jpg", p.bajty));
    const long long strop = PLAT_SetImagePixelLimit(p.strop);
    TZberac z;
    z.drz = false;
    z.stop_po = p.stop_po;
    EXPECT_EQ(Nahraj("zly.jpg", p.cx, p.cy, p.bajty_px, &z), p.vysledok) << p.meno;
    PLAT_SetImagePixelLimit(strop);
    // Refused before the sink was touched, or every row in order once it was (up to a stop).
    const bool cely = p.vysledok == IMG_LOAD_OK;
    EXPECT_EQ(z.zaciatky, p.vysledok == IMG_LOAD_FAILED && p.strop == 0 ? 0 : 1) << p.meno;
    EXPECT_TRUE(z.po_poradi) << p.meno;
    EXPECT_EQ(z.riadky, cely ? z.h : p.stop_po >= 0 ? p.stop_po : z.riadky) << p.meno;
    EXPECT_EQ(z.bajty, z.zaciatky ? p.bajty_px : 0) << p.meno;
  }
}

}  // namespace
