// The two per-frame and per-picture costs of the display layer, each against a baseline
// measured in the same run: the full back-buffer-to-screen copy against memcpy of the same
// bytes, and loading a 4000 × 2000 24-bit BMP against the least any loader must do: read the
// file into fresh memory and fill a fresh 32-bit pixel array of the picture's size.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <vector>

#include "platform/backend.h"
#include "platform/ddraw.h"
#include "platform/gdi.h"
#include "tests/platform_gfx/bmp_maker.h"

namespace {
double Now() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

struct TWorld {
  IDirectDraw* dd = nullptr;
  IDirectDrawSurface* primary = nullptr;
  std::string bmp;
  TWorld() {
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    DirectDrawCreate(nullptr, &dd, nullptr);
    dd->SetDisplayMode(1280, 1024, 16);
    DDSURFACEDESC d;
    std::memset(&d, 0, sizeof(d));
    d.dwSize = sizeof(d);
    d.dwFlags = DDSD_CAPS | DDSD_BACKBUFFERCOUNT;
    d.ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | DDSCAPS_FLIP | DDSCAPS_COMPLEX;
    d.dwBackBufferCount = 1;
    dd->CreateSurface(&d, &primary, nullptr);
    TPic pic;
    pic.w = 4000;
    pic.h = 2000;
    pic.px.resize((size_t)pic.w * pic.h);
    for (int y = 0; y < pic.h; y++)
      for (int x = 0; x < pic.w; x++) pic.px[(size_t)y * pic.w + x] = (uint32_t)((x * 7) ^ (y * 13)) & 0xFFFFFF;
    bmp = WriteTemp(MakeBmp(pic, 24, BMP_PLAIN), "bench.bmp");
  }
  ~TWorld() {
    std::remove(bmp.c_str());
    primary->Release();
    dd->Release();
    PLAT_Shutdown();
  }
};

TWorld& World() {
  static TWorld world;
  return world;
}

// Seconds per call of f, the best of a few tries.
template <typename F>
double Best(F f, int tries) {
  double best = 1e9;
  for (int i = 0; i < tries; i++) {
    const double t0 = Now();
    f();
    best = std::min(best, Now() - t0);
  }
  return best;
}

void BM_FullScreenCopy(benchmark::State& state) {
  TWorld& w = World();
  const size_t bytes = (size_t)1280 * 1024 * 2;
  std::vector<uint8_t> a(bytes, 1), b(bytes);
  const double base = Best([&] { std::memcpy(b.data(), a.data(), bytes); benchmark::ClobberMemory(); }, 20);
  double spent = 0;
  int64_t n = 0;
  for (auto _ : state) {
    const double t0 = Now();
    w.primary->BltFast(0, 0, w.primary->back, nullptr, DDBLTFAST_WAIT);
    spent += Now() - t0;
    n++;
  }
  state.counters["ratio_to_memcpy"] = spent / n / base;
}
BENCHMARK(BM_FullScreenCopy)->Unit(benchmark::kMicrosecond);

void BM_LoadBmp4000x2000(benchmark::State& state) {
  TWorld& w = World();
  const double base = Best(
      [&] {
        std::vector<uint8_t> file(4000 * 2000 * 3 + 1024);
        const int fd = open(w.bmp.c_str(), O_RDONLY);
        while (read(fd, file.data(), file.size()) > 0) {
        }
        close(fd);
        std::vector<uint32_t> px((size_t)4000 * 2000, file[100]);
        benchmark::DoNotOptimize(px.data());
      },
      5);
  // The best time, as for the baseline: the first loads also pay for the process's first
  // touch of that much memory, which says nothing about the loader.
  double best = 1e9;
  for (auto _ : state) {
    const double t0 = Now();
    HANDLE bm = LoadImageA(nullptr, w.bmp.c_str(), IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE | LR_CREATEDIBSECTION);
    best = std::min(best, Now() - t0);
    DeleteObject(static_cast<HGDIOBJ>(bm));
  }
  state.counters["ratio_to_minimum"] = best / base;
}
BENCHMARK(BM_LoadBmp4000x2000)->Unit(benchmark::kMillisecond)->Iterations(10);
}  // namespace
