// Plain off-screen surfaces: the scratch and picture surfaces of every module.
#include "toolkit/ddutil.h"

IDirectDrawSurface* DDVytvor_povrch(IDirectDraw* pdd, int sir, int vys) {
  if (pdd == nullptr || sir < 1 || vys < 1) return nullptr;
  DDSURFACEDESC ddsd = {};
  ddsd.dwSize = sizeof(ddsd);
  ddsd.dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT;
  ddsd.ddsCaps.dwCaps = DDSCAPS_OFFSCREENPLAIN;
  ddsd.dwWidth = (DWORD)sir;
  ddsd.dwHeight = (DWORD)vys;
  IDirectDrawSurface* pdds = nullptr;
  if (pdd->CreateSurface(&ddsd, &pdds, nullptr) != DD_OK) return nullptr;
  return pdds;
}
