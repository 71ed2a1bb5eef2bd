#include "app/sprava.h"

#include <cstdio>
#include <cstring>

#include "app/panorama.h"
#include "app/ui.h"
#include "engine/store.h"
#include "log/zeph_log.h"
#include "platform/gdi.h"

namespace {

const char* const PANO_MODUL = "PANO";
constexpr int PANO_R_NACITANIE = 40;  // log line: a panorama that does not load
constexpr size_t SPRAVA_MAX = 200;
constexpr int SPRAVA_VYSKA = 32;  // the box across the top of the view, at the natural scale

char sprava[SPRAVA_MAX] = "";

// The file's name without its folder: the user knows where the viewer looks.
const char* holy_nazov(const char* nazov) {
  const char* lomka = std::strrchr(nazov, '/');
  return lomka != nullptr ? lomka + 1 : nazov;
}

void over_nahratie(const char* nazov) {
  if (pan_SRF != nullptr) {
    sprava[0] = '\0';
    return;
  }
  Vyprazdni_W();
  Sprava_s_menom(sprava, sizeof sprava, "Súbor ", holy_nazov(nazov), " sa nepodarilo načítať.");
  _ZEPH_LOG_(PANO_MODUL, PANO_R_NACITANIE, "Panorama sa neda nacitat:", nazov);
}

}  // namespace

void Zobraz_PANORAMU(int ID, unsigned char start) {
  Nahraj_PANORAMU(ID, start);
  if (ID == PAN_id && ID >= 0 && ID <= PAN_id_max) over_nahratie(PAN_subor[ID]);
}

void Zobraz_PANORAMU(const char* nazov, unsigned char start) {
  Nahraj_PANORAMU(nazov, start);
  if (nazov != nullptr && *nazov != '\0') over_nahratie(nazov);
}

const char* Sprava_nad_pohladom() { return sprava; }

RECT Sprava_obdlznik(const IDirectDrawSurface* srf) {
  if (sprava[0] == '\0' || srf == nullptr) return RECT{0, 0, 0, 0};
  return RECT{0, 0, srf->PLAT_Width(), SPRAVA_VYSKA * UI_mierka};
}

void Sprava_zobraz(IDirectDrawSurface* srf) {
  HDC dc = nullptr;
  RECT r = Sprava_obdlznik(srf);
  if (r.bottom == 0 || srf->GetDC(&dc) != DD_OK) return;
  FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  SelectObject(dc, dui_PANO.font_hnd);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(255, 255, 255));
  DrawTextA(dc, sprava, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  srf->ReleaseDC(dc);
}

void Sprava_s_menom(char* out, size_t n, const char* zaciatok, const char* meno, const char* koniec) {
  const long miesto = (long)n - 1 - (long)std::strlen(zaciatok) - (long)std::strlen(koniec);
  long dlzka = (long)std::strlen(meno);
  if (dlzka > miesto) {
    dlzka = miesto > 0 ? miesto : 0;
    while (dlzka > 0 && (static_cast<unsigned char>(meno[dlzka]) & 0xC0) == 0x80) --dlzka;
  }
  std::snprintf(out, n, "%s%.*s%s", zaciatok, (int)dlzka, meno, koniec);
}
