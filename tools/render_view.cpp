// Renders one view of a panorama headless into a 24-bit BMP, through exactly the
// viewer's path: a display in memory (true colour as the desktop's mode, or 5-6-5 as the
// classic ones), the panorama loaded into the store, the sieve drawing the back buffer, the
// back buffer written as the viewer writes pictures.
#include <sys/stat.h>

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

#include "app/modes.h"
#include "app/panorama.h"
#include "bmpfiles/dbmp.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/backend.h"

namespace {

const char* const kPouzitie =
    "usage: render_view [--yaw R] [--pitch R] [--d N] [--spherical] [--grid N]\n"
    "                   [--width W] [--height H] [--16] [--filter F] -o out.bmp panorama.bmp\n"
    "  --yaw R      azimuth of the view in radians (default pi: the middle of the picture)\n"
    "  --pitch R    elevation in radians, within +-1.4707963 (default 0.1)\n"
    "  --d N        eye distance in pixels, 1 … 100000 (default width / 2)\n"
    "  --spherical  spherical instead of rectilinear perspective\n"
    "  --grid N     sieve cells across and down, 1 … 50 (default 20)\n"
    "  --width W, --height H   screen size, 2 … 4096 (default 800 x 600)\n"
    "  --16         the classic modes' 16-bit 5-6-5 pixels (default: 8 bits a channel,\n"
    "               as the desktop's mode)\n"
    "  --filter F   nearest: the nearest picture pixel (the viewer with --filter=off);\n"
    "               bilinear: bilinear from the picture itself; auto: bilinear from\n"
    "               the level of detail each part needs (default: the still view);\n"
    "               nearest-levels: the nearest pixel of the level each part needs\n"
    "               (the viewer while moving in true colour)\n";

// The --filter words, in the order of the sieve's modes.
const char* const kFiltre[] = {"nearest", "bilinear", "auto", "nearest-levels"};

struct TVolby {
  double yaw = 3.1415927, pitch = 0.1;
  long d = 0, grid = 20, sir = 800, vys = 600;
  int filter = SITO_UROVNE;
  bool sfer = false;
  int bity = 32;
  const char* vystup = nullptr;
  const char* panorama = nullptr;
};

bool Cislo(const char* s, double* v) {
  if (!s || !*s) return false;
  char* koniec = nullptr;
  errno = 0;
  *v = std::strtod(s, &koniec);
  return errno == 0 && *koniec == 0 && std::isfinite(*v);
}

bool Cele(const char* s, long lo, long hi, long* v) {
  if (!s || !*s) return false;
  char* koniec = nullptr;
  errno = 0;
  *v = std::strtol(s, &koniec, 10);
  return errno == 0 && *koniec == 0 && *v >= lo && *v <= hi;
}

// Returns an explanation of the first bad argument, or null when all are good.
const char* Citaj_volby(int argc, char** argv, TVolby* o) {
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    const char* hodnota = i + 1 < argc ? argv[i + 1] : nullptr;
    bool ok = true;
    if (!std::strcmp(a, "--spherical")) {
      o->sfer = true;
      continue;
    } else if (!std::strcmp(a, "--16")) {
      o->bity = 16;
      continue;
    } else if (!std::strcmp(a, "--yaw")) {
      ok = Cislo(hodnota, &o->yaw);
    } else if (!std::strcmp(a, "--pitch")) {
      ok = Cislo(hodnota, &o->pitch) && std::fabs(o->pitch) <= pi_pol_m;
    } else if (!std::strcmp(a, "--d")) {
      ok = Cele(hodnota, 1, 100000, &o->d);
    } else if (!std::strcmp(a, "--grid")) {
      ok = Cele(hodnota, 1, SITO_MAX, &o->grid);
    } else if (!std::strcmp(a, "--width")) {
      ok = Cele(hodnota, 2, 4096, &o->sir);
    } else if (!std::strcmp(a, "--height")) {
      ok = Cele(hodnota, 2, 4096, &o->vys);
    } else if (!std::strcmp(a, "--filter")) {
      ok = false;
      for (int f = 0; f < (int)(sizeof kFiltre / sizeof kFiltre[0]); ++f)
        if (hodnota && !std::strcmp(hodnota, kFiltre[f])) {
          o->filter = f;
          ok = true;
        }
    } else if (!std::strcmp(a, "-o")) {
      ok = hodnota && *hodnota;
      o->vystup = hodnota;
    } else if (a[0] == '-' && a[1] != 0) {
      return "unknown option";
    } else if (!o->panorama) {
      o->panorama = a;
      continue;
    } else {
      return "more than one panorama";
    }
    if (!ok) return "bad or missing value";
    ++i;
  }
  if (!o->vystup) return "no output file (-o)";
  if (!o->panorama) return "no panorama";
  return nullptr;
}

// The writer reports failures only to its log: the file must be there, new and whole.
bool Zapisany(const char* cesta, time_t pred, int sir, int vys) {
  struct stat st;
  if (stat(cesta, &st) != 0) return false;
  return st.st_mtime >= pred && st.st_size == 54 + (off_t)((sir * 3 + 3) & ~3) * vys;
}

int Vykresli(const TVolby& o) {
  if (Vytvor_displej((int)o.sir, (int)o.vys, o.bity) != DD_OK) {
    std::fprintf(stderr, "render_view: cannot set up a %ld x %ld display of %d bits\n", o.sir, o.vys, o.bity);
    return 1;
  }
  D_start = (int)o.sir / 2;
  if (Nahraj_PANORAMU(o.panorama, 1) != IMG_LOAD_OK) {
    std::fprintf(stderr, "render_view: cannot read the panorama \"%s\"\n", o.panorama);
    return 1;
  }
  float yaw = (float)std::fmod(o.yaw, 2 * 3.14159265358979);
  if (yaw < 0) yaw += pi2;
  YAW = yaw;
  PITCH = (float)o.pitch;
  D = o.d ? (int)o.d : D_start;
  sfer_perspekt = o.sfer ? 1 : 0;
  if (!Reset_Sito((int)o.grid, (int)o.grid)) {
    std::fprintf(stderr, "render_view: a %ld x %ld grid does not fit a %ld x %ld screen\n", o.grid, o.grid, o.sir,
                 o.vys);
    return 2;
  }
  Sito_filter = o.filter;
  if (!Sito_Vykresli()) {
    std::fprintf(stderr, "render_view: the view could not be drawn\n");
    return 1;
  }
  const time_t pred = std::time(nullptr);
  RECT r = {0, 0, (LONG)o.sir - 1, (LONG)o.vys - 1};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(lpDDSBack, &r, o.vystup);
  if (!Zapisany(o.vystup, pred, (int)o.sir, (int)o.vys)) {
    std::fprintf(stderr, "render_view: cannot write \"%s\"\n", o.vystup);
    return 1;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i)
    if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
      std::fputs(kPouzitie, stdout);
      return 0;
    }
  TVolby o;
  if (const char* chyba = Citaj_volby(argc, argv, &o)) {
    std::fprintf(stderr, "render_view: %s\n%s", chyba, kPouzitie);
    return 2;
  }
  PLAT_Init(PLAT_MEMORY, TPlatOptions());
  const int vysledok = Vykresli(o);
  Vykonaj_RELEASE_SRF(1);
  PLAT_Shutdown();
  return vysledok;
}
