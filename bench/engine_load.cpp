// Loading a panorama: an 8192 × 4096 JPEG (a phone's photo sphere) into the store and as a
// 100 × 25 thumbnail, against decoding the same file alone with the same decoder (libjpeg, the
// same output form) in the same run; written with a restart marker every MCU row as phones do,
// and without (where the thumbnail cannot skip rows). A 4000 × 2000 BMP against a plain read.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <jpeglib.h>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/store.h"
#include "platform/backend.h"
#include "platform/gdi.h"
#include "platform/user32.h"
#include "toolkit/ddutil.h"
#include "tools/bmp24.h"

namespace {

const int kJpegSir = 8192, kJpegVys = 4096;
const int kBmpSir = 4000, kBmpVys = 2000;

std::string Cesta(const char* pripona) { return "/tmp/engine_load_" + std::to_string(getpid()) + pripona; }

// A smooth sky-like picture, written once at quality 90 as JPEG (with or without restart
// markers), and a display of the depth the desktop mode has to load it for.
void Zapis_jpeg(const std::string& cesta, bool znacky) {
  jpeg_compress_struct c;
  jpeg_error_mgr e;
  c.err = jpeg_std_error(&e);
  jpeg_create_compress(&c);
  FILE* f = std::fopen(cesta.c_str(), "wb");
  if (!f) return;
  jpeg_stdio_dest(&c, f);
  c.image_width = kJpegSir;
  c.image_height = kJpegVys;
  c.input_components = 3;
  c.in_color_space = JCS_RGB;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 90, TRUE);
  c.restart_in_rows = znacky ? 1 : 0;
  jpeg_start_compress(&c, TRUE);
  std::vector<JSAMPLE> r((size_t)kJpegSir * 3);
  for (int y = 0; y < kJpegVys; ++y) {
    for (int x = 0; x < kJpegSir; ++x) {
      r[(size_t)x * 3] = (JSAMPLE)(120 + 100 * std::sin(x / 700.0 + y / 900.0));
      r[(size_t)x * 3 + 1] = (JSAMPLE)(y * 255 / kJpegVys);
      r[(size_t)x * 3 + 2] = (JSAMPLE)(200 + 50 * std::sin((x ^ y) / 50.0));
    }
    JSAMPROW p = r.data();
    jpeg_write_scanlines(&c, &p, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  std::fclose(f);
}

struct TSubory {
  std::string jpeg = Cesta(".jpg"), bez_znaciek = Cesta("_bez.jpg"), bmp = Cesta(".bmp");
  TSubory() {
    Zapis_jpeg(jpeg, true);
    Zapis_jpeg(bez_znaciek, false);
    TRgbPicture pic(kBmpSir, kBmpVys);
    for (int y = 0; y < kBmpVys; ++y)
      for (int x = 0; x < kBmpSir; ++x) pic.Set(x, y, (uint8_t)x, (uint8_t)y, (uint8_t)(x ^ y));
    BMP24_Zapis(pic, bmp.c_str());
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    DirectDrawCreate(nullptr, &lpDD, nullptr);
    lpDD->SetDisplayMode(800, 600, 32);
    lpDDSBack = DDVytvor_povrch(lpDD, 800, 600);
  }
  ~TSubory() {
    std::remove(jpeg.c_str());
    std::remove(bez_znaciek.c_str());
    std::remove(bmp.c_str());
  }
};

const TSubory& Subory() {
  static TSubory s;
  return s;
}

std::vector<char> Bajty(const std::string& cesta) {
  std::vector<char> b;
  FILE* f = std::fopen(cesta.c_str(), "rb");
  if (!f) return b;
  std::fseek(f, 0, SEEK_END);
  b.resize((size_t)std::ftell(f));
  std::fseek(f, 0, SEEK_SET);
  if (std::fread(b.data(), 1, b.size(), f) != b.size()) b.clear();
  std::fclose(f);
  return b;
}

// The decoder alone: the file read, libjpeg's rows in the store's 32-bit form into one band.
void Dekoduj(const std::string& jpeg) {
  const std::vector<char> b = Bajty(jpeg);
  jpeg_decompress_struct d;
  jpeg_error_mgr e;
  d.err = jpeg_std_error(&e);
  jpeg_create_decompress(&d);
  jpeg_mem_src(&d, reinterpret_cast<const unsigned char*>(b.data()), (unsigned long)b.size());
  jpeg_read_header(&d, TRUE);
  d.out_color_space = JCS_EXT_BGRX;
  jpeg_start_decompress(&d);
  std::vector<JSAMPLE> pas((size_t)d.output_width * 4 * 16);
  while (d.output_scanline < d.output_height) {
    JSAMPROW r[16];
    for (int i = 0; i < 16; ++i) r[i] = pas.data() + (size_t)i * d.output_width * 4;
    jpeg_read_scanlines(&d, r, 16);
  }
  benchmark::DoNotOptimize(pas.data());
  jpeg_finish_decompress(&d);
  jpeg_destroy_decompress(&d);
}

void Nahraj_jpeg(const std::string& jpeg) { Nahraj_PANORAMU(jpeg.c_str(), 0); }

void Nahlad(const std::string& jpeg) {
  HANDLE h = LoadImageA(nullptr, jpeg.c_str(), IMAGE_BITMAP, 100, 25, LR_LOADFROMFILE);
  DeleteObject(static_cast<HGDIOBJ>(h));
}

void Nahraj_bmp() { Nahraj_PANORAMU(Subory().bmp.c_str(), 0); }

void Citaj_bmp() { benchmark::DoNotOptimize(Bajty(Subory().bmp).size()); }

void BM_Nahraj_jpeg(benchmark::State& state) {
  Subory();
  for (auto _ : state) Nahraj_jpeg(Subory().jpeg);
  if (pan_sir != kJpegSir || pan_vys != kJpegVys) state.SkipWithError("the panorama did not load");
}
BENCHMARK(BM_Nahraj_jpeg)->Unit(benchmark::kMillisecond);

void BM_Dekoduj_jpeg(benchmark::State& state) {
  for (auto _ : state) Dekoduj(Subory().jpeg);
}
BENCHMARK(BM_Dekoduj_jpeg)->Unit(benchmark::kMillisecond);

void BM_Nahlad_jpeg(benchmark::State& state) {
  for (auto _ : state) Nahlad(Subory().jpeg);
}
BENCHMARK(BM_Nahlad_jpeg)->Unit(benchmark::kMillisecond);

void BM_Nahlad_jpeg_bez_znaciek(benchmark::State& state) {
  for (auto _ : state) Nahlad(Subory().bez_znaciek);
}
BENCHMARK(BM_Nahlad_jpeg_bez_znaciek)->Unit(benchmark::kMillisecond);

// Processor seconds of one run, and of the best of a few.
template <class F>
double Raz(F f) {
  const std::clock_t t0 = std::clock();
  f();
  return (double)(std::clock() - t0) / CLOCKS_PER_SEC;
}
template <class F>
double Cas(F f) {
  double najlepsi = 1e9;
  for (int i = 0; i < 5; ++i) najlepsi = std::min(najlepsi, Raz(f));
  return najlepsi;
}

// A JPEG's load, decode and thumbnail times: the best of rounds that take one of each in turn,
// so that other work on the machine, which comes and goes, weighs on all three alike.
struct TJpegCasy {
  double nahraj = 1e9, dekod = 1e9, nahlad = 1e9;
};

TJpegCasy Casy_jpeg(const std::string& jpeg) {
  TJpegCasy c;
  for (int i = 0; i < 7; ++i) {
    c.nahraj = std::min(c.nahraj, Raz([&jpeg] { Nahraj_jpeg(jpeg); }));
    c.dekod = std::min(c.dekod, Raz([&jpeg] { Dekoduj(jpeg); }));
    c.nahlad = std::min(c.nahlad, Raz([&jpeg] { Nahlad(jpeg); }));
  }
  return c;
}

// The goals: a JPEG into the store at most 1.5 decodes of it; the thumbnail of one with restart
// markers at most a quarter of one (without them all its data is decoded: shown, not a goal);
// a BMP at most three plain reads of its file.
void BM_Ciele_nahravania(benchmark::State& state) {
  TJpegCasy s, bez;
  double bmp = 0, citaj = 0;
  for (auto _ : state) {
    s = Casy_jpeg(Subory().jpeg);
    bez = Casy_jpeg(Subory().bez_znaciek);
    bmp = Cas(Nahraj_bmp);
    citaj = Cas(Citaj_bmp);
  }
  char opis[300];
  std::snprintf(opis, sizeof(opis),
                "jpeg with markers: load %.0f ms, decode %.0f ms, thumb %.1f ms, load/decode %.2f, thumb/decode %.3f; "
                "without: load/decode %.2f, thumb/decode %.3f; bmp load/read %.1f",
                s.nahraj * 1e3, s.dekod * 1e3, s.nahlad * 1e3, s.nahraj / s.dekod, s.nahlad / s.dekod,
                bez.nahraj / bez.dekod, bez.nahlad / bez.dekod, bmp / citaj);
  state.SetLabel(opis);
  if (s.nahraj / s.dekod > 1.5 || bez.nahraj / bez.dekod > 1.5 || s.nahlad / s.dekod > 0.25 || bmp / citaj > 3)
    state.SkipWithError((std::string("a loading goal is missed: ") + opis).c_str());
}
BENCHMARK(BM_Ciele_nahravania)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
