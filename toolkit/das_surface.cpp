// The sheet's picture, its two key colours and the measurement of its phases.
#include <cstring>

#include "toolkit/das_pixel.h"
#include "toolkit/das_surface.h"
#include "toolkit/ddutil.h"

CDas_Surface::CDas_Surface()
    : subor_nazov(nullptr), SURFACE(nullptr), srf_sir(0), srf_vys(0), TC(0), BC(0), stretched(0), mierka(1) {}

CDas_Surface::~CDas_Surface() { delete[] subor_nazov; }

namespace {
// A fresh copy of the name (subor may be the old copy itself), and the old surface let go.
void Zacni_nahravat(CDas_Surface* das, const char* subor) {
  char* meno = nullptr;
  if (subor) {
    const size_t n = std::strlen(subor) + 1;
    meno = new char[n];
    std::memcpy(meno, subor, n);
  }
  delete[] das->subor_nazov;
  das->subor_nazov = meno;
  if (das->SURFACE) {
    das->SURFACE->Release();
    das->SURFACE = nullptr;
  }
}

struct TUsek {
  int zaciatok, koniec, pocet;
};

// Along one row or column: back from `od` to the nearest border pixel (or to 0, which never
// belongs to a phase), then forward, counting, to the next border pixel or to `koniec`,
// which is not read.
template <class TJe_okraj>
TUsek Skenuj(int od, int koniec, TJe_okraj je_okraj) {
  int pom = od;
  while (!je_okraj(pom) && pom > 0) pom--;
  TUsek u{pom + 1, 0, 0};
  do {
    pom++;
    u.pocet++;
  } while (pom < koniec && !je_okraj(pom));
  u.koniec = pom;
  return u;
}
}  // namespace

void CDas_Surface::NAHRAJ_SURFACE(IDirectDraw* p_lpDD, const char* subor) {
  Zacni_nahravat(this, subor);
  SURFACE = DDLoadBitmap_ts_krat(p_lpDD, subor_nazov, mierka, &srf_sir, &srf_vys);
  stretched = 0;
}

void CDas_Surface::NAHRAJ_SURFACE_2_stretch(IDirectDraw* p_lpDD, const char* subor, int sir, int vys) {
  Zacni_nahravat(this, subor);
  SURFACE = DDLoadBitmap_ts_stretch(p_lpDD, subor_nazov, sir, vys);
  srf_sir = sir;
  srf_vys = vys;
  stretched = 1;
}

HRESULT CDas_Surface::RESTORE_SURFACE() {
  if (!SURFACE) return E_FAIL;
  const HRESULT hr = SURFACE->Restore();
  if (hr == DD_OK) DDReLoadBitmap(SURFACE, subor_nazov);
  return hr;
}

void CDas_Surface::TC_NASTAV(int xx, int yy) {
  DWORD px;
  if (!DAS_Citaj_pixel(SURFACE, xx * mierka, yy * mierka, &px)) return;
  TC = px;
  DAS_Nastav_kluc(SURFACE, TC);
}

void CDas_Surface::BC_NASTAV(int xx, int yy) {
  DWORD px;
  if (DAS_Citaj_pixel(SURFACE, xx * mierka, yy * mierka, &px)) BC = px;
}

TFAZA CDas_Surface::ZAMERAJ_FAZU(int xx, int yy) {
  TFAZA f;
  std::memset(&f, 0, sizeof(f));
  if (!SURFACE) return f;
  xx *= mierka;
  yy *= mierka;
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof(ddsd));
  ddsd.dwSize = sizeof(ddsd);
  if (SURFACE->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) != DD_OK) return f;
  // the scans stop at the sheet's size, and never pass the locked memory
  const int sir = (DWORD)srf_sir < ddsd.dwWidth ? srf_sir : (int)ddsd.dwWidth;
  const int vys = (DWORD)srf_vys < ddsd.dwHeight ? srf_vys : (int)ddsd.dwHeight;
  if (xx >= 0 && yy >= 0 && xx < sir && yy < vys) {
    const TUsek zvisle = Skenuj(yy, vys, [&](int r) { return DAS_Pixel(ddsd, xx, r) == BC; });
    const TUsek vodorovne = Skenuj(xx, sir, [&](int s) { return DAS_Pixel(ddsd, s, yy) == BC; });
    f = TFAZA{vodorovne.zaciatok, zvisle.zaciatok, vodorovne.koniec, zvisle.koniec, vodorovne.pocet, zvisle.pocet};
  }
  SURFACE->Unlock(nullptr);
  return f;
}

TFAZA CDas_Surface::ZAMERAJ_FAZU_CS() { return TFAZA{1, 1, srf_sir - 1, srf_vys - 1, srf_sir, srf_vys}; }
