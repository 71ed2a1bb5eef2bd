// One surface: locking, flipping, colour key, contexts, loss and restore, the back buffer, release.
#include "platform/ddraw_internal.h"
#include "platform/fault.h"

namespace {
// After a restore the memory holds no picture; stripes make a forgotten redraw obvious.
void FillGarbage(IDirectDrawSurface* s) {
  PLAT_PerFormat(s->bits, [s](auto f) {
    typedef decltype(f) P;
    const typename P::T magenta = P::Pack(255, 0, 255), green = P::Pack(0, 255, 0);
    for (int y = 0; y < s->height; y++) {
      typename P::T* row = DDI_Row<P>(s, y);
      for (int x = 0; x < s->width; x++) row[x] = ((x + y) / 8) % 2 ? magenta : green;
    }
  });
}

bool RestoreOne(IDirectDrawSurface* s) {
  if (!s->lost) return false;
  s->lost = false;
  FillGarbage(s);
  return true;
}

void Destroy(IDirectDrawSurface* s) {
  if (s->dc_out) GDI_FreeSurfaceDC(GDI_SurfaceDC(s));
  DDI_Unregister(s);
  delete s;
}
}  // namespace

HRESULT IDirectDrawSurface::Lock(RECT* rect, DDSURFACEDESC* desc, DWORD, HANDLE) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_Lock, &code)) return code;
  if (!desc || desc->dwSize != sizeof(DDSURFACEDESC)) return DDERR_INVALIDPARAMS;
  if (lost) return DDERR_SURFACELOST;
  if (locked || dc_out) return DDERR_SURFACEBUSY;
  size_t offset = 0;
  if (rect) {
    if (rect->left < 0 || rect->top < 0 || rect->left >= rect->right || rect->top >= rect->bottom ||
        rect->right > width || rect->bottom > height)
      return DDERR_INVALIDPARAMS;
    offset = (size_t)rect->top * pitch + (size_t)rect->left * PLAT_BytesPerPixel((unsigned)bits);
  }
  DDI_Describe(this, desc);
  desc->dwFlags |= DDSD_LPSURFACE;
  desc->lpSurface = reinterpret_cast<uint8_t*>(pixels.data()) + offset;
  locked = true;
  return DD_OK;
}

HRESULT IDirectDrawSurface::Unlock(void*) {
  if (!locked) return DDERR_NOTLOCKED;
  locked = false;
  DDI_Touched(this);
  return lost ? DDERR_SURFACELOST : DD_OK;
}

HRESULT IDirectDrawSurface::Flip(IDirectDrawSurface* target, DWORD) {
  if (!primary || !back || (target && target != back)) return DDERR_NOTFLIPPABLE;
  if (lost || back->lost) return DDERR_SURFACELOST;
  if (locked || dc_out || back->locked || back->dc_out) return DDERR_SURFACEBUSY;
  pixels.swap(back->pixels);
  DDI_Touched(this);
  return DD_OK;
}

HRESULT IDirectDrawSurface::SetColorKey(DWORD flags, DDCOLORKEY* k) {
  if (lost) return DDERR_SURFACELOST;
  if (!(flags & DDCKEY_SRCBLT)) return DDERR_UNSUPPORTED;
  has_key = k != nullptr;
  key = k ? (bits == 32 ? k->dwColorSpaceLowValue : (uint16_t)k->dwColorSpaceLowValue) : 0;
  return DD_OK;
}

HRESULT IDirectDrawSurface::GetColorKey(DWORD flags, DDCOLORKEY* k) {
  if (lost) return DDERR_SURFACELOST;
  if (!k || !(flags & DDCKEY_SRCBLT)) return DDERR_INVALIDPARAMS;
  if (!has_key) return DDERR_NOCOLORKEY;
  k->dwColorSpaceLowValue = key;
  k->dwColorSpaceHighValue = key;
  return DD_OK;
}

HRESULT IDirectDrawSurface::GetDC(HDC* dc) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_GetDC, &code)) return code;
  if (!dc) return DDERR_INVALIDPARAMS;
  *dc = nullptr;
  if (lost) return DDERR_SURFACELOST;
  if (dc_out) return DDERR_DCALREADYCREATED;
  if (locked) return DDERR_SURFACEBUSY;
  *dc = GDI_CreateSurfaceDC(this);
  dc_out = true;
  return DD_OK;
}

HRESULT IDirectDrawSurface::ReleaseDC(HDC dc) {
  if (!dc_out || !dc || GDI_SurfaceDC(this) != dc) return DDERR_INVALIDPARAMS;
  GDI_FreeSurfaceDC(dc);
  dc_out = false;
  DDI_Touched(this);
  return lost ? DDERR_SURFACELOST : DD_OK;
}

HRESULT IDirectDrawSurface::GetSurfaceDesc(DDSURFACEDESC* desc) {
  if (!desc) return DDERR_INVALIDPARAMS;
  if (lost) return DDERR_SURFACELOST;
  DDI_Describe(this, desc);
  return DD_OK;
}

HRESULT IDirectDrawSurface::Restore() {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_Restore, &code)) return code;
  bool changed = RestoreOne(this);
  if (back && RestoreOne(back)) changed = true;
  if (changed) DDI_Touched(this);
  return DD_OK;
}

HRESULT IDirectDrawSurface::IsLost() { return lost ? DDERR_SURFACELOST : DD_OK; }

HRESULT IDirectDrawSurface::GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** out) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_GetAttachedSurface, &code)) return code;
  if (!out) return DDERR_INVALIDPARAMS;
  *out = nullptr;
  if (lost) return DDERR_SURFACELOST;
  if (!caps || !(caps->dwCaps & DDSCAPS_BACKBUFFER) || !back) return DDERR_NOTFOUND;
  *out = back;
  return DD_OK;
}

HRESULT IDirectDrawSurface::SetPalette(IDirectDrawPalette* pal) {
  if (lost) return DDERR_SURFACELOST;
  palette = pal;
  return DD_OK;
}

ULONG IDirectDrawSurface::Release() {
  if (owner) return 1;  // the back buffer lives and dies with its primary
  if (--refs > 0) return refs;
  if (primary && dd && dd->primary == this) dd->primary = nullptr;
  if (back) Destroy(back);
  Destroy(this);
  return 0;
}

void IDirectDrawSurface::PLAT_Lose() {
  lost = true;
  if (back) back->lost = true;
}
