#include "log/zeph_log.h"

#include <cstdio>

const char* const ZEPH_LOG_SUBOR = "ZEPH_LOG.txt";

namespace {

// The log uses the plain C library on purpose: failures injected into the program's
// own file writing must not silence the report of that very failure.
void zeph_log_riadok(const char* mode, const char* text) {
  FILE* f = std::fopen(ZEPH_LOG_SUBOR, mode);
  if (f == nullptr) return;  // nowhere to report to: the line is dropped
  std::fprintf(f, "%s\n", text != nullptr ? text : "");
  std::fclose(f);
}

const char* zeph_log_text(const char* text) { return text != nullptr ? text : ""; }

}  // namespace

void ZEPH_LOG_Reset(const char* text) { zeph_log_riadok("w", text); }

void ZEPH_LOG_Zapis(const char* text) { zeph_log_riadok("a", text); }

// snprintf cuts a long line at the buffer's end instead of overrunning it.
void _ZEPH_LOG_(const char* subor, int riadok, const char* text) {
  char buf[ZEPH_LOG_MAX_RIADOK];
  std::snprintf(buf, sizeof buf, "%s(%i) : %s", zeph_log_text(subor), riadok, zeph_log_text(text));
  ZEPH_LOG_Zapis(buf);
}

void _ZEPH_LOG_(const char* subor, int riadok, const char* text, int c1, int c2) {
  char buf[ZEPH_LOG_MAX_RIADOK];
  std::snprintf(buf, sizeof buf, "%s(%i) : %s [%i] [%i]", zeph_log_text(subor), riadok, zeph_log_text(text), c1, c2);
  ZEPH_LOG_Zapis(buf);
}

void _ZEPH_LOG_(const char* subor, int riadok, const char* text1, const char* text2) {
  char buf[ZEPH_LOG_MAX_RIADOK];
  std::snprintf(buf, sizeof buf, "%s(%i) : %s %s", zeph_log_text(subor), riadok, zeph_log_text(text1),
                zeph_log_text(text2));
  ZEPH_LOG_Zapis(buf);
}
