// The second half of a frame: panels into the back buffer, the flip that shows it and the
// overlays drawn straight onto the screen; and the navigation strip.
#include "app/scene.h"

#include <algorithm>
#include <chrono>

#include "app/app.h"
#include "app/modes.h"
#include "app/ostrost.h"
#include "app/prekryv.h"
#include "app/pulse.h"
#include "app/sprava.h"
#include "app/ui.h"
#include "display/screen.h"
#include "engine/sieve.h"
#include "toolkit/das_pixel.h"

int ovl_vys = 15;
int ovl_pos = 0;
DWORD ovl_Mask[OVL_RIADKY] = {};
int ovl_chytdelta = 0;
int ovl_ras_mod = 0;
int ovl_obs_mod = 0;

namespace {

// Sheet pixels that give the strip's row colours: column 85 from row 34 down.
constexpr int MASKA_STLPEC = 85;
constexpr int MASKA_RIADOK = 34;
// The strip spans columns 30 … obraz_sir − 26 (at the natural scale; both margins grow with it).
constexpr int OVL_ZACIATOK = 30;
constexpr int OVL_SKRATENIE = 55;

uint8_t* riadok_pixelov(const DDSURFACEDESC& ddsd, int y) {
  return static_cast<uint8_t*>(ddsd.lpSurface) + (ptrdiff_t)y * ddsd.lPitch;
}

// dlzka copies of farba from column x of a row of 16- or 32-bit pixels.
void Poloz_ovladac_riadok(uint8_t* riadok, DWORD bity, int x, int dlzka, DWORD farba) {
  PLAT_PerFormat(bity, [&](auto f) {
    typedef typename decltype(f)::T T;
    std::fill_n(reinterpret_cast<T*>(riadok) + x, dlzka, (T)farba);
  });
}

// The strip's columns and rows, before clipping to a surface.
RECT pruh() {
  const int zaciatok = OVL_ZACIATOK * UI_mierka;
  return RECT{zaciatok, ovl_pos, zaciatok + obraz_sir - OVL_SKRATENIE * UI_mierka, ovl_pos + ovl_vys};
}

void nacitaj_masku_z_rezie() {
  IDirectDrawSurface* s = rezia.SURFACE;
  if (s == nullptr) return;
  DDSURFACEDESC ddsd = {};
  ddsd.dwSize = sizeof(ddsd);
  if (s->Lock(nullptr, &ddsd, DDLOCK_SURFACEMEMORYPTR | DDLOCK_WAIT, nullptr) != DD_OK) return;
  // A sheet too small for the colour column leaves the colours as they were.
  // The sheet may be enlarged: its own pixels are read, each the first of its block.
  const int m = rezia.mierka;
  if ((int)ddsd.dwWidth > MASKA_STLPEC * m && (int)ddsd.dwHeight >= (MASKA_RIADOK + OVL_RIADKY) * m) {
    for (int i = 0; i < OVL_RIADKY; ++i) ovl_Mask[i] = DAS_Pixel(ddsd, MASKA_STLPEC * m, (MASKA_RIADOK + i) * m);
  }
  s->Unlock(nullptr);
}

// Shows the back buffer's view and panels by flipping: no copy. False when the frame must
// end here.
bool prezentuj() {
  const HRESULT hr = lpDDSPrimary->Flip(nullptr, DDFLIP_WAIT);
  if (hr == DDERR_SURFACELOST) return Vykonaj_RESTORE_SRF() != DD_OK;
  return hr == DD_OK;
}

// Where a sprite's current phase may draw (its extents are one more than the drawn size).
RECT obdlznik(const CDAS& d) {
  if (!d.viditelny || d.akt_faza < 0 || d.akt_faza >= d.pocet_faz) return RECT{0, 0, 0, 0};
  const TFAZA& f = d.FAZY[d.akt_faza];
  return RECT{d.x, d.y, d.x + f.SIR, d.y + f.VYS};
}

// Keeps what the overlays of this frame will cover on the primary.
void uloz_podklad(bool ovladace, bool ukazovatel) {
  RECT r[TLACIDLO_MAX + 3];
  int n = 0;
  if (ovladace) {
    r[n++] = pruh();
    for (int i = 0; i < tlacidlo_poc; ++i) r[n++] = obdlznik(tlacidlo[i]);
  }
  r[n++] = Sprava_obdlznik(lpDDSPrimary);
  if (ukazovatel) r[n++] = obdlznik(kurzor);
  Prekryv_uloz(lpDDSPrimary, r, n);
}

// A back buffer lost with the display cannot be locked, so the frames that render would
// never reach the copy that notices the loss and restores: restore here and render again.
bool obnov_a_vykresli() {
  if (lpDDSBack->IsLost() != DDERR_SURFACELOST) return false;
  if (Vykonaj_RESTORE_SRF() != DD_OK) return false;
  return Sito_Vykresli() != 0;
}

}  // namespace

int Ovladac_vyska() { return OVL_RIADKY * UI_mierka; }

int Ovladac_pozicia() { return obraz_vys - ovl_vys - obraz_vys / 70; }

void Init_ovladac(int oovl_ras_mod, int oovl_obs_mod) {
  ovl_ras_mod = oovl_ras_mod;
  ovl_obs_mod = oovl_obs_mod;
  ovl_vys = Ovladac_vyska();
  ovl_pos = Ovladac_pozicia();
  ovl_uchopeny = 0;
  ovl_chytdelta = 0;
  switch (oovl_obs_mod) {
    case 0:
    case 1:
      for (DWORD& farba : ovl_Mask) farba = oovl_obs_mod == 0 ? 0 : PLAT_Convert(GM_bity(GM), 16, 9);
      break;
    case 2:
      nacitaj_masku_z_rezie();
      break;
    default:
      break;
  }
}

void Poloz_ovladac_pruh(IDirectDrawSurface* d_SRF) {
  if (d_SRF == nullptr) return;
  ddsd_D = {};
  ddsd_D.dwSize = sizeof(ddsd_D);
  if (d_SRF->Lock(nullptr, &ddsd_D, DDLOCK_SURFACEMEMORYPTR | DDLOCK_WAIT, nullptr) != DD_OK) return;
  // Only what lies on the surface is written, whatever the strip's row or the screen size.
  const int sir = (int)ddsd_D.dwWidth, vys = (int)ddsd_D.dwHeight;
  const RECT r = pruh();
  const int koniec = r.right > sir ? sir : (int)r.right;
  for (int j = 0; j < ovl_vys; ++j) {
    const int y = ovl_pos + j;
    if (y < 0 || y >= vys || koniec <= r.left) continue;
    Poloz_ovladac_riadok(riadok_pixelov(ddsd_D, y), ddsd_D.ddpfPixelFormat.dwRGBBitCount, r.left, koniec - r.left,
                         ovl_Mask[j * OVL_RIADKY / ovl_vys]);
  }
  d_SRF->Unlock(nullptr);
}

void Poloz_panely() {
  if (dui_PANO.viditelny) dui_PANO.ZOBRAZ();
  if (dui_gr_mod.viditelny) dui_gr_mod.ZOBRAZ();
  if (dui_sito.viditelny) dui_sito.ZOBRAZ();
}

void Prekresli_scenu(unsigned char aj_prepocet) {
  // After the surfaces were released nothing is drawn.
  if (lpDDSPrimary == nullptr || lpDDSBack == nullptr) return;
  if (aj_prepocet != 0) {
    OST_Pred_snimkou();
    const auto zaciatok = std::chrono::steady_clock::now();
    if (!Sito_Vykresli() && !obnov_a_vykresli()) return;
    OST_Po_snimke(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - zaciatok).count());
    Prekryv_zabudni();
  } else if (Prekryv_vrat(lpDDSPrimary)) {
    // The last frame's view and panels, uncovered on the primary, go back to the back buffer.
    lpDDSPrimary->Flip(nullptr, DDFLIP_WAIT);
  }

  Poloz_panely();
  if (!prezentuj()) return;

  const bool ovladace = pulz_poc_msna < PULZ_SKRY_OVLADAC;
  const bool ukazovatel = pulz_poc_msna < PULZ_SKRY_KURZOR || Panel_zobrazeny();
  uloz_podklad(ovladace, ukazovatel);
  if (ovladace) {
    Poloz_ovladac_pruh(lpDDSPrimary);
    for (int i = 0; i < tlacidlo_poc; ++i) tlacidlo[i].ZOBRAZ(lpDDSPrimary);
  }
  Sprava_zobraz(lpDDSPrimary);
  if (ukazovatel) kurzor.ZOBRAZ(lpDDSPrimary);
}
