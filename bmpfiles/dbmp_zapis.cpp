// The one writer every BMP goes through: a surface rectangle to a 24-bit bottom-up BMP.
#include <cstring>
#include <vector>

#include "bmpfiles/dbmp.h"
#include "bmpfiles/dbmp_5.h"
#include "bmpfiles/dbmp_subor.h"
#include "log/zeph_log.h"

namespace {

// Largest side written: as large as the picture loader accepts, and small enough that
// the file size fits its 32-bit field.
const int DBMP_MAX_STRANA = 30000;

// One pixel of a row: blue, green, red.
struct TTRIPLE {
  BYTE A;
  BYTE B;
  BYTE C;
};
static_assert(sizeof(TTRIPLE) == 3, "a row is packed triples");

void dbmp_put16(BYTE* p, unsigned v) {
  p[0] = (BYTE)(v & 0xFF);
  p[1] = (BYTE)((v >> 8) & 0xFF);
}

void dbmp_put32(BYTE* p, uint32_t v) {
  dbmp_put16(p, v & 0xFFFF);
  dbmp_put16(p + 2, v >> 16);
}

// BITMAPFILEHEADER, 14 bytes.
void dbmp_fheader(BYTE* h, uint32_t velkost) {
  std::memset(h, 0, 14);
  dbmp_put16(h + 0, 0x4D42);
  dbmp_put32(h + 2, velkost);
  dbmp_put32(h + 10, 54);
}

// BITMAPINFOHEADER, 40 bytes.
void dbmp_iheader(BYTE* h, int sir, int vys) {
  std::memset(h, 0, 40);
  dbmp_put32(h + 0, 40);
  dbmp_put32(h + 4, (uint32_t)sir);
  dbmp_put32(h + 8, (uint32_t)vys);
  dbmp_put16(h + 12, 1);
  dbmp_put16(h + 14, 24);
  dbmp_put32(h + 24, 2880);
  dbmp_put32(h + 28, 2880);
}

// One row of the rectangle as triples; what lies outside the surface reads as white,
// as a pixel read through the surface's drawing context does. P: the surface's format.
template <class P>
void dbmp_riadok(const DDSURFACEDESC& ddsd, int left, int y, int sir, TTRIPLE* out) {
  const bool v_riadku = y >= 0 && y < (int)ddsd.dwHeight;
  const typename P::T* px =
      v_riadku ? (const typename P::T*)((const BYTE*)ddsd.lpSurface + (size_t)y * ddsd.lPitch) : nullptr;
  for (int x = 0; x < sir; ++x) {
    const int sx = left + x;
    BYTE r = 255, g = 255, b = 255;
    if (px != nullptr && sx >= 0 && sx < (int)ddsd.dwWidth) P::Unpack(px[sx], &r, &g, &b);
    out[x].A = b;
    out[x].B = g;
    out[x].C = r;
  }
}

// Headers, then the rows bottom-up from the locked surface. 0 when all was written, else the
// log line of the write that fell short, written once the temporary file is gone: on a full
// disk the line would otherwise find no room either.
int dbmp_zapis_obsah(TDbmpSubor* s, const DDSURFACEDESC& ddsd, const RECT& r) {
  const int sir = r.right - r.left + 1;
  const int vys = r.bottom - r.top + 1;
  const int pad = (4 - (3 * sir) % 4) % 4;
  const int R = 3 * sir + pad;
  BYTE fh[14];
  BYTE ih[40];
  dbmp_fheader(fh, (uint32_t)(54 + (int64_t)R * vys));
  dbmp_iheader(ih, sir, vys);
  if (!DBMP_Subor_zapis(s, fh, sizeof fh)) return DBMP_R_FHEADER;
  if (!DBMP_Subor_zapis(s, ih, sizeof ih)) return DBMP_R_IHEADER;
  std::vector<BYTE> buf((size_t)R, 0);  // the padding stays zero
  for (int y = r.bottom; y >= r.top; --y) {
    TTRIPLE* riadok = reinterpret_cast<TTRIPLE*>(buf.data());
    if (ddsd.ddpfPixelFormat.dwRGBBitCount == 32)
      dbmp_riadok<TPlatPix32>(ddsd, r.left, y, sir, riadok);
    else
      dbmp_riadok<TPlatPix16>(ddsd, r.left, y, sir, riadok);
    if (!DBMP_Subor_zapis(s, buf.data(), buf.size())) return DBMP_R_RIADKY;
  }
  return 0;
}

void dbmp_loguj_zapis(int riadok, const char* ciel) {
  if (riadok == DBMP_R_FHEADER) _ZEPH_LOG_(DBMP_MODUL, riadok, "PROBLEM pri fHeader zapise");
  if (riadok == DBMP_R_IHEADER) _ZEPH_LOG_(DBMP_MODUL, riadok, "PROBLEM pri iHeader zapise");
  if (riadok == DBMP_R_RIADKY) _ZEPH_LOG_(DBMP_MODUL, riadok, "PROBLEM pri zapise riadkov", ciel);
}

}  // namespace

void DBMP_VYTVOR_BMP_0_zoSRF_doFILE(IDirectDrawSurface* p_lpDDSURFACE, const RECT* p_R, const char* p_filename_out) {
  if (p_lpDDSURFACE == nullptr || p_R == nullptr) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_POVRCH, "Chyba pri citani povrchu", p_filename_out);
    return;
  }
  const int64_t sir = (int64_t)p_R->right - p_R->left + 1;
  const int64_t vys = (int64_t)p_R->bottom - p_R->top + 1;
  if (sir < 1 || vys < 1 || sir > DBMP_MAX_STRANA || vys > DBMP_MAX_STRANA) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_OBDLZNIK, "Chybny obdlznik: sirka, vyska", (int)sir, (int)vys);
    return;
  }
  TDbmpSubor s;
  if (!DBMP_Subor_otvor(&s, p_filename_out)) return;
  // The pixels are read straight from the locked surface with the conversion the
  // drawing context's pixel read uses: the same colours, without a call per pixel.
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof ddsd);
  ddsd.dwSize = sizeof ddsd;
  if (p_lpDDSURFACE->Lock(nullptr, &ddsd, DDLOCK_WAIT, nullptr) != DD_OK) {
    // Without pixels there is no picture to write: no file rather than a header alone.
    DBMP_Subor_zrus(&s);
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_POVRCH, "Chyba pri citani povrchu", s.ciel);
    return;
  }
  const int chyba = dbmp_zapis_obsah(&s, ddsd, *p_R);
  p_lpDDSURFACE->Unlock(nullptr);
  if (chyba == 0) {
    DBMP_Subor_dokonci(&s);
  } else {
    DBMP_Subor_zrus(&s);
    dbmp_loguj_zapis(chyba, s.ciel);
  }
}

void DBMP_VYTVOR_BMP_0_celySRF_doFILE(IDirectDrawSurface* p_lpDDSURFACE, const char* p_filename_out) {
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof ddsd);
  ddsd.dwSize = sizeof ddsd;
  if (p_lpDDSURFACE == nullptr || p_lpDDSURFACE->GetSurfaceDesc(&ddsd) != DD_OK) {
    _ZEPH_LOG_(DBMP_MODUL, DBMP_R_POVRCH, "Chyba pri citani povrchu", p_filename_out);
    return;
  }
  const RECT r = {0, 0, (LONG)ddsd.dwWidth - 1, (LONG)ddsd.dwHeight - 1};
  DBMP_VYTVOR_BMP_0_zoSRF_doFILE(p_lpDDSURFACE, &r, p_filename_out);
}
