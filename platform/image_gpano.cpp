// Reading the GPano cropped area from a JPEG's XMP packet.
#include "platform/image_gpano.h"

#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/plat_file.h"

namespace {

const char XMP_ZNACKA[] = "http://ns.adobe.com/xap/1.0/";  // followed by a zero byte
// The segments before the picture data hold the XMP packet; a file is read no further.
const size_t GPANO_HLAVICKA = 1 << 20;

// First occurrence of `hladany` in b[od … n), or n.
size_t gpano_najdi(const uint8_t* b, size_t n, size_t od, const char* hladany) {
  const size_t m = std::strlen(hladany);
  for (size_t i = od; m <= n && i <= n - m; ++i) {
    if (std::memcmp(b + i, hladany, m) == 0) return i;
  }
  return n;
}

bool gpano_medzera(uint8_t c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

size_t gpano_preskoc_medzery(const uint8_t* b, size_t n, size_t i) {
  while (i < n && gpano_medzera(b[i])) ++i;
  return i;
}

// A whole number from b[i …], surrounded by blanks and ending at `koniec`; false otherwise.
bool gpano_cislo(const uint8_t* b, size_t n, size_t i, uint8_t koniec, int* hodnota) {
  i = gpano_preskoc_medzery(b, n, i);
  long long v = 0;
  size_t cifry = 0;
  while (i < n && b[i] >= '0' && b[i] <= '9') {
    v = v * 10 + (b[i] - '0');
    if (v > PLAT_GPANO_MAX) return false;
    ++i;
    ++cifry;
  }
  i = gpano_preskoc_medzery(b, n, i);
  if (cifry == 0 || i >= n || b[i] != koniec) return false;
  *hodnota = (int)v;
  return true;
}

// The value of field "GPano:<meno>" in a packet, written either as an attribute
// (GPano:X="12") or as an element (<GPano:X>12</GPano:X>).
bool gpano_pole(const uint8_t* b, size_t n, const char* meno, int* hodnota) {
  char cele[64];
  std::snprintf(cele, sizeof cele, "GPano:%s", meno);
  const size_t dlzka = std::strlen(cele);
  for (size_t i = gpano_najdi(b, n, 0, cele); i < n; i = gpano_najdi(b, n, i + 1, cele)) {
    // A closing tag, or a longer name that merely starts the same, is not the field.
    if (i > 0 && b[i - 1] == '/') continue;
    size_t j = gpano_preskoc_medzery(b, n, i + dlzka);
    if (j >= n) return false;
    if (b[j] == '>') return gpano_cislo(b, n, j + 1, '<', hodnota);
    if (b[j] != '=') continue;
    j = gpano_preskoc_medzery(b, n, j + 1);
    if (j >= n || (b[j] != '"' && b[j] != '\'')) continue;
    return gpano_cislo(b, n, j + 1, b[j], hodnota);
  }
  return false;
}

bool gpano_z_paketu(const uint8_t* b, size_t n, TGPano* out) {
  TGPano g;
  if (!gpano_pole(b, n, "FullPanoWidthPixels", &g.plny_sir) || !gpano_pole(b, n, "FullPanoHeightPixels", &g.plny_vys) ||
      !gpano_pole(b, n, "CroppedAreaImageWidthPixels", &g.vyrez_sir) ||
      !gpano_pole(b, n, "CroppedAreaImageHeightPixels", &g.vyrez_vys) ||
      !gpano_pole(b, n, "CroppedAreaLeftPixels", &g.vyrez_vlavo) ||
      !gpano_pole(b, n, "CroppedAreaTopPixels", &g.vyrez_hore))
    return false;
  // The crop may run across the seam (left + width past the full width) but never
  // around more than one turn, nor above the zenith or below the nadir.
  if (g.vyrez_sir <= 0 || g.vyrez_vys <= 0 || g.vyrez_sir > g.plny_sir || g.vyrez_vlavo >= g.plny_sir ||
      g.vyrez_hore + g.vyrez_vys > g.plny_vys)
    return false;
  *out = g;
  return true;
}

}  // namespace

uint8_t PLAT_GPano_zBajtov(const uint8_t* b, size_t n, TGPano* out) {
  if (b == nullptr || out == nullptr || n < 4 || b[0] != 0xFF || b[1] != 0xD8) return 0;
  size_t i = 2;
  while (i + 4 <= n) {
    if (b[i] != 0xFF) return 0;
    const uint8_t znacka = b[i + 1];
    if (znacka == 0xFF) {  // fill byte before a marker
      ++i;
      continue;
    }
    if (znacka == 0xD9 || znacka == 0xDA) return 0;  // end of picture, start of picture data
    if (znacka == 0x01 || (znacka >= 0xD0 && znacka <= 0xD7)) {  // markers without a length
      i += 2;
      continue;
    }
    const size_t dlzka = ((size_t)b[i + 2] << 8) | b[i + 3];
    if (dlzka < 2 || dlzka > n - i - 2) return 0;
    const uint8_t* obsah = b + i + 4;
    const size_t obsah_n = dlzka - 2;
    if (znacka == 0xE1 && obsah_n > sizeof XMP_ZNACKA &&
        std::memcmp(obsah, XMP_ZNACKA, sizeof XMP_ZNACKA) == 0 &&
        gpano_z_paketu(obsah + sizeof XMP_ZNACKA, obsah_n - sizeof XMP_ZNACKA, out))
      return 1;
    i += 2 + dlzka;
  }
  return 0;
}

uint8_t PLAT_Citaj_GPano(const char* p_sub, TGPano* out) {
  if (p_sub == nullptr) return 0;
  FILE* f = PLAT_fopen(p_sub, "rb");
  if (f == nullptr) return 0;
  // Anything but a JPEG is passed by after two bytes.
  uint8_t zaciatok[2] = {0, 0};
  if (std::fread(zaciatok, 1, 2, f) != 2 || zaciatok[0] != 0xFF || zaciatok[1] != 0xD8) {
    std::fclose(f);
    return 0;
  }
  std::vector<uint8_t> b(GPANO_HLAVICKA);
  b[0] = 0xFF;
  b[1] = 0xD8;
  const size_t n = 2 + std::fread(b.data() + 2, 1, b.size() - 2, f);
  std::fclose(f);
  return PLAT_GPano_zBajtov(b.data(), n, out);
}
