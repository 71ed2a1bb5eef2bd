// Thumbnails: a small picture beside every panorama, made once, when it is missing.
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "bmpfiles/dbmp.h"
#include "platform/gdi.h"

namespace {

// Makes one thumbnail of a picture scaled to sir × vys.
typedef void (*TDbmpTvorca)(IDirectDraw* p_lpDD, const char* obrazok, int sir, int vys, const char* nahlad);

void dbmp_pas(IDirectDraw* p_lpDD, const char* obrazok, int sir, int vys, const char* nahlad) {
  DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(p_lpDD, obrazok, sir, vys, 0.25f, 0.75f, nahlad);
}

void dbmp_cely(IDirectDraw* p_lpDD, const char* obrazok, int sir, int vys, const char* nahlad) {
  DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(p_lpDD, obrazok, sir, vys, nahlad);
}

// A thumbnail that is there and reads as a picture; an empty or broken one is made anew.
bool dbmp_nahlad_plati(const char* nahlad) {
  int sir = 0, vys = 0;
  return PLAT_ImageSize(nullptr, nahlad, LR_LOADFROMFILE, &sir, &vys) && sir > 0 && vys > 0;
}

int dbmp_chybajuce(char** nazvy, int maxid) {
  int n = 0;
  char nahlad[DBMP_MAX_CESTA];
  for (int i = 0; i <= maxid; ++i) {
    DBMP_Cesta_nahladu(nazvy[i], nahlad);
    if (!dbmp_nahlad_plati(nahlad)) ++n;
  }
  return n;
}

// The entry becomes a heap copy of its bare name.
void dbmp_len_meno(char** polozka) {
  char meno[DBMP_MAX_MENO];
  DBMP_Vystrihni_meno(*polozka, meno);
  std::free(*polozka);
  *polozka = strdup(meno);
}

int dbmp_zisti_vytvor(const char* INAdresar, uint8_t scestou, IDirectDraw* p_lpDD, int sir, int vys,
                      char** out_nazvy, int kapacita, int* out_maxid, TDbmpTvorca tvorca) {
  if (DBMP_Zisti_SubAdr_n(INAdresar, DBMP_MASKA_PANORAM, 0, 1, out_nazvy, kapacita, out_maxid) != 0) {
    if (out_maxid != nullptr) *out_maxid = -1;
    return 0;
  }
  // Making thumbnails reads whole panoramas; a line per thumbnail tells why the first
  // start takes a moment.
  const int chyba = dbmp_chybajuce(out_nazvy, *out_maxid);
  int poradie = 0;
  char nahlad[DBMP_MAX_CESTA];
  for (int i = 0; i <= *out_maxid; ++i) {
    DBMP_Cesta_nahladu(out_nazvy[i], nahlad);
    if (!dbmp_nahlad_plati(nahlad)) {
      std::printf("Náhľad %d/%d: %s\n", ++poradie, chyba, nahlad);
      std::fflush(stdout);
      tvorca(p_lpDD, out_nazvy[i], sir, vys, nahlad);
      if (!dbmp_nahlad_plati(nahlad)) std::fprintf(stderr, "Náhľad %d/%d sa nepodarilo vytvoriť: %s\n", poradie, chyba, nahlad);
    }
    if (scestou == 0) dbmp_len_meno(&out_nazvy[i]);
  }
  return 0;
}

}  // namespace

int DBMP_Zisti_Vytvor__bmp2thm_s3C(const char* INAdresar, uint8_t scestou, IDirectDraw* p_lpDD, int sir, int vys,
                                   char** out_nazvy, int* out_maxid) {
  return dbmp_zisti_vytvor(INAdresar, scestou, p_lpDD, sir, vys, out_nazvy, DBMP_MAX_PANORAM, out_maxid, dbmp_pas);
}

int DBMP_Zisti_Vytvor__bmp2thm_s3C_n(const char* INAdresar, uint8_t scestou, IDirectDraw* p_lpDD, int sir, int vys,
                                     char** out_nazvy, int kapacita, int* out_maxid) {
  return dbmp_zisti_vytvor(INAdresar, scestou, p_lpDD, sir, vys, out_nazvy, kapacita, out_maxid, dbmp_pas);
}

int DBMP_Zisti_Vytvor__bmp2thm(const char* INAdresar, uint8_t scestou, IDirectDraw* p_lpDD, int sir, int vys,
                               char** out_nazvy, int* out_maxid) {
  return dbmp_zisti_vytvor(INAdresar, scestou, p_lpDD, sir, vys, out_nazvy, DBMP_MAX_PANORAM, out_maxid, dbmp_cely);
}
