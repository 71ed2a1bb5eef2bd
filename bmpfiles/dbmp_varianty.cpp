// The writer's variants: a surface rescaled, and bitmap files re-encoded, rescaled,
// cut to a band or to one phase of a sprite sheet.
#include "bmpfiles/dbmp.h"
#include "bmpfiles/dbmp_5.h"
#include "bmpfiles/dbmp_natiahni.h"
#include "log/zeph_log.h"
#include "toolkit/das_surface.h"
#include "toolkit/ddutil.h"

namespace {

const char* const DBMP_TEXT_SRF_5 = "DBMP_VYTVOR_BMP_5 - Chyba pri CreateSurface";
const char* const DBMP_TEXT_SRF_3 = "DBMP_VYTVOR_BMP_3 - Chyba pri CreateSurface";

void dbmp_chyba_nacitania(const char* p_filename_in) {
  _ZEPH_LOG_(DBMP_MODUL, DBMP_R_NACITANIE, "Chyba pri nacitani obrazka", p_filename_in);
}

// Loads a picture at its own size into a wrapper; false (logged) when it cannot be loaded.
bool dbmp_nahraj(CDas_Surface* das, IDirectDraw* p_lpDD, const char* p_filename_in) {
  das->NAHRAJ_SURFACE(p_lpDD, p_filename_in);
  if (das->SURFACE != nullptr) return true;
  dbmp_chyba_nacitania(p_filename_in);
  return false;
}

void dbmp_uvolni(CDas_Surface* das) {
  if (das->SURFACE != nullptr) das->SURFACE->Release();
  das->SURFACE = nullptr;
}

// A picture loaded scaled to sir × vys; null (logged) when it cannot be loaded.
IDirectDrawSurface* dbmp_nahraj_natiahnuty(IDirectDraw* p_lpDD, const char* p_filename_in, int sir, int vys) {
  IDirectDrawSurface* srf = DDLoadBitmap_ts_stretch(p_lpDD, p_filename_in, sir, vys);
  if (srf == nullptr) dbmp_chyba_nacitania(p_filename_in);
  return srf;
}

}  // namespace

void DBMP_VYTVOR_BMP_0_zoSRF_doFILE__stretch(IDirectDraw* p_lpDD, IDirectDrawSurface* p_lpDDSURFACE_in, uint8_t proporc,
                                             int FIXMAX_sir, int FIXMAX_vys, const char* p_filename_out) {
  int sir = FIXMAX_sir;
  int vys = FIXMAX_vys;
  if (proporc != 0) {
    DDSURFACEDESC ddsd = {};
    ddsd.dwSize = sizeof ddsd;
    if (p_lpDDSURFACE_in == nullptr || p_lpDDSURFACE_in->GetSurfaceDesc(&ddsd) != DD_OK) {
      _ZEPH_LOG_(DBMP_MODUL, DBMP_R_POVRCH, "Chyba pri citani povrchu", p_filename_out);
      return;
    }
    DBMP_NOVE_ROZMERY((int)ddsd.dwWidth, (int)ddsd.dwHeight, 0, FIXMAX_sir, FIXMAX_vys, &sir, &vys);
  }
  DBMP_Zapis_natiahnute(p_lpDD, p_lpDDSURFACE_in, nullptr, sir, vys, DBMP_R_STRETCH_SRF, DBMP_TEXT_SRF_5,
                        p_filename_out);
}

void DBMP_VYTVOR_BMP_2_zFILE_doFILE__copy_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in,
                                                 const char* p_filename_out) {
  CDas_Surface das;
  if (!dbmp_nahraj(&das, p_lpDD, p_filename_in)) return;
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(das.SURFACE, p_filename_out);
  dbmp_uvolni(&das);
}

void DBMP_VYTVOR_BMP_3_zFILE_doFILE__stretch_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in, int koef,
                                                    int FIXMAX_sir, int FIXMAX_vys, const char* p_filename_out) {
  CDas_Surface das;
  if (!dbmp_nahraj(&das, p_lpDD, p_filename_in)) return;
  int sir = 0;
  int vys = 0;
  DBMP_NOVE_ROZMERY(das.srf_sir, das.srf_vys, koef, FIXMAX_sir, FIXMAX_vys, &sir, &vys);
  DBMP_Zapis_natiahnute(p_lpDD, das.SURFACE, nullptr, sir, vys, DBMP_R_STRETCH3_SRF, DBMP_TEXT_SRF_3, p_filename_out);
  dbmp_uvolni(&das);
}

void DBMP_VYTVOR_BMP_3B_zFILE_doFILE__stretch_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in, int fix_sir,
                                                     int fix_vys, const char* p_filename_out) {
  IDirectDrawSurface* srf = dbmp_nahraj_natiahnuty(p_lpDD, p_filename_in, fix_sir, fix_vys);
  if (srf == nullptr) return;
  DBMP_VYTVOR_BMP_0_celySRF_doFILE(srf, p_filename_out);
  srf->Release();
}

void DBMP_VYTVOR_BMP_3C_zFILE_doFILE__stretch_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in, int base_sir,
                                                     int base_vys, float koef_vys_od, float koef_vys_po,
                                                     const char* p_filename_out) {
  IDirectDrawSurface* srf = dbmp_nahraj_natiahnuty(p_lpDD, p_filename_in, base_sir, base_vys);
  if (srf == nullptr) return;
  const RECT r = {0, (LONG)((float)base_vys * koef_vys_od), base_sir - 1, (LONG)((float)(base_vys - 1) * koef_vys_po)};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(srf, &r, p_filename_out);
  srf->Release();
}

void DBMP_VYTVOR_BMP_4_zFILE_doFILE__stretch_FAZA_cezSRF(IDirectDraw* p_lpDD, const char* p_filename_in,
                                                         int FIXMAX_sir, int FIXMAX_vys, const char* p_filename_out,
                                                         int fx, int fy) {
  CDas_Surface das;
  if (!dbmp_nahraj(&das, p_lpDD, p_filename_in)) return;
  // The phase is measured by scanning from (fx, fy), which has to lie on the sheet.
  if (fx < 0 || fy < 0 || fx >= das.srf_sir || fy >= das.srf_vys) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_FAZA, "Bod fazy mimo obrazka: fx, fy", fx, fy);
    dbmp_uvolni(&das);
    return;
  }
  das.BC_NASTAV(0, 0);
  const TFAZA F = das.ZAMERAJ_FAZU(fx, fy);
  int sir = 0;
  int vys = 0;
  DBMP_NOVE_ROZMERY(F.SIR, F.VYS, 0, FIXMAX_sir, FIXMAX_vys, &sir, &vys);
  RECT zdroj = {F.XL, F.YH, F.XP, F.YD};
  DBMP_Zapis_natiahnute(p_lpDD, das.SURFACE, &zdroj, sir, vys, DBMP_R_STRETCH4_SRF, DBMP_TEXT_SRF_3, p_filename_out);
  dbmp_uvolni(&das);
}
