// Thumbnail making against the cost of reading the same panorama file once from the disk
// cache, measured in the same run: the ratio is what matters, not the absolute times.
// Also the writer's pixel reads from the locked surface against reads through the
// drawing context one pixel at a time.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <string>
#include <vector>

#include "bmpfiles/dbmp.h"
#include "platform/backend.h"
#include "platform/gdi.h"
#include "tests/common/temp_folder.h"
#include "toolkit/ddutil.h"
#include "tools/bmp24.h"

namespace {

const int kSir = 4000;
const int kVys = 2000;
const int kPocet = 20;

// Wall time (what a person waits) and this thread's processor time (steadier when the
// machine is busy with other work), in seconds.
struct TCas {
  double stena;
  double cpu;
};

TCas Teraz() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return {std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(),
          (double)ts.tv_sec + (double)ts.tv_nsec * 1e-9};
}

TCas operator-(const TCas& a, const TCas& b) { return {a.stena - b.stena, a.cpu - b.cpu}; }
TCas& operator+=(TCas& a, const TCas& b) {
  a.stena += b.stena;
  a.cpu += b.cpu;
  return a;
}

// Thumbnail time against the read, as counters.
void Pomer(benchmark::State& state, const TCas& na_nahlad, const TCas& citanie) {
  state.counters["ms_na_nahlad"] = na_nahlad.stena * 1e3;
  state.counters["citanie_ms"] = citanie.stena * 1e3;
  state.counters["x_citania"] = na_nahlad.stena / citanie.stena;
  state.counters["x_citania_cpu"] = na_nahlad.cpu / citanie.cpu;
}

// The benchmark's world: a temporary current folder with the panoramas, the memory backend.
struct TSvet {
  TTempFolder tmp;
  IDirectDraw* dd = nullptr;
  TSvet() {
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    DirectDrawCreate(nullptr, &dd, nullptr);
    TRgbPicture pic(kSir, kVys);
    for (int y = 0; y < kVys; ++y)
      for (int x = 0; x < kSir; ++x) pic.Set(x, y, (uint8_t)(x / 16), (uint8_t)(y / 8), (uint8_t)(x ^ y));
    BMP24_Zapis(pic, "jedna.bmp");
    mkdir("priecinok", 0755);
    for (int i = 0; i < kPocet; ++i) {
      char meno[64];
      std::snprintf(meno, sizeof meno, "priecinok/pano%02d.bmp", i);
      BMP24_Zapis(pic, meno);
    }
  }
  ~TSvet() {
    dd->Release();
    PLAT_Shutdown();
  }
};

TSvet& Svet() {
  static TSvet svet;
  return svet;
}

// Reads a whole file as the loader would, into memory.
size_t CitajCely(const char* cesta) {
  std::vector<char> buf(1 << 20);
  size_t spolu = 0;
  if (FILE* f = std::fopen(cesta, "rb")) {
    size_t n;
    while ((n = std::fread(buf.data(), 1, buf.size(), f)) > 0) spolu += n;
    std::fclose(f);
  }
  return spolu;
}

// The fastest of a few warm reads of the file: the baseline of the ratios.
TCas CasCitania(const char* cesta) {
  CitajCely(cesta);
  TCas najlepsi = {1e9, 1e9};
  for (int i = 0; i < 5; ++i) {
    const TCas t0 = Teraz();
    benchmark::DoNotOptimize(CitajCely(cesta));
    const TCas t = Teraz() - t0;
    najlepsi = {std::min(najlepsi.stena, t.stena), std::min(najlepsi.cpu, t.cpu)};
  }
  return najlepsi;
}

// Standard output is silenced while thumbnails report their progress.
struct TTicho {
  int stary;
  TTicho() {
    std::fflush(stdout);
    stary = dup(1);
    const int nic = open("/dev/null", O_WRONLY);
    dup2(nic, 1);
    close(nic);
  }
  ~TTicho() {
    std::fflush(stdout);
    dup2(stary, 1);
    close(stary);
  }
};

void BM_CitanieSuboru(benchmark::State& state) {
  Svet();
  for (auto _ : state) benchmark::DoNotOptimize(CitajCely("jedna.bmp"));
  state.counters["MB"] = (double)CitajCely("jedna.bmp") / 1e6;
}
BENCHMARK(BM_CitanieSuboru)->Unit(benchmark::kMillisecond);

void BM_NahladJeden(benchmark::State& state) {
  TSvet& s = Svet();
  const TCas citanie = CasCitania("jedna.bmp");
  TCas spolu = {0, 0};
  for (auto _ : state) {
    const TCas t0 = Teraz();
    DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(s.dd, "jedna.bmp", 100, 50, 0.25f, 0.75f, "jedna.thm");
    spolu += Teraz() - t0;
  }
  const double n = (double)state.iterations();
  Pomer(state, {spolu.stena / n, spolu.cpu / n}, citanie);
}
BENCHMARK(BM_NahladJeden)->Unit(benchmark::kMillisecond);

// The goal: a thumbnail costs at most three plain reads of its file. Processor time, the best
// of a few tries of each, so that other work on the machine counts least.
void BM_Ciel_nahladu(benchmark::State& state) {
  TSvet& s = Svet();
  double nahlad = 1e9, citanie = 0;
  for (auto _ : state) {
    citanie = CasCitania("jedna.bmp").cpu;
    for (int i = 0; i < 5; ++i) {
      const TCas t0 = Teraz();
      DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(s.dd, "jedna.bmp", 100, 50, 0.25f, 0.75f, "jedna.thm");
      nahlad = std::min(nahlad, (Teraz() - t0).cpu);
    }
  }
  char opis[120];
  std::snprintf(opis, sizeof opis, "thumbnail %.1f ms, read %.2f ms, thumbnail/read %.1f", nahlad * 1e3, citanie * 1e3,
                nahlad / citanie);
  state.SetLabel(opis);
  if (nahlad / citanie > 3) state.SkipWithError((std::string("a thumbnail takes more than three plain reads: ") + opis).c_str());
}
BENCHMARK(BM_Ciel_nahladu)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_NahladyPriecinka(benchmark::State& state) {
  TSvet& s = Svet();
  const TCas citanie = CasCitania("priecinok/pano00.bmp");
  TCas spolu = {0, 0};
  char* nazvy[50] = {};
  int maxid = -1;
  for (auto _ : state) {
    state.PauseTiming();
    for (int i = 0; i < kPocet; ++i) {
      char meno[64];
      std::snprintf(meno, sizeof meno, "priecinok/pano%02d.thm", i);
      std::remove(meno);
    }
    state.ResumeTiming();
    const TCas t0 = Teraz();
    {
      TTicho ticho;
      DBMP_Zisti_Vytvor__bmp2thm_s3C("priecinok", 1, s.dd, 100, 50, nazvy, &maxid);
    }
    spolu += Teraz() - t0;
    DBMP_Uvolni_zoznam(nazvy, &maxid);
  }
  const double n = (double)state.iterations() * kPocet;
  Pomer(state, {spolu.stena / n, spolu.cpu / n}, citanie);
}
BENCHMARK(BM_NahladyPriecinka)->Unit(benchmark::kMillisecond)->Iterations(3);

// A second start: every thumbnail exists, so only the scan and the existence tests run.
void BM_DruhyStart(benchmark::State& state) {
  TSvet& s = Svet();
  char* nazvy[50] = {};
  int maxid = -1;
  {
    TTicho ticho;
    DBMP_Zisti_Vytvor__bmp2thm_s3C("priecinok", 1, s.dd, 100, 50, nazvy, &maxid);
  }
  DBMP_Uvolni_zoznam(nazvy, &maxid);
  for (auto _ : state) {
    DBMP_Zisti_Vytvor__bmp2thm_s3C("priecinok", 1, s.dd, 100, 50, nazvy, &maxid);
    DBMP_Uvolni_zoznam(nazvy, &maxid);
  }
}
BENCHMARK(BM_DruhyStart)->Unit(benchmark::kMicrosecond);

// The screenshot writer on an 800 × 600 surface, pixels read from the locked surface.
void BM_ZapisZamknuty(benchmark::State& state) {
  IDirectDrawSurface* p = DDVytvor_povrch(Svet().dd, 800, 600);
  const RECT r = {0, 0, 799, 599};
  for (auto _ : state) DBMP_VYTVOR_BMP_0_zoSRF_doFILE(p, &r, "scan.bmp");
  p->Release();
}
BENCHMARK(BM_ZapisZamknuty)->Unit(benchmark::kMillisecond);

// What reading the same pixels through the drawing context, one call a pixel, costs alone.
void BM_CitanieGetPixel(benchmark::State& state) {
  IDirectDrawSurface* p = DDVytvor_povrch(Svet().dd, 800, 600);
  for (auto _ : state) {
    HDC dc = nullptr;
    if (p->GetDC(&dc) != DD_OK) break;
    uint32_t suma = 0;
    for (int y = 599; y >= 0; --y)
      for (int x = 0; x < 800; ++x) suma += GetPixel(dc, x, y);
    p->ReleaseDC(dc);
    benchmark::DoNotOptimize(suma);
  }
  p->Release();
}
BENCHMARK(BM_CitanieGetPixel)->Unit(benchmark::kMillisecond);

}  // namespace
