// An output file that appears complete or not at all: the bytes go to a temporary file
// beside the target (a short name of its own, so that a target's name of any length works), which is renamed into place only when everything was written and
// closed. Every failure removes the temporary file and is logged.
#pragma once
#include <cstddef>
#include <cstdio>

#include "bmpfiles/dbmp.h"

struct TDbmpSubor {
  FILE* f;
  char ciel[DBMP_MAX_CESTA];
  char docasny[DBMP_MAX_CESTA + 40];
};

// Opens the temporary file; false (logged) when it cannot be opened.
bool DBMP_Subor_otvor(TDbmpSubor* s, const char* ciel);
// Writes n bytes; false when fewer were written.
bool DBMP_Subor_zapis(TDbmpSubor* s, const void* data, size_t n);
// Closes and renames into place; false (logged, nothing left behind) on failure.
bool DBMP_Subor_dokonci(TDbmpSubor* s);
// Closes and removes the temporary file: the target stays as it was.
void DBMP_Subor_zrus(TDbmpSubor* s);
