// The DirectDraw object: display mode, surface creation, palettes and the surface registry.
#include <algorithm>
#include <cstring>
#include <new>

#include "platform/backend_internal.h"
#include "platform/ddraw_internal.h"
#include "platform/fault.h"

namespace {
std::vector<IDirectDrawSurface*> g_surfaces;
std::vector<IDirectDrawPalette*> g_palettes;
IDirectDrawSurface* g_screen = nullptr;

// Rows are padded by 32 bytes and aligned to 16, so no code can get away with width × bytes.
int PitchFor(int w, int bits) { return ((w * PLAT_BytesPerPixel((unsigned)bits) + 32) + 15) & ~15; }

IDirectDrawSurface* NewSurface(IDirectDraw* dd, int w, int h, int bits) {
  IDirectDrawSurface* s = new IDirectDrawSurface();
  if (!DDI_Allocate(s, w, h, bits)) {
    delete s;
    return nullptr;
  }
  s->dd = dd;
  DDI_Register(s);
  return s;
}

HRESULT CreatePrimary(IDirectDraw* dd, const DDSURFACEDESC* desc, IDirectDrawSurface** out) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_CreatePrimary, &code)) return code;
  if (dd->primary) return DDERR_GENERIC;  // one visible surface per display
  if (dd->mode_width == 0 || dd->mode_height == 0) return DDERR_INVALIDMODE;
  const bool wants_back = (desc->dwFlags & DDSD_BACKBUFFERCOUNT) != 0 && desc->dwBackBufferCount > 0;
  if (wants_back && desc->dwBackBufferCount != 1) return DDERR_INVALIDPARAMS;
  IDirectDrawSurface* p = NewSurface(dd, (int)dd->mode_width, (int)dd->mode_height, (int)dd->mode_bits);
  if (!p) return DDERR_OUTOFMEMORY;
  p->primary = true;
  if (wants_back) {
    p->back = NewSurface(dd, p->width, p->height, p->bits);
    if (!p->back) {
      DDI_Unregister(p);
      delete p;
      return DDERR_OUTOFMEMORY;
    }
    p->back->owner = p;
  }
  dd->primary = p;
  g_screen = p;
  DDI_Touched(p);
  *out = p;
  return DD_OK;
}

HRESULT CreateOffscreen(IDirectDraw* dd, const DDSURFACEDESC* desc, IDirectDrawSurface** out) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_CreateOffscreen, &code)) return code;
  if ((desc->dwFlags & (DDSD_WIDTH | DDSD_HEIGHT)) != (DDSD_WIDTH | DDSD_HEIGHT)) return DDERR_INVALIDPARAMS;
  // A negative size arrives here as a huge unsigned number.
  const LONG w = (LONG)desc->dwWidth, h = (LONG)desc->dwHeight;
  if (w <= 0 || h <= 0) return DDERR_INVALIDPARAMS;
  int bits = (int)dd->mode_bits;
  if (desc->dwFlags & DDSD_PIXELFORMAT) {
    bits = (int)desc->ddpfPixelFormat.dwRGBBitCount;
    if (bits != 16 && bits != 32) return DDERR_INVALIDPIXELFORMAT;
  }
  IDirectDrawSurface* s = NewSurface(dd, w, h, bits);
  if (!s) return DDERR_OUTOFMEMORY;
  *out = s;
  return DD_OK;
}
}  // namespace

bool DDI_MapAxis(LONG d0, LONG d1, int dsize, LONG s0, LONG s1, int ssize, bool mirror, std::vector<int>* map,
                 int* first) {
  const long long dw = (long long)d1 - d0, sw = (long long)s1 - s0;
  map->clear();
  if (dw <= 0 || sw <= 0) return false;
  const LONG lo = std::max<LONG>(d0, 0), hi = std::min<LONG>(d1, dsize);
  for (LONG x = lo; x < hi; x++) {
    const long long i = x - d0;
    long long off = (2 * i + 1) * sw / (2 * dw);
    if (mirror) off = sw - 1 - off;
    const long long sx = s0 + off;
    if (sx < 0 || sx >= ssize) {
      if (map->empty()) continue;  // still before the source's start: skip
      break;                       // past its end: the rest falls outside too
    }
    if (map->empty()) *first = x;
    map->push_back((int)sx);
  }
  return !map->empty();
}

void DDI_Register(IDirectDrawSurface* s) { g_surfaces.push_back(s); }

void DDI_Unregister(IDirectDrawSurface* s) {
  g_surfaces.erase(std::remove(g_surfaces.begin(), g_surfaces.end(), s), g_surfaces.end());
  if (g_screen == s) g_screen = nullptr;
}

bool DDI_IsLive(const IDirectDrawSurface* s) {
  return s && std::find(g_surfaces.begin(), g_surfaces.end(), s) != g_surfaces.end();
}

bool DDI_Allocate(IDirectDrawSurface* s, int w, int h, int bits) {
  if (w <= 0 || h <= 0 || w > DDI_MAX_SIDE || h > DDI_MAX_SIDE) return false;
  if ((long long)w * h > DDI_MAX_PIXELS) return false;
  const int pitch = PitchFor(w, bits);
  try {
    s->pixels.assign((size_t)pitch / 4 * (size_t)h, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  s->width = w;
  s->height = h;
  s->bits = bits;
  s->pitch = pitch;
  return true;
}

void DDI_Describe(const IDirectDrawSurface* s, DDSURFACEDESC* desc) {
  const DWORD size = desc->dwSize;
  std::memset(desc, 0, sizeof(*desc));
  desc->dwSize = size;
  desc->dwFlags = DDSD_CAPS | DDSD_WIDTH | DDSD_HEIGHT | DDSD_PITCH | DDSD_PIXELFORMAT;
  desc->dwWidth = (DWORD)s->width;
  desc->dwHeight = (DWORD)s->height;
  desc->lPitch = s->pitch;
  desc->ddpfPixelFormat.dwSize = sizeof(DDPIXELFORMAT);
  desc->ddpfPixelFormat.dwFlags = 0x40;  // DDPF_RGB
  const bool wide = s->bits == 32;
  desc->ddpfPixelFormat.dwRGBBitCount = (DWORD)s->bits;
  desc->ddpfPixelFormat.dwRBitMask = wide ? 0xFF0000 : 0xF800;
  desc->ddpfPixelFormat.dwGBitMask = wide ? 0x00FF00 : 0x07E0;
  desc->ddpfPixelFormat.dwBBitMask = wide ? 0x0000FF : 0x001F;
  if (s->primary) {
    desc->ddsCaps.dwCaps = DDSCAPS_PRIMARYSURFACE | (s->back ? DDSCAPS_FLIP | DDSCAPS_COMPLEX : 0);
    if (s->back) {
      desc->dwFlags |= DDSD_BACKBUFFERCOUNT;
      desc->dwBackBufferCount = 1;
    }
  } else {
    desc->ddsCaps.dwCaps = s->owner ? DDSCAPS_BACKBUFFER : DDSCAPS_OFFSCREENPLAIN;
  }
  if (s->has_key) {
    desc->dwFlags |= DDSD_CKSRCBLT;
    desc->ddckCKSrcBlt.dwColorSpaceLowValue = s->key;
    desc->ddckCKSrcBlt.dwColorSpaceHighValue = s->key;
  }
}

void DDI_Touched(const IDirectDrawSurface* s) {
  if (s->primary && s == g_screen) PLAT_MarkScreenDirty();
}

HRESULT DirectDrawCreate(void*, IDirectDraw** out, void*) {
  if (!out) return DDERR_INVALIDPARAMS;
  *out = nullptr;
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_DirectDrawCreate, &code)) return code;
  *out = new IDirectDraw();
  return DD_OK;
}

HRESULT IDirectDraw::SetCooperativeLevel(HWND wnd, DWORD) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_SetCooperativeLevel, &code)) return code;
  window = wnd;
  return DD_OK;
}

HRESULT IDirectDraw::SetDisplayMode(DWORD w, DWORD h, DWORD bpp) {
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_SetDisplayMode, &code)) return code;
  if ((bpp != 16 && bpp != 32) || w < 1 || h < 1 || w > 4096 || h > 4096) return DDERR_INVALIDMODE;
  const HRESULT hr = PLAT_BackendSetMode((int)w, (int)h, (int)bpp);
  if (hr != DD_OK) return hr;
  mode_width = w;
  mode_height = h;
  mode_bits = bpp;
  return DD_OK;
}

HRESULT IDirectDraw::CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** out, void*) {
  if (!desc || !out) return DDERR_INVALIDPARAMS;
  *out = nullptr;
  if ((desc->dwFlags & DDSD_CAPS) && (desc->ddsCaps.dwCaps & DDSCAPS_PRIMARYSURFACE))
    return CreatePrimary(this, desc, out);
  return CreateOffscreen(this, desc, out);
}

HRESULT IDirectDraw::CreatePalette(DWORD, PALETTEENTRY* entries, IDirectDrawPalette** out, void*) {
  if (!out) return DDERR_INVALIDPARAMS;
  *out = nullptr;
  HRESULT code = DDERR_GENERIC;
  if (PLAT_FaultHit(PC_CreatePalette, &code)) return code;
  if (!entries) return DDERR_INVALIDPARAMS;
  IDirectDrawPalette* p = new IDirectDrawPalette();
  std::memcpy(p->entries, entries, sizeof(p->entries));
  g_palettes.push_back(p);
  *out = p;
  return DD_OK;
}

ULONG IDirectDraw::Release() {
  // Surfaces are plain memory and outlive the object; they only forget where they came from.
  for (IDirectDrawSurface* s : g_surfaces)
    if (s->dd == this) s->dd = nullptr;
  delete this;
  return 0;
}

ULONG IDirectDrawPalette::Release() {
  for (IDirectDrawSurface* s : g_surfaces)
    if (s->palette == this) s->palette = nullptr;
  g_palettes.erase(std::remove(g_palettes.begin(), g_palettes.end(), this), g_palettes.end());
  delete this;
  return 0;
}

void PLAT_LoseAllSurfaces() {
  for (IDirectDrawSurface* s : g_surfaces) s->lost = true;
}

IDirectDrawSurface* PLAT_ScreenSurface() { return g_screen; }

int PLAT_LiveSurfaces() { return (int)g_surfaces.size(); }
