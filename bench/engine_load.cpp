// Loading a panorama: a 4000 × 2000 24-bit BMP file through the surface into the store,
// against a plain read of the same file (from the disk cache) in the same run.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include "app/panorama.h"
#include "display/screen.h"
#include "engine/store.h"
#include "platform/backend.h"
#include "tools/bmp24.h"

namespace {

const int kSir = 4000, kVys = 2000;

// The picture file, written once, and a display to load it for.
const std::string& Subor() {
  static std::string cesta;
  if (cesta.empty()) {
    cesta = "/tmp/engine_load_" + std::to_string(getpid()) + ".bmp";
    TRgbPicture pic(kSir, kVys);
    for (int y = 0; y < kVys; ++y)
      for (int x = 0; x < kSir; ++x) pic.Set(x, y, (uint8_t)x, (uint8_t)y, (uint8_t)(x ^ y));
    BMP24_Zapis(pic, cesta.c_str());
    std::atexit([] { std::remove(cesta.c_str()); });
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    DirectDrawCreate(nullptr, &lpDD, nullptr);
    lpDD->SetDisplayMode(800, 600, 16);
  }
  return cesta;
}

long Velkost(const std::string& cesta) {
  FILE* f = std::fopen(cesta.c_str(), "rb");
  if (!f) return 0;
  std::fseek(f, 0, SEEK_END);
  const long n = std::ftell(f);
  std::fclose(f);
  return n;
}

void Nahraj() { Nahraj_PANORAMU(Subor().c_str(), 0); }

void Citaj(std::vector<char>& buf) {
  FILE* f = std::fopen(Subor().c_str(), "rb");
  if (!f) return;
  const size_t n = std::fread(buf.data(), 1, buf.size(), f);
  std::fclose(f);
  benchmark::DoNotOptimize(n);
}

void BM_Nahraj(benchmark::State& state) {
  const long bajty = Velkost(Subor());
  for (auto _ : state) Nahraj();
  if (pan_sir != kSir || pan_vys != kVys) state.SkipWithError("the panorama did not load");
  state.SetBytesProcessed(state.iterations() * bajty);
}
BENCHMARK(BM_Nahraj)->Unit(benchmark::kMillisecond);

// The store's own part: the surface copied into W.
void BM_Init_W(benchmark::State& state) {
  Nahraj();
  for (auto _ : state) init_W();
  state.SetBytesProcessed(state.iterations() * (int64_t)kSir * kVys * 2);
}
BENCHMARK(BM_Init_W)->Unit(benchmark::kMillisecond);

void BM_Citaj(benchmark::State& state) {
  const long bajty = Velkost(Subor());
  std::vector<char> buf((size_t)bajty);
  for (auto _ : state) Citaj(buf);
  state.SetBytesProcessed(state.iterations() * bajty);
}
BENCHMARK(BM_Citaj)->Unit(benchmark::kMillisecond);

// Processor seconds of the best of a few tries.
template <class F>
double Cas(F f) {
  double najlepsi = 1e9;
  for (int i = 0; i < 5; ++i) {
    const std::clock_t t0 = std::clock();
    f();
    const double t = (double)(std::clock() - t0) / CLOCKS_PER_SEC;
    if (t < najlepsi) najlepsi = t;
  }
  return najlepsi;
}

// The goal: loading costs at most three plain reads of the file.
void BM_Ciel_nahravania(benchmark::State& state) {
  std::vector<char> buf((size_t)Velkost(Subor()));
  double nahraj = 0, citaj = 0;
  for (auto _ : state) {
    nahraj = Cas(Nahraj);
    citaj = Cas([&] { Citaj(buf); });
  }
  char opis[120];
  std::snprintf(opis, sizeof(opis), "load %.1f ms, read %.2f ms, load/read %.1f", nahraj * 1e3, citaj * 1e3,
                nahraj / citaj);
  state.SetLabel(opis);
  if (nahraj / citaj > 3) state.SkipWithError((std::string("loading takes more than three plain reads: ") + opis).c_str());
}
BENCHMARK(BM_Ciel_nahravania)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
