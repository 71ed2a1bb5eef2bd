// Static sound buffers filled from wave resources.
#include <algorithm>
#include <cstring>

#include "sound/wave.h"

IDirectSoundBuffer* DSLoadSoundBuffer(IDirectSound* ds, const char* nazov) {
  if (!ds) return nullptr;
  const WAVEFORMATEX* format = nullptr;
  const BYTE* vzorky = nullptr;
  DWORD velkost = 0;
  DWORD format_dlzka = 0;
  if (!DSGetWaveResource(nullptr, nazov, &format, &vzorky, &velkost, &format_dlzka)) return nullptr;
  // A short "fmt " record leaves the rest of the structure zero instead of reading past it.
  WAVEFORMATEX wfx;
  memset(&wfx, 0, sizeof(wfx));
  memcpy(&wfx, format, std::min<size_t>(format_dlzka, sizeof(wfx)));
  DSBUFFERDESC dsbd;
  memset(&dsbd, 0, sizeof(dsbd));
  dsbd.dwSize = sizeof(dsbd);
  dsbd.dwFlags = DSBCAPS_STATIC | DSBCAPS_CTRLFREQUENCY | DSBCAPS_CTRLPAN | DSBCAPS_CTRLVOLUME;
  dsbd.dwBufferBytes = velkost;
  dsbd.lpwfxFormat = &wfx;
  IDirectSoundBuffer* buffer = nullptr;
  if (ds->CreateSoundBuffer(&dsbd, &buffer, nullptr) != DS_OK) return nullptr;
  if (!DSFillSoundBuffer(buffer, vzorky, velkost)) {
    buffer->Release();
    return nullptr;
  }
  return buffer;
}

int32_t DSReloadSoundBuffer(IDirectSoundBuffer* buffer, const char* nazov) {
  if (!buffer) return 0;
  const BYTE* vzorky = nullptr;
  DWORD velkost = 0;
  return DSGetWaveResource(nullptr, nazov, nullptr, &vzorky, &velkost) && buffer->Restore() == DS_OK &&
         DSFillSoundBuffer(buffer, vzorky, velkost);
}

int32_t DSFillSoundBuffer(IDirectSoundBuffer* buffer, const BYTE* vzorky, DWORD velkost) {
  if (!buffer || !vzorky || velkost == 0) return 0;
  void* p1 = nullptr;
  void* p2 = nullptr;
  DWORD n1 = 0;
  DWORD n2 = 0;
  if (buffer->Lock(0, velkost, &p1, &n1, &p2, &n2, 0) != DS_OK) return 0;
  // Each region gets only what the samples hold for it.
  const DWORD prva = std::min(n1, velkost);
  memcpy(p1, vzorky, prva);
  if (p2) memcpy(p2, vzorky + prva, std::min(n2, velkost - prva));
  // The samples are converted for the device at unlock: a failure there leaves it silent.
  return buffer->Unlock(p1, n1, p2, n2) == DS_OK;
}
