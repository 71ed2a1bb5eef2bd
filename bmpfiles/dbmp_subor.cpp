#include "bmpfiles/dbmp_subor.h"

#include <unistd.h>

#include <cstring>

#include "bmpfiles/dbmp_5.h"
#include "log/zeph_log.h"
#include "platform/plat_file.h"

bool DBMP_Subor_otvor(TDbmpSubor* s, const char* ciel) {
  s->f = nullptr;
  const int n = std::snprintf(s->ciel, sizeof s->ciel, "%s", ciel != nullptr ? ciel : "");
  if (n <= 0 || n >= (int)sizeof s->ciel) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_OTVORENIE, "Chyba pri otvaraní suboru");
    return false;
  }
  static unsigned poradie = 0;
  const char* lomka = std::strrchr(s->ciel, '/');
  const int priecinok = lomka != nullptr ? (int)(lomka - s->ciel) + 1 : 0;
  std::snprintf(s->docasny, sizeof s->docasny, "%.*s.tessarin-%d-%u.tmp", priecinok, s->ciel, (int)getpid(),
                ++poradie);
  s->f = PLAT_fopen(s->docasny, "wb");
  if (s->f == nullptr) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_OTVORENIE, "Chyba pri otvaraní suboru");
    return false;
  }
  return true;
}

bool DBMP_Subor_zapis(TDbmpSubor* s, const void* data, size_t n) { return PLAT_fwrite(data, 1, n, s->f) == n; }

bool DBMP_Subor_dokonci(TDbmpSubor* s) {
  const int rc = PLAT_fclose(s->f);
  s->f = nullptr;
  if (rc != 0) {
    PLAT_remove(s->docasny);
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_ZATVORENIE, "PROBLEM pri zatvarani suboru", s->ciel);
    return false;
  }
  if (PLAT_rename(s->docasny, s->ciel) != 0) {
    PLAT_remove(s->docasny);
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_PREMENOVANIE, "PROBLEM pri premenovani suboru", s->ciel);
    return false;
  }
  return true;
}

void DBMP_Subor_zrus(TDbmpSubor* s) {
  if (s->f != nullptr) PLAT_fclose(s->f);
  s->f = nullptr;
  PLAT_remove(s->docasny);
}
