// One playable sound: a static buffer filled from a wave resource.
#include <cstdlib>
#include <cstring>

#include "sound/dso.h"
#include "sound/wave.h"

CDSO_Zvuk::CDSO_Zvuk() : res_nazov(nullptr), SBUFFER(nullptr) {}

CDSO_Zvuk::~CDSO_Zvuk() {
  if (SBUFFER) ODSTRAN();
  free(res_nazov);
}

uint8_t CDSO_Zvuk::NAHRAJ(const char* nazov) {
  DSO_INFO("NAHRAJ - BEG", nazov);
  // Copied before the old one is freed: `nazov` may be res_nazov itself.
  char* kopia = nazov ? strdup(nazov) : nullptr;
  free(res_nazov);
  res_nazov = kopia;
  if (SBUFFER) ODSTRAN();
  if (lpDS) {
    SBUFFER = DSLoadSoundBuffer(lpDS, res_nazov);
    DSO_INFO(SBUFFER ? "NAHRAJ - DSLoadSoundBuffer OK" : "NAHRAJ - DSLoadSoundBuffer Problem", res_nazov);
  }
  DSO_INFO("NAHRAJ - END", res_nazov);
  return SBUFFER != nullptr;
}

uint8_t CDSO_Zvuk::SPUSTI() {
  DSO_INFO("SPUSTI - A", res_nazov);
  if (!lpDS || !SBUFFER) return 0;
  DSO_INFO("SPUSTI - B");
  SBUFFER->SetCurrentPosition(0);
  HRESULT hr = SBUFFER->Play(0, 0, 0);
  DSO_INFO("SPUSTI - C");
  if (hr == DSERR_BUFFERLOST) {
    DSO_INFO("SPUSTI - D - Play padol, robim restore");
    if (SBUFFER->Restore() == DS_OK) {
      DSO_INFO("SPUSTI - E - Restore OK, robim Reload");
      if (DSReloadSoundBuffer(SBUFFER, res_nazov)) {
        DSO_INFO("SPUSTI - F - Reload OK, robim Play");
        SBUFFER->SetCurrentPosition(0);
        hr = SBUFFER->Play(0, 0, 0);
      } else {
        DSO_INFO("SPUSTI - G - Reload padol");
      }
    }
  }
  return hr == DS_OK;
}

void CDSO_Zvuk::ODSTRAN() {
  if (!SBUFFER) return;
  DSO_INFO("ODSTRAN", res_nazov);
  SBUFFER->Release();
  SBUFFER = nullptr;
}
