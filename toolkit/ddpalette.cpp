// A 256-entry palette from a BMP's colour table, over a 3-3-2 colour cube.
#include <cstdio>
#include <cstring>

#include "platform/plat_file.h"
#include "platform/resources.h"
#include "platform/user32.h"
#include "toolkit/ddutil.h"

namespace {

const int POCET = 256;
const int SUBOR_HLAVICKA = 14;
const int INFO_HLAVICKA = 40;

DWORD Citaj32(const unsigned char* p) { return p[0] | (p[1] << 8) | (p[2] << 16) | ((DWORD)p[3] << 24); }
WORD Citaj16(const unsigned char* p) { return (WORD)(p[0] | (p[1] << 8)); }

void Kocka(PALETTEENTRY* ape) {
  for (int i = 0; i < POCET; i++) {
    ape[i].peRed = (BYTE)(((i >> 5) & 7) * 255 / 7);
    ape[i].peGreen = (BYTE)(((i >> 2) & 7) * 255 / 7);
    ape[i].peBlue = (BYTE)((i & 3) * 255 / 3);
    ape[i].peFlags = 0;
  }
}

// How many colour-table entries an information header announces (0 when it is not one we take).
int Pocet_farieb(const unsigned char* bi) {
  if (Citaj32(bi) < (DWORD)INFO_HLAVICKA) return 0;
  const int bity = Citaj16(bi + 14);
  if (bity > 8) return 0;
  const DWORD pouzite = Citaj32(bi + 32);
  if (pouzite) return pouzite > (DWORD)POCET ? POCET : (int)pouzite;
  return 1 << bity;
}

// The resource holds the information header, then the table at biSize bytes from its start.
// Only entries that lie wholly inside the resource are taken.
void Z_resource(HRSRC h, PALETTEENTRY* ape) {
  const unsigned char* data = static_cast<const unsigned char*>(LockResource(LoadResource(nullptr, h)));
  if (!data) {
    OutputDebugStringA("lock resource failed\n");
    return;
  }
  const DWORD velkost = SizeofResource(nullptr, h);
  if (velkost < (DWORD)INFO_HLAVICKA) return;
  const DWORD bi_size = Citaj32(data);
  int n = Pocet_farieb(data);
  const DWORD v_tabulke = bi_size < velkost ? (velkost - bi_size) / 4 : 0;
  if ((DWORD)n > v_tabulke) n = (int)v_tabulke;
  const unsigned char* tab = data + bi_size;
  for (int i = 0; i < n; i++) {
    ape[i].peRed = tab[4 * i + 2];
    ape[i].peGreen = tab[4 * i + 1];
    ape[i].peBlue = tab[4 * i];
    ape[i].peFlags = 0;
  }
}

// The file's table is read straight over the entries; only entries read whole are converted.
void Zo_suboru(const char* meno, PALETTEENTRY* ape) {
  FILE* f = PLAT_fopen(meno, "rb");
  if (!f) return;
  unsigned char bf[SUBOR_HLAVICKA] = {0};
  unsigned char bi[INFO_HLAVICKA] = {0};
  const size_t mam_bf = std::fread(bf, 1, sizeof(bf), f);
  const size_t mam_bi = mam_bf == sizeof(bf) ? std::fread(bi, 1, sizeof(bi), f) : 0;
  const size_t mam_tab = mam_bi == sizeof(bi) ? std::fread(ape, 1, POCET * sizeof(PALETTEENTRY), f) : 0;
  PLAT_fclose(f);
  int n = Citaj32(bi) == (DWORD)INFO_HLAVICKA ? Pocet_farieb(bi) : 0;
  if ((size_t)n > mam_tab / sizeof(PALETTEENTRY)) n = (int)(mam_tab / sizeof(PALETTEENTRY));
  for (int i = 0; i < n; i++) {
    const BYTE modra = ape[i].peRed;  // stored blue, green, red, reserved
    ape[i].peRed = ape[i].peBlue;
    ape[i].peBlue = modra;
  }
}

}  // namespace

IDirectDrawPalette* DDLoadPalette(IDirectDraw* pdd, const char* szBitmap) {
  PALETTEENTRY ape[POCET];
  Kocka(ape);
  if (szBitmap) {
    HRSRC h = FindResourceA(GetModuleHandleA(nullptr), szBitmap, RT_BITMAP);
    if (h)
      Z_resource(h, ape);
    else
      Zo_suboru(szBitmap, ape);
  }
  IDirectDrawPalette* ddpal = nullptr;
  if (!pdd || pdd->CreatePalette(DDPCAPS_8BIT, ape, &ddpal, nullptr) != DD_OK) return nullptr;
  return ddpal;
}
