// Display surfaces with the DirectDraw names and status codes the viewer relies on.
// Every surface is a block of pixels in memory, 16-bit 5-6-5 or 32-bit X8R8G8B8 (pixel.h);
// the SDL backend shows the primary surface, the memory backend keeps it for tests to read.
#pragma once
#include <vector>

#include "platform/pixel.h"
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
#define DDERR_INVALIDPIXELFORMAT ((HRESULT)0x88760091)
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
  // Lock: the whole surface (rect null) or a rectangle inside it. Fills lpSurface, lPitch
  // (bytes), dwWidth, dwHeight and the pixel format (dwRGBBitCount and the masks). Only when desc->dwSize == sizeof(DDSURFACEDESC).
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
  // and read the pixels without a lock: PLAT_Row on a 16-bit surface, PLAT_Row32 on a 32-bit one.
  void PLAT_Lose();
  int PLAT_Width() const { return width; }
  int PLAT_Height() const { return height; }
  int PLAT_PitchBytes() const { return pitch; }
  int PLAT_Bits() const { return bits; }
  const uint8_t* PLAT_Bytes(int y) const { return reinterpret_cast<const uint8_t*>(pixels.data()) + (size_t)y * pitch; }
  const uint16_t* PLAT_Row(int y) const { return reinterpret_cast<const uint16_t*>(PLAT_Bytes(y)); }
  const uint32_t* PLAT_Row32(int y) const { return reinterpret_cast<const uint32_t*>(PLAT_Bytes(y)); }
  uint32_t PLAT_Pixel(int x, int y) const { return bits == 32 ? PLAT_Row32(y)[x] : PLAT_Row(y)[x]; }
  bool PLAT_IsPrimary() const { return primary; }

  // Implementation state (platform/ only).
  int width = 0;
  int height = 0;
  int bits = 16;  // 16 (5-6-5) or 32 (X8R8G8B8)
  int pitch = 0;  // bytes; deliberately wider than a row's pixels so that code must honour it
  std::vector<uint32_t> pixels;  // the rows, pitch bytes apart (words: aligned for either format)
  bool primary = false;
  bool lost = false;
  bool locked = false;
  bool dc_out = false;
  bool has_key = false;
  uint32_t key = 0;  // in the surface's format
  IDirectDrawSurface* back = nullptr;  // primary only
  IDirectDrawSurface* owner = nullptr;  // back buffer only
  IDirectDrawPalette* palette = nullptr;
  IDirectDraw* dd = nullptr;
  ULONG refs = 1;
};

class IDirectDraw {
 public:
  HRESULT SetCooperativeLevel(HWND wnd, DWORD flags);
  // A display mode is a logical resolution of 16 or 32 bits per pixel.
  HRESULT SetDisplayMode(DWORD width, DWORD height, DWORD bpp);
  // Primary: DDSCAPS_PRIMARYSURFACE (| DDSCAPS_FLIP | DDSCAPS_COMPLEX with DDSD_BACKBUFFERCOUNT 1)
  // of the display mode's size and depth. Off-screen: DDSCAPS_OFFSCREENPLAIN with DDSD_WIDTH |
  // DDSD_HEIGHT, of the display mode's depth (16 before a mode is set) unless DDSD_PIXELFORMAT
  // asks for dwRGBBitCount 16 or 32.
  HRESULT CreateSurface(DDSURFACEDESC* desc, IDirectDrawSurface** out, void* outer);
  HRESULT CreatePalette(DWORD flags, PALETTEENTRY* entries, IDirectDrawPalette** out, void* outer);
  ULONG Release();

  DWORD mode_width = 0;
  DWORD mode_height = 0;
  DWORD mode_bits = 16;
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
