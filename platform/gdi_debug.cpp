// Debugger output (kept for tests, echoed to standard error) and the UTF-8 character count.
#include <cstdio>

#include "platform/gdi.h"

namespace {
// Never destroyed: global objects may still report while the program exits.
std::vector<std::string>& Lines() {
  static auto* const lines = new std::vector<std::string>();
  return *lines;
}
}  // namespace

void OutputDebugStringA(const char* text) {
  if (!text) return;
  Lines().push_back(text);
  std::fputs(text, stderr);
}

const std::vector<std::string>& PLAT_DebugOutput() { return Lines(); }

void PLAT_DebugOutputClear() { Lines().clear(); }

int PLAT_Utf8Length(const char* text) {
  if (!text) return 0;
  int n = 0;
  for (const unsigned char* p = (const unsigned char*)text; *p; p++)
    if ((*p & 0xC0) != 0x80) n++;
  return n;
}
