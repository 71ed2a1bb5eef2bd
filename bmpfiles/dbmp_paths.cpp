// Path helpers: bare names, extensions, existence, thumbnail names.
#include <cstdio>
#include <cstring>
#include <unistd.h>

#include "bmpfiles/dbmp.h"
#include "platform/plat_file.h"

namespace {

// Start of the last path component: after the last "/" or "\\".
const char* dbmp_zaciatok_mena(const char* p_sub) {
  const char* start = p_sub;
  for (const char* c = p_sub; *c != '\0'; ++c) {
    if (*c == '/' || *c == '\\') start = c + 1;
  }
  return start;
}

// The last "." of the last path component, or null: a dot in a folder name
// ("./alps", "../x") is not an extension.
const char* dbmp_posledna_bodka(const char* p_sub) { return std::strrchr(dbmp_zaciatok_mena(p_sub), '.'); }

}  // namespace

void DBMP_Vystrihni_meno(const char* p_sub, char* p_meno) {
  const char* start = dbmp_zaciatok_mena(p_sub);
  const char* bodka = dbmp_posledna_bodka(p_sub);
  const size_t dlzka = bodka != nullptr ? (size_t)(bodka - start) : std::strlen(start);
  std::snprintf(p_meno, DBMP_MAX_MENO, "%.*s", (int)dlzka, start);
}

void DBMP_Zmen_priponu(const char* p_sub, const char* p_prip, char* p_sub_out) {
  const char* bodka = dbmp_posledna_bodka(p_sub);
  if (bodka == nullptr) {
    std::snprintf(p_sub_out, DBMP_MAX_CESTA, "%s", p_sub);
    return;
  }
  const int zaklad = (int)(bodka - p_sub) + 1;  // up to and including the dot
  std::snprintf(p_sub_out, DBMP_MAX_CESTA, "%.*s%s", zaklad, p_sub, p_prip);
}

uint8_t DBMP_Existuje_sub(const char* p_sub) {
  if (p_sub == nullptr || p_sub[0] == '\0') return 0;
  size_t dlzka = 0;
  const int fd = PLAT_OpenRead(p_sub, &dlzka);
  if (fd < 0) return 0;
  close(fd);
  return 1;
}

void DBMP_Cesta_nahladu(const char* p_sub, char* p_out) {
  const char* bodka = dbmp_posledna_bodka(p_sub);
  if (bodka != nullptr && std::strcmp(bodka, ".bmp") == 0) {
    DBMP_Zmen_priponu(p_sub, "thm", p_out);
  } else {
    std::snprintf(p_out, DBMP_MAX_CESTA, "%s.thm", p_sub);
  }
}
