// Command-line rules of the viewer: a start index (digits, or "P" and digits), a display
// mode ("G" and one digit 1 … 4, or 6 for the desktop's own) and, at the first other character, a file name.
#include <cctype>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "app/app.h"
#include "app/panorama.h"
#include "app/startup.h"

namespace {

// Reads an integer the way "%i" does (blanks skipped, sign, 0x hex, leading-0 octal)
// and returns where it ended; p itself when there was none. Out-of-range values are
// held at the int limits instead of overflowing.
const char* citaj_cislo(const char* p, int* hodnota) {
  char* koniec = nullptr;
  const long v = std::strtol(p, &koniec, 0);
  if (koniec == p) return p;
  *hodnota = v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : (int)v);
  return koniec;
}

// The first blank-delimited word from p on (leading blanks skipped, as "%s" does),
// cut to what PAN_param_file holds.
void citaj_slovo(const char* p) {
  while (*p != '\0' && std::isspace((unsigned char)*p)) ++p;
  int n = 0;
  while (p[n] != '\0' && !std::isspace((unsigned char)p[n]) && n < PAN_PARAM_FILE_MAX) ++n;
  std::memcpy(PAN_param_file, p, (size_t)n);
  PAN_param_file[n] = '\0';
}

}  // namespace

void Rozober_prikazovy_riadok(const char* prikazovy_riadok) {
  if (prikazovy_riadok == nullptr) return;
  const char* p = prikazovy_riadok;
  while (*p != '\0') {
    if (*p >= '0' && *p <= '9') {
      p = citaj_cislo(p, &PAN_id);
    } else if (*p == 'P') {
      p = citaj_cislo(p + 1, &PAN_id);
    } else if (*p == 'G') {
      const char volba = p[1];
      if (volba == '\0') break;
      if ((volba >= '1' && volba <= '4') || volba == '0' + GM_PLOCHA) GM = volba - '0';
      p += 2;
    } else {
      citaj_slovo(p);
      break;
    }
  }
}
