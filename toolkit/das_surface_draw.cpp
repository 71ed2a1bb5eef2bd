// Drawing the sheet: whole, a rectangle, a phase (clipped to the screen or a window,
// plain or mirrored), stretched, or blended. A lost sheet is restored and reloaded, and
// shows again from the next frame on; a busy display is waited for; other errors drop the draw.
#include <cstdlib>
#include <cstring>

#include "display/screen.h"
#include "toolkit/das_pixel.h"
#include "toolkit/das_surface.h"

namespace {

template <class TBlit>
void S_opakovanim(CDas_Surface* das, TBlit blit) {
  for (int i = 0; i < DAS_POKUSY_MAX; i++) {
    const HRESULT hr = blit();
    if (hr == DDERR_WASSTILLDRAWING) continue;
    if (hr == DDERR_SURFACELOST) das->RESTORE_SURFACE();
    return;
  }
}

bool Prazdny(const tagRECT& r) { return r.left >= r.right || r.top >= r.bottom; }

// Unscaled copy, keyed unless the transparent colour is 0.
void Rychlo(CDas_Surface* das, IDirectDrawSurface* d_SRF, int xx, int yy, tagRECT R) {
  if (!das->SURFACE || !d_SRF || Prazdny(R)) return;
  const DWORD kluc = das->TC != 0 ? DDBLTFAST_SRCCOLORKEY : DDBLTFAST_NOCOLORKEY;
  S_opakovanim(das, [&] { return d_SRF->BltFast((DWORD)xx, (DWORD)yy, das->SURFACE, &R, kluc); });
}

// Scaled copy without key; null rectangles stand for the whole surface.
void Natiahni(CDas_Surface* das, IDirectDrawSurface* d_SRF, tagRECT* RRd, tagRECT* RRs) {
  if (!das->SURFACE || !d_SRF) return;
  S_opakovanim(das, [&] { return d_SRF->Blt(RRd, das->SURFACE, RRs, 0, nullptr); });
}

tagRECT Obdlznik(const TFAZA& FF) { return tagRECT{FF.XL, FF.YH, FF.XP, FF.YD}; }

// Clip to the screen, each axis with two tests on the unchanged position. Mirrored, the
// columns cut on one side of the screen come off the other side of the source.
bool Orez_obrazovka(int x, int y, const TFAZA& FF, bool zrkadlo, tagRECT* R, int* xx, int* yy) {
  if (x + FF.SIR < 0 || x > MAXX || y + FF.VYS < 0 || y > MAXY) return false;
  if (x < 0) {
    if (zrkadlo)
      R->right -= std::abs(x);
    else
      R->left += std::abs(x);
    *xx = 0;
  }
  if (x + FF.SIR > MAXX) {
    const int nad = x + FF.SIR - MAXX - 1;
    if (zrkadlo)
      R->left += nad;
    else
      R->right -= nad;
  }
  if (y < 0) {
    R->top += std::abs(y);
    *yy = 0;
  }
  if (y + FF.VYS > MAXY) R->bottom -= y + FF.VYS - MAXY - 1;
  return true;
}

}  // namespace

void CDas_Surface::ZOBRAZ(IDirectDrawSurface* d_SRF, int xx, int yy) {
  Rychlo(this, d_SRF, xx, yy, tagRECT{0, 0, srf_sir, srf_vys});
}

void CDas_Surface::Zobraz_Rect(IDirectDrawSurface* d_SRF, int xx, int yy, tagRECT RR) {
  Rychlo(this, d_SRF, xx, yy, RR);
}

void CDas_Surface::Zobraz_Center(IDirectDrawSurface* d_SRF) {
  ZOBRAZ(d_SRF, (MAXX - srf_sir) / 2, (MAXY - srf_vys) / 2);
}

void CDas_Surface::ZOBRAZ_ALPHA(IDirectDrawSurface* d_SRF, int xx, int yy, unsigned alpha) {
  if (!SURFACE || !d_SRF) return;
  tagRECT ciel{xx, yy, xx + srf_sir, yy + srf_vys};
  DDBLTFX fx;
  std::memset(&fx, 0, sizeof(fx));
  fx.dwSize = sizeof(fx);
  fx.dwAlphaSrcConst = alpha;
  d_SRF->Blt(&ciel, SURFACE, nullptr, DDBLT_ALPHASRCCONSTOVERRIDE | DDBLT_WAIT, &fx);
}

// With extra_orez 1 the phase keeps to screen columns 0…MAXX−1 and rows 0…MAXY−1
// (SIR and VYS are one more than the drawn size).
void CDas_Surface::ZOBRAZ_FAZU(IDirectDrawSurface* d_SRF, int x, int y, TFAZA FF, int extra_orez) {
  tagRECT R = Obdlznik(FF);
  int xx = x, yy = y;
  if (extra_orez == 1 && !Orez_obrazovka(x, y, FF, false, &R, &xx, &yy)) return;
  Rychlo(this, d_SRF, xx, yy, R);
}

// Mirrored left to right, always keyed. The target is one pixel narrower and lower than the
// source, so the phase comes out scaled down by one pixel each way.
void CDas_Surface::ZOBRAZ_FAZU_Z(IDirectDrawSurface* d_SRF, int x, int y, TFAZA FF, int extra_orez) {
  tagRECT R = Obdlznik(FF);
  int xx = x, yy = y;
  if (extra_orez == 1 && !Orez_obrazovka(x, y, FF, true, &R, &xx, &yy)) return;
  if (!SURFACE || !d_SRF || Prazdny(R)) return;
  tagRECT ciel{xx, yy, xx + (R.right - R.left) - 1, yy + (R.bottom - R.top) - 1};
  DDBLTFX fx;
  std::memset(&fx, 0, sizeof(fx));
  fx.dwSize = sizeof(fx);
  fx.dwDDFX = DDBLTFX_MIRRORLEFTRIGHT;
  S_opakovanim(this, [&] { return d_SRF->Blt(&ciel, SURFACE, &R, DDBLT_DDFX | DDBLT_KEYSRC, &fx); });
}

void CDas_Surface::ZOBRAZ_FAZU_2(IDirectDrawSurface* d_SRF, int L, int P, int H, int D, int x, int y, TFAZA FF) {
  tagRECT R = Obdlznik(FF);
  int xx = x, yy = y;
  if (OREZ(L, P, H, D, &xx, &yy, &R)) Zobraz_Rect(d_SRF, xx, yy, R);
}

void CDas_Surface::Zobraz_Stretch_1(IDirectDrawSurface* d_SRF, tagRECT RRd, tagRECT RRs) {
  Natiahni(this, d_SRF, &RRd, &RRs);
}

void CDas_Surface::Zobraz_Stretch_2(IDirectDrawSurface* d_SRF, tagRECT RRd) { Natiahni(this, d_SRF, &RRd, nullptr); }

void CDas_Surface::Zobraz_Stretch_3(IDirectDrawSurface* d_SRF, tagRECT RRs) { Natiahni(this, d_SRF, nullptr, &RRs); }

void CDas_Surface::Zobraz_Stretch_4(IDirectDrawSurface* d_SRF) { Natiahni(this, d_SRF, nullptr, nullptr); }

bool OREZ(int L, int P, int H, int D, int* xx, int* yy, tagRECT* rrect) {
  int sir = rrect->right - rrect->left;
  int vys = rrect->bottom - rrect->top;
  if (*yy + vys < H || *yy > D || *xx + sir < L || *xx > P) return false;
  if (*yy < H) {
    const int del = H - *yy;
    *yy = H;
    rrect->top += del;
    vys -= del;
  }
  if (*yy + vys > D) rrect->bottom -= *yy + vys - D;
  if (*xx < L) {
    const int del = L - *xx;
    *xx = L;
    rrect->left += del;
    sir -= del;
  }
  if (*xx + sir > P) rrect->right -= *xx + sir - P;
  return true;
}
