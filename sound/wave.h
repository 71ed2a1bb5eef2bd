// RIFF/WAVE resources and the static buffers filled from them.
// Every parse is bounded by the size of the resource: lengths inside the data are never
// trusted to stay inside it.
#pragma once
#include <cstdint>

#include "platform/dsound.h"
#include "platform/resources.h"

// Finds the resource of type "WAV" (the program's own module when `modul` is null) and
// parses it; 1 = found and parsed. Out arguments as for DSParseWaveResource.
int32_t DSGetWaveResource(HMODULE modul, const char* nazov, const WAVEFORMATEX** format,
                          const BYTE** vzorky, DWORD* velkost, DWORD* format_dlzka = nullptr);

// Walks the RIFF chunks of `data` (`data_size` bytes) for the first "fmt " and "data".
// Each out argument may be null. `format` points at the "fmt " record inside the data,
// which may be shorter than WAVEFORMATEX: `format_dlzka` gets its length (at least 14).
// 1 = everything asked for was found inside the data.
int32_t DSParseWaveResource(const void* data, size_t data_size, const WAVEFORMATEX** format,
                            const BYTE** vzorky, DWORD* velkost, DWORD* format_dlzka = nullptr);

// Creates a static buffer for the named resource and fills it; null on any failure.
IDirectSoundBuffer* DSLoadSoundBuffer(IDirectSound* ds, const char* nazov);
// Restores a lost buffer and fills it again from the named resource; 1 = done.
int32_t DSReloadSoundBuffer(IDirectSoundBuffer* buffer, const char* nazov);
// Copies `velkost` bytes of samples into the buffer from its start; 0 when an argument is
// null or zero or the lock fails.
int32_t DSFillSoundBuffer(IDirectSoundBuffer* buffer, const BYTE* vzorky, DWORD velkost);
