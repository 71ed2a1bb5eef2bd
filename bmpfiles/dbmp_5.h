// Inside the DBMP_5 module: its name in the log and the identifiers of its log lines.
// The numbers identify the messages; they are kept stable so that logs stay comparable.
#pragma once

extern const char* const DBMP_MODUL;

enum TDbmpRiadok {
  DBMP_R_ROZMERY = 56,         // bad resize input
  DBMP_R_OTVORENIE = 85,       // output file cannot be opened
  DBMP_R_OBDLZNIK = 90,        // rectangle empty or too large
  DBMP_R_POVRCH = 100,         // surface pixels cannot be read
  DBMP_R_FHEADER = 134,        // short file-header write
  DBMP_R_IHEADER = 141,        // short info-header write
  DBMP_R_RIADKY = 148,         // short pixel-row write
  DBMP_R_ZATVORENIE = 152,     // buffered data lost on close
  DBMP_R_PREMENOVANIE = 156,   // finished file cannot be put in place
  DBMP_R_STRETCH_SRF = 276,    // temporary surface of the stretch writer
  DBMP_R_NACITANIE = 300,      // picture file cannot be loaded
  DBMP_R_STRETCH3_SRF = 403,   // temporary surface of variant 3
  DBMP_R_FAZA = 620,           // phase point outside the sheet
  DBMP_R_STRETCH4_SRF = 635,   // temporary surface of variant 4
  DBMP_R_ADRESAR = 700,        // folder cannot be read
  DBMP_R_PRIVELA = 710,        // more matches than the table holds
  DBMP_R_DLHA_CESTA = 720,     // folder + name longer than a path buffer
};
