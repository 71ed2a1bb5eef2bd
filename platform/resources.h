// Resources carried inside the executable, found by name ignoring letter case.
// A BITMAP resource holds the BMP without its 14-byte file header, as on Windows.
#pragma once
#include "platform/windef.h"

#define RT_BITMAP "BITMAP"
#define RT_WAVE "WAV"
#define RT_ICON "ICON"

struct TPlatResource {
  const char* name;
  const char* type;
  const unsigned char* data;
  size_t size;
};

// Generated from resources/ at build time; ends with an all-null entry.
extern const TPlatResource PLAT_embedded_resources[];

typedef const TPlatResource* HRSRC;
typedef const TPlatResource* HGLOBAL;

HRSRC FindResourceA(HMODULE module, const char* name, const char* type);
HGLOBAL LoadResource(HMODULE module, HRSRC res);
const void* LockResource(HGLOBAL res);
DWORD SizeofResource(HMODULE module, HRSRC res);

// Tests add and remove resources of their own (a copy of the bytes is kept).
void PLAT_ResourceAdd(const char* name, const char* type, const void* data, size_t size);
void PLAT_ResourceRemove(const char* name, const char* type);
