// Backgrounds of the option panel: the white net (direct pixel writes) and the milky wash.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "panels/dui.h"
#include "toolkit/ddutil.h"

namespace {

// The locked surface; every write is checked against its size. T: its pixel (16 or 32 bits).
struct TPlocha {
  uint8_t* pamat;
  long long pitch;
  long long sir;
  long long vys;
};

template <class T>
void Bod(const TPlocha& s, long long x, long long y, T farba) {
  if (x < 0 || y < 0 || x >= s.sir || y >= s.vys) return;
  reinterpret_cast<T*>(s.pamat + y * s.pitch)[x] = farba;
}

// Columns x0 … x1 (inclusive) of row y, every `krok`-th pixel from x0, clipped to the surface.
template <class T>
void Rad(const TPlocha& s, long long x0, long long x1, long long y, int krok, T farba) {
  if (y < 0 || y >= s.vys) return;
  if (x0 < 0) x0 += (-x0 + krok - 1) / krok * krok;
  x1 = std::min(x1, s.sir - 1);
  T* riadok = reinterpret_cast<T*>(s.pamat + y * s.pitch);
  for (long long x = x0; x <= x1; x += krok) riadok[x] = farba;
}

template <class T>
void Siet(const TPlocha& s, const RECT& r, T biela, T cierna) {
  const long long W = (long long)r.right - r.left;
  const long long H = (long long)r.bottom - r.top;
  const long long L = r.left, Hore = r.top;
  const long long n = (W - 1) / 2;  // white dots per patterned row
  Rad(s, L, L + W - 1, Hore, 1, cierna);
  // Only the patterned rows that fall on the surface are visited.
  const long long j0 = std::max(1LL, -Hore), j1 = std::min(H - 3, s.vys - 1 - Hore);
  for (long long j = j0; j <= j1; j++) {
    const long long y = Hore + j;
    const long long prvy = L + ((j & 1) ? 2 : 1);
    Bod(s, L, y, cierna);
    Rad(s, prvy, prvy + 2 * (n - 1), y, 2, biela);
    Bod(s, L + 2 * n + 1, y, cierna);
  }
  Rad(s, L, L + W - 1, H >= 3 ? Hore + H - 2 : Hore + 1, 1, cierna);
}

}  // namespace

void CDUI_podklad_efekt_A_biela_siet(IDirectDrawSurface* d_SRF, RECT r) {
  if (d_SRF == nullptr) return;
  if ((long long)r.right - r.left <= 0 || (long long)r.bottom - r.top <= 0) return;
  const DWORD biela = DDColorMatch(d_SRF, RGB(255, 255, 255));
  const DWORD cierna = DDColorMatch(d_SRF, RGB(0, 0, 0));

  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof ddsd);
  ddsd.dwSize = sizeof ddsd;
  HRESULT hr;
  while ((hr = d_SRF->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr)) == DDERR_WASSTILLDRAWING) {
  }
  if (hr != DD_OK) return;
  const TPlocha s{static_cast<uint8_t*>(ddsd.lpSurface), ddsd.lPitch, ddsd.dwWidth, ddsd.dwHeight};
  if (ddsd.ddpfPixelFormat.dwRGBBitCount == 32)
    Siet<uint32_t>(s, r, biela, cierna);
  else
    Siet<uint16_t>(s, r, (uint16_t)biela, (uint16_t)cierna);
  d_SRF->Unlock(nullptr);
}

void CDUI_podklad_efekt_B_mliecny(HDC hdc, RECT r) {
  for (int y = r.top; y < r.bottom; y++)
    for (int x = r.left; x < r.right; x++) {
      const COLORREF p = GetPixel(hdc, x, y);
      SetPixel(hdc, x, y,
               RGB(std::min(GetRValue(p) + 80, 255), std::min(GetGValue(p) + 80, 255),
                   std::min(GetBValue(p) + 80, 255)));
    }
}
