#include "panels/dui_text.h"

#include <cstring>

#include "platform/gdi.h"

char* DUI_Kopia_textu(const char* text) {
  if (text == nullptr) text = "";
  const size_t n = std::strlen(text);
  char* kopia = new char[n + 1];
  std::memcpy(kopia, text, n + 1);
  return kopia;
}

void DUI_Uvolni_kopiu(char* text) { delete[] text; }

int DUI_Pocet_znakov(const char* text) { return text != nullptr ? PLAT_Utf8Length(text) : 0; }
