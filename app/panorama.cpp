#include "app/panorama.h"

#include <string>

#include "app/nacitanie.h"
#include "app/ostrost.h"
#include "display/screen.h"
#include "engine/store.h"
#include "engine/view.h"
#include "toolkit/ddpanorama.h"
#include "toolkit/ddutil.h"

static char* PAN_subor_zaklad[PAN_MAX];
char** PAN_subor = PAN_subor_zaklad;
int PAN_kapacita = PAN_MAX;
int PAN_id_max = -1;
int PAN_id = 0;
static std::string PAN_posledny;

const char* PAN_zobrazeny() { return PAN_posledny.c_str(); }

namespace {

struct TPAN_nahravanie {
  TDDPanorama p;
  bool v_sklade;  // the store has been made ready for the picture
};

// The store takes the picture's rows as they are decoded, in the back buffer's format.
bool PAN_priprav(void* ctx, int sir, int vys, int bajty) {
  TPAN_nahravanie* n = static_cast<TPAN_nahravanie*>(ctx);
  n->v_sklade = true;
  return W_priprav(sir, vys, bajty, n->p.s_vyrezom ? &n->p.vyrez : nullptr) == 1;
}

void PAN_riadok(void*, int y, const void* pixely) { W_zapis_riadok(y, pixely); }
void* PAN_miesto(void*, int y) { return W_miesto_riadku(y); }

int PAN_bajty_pixelu() {
  DDSURFACEDESC ddsd = {};
  ddsd.dwSize = sizeof ddsd;
  if (lpDDSBack == nullptr || lpDDSBack->GetSurfaceDesc(&ddsd) != DD_OK) return 2;
  return PLAT_BytesPerPixel(ddsd.ddpfPixelFormat.dwRGBBitCount);
}

TImgLoad Nahraj_subor(const char* nazov, unsigned char start) {
  PAN_posledny = nazov;
  if (!start) {
    if (lpDDPal) lpDDPal->Release();
    lpDDPal = nullptr;
  }
  lpDDPal = DDLoadPalette(lpDD, nazov);
  if (lpDDPal && lpDDSPrimary) lpDDSPrimary->SetPalette(lpDDPal);
  TPAN_nahravanie n = {};
  TImgLoad vysledok = IMG_LOAD_FAILED;
  if (DDPanorama_zisti(nazov, W_MAX_SIR, W_MAX_VYS, &n.p)) {
    Nacitanie_zacni();
    const TImgSink ciel = {PAN_priprav, PAN_riadok, Nacitanie_priebeh, &n, PAN_miesto};
    vysledok = PLAT_LoadImageRows(n.p.hinst, nazov, n.p.flags, n.p.sir, n.p.vys, PAN_bajty_pixelu(), ciel);
    // A picture refused before its first row leaves the store as it was; one that broke off
    // in the middle leaves nothing half shown.
    if (vysledok == IMG_LOAD_OK)
      W_dokonci(OST_Treba_urovne());
    else if (n.v_sklade)
      Vyprazdni_W();
  }
  YAW = pi;
  PITCH = 0.1f;
  D = D_start;
  return vysledok;
}

}  // namespace

TImgLoad Nahraj_PANORAMU(int ID, unsigned char start) {
  if (ID < 0 || ID > PAN_id_max || ID >= PAN_kapacita || !PAN_subor[ID]) return IMG_LOAD_FAILED;
  PAN_id = ID;
  return Nahraj_subor(PAN_subor[PAN_id], start);
}

TImgLoad Nahraj_PANORAMU(const char* nazov, unsigned char start) {
  if (!nazov || !*nazov) return IMG_LOAD_FAILED;
  return Nahraj_subor(nazov, start);
}
