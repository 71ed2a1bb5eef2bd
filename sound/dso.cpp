// Start and stop of the sound system.
#include "sound/dso.h"

IDirectSound* lpDS = nullptr;

int32_t DSO_INIT(HWND okno) {
  DSO_INFO("DSO_INIT A");
  if (lpDS) return 1;
  DSO_INFO("DSO_INIT B");
  if (DirectSoundCreate(nullptr, &lpDS, nullptr) != DS_OK) {
    lpDS = nullptr;
    DSO_INFO("DSO_INIT BF - DirectSoundCreate padol");
    return 0;
  }
  DSO_INFO("DSO_INIT C");
  if (lpDS->SetCooperativeLevel(okno, DSSCL_NORMAL) != DS_OK) {
    DSO_DONE();
    DSO_INFO("DSO_INIT CF - SetCooperativeLevel padol");
    return 0;
  }
  DSO_INFO("DSO_INIT D - ok");
  return 1;
}

int32_t DSO_DONE() {
  DSO_INFO("DSO_DONE");
  if (lpDS) {
    lpDS->Release();
    lpDS = nullptr;
  }
  return 1;
}
