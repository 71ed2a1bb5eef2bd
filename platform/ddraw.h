// Display surfaces with the DirectDraw names and status codes the viewer relies on.
// Every surface is a block of 16-bit 5-6-5 pixels in memory; the SDL backend shows
// the primary surface, the memory backend keeps it for tests to read.
#pragma once
#include <vector>

#include "platform/windef.h"

struct HDC__;
typedef HDC__* HDC;

#define DD_OK ((HRESULT)0)
#define DDERR_GENERIC E_FAIL
#define DDERR_INVALIDPARAMS E_INVALIDARG
#define DDERR_OUTOFMEMORY E_OUTOFMEMORY
#define DDERR_SURFACELOST ((HRESULT)0x887601C2)
#define DDERR_WASSTILLDRAWING ((HRESULT)0x8876021C)
#define DDERR_SURFACEBUSY ((HRESULT)0x887601AE)
#define DDERR_NOTLOCKED ((HRESULT)0x887602A0)
#define DDERR_INVALIDMODE ((HRESULT)0x88760078)
#define DDERR_NOTFOUND ((HRESULT)0x887600FF)
#define DDERR_NOCOLORKEY ((HRESULT)0x887600D7)
#define DDERR_DCALREADYCREATED ((HRESULT)0x8876026C)
#define DDERR_UNSUPPORTED ((HRESULT)0x80004001)
#define DDERR_NOTFLIPPABLE ((HRESULT)0x88760246)

// DDSURFACEDESC.dwFlags
#define DDSD_CAPS 0x00000001u
#define DDSD_HEIGHT 0x00000002u
#define DDSD_WIDTH 0x00000004u
#define DDSD_PITCH 0x00000008u
#define DDSD_BACKBUFFERCOUNT 0x00000020u
#define DDSD_PIXELFORMAT 0x00001000u
#define DDSD_CKSRCBLT 0x00010000u
#define DDSD_LPSURFACE 0x00000800u

// DDSCAPS.dwCaps
#define DDSCAPS_BACKBUFFER 0x00000004u
#define DDSCAPS_COMPLEX 0x00000008u
#define DDSCAPS_FLIP 0x00000010u
#define DDSCAPS_OFFSCREENPLAIN 0x00000040u
#define DDSCAPS_PRIMARYSURFACE 0x00000200u
#define DDSCAPS_SYSTEMMEMORY 0x00000800u
#define DDSCAPS_VIDEOMEMORY 0x00004000u

// Lock
#define DDLOCK_SURFACEMEMORYPTR 0x00000000u
#define DDLOCK_WAIT 0x00000001u

// Blt
#define DDBLT_ALPHASRCCONSTOVERRIDE 0x00000080u
#define DDBLT_COLORFILL 0x00000400u
#define DDBLT_DDFX 0x00000800u
#define DDBLT_KEYSRC 0x00008000u
#define DDBLT_WAIT 0x01000000u
#define DDBLTFX_MIRRORLEFTRIGHT 0x00000002u

// BltFast
#define DDBLTFAST_NOCOLORKEY 0x00000000u
#define DDBLTFAST_SRCCOLORKEY 0x00000001u
#define DDBLTFAST_WAIT 0x00000010u

// Flip
#define DDFLIP_WAIT 0x00000001u

// SetColorKey
#define DDCKEY_SRCBLT 0x00000008u

// SetCooperativeLevel
#define DDSCL_FULLSCREEN 0x00000001u
#define DDSCL_NORMAL 0x00000008u
#define DDSCL_EXCLUSIVE 0x00000010u

// CreatePalette
#define DDPCAPS_8BIT 0x00000004u
#define DDPCAPS_ALLOW256 0x00000040u

struct DDCOLORKEY {
  DWORD dwColorSpaceLowValue;
  DWORD dwColorSpaceHighValue;
};

struct DDPIXELFORMAT {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwFourCC;
  DWORD dwRGBBitCount;
  DWORD dwRBitMask;
  DWORD dwGBitMask;
  DWORD dwBBitMask;
  DWORD dwRGBAlphaBitMask;
};

struct DDSCAPS {
  DWORD dwCaps;
};

struct DDSURFACEDESC {
  DWORD dwSize;
  DWORD dwFlags;
  DWORD dwHeight;
  DWORD dwWidth;
  LONG lPitch;
  DWORD dwBackBufferCount;
  void* lpSurface;
  DDCOLORKEY ddckCKSrcBlt;
  DDPIXELFORMAT ddpfPixelFormat;
  DDSCAPS ddsCaps;
};

struct DDBLTFX {
  DWORD dwSize;
  DWORD dwDDFX;
  DWORD dwFillColor;
  DWORD dwAlphaSrcConst;  // 0 … 255
};

struct PALETTEENTRY {
  BYTE peRed;
  BYTE peGreen;
  BYTE peBlue;
  BYTE peFlags;
};

class IDirectDraw;

class IDirectDrawPalette {
 public:
  ULONG Release();
  PALETTEENTRY entries[256];
};

class IDirectDrawSurface {
 public:
  // Lock: rect must be null (the whole surface). Fills lpSurface, lPitch (bytes),
  // dwWidth, dwHeight and the pixel format. Only when desc->dwSize == sizeof(DDSURFACEDESC).
  HRESULT Lock(RECT* rect, DDSURFACEDESC* desc, DWORD flags, HANDLE event);
  HRESULT Unlock(void* rect);
  // Blt: stretch (nearest), colour fill, mirror left-right (with DDBLT_KEYSRC), constant alpha.
  // Null rectangles mean the whole surface; rectangles are clipped to both surfaces.
  HRESULT Blt(RECT* dst, IDirectDrawSurface* src, RECT* srcRect, DWORD flags, DDBLTFX* fx);
  // BltFast: unscaled copy; with DDBLTFAST_SRCCOLORKEY source pixels equal to the key are skipped.
  HRESULT BltFast(DWORD x, DWORD y, IDirectDrawSurface* src, RECT* srcRect, DWORD trans);
  // Flip, on the primary: it and its back buffer exchange their pixels, so the picture drawn
  // in the back buffer is shown and the back buffer holds the one shown before. target must
  // be null or the back buffer.
  HRESULT Flip(IDirectDrawSurface* target, DWORD flags);
  HRESULT SetColorKey(DWORD flags, DDCOLORKEY* key);
  HRESULT GetColorKey(DWORD flags, DDCOLORKEY* key);
  HRESULT GetDC(HDC* dc);
  HRESULT ReleaseDC(HDC dc);
  HRESULT GetSurfaceDesc(DDSURFACEDESC* desc);
  HRESULT Restore();  // memory back after a loss; the contents are undefined until redrawn
  HRESULT IsLost();
  // The primary's back buffer; owned by the primary (released with it), no extra reference.
  HRESULT GetAttachedSurface(DDSCAPS* caps, IDirectDrawSurface** out);
  HRESULT SetPalette(IDirectDrawPalette* pal);
  ULONG Release();

  // Backend and test access (not DirectDraw): make the surface (and its back buffer) lost,
  // and read the pixels without a lock.
  void PLAT_Lose();
  int PLAT_Width() const { return width; }
  int PLAT_Height() const { return height; }
  int PLAT_PitchBytes() const { return pitch; }
  const uint16_t* PLAT_Row(int y) const {
    return reinterpret_cast<const uint16_t*>(reinterpret_cast<const uint8_t*>(pixels.data()) + (size_t)y * pitch);
  }
  bool PLAT_IsPrimary() const { return primary; }

  // Implementation state (platform/ only).
  int width = 0;
  int height = 0;
  int pitch = 0;  // bytes; deliberately wider than 2 × width so that code must honour it
  std::vector<uint16_t> pixels;
  bool primary = false;
  bool lost = false;
  bool locked = false;
  bool dc_out = false;
  bool has_key = false;
  uint16_t key = 0;
  IDirectDrawSurface* back = nullptr;  // primary only
  IDirectDrawSurface* owner = nullptr;  // back buffer only
  IDirectDrawPalette* palette = nullptr;
  IDirectDraw* dd = nullptr;
  ULONG refs = 1;
};

class IDirectDraw {
 public:
  HRESULT SetCooperativeLevel(HWND wnd, DWORD flags);
  // A display mode is a logical resolution; only 16 bits per pixel exist.
  HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bpp);
  // Primary: DDSCAPS_PRIMARYSURFACE (| DDSCAPS_FLIP | DDSCAPS_COMPLEX with DDSD_BACKBUFFERCOUNT 1)
  // of the display mode's size. Off-screen: DDSCAPS_OFFSCREENPLAIN with DDSD_WIDTH | DDSD_HEIGHT.
  HRESULT CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** out, void* outer);
  HRESULT CreatePalette(DWORD flags, PALETTEENTRY* entries, IDirectDrawPalette** out, void* outer);
  ULONG Release();

  DWORD mode_width = 0;
  DWORD mode_height = 0;
  HWND window = nullptr;
  IDirectDrawSurface* primary = nullptr;  // the one primary, for the backend to present
};

HRESULT DirectDrawCreate(void* guid, IDirectDraw** out, void* outer);

// Backend: every live surface, for device-loss simulation.
void PLAT_LoseAllSurfaces();
// The primary surface currently on show (null when none), as a person would see it.
IDirectDrawSurface* PLAT_ScreenSurface();
// Surfaces created and not yet released (a back buffer counts), for leak tests.
int PLAT_LiveSurfaces();
// Pixel conversion used throughout the layer: 5-6-5 <-> 8-bit channels by bit replication.
inline uint16_t PLAT_Pack565(BYTE r, BYTE g, BYTE b) {
  return (uint16_t)(((r >> 3) << 11) | ((g >> 2) << 5) | (b >> 3));
}
inline void PLAT_Unpack565(uint16_t p, BYTE* r, BYTE* g, BYTE* b) {
  const unsigned r5 = (p >> 11) & 31, g6 = (p >> 5) & 63, b5 = p & 31;
  *r = (BYTE)((r5 << 3) | (r5 >> 2));
  *g = (BYTE)((g6 << 2) | (g6 >> 4));
  *b = (BYTE)((b5 << 3) | (b5 >> 2));
}
