// The folder scan: the entries of a folder that match a mask, sorted by name.
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <strings.h>
#include <sys/stat.h>

#include "bmpfiles/dbmp.h"
#include "bmpfiles/dbmp_5.h"
#include "log/zeph_log.h"

const char* const DBMP_MASKA_PANORAM = "*.bmp;*.jpg;*.jpeg;*.png";
const char* const DBMP_SNIMKA = "TSSCAN.bmp";

namespace {

// Wildcard match ignoring letter case: "*" any run, "?" one character.
bool dbmp_zhoda(const char* maska, const char* meno) {
  const char* hviezda = nullptr;  // last "*" seen, to backtrack to
  const char* za_hviezdou = nullptr;
  while (*meno != '\0') {
    if (*maska == '*') {
      hviezda = maska++;
      za_hviezdou = meno;
    } else if (*maska != '\0' &&
               (*maska == '?' || std::tolower((unsigned char)*maska) == std::tolower((unsigned char)*meno))) {
      ++maska;
      ++meno;
    } else if (hviezda != nullptr) {
      maska = hviezda + 1;
      meno = ++za_hviezdou;
    } else {
      return false;
    }
  }
  while (*maska == '*') ++maska;
  return *maska == '\0';
}

// True when the name matches one of the masks of a ';'-separated list.
bool dbmp_zhoda_zoznam(const char* masky, const char* meno) {
  char maska[DBMP_MAX_MENO];
  const char* c = masky;
  while (true) {
    const size_t dlzka = std::strcspn(c, ";");
    std::snprintf(maska, sizeof maska, "%.*s", (int)dlzka, c);
    if (maska[0] != '\0' && dbmp_zhoda(maska, meno)) return true;
    if (c[dlzka] == '\0') return false;
    c += dlzka + 1;
  }
}

// The order a user of the original platform saw: by name ignoring case, ties settled exactly.
int dbmp_porovnaj(const char* a, const char* b) {
  const int r = strcasecmp(a, b);
  return r != 0 ? r : std::strcmp(a, b);
}

// The folder as it is put before every name: "\\" read as "/", exactly one "/" at the end.
// The caller made sure that one more character fits.
void dbmp_priecinok(const char* INAdresar, char* out) {
  std::snprintf(out, DBMP_MAX_CESTA, "%s", INAdresar);
  for (char* c = out; *c != '\0'; ++c) {
    if (*c == '\\') *c = '/';
  }
  size_t n = std::strlen(out);
  while (n > 1 && out[n - 1] == '/') out[--n] = '\0';
  if (out[n - 1] != '/') {
    out[n] = '/';
    out[n + 1] = '\0';
  }
}

// Puts a heap copy of the name into a sorted table of at most `kapacita` entries. When the
// table is full, whichever sorts last (the name or the former last entry) is left out, so
// that the table always holds the first names in order.
void dbmp_vloz(char** tab, int* pocet, int kapacita, const char* text, int* vynechane) {
  int i = *pocet;
  while (i > 0 && dbmp_porovnaj(tab[i - 1], text) > 0) --i;
  if (i >= kapacita) {
    ++*vynechane;
    return;
  }
  if (*pocet == kapacita) {
    std::free(tab[kapacita - 1]);
    --*pocet;
    ++*vynechane;
  }
  std::memmove(tab + i + 1, tab + i, (size_t)(*pocet - i) * sizeof(char*));
  tab[i] = strdup(text);
  ++*pocet;
}

bool dbmp_je_priecinok(const char* cesta, bool* je) {
  struct stat st;
  if (stat(cesta, &st) != 0) return false;  // vanished, or a broken link: neither kind
  *je = S_ISDIR(st.st_mode);
  return true;
}

}  // namespace

namespace {

// The matching entries of the folder (with its "/") into a sorted table of `kapacita`
// (tab may be null when it is 0); *vynechane gets how many did not fit. Names too long for a
// path are left out, logged when `loguj`. False when the folder cannot be read.
bool dbmp_prejdi(const char* priecinok, const char* maska, unsigned subadr, uint8_t scestou, char** tab,
                 int kapacita, int* pocet, int* vynechane, bool loguj) {
  DIR* dir = opendir(priecinok);
  if (dir == nullptr) return false;
  char cesta[DBMP_MAX_CESTA];
  while (const dirent* e = readdir(dir)) {
    const char* meno = e->d_name;
    if (std::strcmp(meno, ".") == 0 || std::strcmp(meno, "..") == 0) continue;
    if (std::strncmp(meno, "rezia", 5) == 0 || std::strcmp(meno, DBMP_SNIMKA) == 0) continue;
    if (!dbmp_zhoda_zoznam(maska, meno)) continue;
    if (std::snprintf(cesta, sizeof cesta, "%s%s", priecinok, meno) >= (int)sizeof cesta) {
      if (loguj) _ZEPH_LOG_(DBMP_MODUL, DBMP_R_DLHA_CESTA, "DBMP_Zisti_SubAdr() - Prilis dlha cesta:", meno);
      continue;
    }
    bool je_priecinok = false;
    if (!dbmp_je_priecinok(cesta, &je_priecinok) || je_priecinok != (subadr == 1)) continue;
    dbmp_vloz(tab, pocet, kapacita, scestou != 0 ? cesta : meno, vynechane);
  }
  closedir(dir);
  return true;
}

bool dbmp_zly_vstup(const char* INAdresar, const char* maska, unsigned subadr) {
  return subadr > 1 || INAdresar == nullptr || INAdresar[0] == '\0' || maska == nullptr || maska[0] == '\0';
}

}  // namespace

int DBMP_Zisti_SubAdr_n(const char* INAdresar, const char* maska, unsigned subadr, uint8_t scestou, char** out_nazvy,
                        int kapacita, int* out_maxid) {
  if (dbmp_zly_vstup(INAdresar, maska, subadr) || out_nazvy == nullptr || out_maxid == nullptr || kapacita < 0) {
    return -1;
  }
  *out_maxid = -1;
  if (std::strlen(INAdresar) + 1 >= (size_t)DBMP_MAX_CESTA) {  // no room left for a name
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_DLHA_CESTA, "DBMP_Zisti_SubAdr() - Prilis dlha cesta:", INAdresar);
    return 0;
  }
  char priecinok[DBMP_MAX_CESTA];
  dbmp_priecinok(INAdresar, priecinok);
  int pocet = 0;
  int vynechane = 0;
  if (!dbmp_prejdi(priecinok, maska, subadr, scestou, out_nazvy, kapacita, &pocet, &vynechane, true)) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_ADRESAR, "DBMP_Zisti_SubAdr() - Adresar sa neda citat:", priecinok);
    return 0;
  }
  if (vynechane > 0) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_PRIVELA, "DBMP_Zisti_SubAdr() - Privela suborov, vynechane (kapacita, pocet):",
               kapacita, vynechane);
  }
  *out_maxid = pocet - 1;
  return 0;
}

int DBMP_Pocet_SubAdr(const char* INAdresar, const char* maska, unsigned subadr) {
  if (dbmp_zly_vstup(INAdresar, maska, subadr) || std::strlen(INAdresar) + 1 >= (size_t)DBMP_MAX_CESTA) return 0;
  char priecinok[DBMP_MAX_CESTA];
  dbmp_priecinok(INAdresar, priecinok);
  int pocet = 0;
  int vsetky = 0;
  dbmp_prejdi(priecinok, maska, subadr, 0, nullptr, 0, &pocet, &vsetky, false);
  return vsetky;
}

int DBMP_Zisti_SubAdr(const char* INAdresar, const char* maska, unsigned subadr, uint8_t scestou, char** out_nazvy,
                      int* out_maxid) {
  return DBMP_Zisti_SubAdr_n(INAdresar, maska, subadr, scestou, out_nazvy, DBMP_MAX_PANORAM, out_maxid);
}

void DBMP_Uvolni_zoznam(char** nazvy, int* maxid) {
  if (nazvy == nullptr || maxid == nullptr) return;
  for (int i = 0; i <= *maxid; ++i) {
    std::free(nazvy[i]);
    nazvy[i] = nullptr;
  }
  *maxid = -1;
}
