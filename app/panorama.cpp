#include "app/panorama.h"

#include <string>

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

static void Nahraj_subor(const char* nazov, unsigned char start) {
  PAN_posledny = nazov;
  if (!start) {
    if (lpDDPal) lpDDPal->Release();
    lpDDPal = nullptr;
    if (pan_SRF) pan_SRF->Release();
    pan_SRF = nullptr;
  }
  lpDDPal = DDLoadPalette(lpDD, nazov);
  if (lpDDPal && lpDDSPrimary) lpDDSPrimary->SetPalette(lpDDPal);
  TGPano vyrez;
  bool s_vyrezom;
  pan_SRF = DDLoadPanorama(lpDD, nazov, W_MAX_SIR, W_MAX_VYS, &pan_sir, &pan_vys, &vyrez, &s_vyrezom);
  W_prevezmi(s_vyrezom ? &vyrez : nullptr);
  YAW = pi;
  PITCH = 0.1f;
  D = D_start;
}

void Nahraj_PANORAMU(int ID, unsigned char start) {
  if (ID < 0 || ID > PAN_id_max || ID >= PAN_kapacita || !PAN_subor[ID]) return;
  PAN_id = ID;
  Nahraj_subor(PAN_subor[PAN_id], start);
}

void Nahraj_PANORAMU(const char* nazov, unsigned char start) {
  if (!nazov || !*nazov) return;
  Nahraj_subor(nazov, start);
}
