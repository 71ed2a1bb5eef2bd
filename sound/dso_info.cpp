// The sound trace: one line per step appended to "DSO_INFO.txt" while the switch is on.
#include <cstdio>

#include "sound/dso.h"

int32_t DSO_lad_info_zap = 0;

namespace {
const char kTraceFile[] = "DSO_INFO.txt";
}  // namespace

void DSO_INFO(const char* text) {
  if (!DSO_lad_info_zap) return;
  FILE* f = fopen(kTraceFile, "a");
  if (!f) return;
  fprintf(f, "%s\n", text ? text : "");
  fclose(f);
}

void DSO_INFO(const char* text, const char* name) {
  if (!DSO_lad_info_zap) return;
  FILE* f = fopen(kTraceFile, "a");
  if (!f) return;
  fprintf(f, "%s  [%s] \n", text ? text : "", name ? name : "");
  fclose(f);
}
