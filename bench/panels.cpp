// The panels' drawing against a colour fill of the same rectangle measured in the same run:
// the white net (one pass of direct writes) should stay within a few fills, the milky wash
// through the drawing context is the known slow path, and a scrolling step plus a whole
// list frame is compared with copying a full 800 × 600 frame.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>

#include "app/ui.h"
#include "display/screen.h"
#include "panels/duir.h"
#include "platform/backend.h"
#include "toolkit/ddutil.h"
#include "tools/plocha.h"

namespace {

const RECT kPodklad{195, 162, 641, 437};  // the viewer's list background at 800 × 600

double Teraz() {
  return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

struct TSvet {
  IDirectDraw* dd = nullptr;
  IDirectDrawSurface* zadna = nullptr;
  IDirectDrawSurface* snimka = nullptr;
  TSvet() {
    PLAT_Init(PLAT_MEMORY, TPlatOptions());
    DirectDrawCreate(nullptr, &dd, nullptr);
    zadna = DDVytvor_povrch(dd, 800, 600);
    snimka = DDVytvor_povrch(dd, 800, 600);
  }
  ~TSvet() {
    zadna->Release();
    snimka->Release();
    dd->Release();
    PLAT_Shutdown();
  }
};

TSvet& Svet() {
  static TSvet svet;
  return svet;
}

// The fastest of a few runs of f: the baseline of a ratio.
template <typename F>
double Najrychlejsie(F f) {
  double najlepsi = 1e9;
  for (int i = 0; i < 7; i++) {
    const double t0 = Teraz();
    f();
    najlepsi = std::min(najlepsi, Teraz() - t0);
  }
  return najlepsi;
}

double CasVyplne() {
  TSvet& s = Svet();
  return Najrychlejsie([&] {
    RECT r = kPodklad;
    DDBLTFX fx;
    std::memset(&fx, 0, sizeof fx);
    fx.dwSize = sizeof fx;
    fx.dwFillColor = 0x1234;
    s.zadna->Blt(&r, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &fx);
  });
}

double CasSnimky() {
  TSvet& s = Svet();
  return Najrychlejsie([&] {
    RECT r{0, 0, 800, 600};
    s.snimka->BltFast(0, 0, s.zadna, &r, DDBLTFAST_NOCOLORKEY);
  });
}

// Runs `krok` per iteration and reports its time as a multiple of `zaklad`.
template <typename F>
void Pomer(benchmark::State& state, double zaklad, const char* meno, F krok) {
  double spolu = 0;
  for (auto _ : state) {
    const double t0 = Teraz();
    krok();
    spolu += Teraz() - t0;
  }
  state.counters[std::string("x_") + meno] = spolu / (double)state.iterations() / zaklad;
}

void BM_BielaSiet(benchmark::State& state) {
  const double vypln = CasVyplne();
  Pomer(state, vypln, "vyplne", [] { CDUI_podklad_efekt_A_biela_siet(Svet().zadna, kPodklad); });
}
BENCHMARK(BM_BielaSiet)->Unit(benchmark::kMicrosecond);

void BM_Mliecny(benchmark::State& state) {
  const double vypln = CasVyplne();
  IDirectDrawSurface* zadna = Svet().zadna;
  Pomer(state, vypln, "vyplne", [zadna] {
    HDC dc = nullptr;
    if (zadna->GetDC(&dc) != DD_OK) return;
    CDUI_podklad_efekt_B_mliecny(dc, kPodklad);
    zadna->ReleaseDC(dc);
  });
}
BENCHMARK(BM_Mliecny)->Unit(benchmark::kMillisecond);

// The viewer's list of 50 panoramas: one scrolling step and one drawn frame of the list.
void BM_ZoznamKrokAKresba(benchmark::State& state) {
  TSvet& s = Svet();
  const double snimka = CasSnimky();
  MAXX = 800;
  MAXY = 600;
  SX = 400;
  SY = 300;
  HFONT font = CreateFontA(20, 10, 0, 0, FW_BOLD, 0, 0, 0, ANSI_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                           DEFAULT_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial");
  {
    CDUIR z;
    z.viditelny = 1;
    z.SRF_PTR = s.zadna;
    z.podkl_typ = 1;
    z.Select_mod = 3;
    z.font_hnd = font;
    for (int i = 0; i < 50; i++) z.PRIDAJ(("panoráma číslo " + std::to_string(i + 1)).c_str(), i + 1);
    Rozloz_zoznam(z);
    z.RESET_GEOMETRIER();
    int pos = 0;
    Pomer(state, snimka, "snimky", [&] {
      pos = (pos + 13) % (z.Rol_max + 1);
      z.RESET(pos);
      z.ZOBRAZ();
    });
  }
  DeleteObject(font);
}
BENCHMARK(BM_ZoznamKrokAKresba)->Unit(benchmark::kMicrosecond);

}  // namespace
