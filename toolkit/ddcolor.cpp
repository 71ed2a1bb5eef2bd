// Colours into a surface's own pixel values, colour keys and fills.
#include <cstring>

#include "toolkit/das_pixel.h"
#include "toolkit/ddutil.h"

DWORD DDColorMatch(IDirectDrawSurface* pdds, COLORREF rgb) {
  if (!pdds) return CLR_INVALID;
  // pixel (0, 0) is the scratch pad: GDI writes the colour, the lock reads it back raw
  COLORREF povodna = 0;
  bool zapisane = false;
  HDC hdc = nullptr;
  if (rgb != CLR_INVALID && pdds->GetDC(&hdc) == DD_OK) {
    povodna = GetPixel(hdc, 0, 0);
    SetPixel(hdc, 0, 0, rgb);
    pdds->ReleaseDC(hdc);
    zapisane = true;
  }
  DWORD dw = CLR_INVALID;
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof(ddsd));
  ddsd.dwSize = sizeof(ddsd);
  HRESULT hres = DDERR_WASSTILLDRAWING;
  for (int i = 0; i < DAS_POKUSY_MAX && hres == DDERR_WASSTILLDRAWING; i++) hres = pdds->Lock(nullptr, &ddsd, 0, nullptr);
  if (hres == DD_OK) {
    // only the bytes of one pixel: a one-pixel surface has no second one to read
    const DWORD bity = ddsd.ddpfPixelFormat.dwRGBBitCount;
    const size_t bajty = bity >= 32 || bity == 0 ? 4 : (bity + 7) / 8;
    dw = 0;
    std::memcpy(&dw, ddsd.lpSurface, bajty);
    if (bity > 0 && bity < 32) dw &= (1u << bity) - 1;
    pdds->Unlock(nullptr);
  }
  if (zapisane && pdds->GetDC(&hdc) == DD_OK) {
    SetPixel(hdc, 0, 0, povodna);
    pdds->ReleaseDC(hdc);
  }
  return dw;
}

HRESULT DDSetColorKey(IDirectDrawSurface* pdds, COLORREF rgb) {
  if (!pdds) return E_FAIL;
  DDCOLORKEY ddck;
  ddck.dwColorSpaceLowValue = DDColorMatch(pdds, rgb);
  ddck.dwColorSpaceHighValue = ddck.dwColorSpaceLowValue;
  return pdds->SetColorKey(DDCKEY_SRCBLT, &ddck);
}

void DDSURFACE_ZMAZ(IDirectDrawSurface* d_SRF, DWORD farba) {
  if (!d_SRF) return;
  DDBLTFX ddbltfx;
  std::memset(&ddbltfx, 0, sizeof(ddbltfx));
  ddbltfx.dwSize = sizeof(ddbltfx);
  ddbltfx.dwFillColor = farba;
  d_SRF->Blt(nullptr, nullptr, nullptr, DDBLT_COLORFILL | DDBLT_WAIT, &ddbltfx);
}
