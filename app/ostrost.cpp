#include "app/ostrost.h"

#include "display/screen.h"
#include "engine/sieve.h"
#include "engine/store.h"
#include "engine/view.h"
#include "platform/user32.h"

int OST_volba = OST_AUTO;
double OST_ms_filtra = 0;

namespace {

// What the view looks like: a frame differing in any of it shows movement.
struct TOst_pohlad {
  float yaw, pitch;
  int d, sfer, sir, vys, pan_sir, pan_vys;
  bool operator!=(const TOst_pohlad& o) const {
    return yaw != o.yaw || pitch != o.pitch || d != o.d || sfer != o.sfer || sir != o.sir || vys != o.vys ||
           pan_sir != o.pan_sir || pan_vys != o.pan_vys;
  }
};

TOst_pohlad g_pohlad = {};
DWORD g_zmena = 0;            // when the view last changed
bool g_neostry = false;       // the last view was drawn unfiltered

TOst_pohlad Ost_teraz() { return {YAW, PITCH, D, sfer_perspekt, obraz_sir, obraz_vys, pan_sir, pan_vys}; }

// Auto-rotation turns the view every pulse, so it never rests either.
bool Ost_pokoj() { return GetTickCount() - g_zmena >= OST_POKOJ_MS; }

}  // namespace

void OST_Pred_snimkou() {
  const TOst_pohlad teraz = Ost_teraz();
  if (teraz != g_pohlad) {
    g_pohlad = teraz;
    g_zmena = GetTickCount();
  }
  bool filtruj = OST_volba == OST_ZAP;
  if (OST_volba == OST_AUTO) filtruj = Ost_pokoj() || OST_ms_filtra <= OST_RYCHLY_MS;
  Sito_filter = filtruj ? SITO_UROVNE : OST_Treba_urovne() ? SITO_NAJBLIZSI_UROVNE : SITO_NAJBLIZSI;
  g_neostry = !filtruj;
}

void OST_Po_snimke(double ms) {
  if (Sito_filter == SITO_UROVNE) OST_ms_filtra = ms;
}

bool OST_Treba_urovne() { return OST_volba != OST_VYP; }

bool OST_Treba_ostru() { return g_neostry && OST_volba == OST_AUTO && Ost_pokoj(); }
