// The filtered view against the nearest one: nearest, bilinear and bilinear from the levels,
// side by side in one run, on one and two drawing threads, at both depths; and the time the
// levels of an 8192 × 4096 picture take to make. Goals in true colour: the filtered frame at
// most 4× the nearest one per pixel; at 2560 × 1440 on two threads it keeps 60 frames a second.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <string>
#include <vector>

#include "app/modes.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "engine/workers.h"
#include "platform/backend.h"

namespace {

// A store of a phone's photo sphere, 8192 × 4096, of varied pixels at the given depth; the
// time its levels took to make goes to *urovne_ms.
void Priprav_W(int bajty, double* urovne_ms) {
  static int bajty_W = 0;
  static double ms = 0;
  if (bajty_W != bajty) {
    W_priprav(8192, 4096, bajty, nullptr);
    std::vector<uint32_t> riadok(8192);
    uint32_t x = 12345;
    for (int r = 0; r < 4096; ++r) {
      for (int c = 0; c < 8192; ++c) {
        x = x * 1664525u + 1013904223u;
        const uint32_t v = (uint32_t)(c * 7 + r * 3) ^ (x >> 20);
        if (bajty == 4) {
          riadok[c] = v & 0xFFFFFF;
        } else {
          reinterpret_cast<uint16_t*>(riadok.data())[c] = (uint16_t)v;
        }
      }
      W_zapis_riadok(r, riadok.data());
    }
    // The best of three, each making the levels afresh.
    ms = 1e9;
    for (int i = 0; i < 3; ++i) {
      const auto t0 = std::chrono::steady_clock::now();
      W_dokonci();
      ms = std::min(ms, std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    }
    bajty_W = bajty;
  }
  *urovne_ms = ms;
}

// A display of sir × vys at the given depth, made again only when either changes.
void Priprav_displej(int sir, int vys, int bajty) {
  static int s = 0, v = 0, b = 0;
  if (s == sir && v == vys && b == bajty) return;
  Vykonaj_RELEASE_SRF(1);
  Vytvor_displej(sir, vys, bajty * 8);
  s = sir;
  v = vys;
  b = bajty;
}

// Wall and processor seconds per frame in each sampling mode, the best of short rounds taken
// in turn so that every mode meets the same disturbance from other work on the machine. On a
// machine others share, the processor time (of all drawing threads) is the steadier measure.
void Casy(double stena[3], double procesor[3]) {
  for (int m = 0; m < 3; ++m) stena[m] = procesor[m] = 1e9;
  for (int kolo = 0; kolo < 8; ++kolo)
    for (int m = 0; m < 3; ++m) {
      Sito_filter = m;
      Sito_Vykresli();
      const auto t0 = std::chrono::steady_clock::now();
      const std::clock_t c0 = std::clock();
      for (int i = 0; i < 3; ++i) Sito_Vykresli();
      procesor[m] = std::min(procesor[m], (double)(std::clock() - c0) / CLOCKS_PER_SEC / 3);
      stena[m] = std::min(stena[m], std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count() / 3);
    }
  Sito_filter = SITO_NAJBLIZSI;
}

void BM_Filter(benchmark::State& state) {
  const int sir = (int)state.range(0), vys = (int)state.range(1), bajty = (int)state.range(2) / 8;
  const int vlakna = (int)state.range(3), sfer = (int)state.range(4);
  static bool init = false;
  if (!init) PLAT_Init(PLAT_MEMORY, TPlatOptions());
  init = true;
  double urovne_ms = 0;
  Priprav_displej(sir, vys, bajty);
  Priprav_W(bajty, &urovne_ms);
  Reset_Sito(20, 20);
  YAW = 2.0f;
  PITCH = sfer ? -0.5f : 0.2f;
  D = sfer ? sir / 8 : sir / 2;  // spherical: zoomed far out, where the levels matter
  sfer_perspekt = (unsigned char)sfer;
  Vlakna_Spusti(vlakna);
  double cas[3], cpu[3];
  for (auto _ : state) Casy(cas, cpu);
  // Frames a second with the drawing threads each on a core of its own: the processor time
  // shared among them.
  const double fps = vlakna / cpu[2], px = (double)sir * vys;
  state.counters["nearest_ns_px"] = cpu[0] / px * 1e9;
  state.counters["bilinear/nearest"] = cpu[1] / cpu[0];
  state.counters["levels/nearest"] = cpu[2] / cpu[0];
  state.counters["fps_levels"] = fps;
  state.counters["fps_levels_wall"] = 1 / cas[2];
  state.counters["levels_make_ms"] = urovne_ms;
  char opis[240];
  std::snprintf(opis, sizeof(opis),
                "%s, processor ms: nearest %.2f, bilinear %.2f, levels %.2f (%.0f fps on free cores, %.0f here)%s%s",
                sfer ? "spherical far out" : "rectilinear typical", cpu[0] * 1e3, cpu[1] * 1e3, cpu[2] * 1e3, fps,
                1 / cas[2], bajty == 4 && cpu[2] / cpu[0] > 4 ? ", goal 4x missed" : "",
                bajty == 4 && sir == 2560 && vlakna == 2 && fps < 60 ? ", goal 60 fps missed" : "");
  state.SetLabel(opis);
}

void Argumenty(benchmark::internal::Benchmark* b) {
  const int obrazovky[][2] = {{1920, 1080}, {2560, 1440}};
  for (int hlbka : {32, 16})
    for (const auto& o : obrazovky)
      for (int vlakna : {1, 2})
        for (int sfer : {0, 1}) b->Args({o[0], o[1], hlbka, vlakna, sfer});
}
BENCHMARK(BM_Filter)->Apply(Argumenty)->ArgNames({"w", "h", "bpp", "threads", "sph"})->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
