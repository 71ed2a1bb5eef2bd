// Wave resources: finding them and walking their RIFF chunks.
#include <cstring>

#include "sound/wave.h"

namespace {
const DWORD kMinFormatBytes = 14;  // a "fmt " record up to nBlockAlign

uint32_t Read32(const BYTE* p) {
  return (uint32_t)p[0] | (uint32_t)p[1] << 8 | (uint32_t)p[2] << 16 | (uint32_t)p[3] << 24;
}

bool IsId(const BYTE* p, const char* id) { return memcmp(p, id, 4) == 0; }
}  // namespace

int32_t DSGetWaveResource(HMODULE modul, const char* nazov, const WAVEFORMATEX** format,
                          const BYTE** vzorky, DWORD* velkost, DWORD* format_dlzka) {
  const HRSRC info = FindResourceA(modul, nazov, RT_WAVE);
  if (!info) return 0;
  const HGLOBAL res = LoadResource(modul, info);
  if (!res) return 0;
  const void* data = LockResource(res);
  if (!data) return 0;
  return DSParseWaveResource(data, SizeofResource(modul, info), format, vzorky, velkost, format_dlzka);
}

int32_t DSParseWaveResource(const void* data, size_t data_size, const WAVEFORMATEX** format,
                            const BYTE** vzorky, DWORD* velkost, DWORD* format_dlzka) {
  if (format) *format = nullptr;
  if (vzorky) *vzorky = nullptr;
  if (velkost) *velkost = 0;
  if (format_dlzka) *format_dlzka = 0;
  const BYTE* b = static_cast<const BYTE*>(data);
  if (!b || data_size < 12 || !IsId(b, "RIFF") || !IsId(b + 8, "WAVE")) return 0;
  const bool want_data = vzorky || velkost;
  bool have_format = false;
  bool have_data = false;
  // 64-bit offsets: no length in the data can wrap them around.
  const uint64_t end = 8 + (uint64_t)Read32(b + 4);
  for (uint64_t pos = 12; pos < end;) {
    // A chunk that runs past the resource ends the walk: what follows cannot be found.
    if (pos + 8 > data_size) return 0;
    const BYTE* chunk = b + pos;
    const uint32_t n = Read32(chunk + 4);
    if (pos + 8 + n > data_size) return 0;
    if (IsId(chunk, "fmt ") && format && !have_format) {
      if (n < kMinFormatBytes) return 0;
      *format = reinterpret_cast<const WAVEFORMATEX*>(chunk + 8);
      if (format_dlzka) *format_dlzka = n;
      have_format = true;
      if (!want_data || have_data) return 1;
    } else if (IsId(chunk, "data") && want_data && !have_data) {
      if (vzorky) *vzorky = chunk + 8;
      if (velkost) *velkost = n;
      have_data = true;
      if (!format || have_format) return 1;
    }
    pos += 8 + (uint64_t)n + (n & 1u);
  }
  return 0;
}
