// Pictures into off-screen surfaces: a bitmap resource of the name wins over a file of it.
#include <cstring>

#include "platform/user32.h"
#include "toolkit/ddutil.h"

namespace {

HBITMAP Najdi_obrazok(const char* meno, int dx, int dy) {
  if (!meno) return nullptr;
  HANDLE h = LoadImageA(GetModuleHandleA(nullptr), meno, IMAGE_BITMAP, dx, dy, LR_CREATEDIBSECTION);
  if (!h) h = LoadImageA(nullptr, meno, IMAGE_BITMAP, dx, dy, LR_CREATEDIBSECTION | LR_LOADFROMFILE);
  return static_cast<HBITMAP>(h);
}

// Makes the surface for a found picture and copies the picture in; the bitmap is released.
IDirectDrawSurface* Povrch_s_obrazkom(IDirectDraw* pdd, HBITMAP hbm, int sir, int vys) {
  IDirectDrawSurface* pdds = DDVytvor_povrch(pdd, sir, vys);
  if (pdds) DDCopyBitmap(pdds, hbm, 0, 0, 0, 0);
  DeleteObject(hbm);
  return pdds;
}

// The found picture in a surface krat times its size: the copy stretches it by whole pixels.
IDirectDrawSurface* Nahraj_krat(IDirectDraw* pdd, HBITMAP hbm, int krat, int* sir, int* vys) {
  if (!hbm) return nullptr;
  BITMAP bm;
  std::memset(&bm, 0, sizeof(bm));
  GetObjectA(hbm, sizeof(bm), &bm);
  // reported before the surface exists, so a caller learns the size even when creation fails
  if (sir) *sir = bm.bmWidth * krat;
  if (vys) *vys = bm.bmHeight * krat;
  return Povrch_s_obrazkom(pdd, hbm, bm.bmWidth * krat, bm.bmHeight * krat);
}

}  // namespace

IDirectDrawSurface* DDLoadBitmap_ts(IDirectDraw* pdd, const char* szBitmap, int dx, int dy, int* sir, int* vys) {
  return Nahraj_krat(pdd, Najdi_obrazok(szBitmap, dx, dy), 1, sir, vys);
}

IDirectDrawSurface* DDLoadBitmap_ts_krat(IDirectDraw* pdd, const char* szBitmap, int krat, int* sir, int* vys) {
  if (krat < 1 || krat > DD_KRAT_MAX) return nullptr;
  return Nahraj_krat(pdd, Najdi_obrazok(szBitmap, 0, 0), krat, sir, vys);
}

IDirectDrawSurface* DDLoadBitmap_ts_stretch(IDirectDraw* pdd, const char* szBitmap, int sir, int vys) {
  if (sir <= 0 || vys <= 0) return nullptr;
  HBITMAP hbm = Najdi_obrazok(szBitmap, sir, vys);
  if (!hbm) return nullptr;
  return Povrch_s_obrazkom(pdd, hbm, sir, vys);
}

HRESULT DDCopyBitmap(IDirectDrawSurface* pdds, HBITMAP hbm, int x, int y, int dx, int dy) {
  if (!hbm || !pdds) return E_FAIL;
  pdds->Restore();  // so that a lost surface has memory to draw into
  HDC hdcImage = CreateCompatibleDC(nullptr);
  if (!hdcImage) OutputDebugStringA("createcompatible dc failed\n");
  SelectObject(hdcImage, hbm);
  BITMAP bm;
  std::memset(&bm, 0, sizeof(bm));
  GetObjectA(hbm, sizeof(bm), &bm);
  if (dx == 0) dx = bm.bmWidth;
  if (dy == 0) dy = bm.bmHeight;
  DDSURFACEDESC ddsd;
  std::memset(&ddsd, 0, sizeof(ddsd));
  ddsd.dwSize = sizeof(ddsd);
  ddsd.dwFlags = DDSD_HEIGHT | DDSD_WIDTH;
  pdds->GetSurfaceDesc(&ddsd);
  HDC hdc = nullptr;
  const HRESULT hr = pdds->GetDC(&hdc);
  if (hr == DD_OK) {
    StretchBlt(hdc, 0, 0, (int)ddsd.dwWidth, (int)ddsd.dwHeight, hdcImage, x, y, dx, dy, SRCCOPY);
    pdds->ReleaseDC(hdc);
  }
  if (hdcImage) DeleteDC(hdcImage);
  return hr;
}

HRESULT DDReLoadBitmap(IDirectDrawSurface* pdds, const char* szBitmap) {
  HBITMAP hbm = Najdi_obrazok(szBitmap, 0, 0);
  if (!hbm) {
    OutputDebugStringA("handle is null\n");
    return E_FAIL;
  }
  const HRESULT hr = DDCopyBitmap(pdds, hbm, 0, 0, 0, 0);
  if (hr != DD_OK) OutputDebugStringA("ddcopybitmap failed\n");
  DeleteObject(hbm);
  return hr;
}

void DDReset_ts(IDirectDraw* pdd, IDirectDrawSurface** pdds, const char* szBitmap, int* sir, int* vys) {
  if (!pdds) return;
  if (*pdds) {
    (*pdds)->Release();
    *pdds = nullptr;
  }
  *pdds = DDLoadBitmap_ts(pdd, szBitmap, 0, 0, sir, vys);
}
