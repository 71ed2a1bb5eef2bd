#include "bmpfiles/dbmp_natiahni.h"

#include "bmpfiles/dbmp.h"
#include "bmpfiles/dbmp_5.h"
#include "log/zeph_log.h"
#include "toolkit/ddutil.h"

namespace {

// The stretch blit, waiting while the blitter is busy. A lost source is restored (its
// owner redraws it) and, like any other error, means there is nothing worth writing.
bool dbmp_natiahni(IDirectDrawSurface* ciel, IDirectDrawSurface* zdroj, RECT* zdroj_rect) {
  while (true) {
    const HRESULT hr = ciel->Blt(nullptr, zdroj, zdroj_rect, 0, nullptr);
    if (hr == DD_OK) return true;
    if (hr == DDERR_SURFACELOST) {
      zdroj->Restore();
      return false;
    }
    if (hr != DDERR_WASSTILLDRAWING) return false;
  }
}

}  // namespace

void DBMP_Zapis_natiahnute(IDirectDraw* p_lpDD, IDirectDrawSurface* zdroj, RECT* zdroj_rect, int sir, int vys,
                           int riadok_logu, const char* text_logu, const char* p_filename_out) {
  IDirectDrawSurface* docasny = DDVytvor_povrch(p_lpDD, sir, vys);
  if (docasny == nullptr) {
    _ZEPH_LOG_(DBMP_MODUL, riadok_logu, text_logu);
    return;
  }
  if (zdroj != nullptr && dbmp_natiahni(docasny, zdroj, zdroj_rect)) {
    DBMP_VYTVOR_BMP_0_celySRF_doFILE(docasny, p_filename_out);
  }
  docasny->Release();
}
