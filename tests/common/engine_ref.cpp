#include "tests/common/engine_ref.h"

#include <cstring>

#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"

namespace {

struct TRef_uzol { int r, s, lam; };

// Coordinates, or the pixels themselves (`bajty` bytes, rows `pitch` bytes apart).
struct TRef_ciel { TRef_suradnice* o; unsigned char* px; long pitch; int bajty; };

// Where cell i + 1 and band j + 1 begin: the screen shared as evenly as whole pixels allow.
int Ref_x(int i) { return i * obraz_sir / Sito_pocx; }
int Ref_y(int j) { return j * obraz_vys / Sito_pocy; }

void Ref_rad_uzlov(std::vector<TRef_uzol>& rad, int yy) {
  for (int i = 0; i <= Sito_pocx; ++i) S(1 + Ref_x(i), yy, &rad[i].r, &rad[i].s, &rad[i].lam);
}

// One cell row: sir pixels from node l to node p, MT at every pixel.
void Ref_bunka(const TRef_ciel& c, int y, int x0, int sir, const TRef_uzol& l, const TRef_uzol& p) {
  const int dr = (p.r - l.r) / sir, ds = (p.s - l.s) / sir;
  for (int k = 0, rr = l.r, ss = l.s; k < sir; ++k, rr += dr, ss += ds) {
    int mm, nn;
    MT(rr, ss, &mm, &nn);
    if (c.px)
      std::memcpy(c.px + y * c.pitch + (x0 + k) * c.bajty, W + ((size_t)nn * W_sir + mm) * c.bajty, c.bajty);
    else
      c.o->mm[(size_t)y * c.o->sir + x0 + k] = mm, c.o->nn[(size_t)y * c.o->sir + x0 + k] = nn;
  }
}

int Ref_interp(int a, int b, float koef_v) { return a + (int)((double)(b - a) * koef_v); }

void Ref_sito(const TRef_ciel& o) {
  const int rmax = (int)((double)pi2 * opt_TA) * 256;
  const int c = Sito_pocx / 2;
  std::vector<TRef_uzol> A(Sito_pocx + 1), B(Sito_pocx + 1), Wr(Sito_pocx + 1);
  Ref_rad_uzlov(B, 1);
  for (int j = 1; j <= Sito_pocy; ++j) {
    A = B;
    Ref_rad_uzlov(B, Ref_y(j) + 1);
    const int y0 = Ref_y(j - 1), vys = Ref_y(j) - y0;
    // Over a pole the centre cell is drawn again, the short way: its right node one turn back.
    const bool stred = c >= 1 && A[c - 1].lam != 0 && A[c - 1].lam == B[c - 1].lam;
    for (int riad = 1; riad <= vys; ++riad) {
      const float koef_v = (float)(riad - 1) / vys;
      for (int i = 0; i <= Sito_pocx; ++i) {
        Wr[i].r = Ref_interp(A[i].r, B[i].r, koef_v);
        Wr[i].s = Ref_interp(A[i].s, B[i].s, koef_v);
      }
      for (int i = 1; i <= Sito_pocx; ++i)
        Ref_bunka(o, y0 + riad - 1, Ref_x(i - 1), Ref_x(i) - Ref_x(i - 1), Wr[i - 1], Wr[i]);
      if (!stred) continue;
      TRef_uzol p = Wr[c];
      p.r = A[c].r - rmax + (int)((double)(B[c].r - A[c].r) * koef_v);
      Ref_bunka(o, y0 + riad - 1, Ref_x(c - 1), Ref_x(c) - Ref_x(c - 1), Wr[c - 1], p);
    }
  }
}

}  // namespace

void Ref_Sito(TRef_suradnice* o) {
  const size_t n = (size_t)obraz_sir * obraz_vys;
  *o = {obraz_sir, obraz_vys, std::vector<int>(n), std::vector<int>(n)};
  Ref_sito({o, nullptr, 0, 0});
}

void Ref_Sito_Pixely(void* ciel, long pitch, int bajty) {
  Ref_sito({nullptr, static_cast<unsigned char*>(ciel), pitch, bajty});
}
